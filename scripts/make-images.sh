#!/usr/bin/env bash
# Remakes the committed images: the raster font (platform/gdi/res) and every picture (app/res).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
ensure_packages
cmake -S . -B build/images -DCMAKE_BUILD_TYPE=Release -DVELINOR_TESTS=OFF
cmake --build build/images -j"$(nproc)" --target velinor-make-font
build/images/tools/velinor-make-font platform/gdi/res/font.png
cmake --build build/images -j"$(nproc)" --target velinor-make-images
build/images/tools/velinor-make-images app/res
echo "Remade platform/gdi/res/font.png and app/res/*.png"
