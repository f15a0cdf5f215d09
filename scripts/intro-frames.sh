#!/usr/bin/env bash
# Writes the opening animation's screens for steps 0 to 50 of one seeded run side by side to
# build/intro-frames.png (or the file given); a second argument picks the seed (default 1).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
ensure_packages
out="${1:-build/intro-frames.png}"
seed="${2:-1}"
cmake -S . -B build/intro -DCMAKE_BUILD_TYPE=Release
cmake --build build/intro -j"$(nproc)" --target velinor-intro-frames
build/intro/tests/render/velinor-intro-frames "$out" "$seed"
echo "Wrote $out"
