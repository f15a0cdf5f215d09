#!/usr/bin/env bash
# Builds the game in Release and starts it; with --build-only it stops after the build (CI).
# A player's build never fails on a compiler's warning: -Werror is for the test build only.
set -euo pipefail
build_only=0
if [ "${1:-}" = "--build-only" ]; then
  build_only=1
  shift
fi
cd "$(dirname "$0")/.."
source scripts/deps.sh
ensure_packages
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DVELINOR_TESTS=OFF
cmake --build build/release -j"$(nproc)"
[ "$build_only" = 1 ] && exit 0
if [ -x build/release/app/velinor ]; then
  exec build/release/app/velinor "$@"
fi
echo "Built everything there is so far; the game's window is not there yet, so nothing starts."
