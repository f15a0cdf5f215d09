#!/usr/bin/env bash
# Builds velinor-bench in Release and runs it; extra arguments go to Google Benchmark.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
ensure_packages
cmake -S . -B build/bench -DCMAKE_BUILD_TYPE=Release -DVELINOR_TESTS=OFF -DVELINOR_BENCH=ON
cmake --build build/bench -j"$(nproc)" --target velinor-bench
exec build/bench/bench/velinor-bench "$@"
