# Sourced by the build scripts: installs the Debian packages the project needs when any is missing.
VELINOR_PACKAGES=(
  cmake g++ pkg-config
  libsdl2-dev libfreetype-dev fonts-dejavu-core fonts-dejavu-extra fonts-liberation libpng-dev libsqlite3-dev
  libgtest-dev libbenchmark-dev xvfb xauth libxtst-dev desktop-file-utils clang-format
  emscripten chromium chromium-driver python3-selenium
)

ensure_packages() {
  local missing=() p
  for p in "${VELINOR_PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  ((${#missing[@]} == 0)) && return 0
  local sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  echo "Installing: ${missing[*]}"
  "${sudo[@]}" apt-get update
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
}
