#!/usr/bin/env bash
# Builds the time-history fuzz target with clang (libFuzzer, ASan, UBSan) and runs it.
#   scripts/fuzz.sh [RUNS] [libFuzzer options...]     RUNS defaults to 200000
# The kept inputs in tests/store/history_corpus seed every run and are only read; new ones go
# to build/fuzz/corpus. To keep the interesting ones, merge them into the kept set:
#   build/fuzz/tests/store/history_fuzz -merge=1 tests/store/history_corpus build/fuzz/corpus
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
VELINOR_PACKAGES+=(clang libclang-rt-14-dev)
ensure_packages
runs="${1:-200000}"
shift || true
cmake -S . -B build/fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DVELINOR_SANITIZE=ON -DVELINOR_FUZZ=ON -DVELINOR_TESTS=ON
cmake --build build/fuzz -j"$(nproc)" --target history_fuzz
mkdir -p build/fuzz/corpus
exec build/fuzz/tests/store/history_fuzz -runs="$runs" -max_len=600 "$@" \
  build/fuzz/corpus tests/store/history_corpus
