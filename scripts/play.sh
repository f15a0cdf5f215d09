#!/usr/bin/env bash
# Builds the game in Release and starts it; arguments go to the game (e.g. --scale 3). With
# --build-only it stops after the build (CI).
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
exec build/release/app/velinor "$@"
