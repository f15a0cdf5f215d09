#!/usr/bin/env bash
# Writes the main window's frame in each situation the render tests paint (new game, rules
# example, playing, hint awaited, paused, finished with each banner and none, bitmaps missing)
# at 2x to build/frames/ (or the folder given): one PNG per situation and all of them on all.png.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
ensure_packages
out="${1:-build/frames}"
cmake -S . -B build/test -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELINOR_SANITIZE=ON -DVELINOR_WERROR=ON
cmake --build build/test -j"$(nproc)" --target velinor-frames
build/test/tests/render/velinor-frames "$out"
echo "Wrote $out/all.png and one PNG per situation"
