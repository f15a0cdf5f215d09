#!/usr/bin/env bash
# Writes every built-in image at 3x, and as the game shows them, to build/contact-sheet.png
# (or the file given).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
ensure_packages
out="${1:-build/contact-sheet.png}"
cmake -S . -B build/images -DCMAKE_BUILD_TYPE=Release -DVELINOR_TESTS=OFF
cmake --build build/images -j"$(nproc)" --target velinor-contact-sheet
build/images/tools/velinor-contact-sheet "$out"
echo "Wrote $out"
