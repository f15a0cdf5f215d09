#!/usr/bin/env bash
# Builds the game in Release and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
ensure_packages
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DVELINOR_TESTS=OFF
cmake --build build/release -j"$(nproc)"
if [ -x build/release/app/velinor ]; then
  exec build/release/app/velinor "$@"
fi
echo "Built everything there is so far; the game's window is not there yet, so nothing starts."
