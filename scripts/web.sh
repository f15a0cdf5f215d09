#!/usr/bin/env bash
# Builds the game as a web page into build/web/: index.html, velinor.js, velinor.wasm, the icon as
# favicon and a web app manifest. Debian's emscripten compiles it; nothing is downloaded.
#
#   scripts/web.sh                 builds velinor-embed for this machine first (build/web-tools)
#   scripts/web.sh --embed PATH    uses a velinor-embed already built for this machine
#
# Serve it with `python3 -m http.server -d build/web 8000` and open http://localhost:8000/
# (?seed=N seeds the random source, so a session can be played again).
set -euo pipefail
cd "$(dirname "$0")/.."
embed=
if [ "${1:-}" = "--embed" ]; then
  embed=$(realpath "$2")
fi
source scripts/deps.sh
ensure_packages

if [ -z "$embed" ]; then
  cmake -S . -B build/web-tools -DCMAKE_BUILD_TYPE=Release -DVELINOR_TESTS=OFF > /dev/null
  cmake --build build/web-tools -j"$(nproc)" --target velinor-embed
  embed=$PWD/build/web-tools/tools/velinor-embed
fi

# Debian's emscripten runs JavaScript helpers (acorn) from Debian's node modules.
export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}
emcmake cmake -S . -B build/web-build -DCMAKE_BUILD_TYPE=MinSizeRel -DVELINOR_EMBED="$embed" \
  > /dev/null
cmake --build build/web-build -j"$(nproc)" --target velinor-web

mkdir -p build/web
cp build/web-build/app/velinor.js build/web-build/app/velinor.wasm build/web/
cp app/web/index.html app/web/velinor.webmanifest build/web/
cp app/res/icon-128-32.png build/web/favicon.png
echo "Page in build/web/ ($(($(stat -c %s build/web/velinor.js build/web/velinor.wasm | paste -sd+))) bytes of .js and .wasm)."
echo "Serve it: python3 -m http.server -d build/web 8000, then open http://localhost:8000/"
