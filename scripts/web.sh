#!/usr/bin/env bash
# Builds the game as a web page into build/web/: index.html, velinor.js, velinor.wasm, the icon as
# favicon and a web app manifest. Debian's emscripten compiles it; nothing is downloaded.
#
#   scripts/web.sh                 builds velinor-embed for this machine first (build/web-tools)
#   scripts/web.sh --embed PATH    uses a velinor-embed already built for this machine
#   scripts/web.sh --into DIR      the page in DIR/web, its build in DIR/web-build (the tests' own)
#
# Serve it with `python3 -m http.server -d build/web 8000` and open http://localhost:8000/
# (?seed=N seeds the random source, so a session can be played again).
set -euo pipefail
cd "$(dirname "$0")/.."
embed=
into=build
while (($#)); do
  case "$1" in
    --embed) embed=$(realpath "$2") ;;
    --into) into=$2 ;;
    *) echo "usage: scripts/web.sh [--embed PATH] [--into DIR]" >&2; exit 2 ;;
  esac
  shift 2
done
source scripts/deps.sh
ensure_packages

if [ -z "$embed" ]; then
  cmake -S . -B build/web-tools -DCMAKE_BUILD_TYPE=Release -DVELINOR_TESTS=OFF > /dev/null
  cmake --build build/web-tools -j"$(nproc)" --target velinor-embed
  embed=$PWD/build/web-tools/tools/velinor-embed
fi

# Debian's emscripten runs JavaScript helpers (acorn) from Debian's node modules.
export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}
emcmake cmake -S . -B "$into/web-build" -DCMAKE_BUILD_TYPE=MinSizeRel -DVELINOR_EMBED="$embed" \
  > /dev/null
cmake --build "$into/web-build" -j"$(nproc)" --target velinor-web

page=$into/web
mkdir -p "$page"
cp "$into/web-build/app/velinor.js" "$into/web-build/app/velinor.wasm" "$page/"
cp app/web/index.html app/web/velinor.webmanifest "$page/"
cp app/res/icon-128-32.png "$page/favicon.png"
echo "Page in $page/ ($(($(stat -c %s "$page/velinor.js" "$page/velinor.wasm" | paste -sd+))) bytes of .js and .wasm)."
echo "Serve it: python3 -m http.server -d $page 8000, then open http://localhost:8000/"
