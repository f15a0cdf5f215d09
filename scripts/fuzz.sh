#!/usr/bin/env bash
# Builds a libFuzzer target with clang (AddressSanitizer, UndefinedBehaviorSanitizer) and runs it.
#   scripts/fuzz.sh [history|script] [RUNS] [libFuzzer options...]
# history (the default): the time-history text; script: any text as a velinor-script script.
# RUNS defaults to 200000. The kept inputs (tests/store/history_corpus, or
# tests/scripts/fuzz_corpus with the script suite beside it) seed every run and are only read;
# new ones go to build/fuzz/<target>-corpus. To keep the interesting ones, merge them in:
#   build/fuzz/tests/store/history_fuzz -merge=1 tests/store/history_corpus build/fuzz/history-corpus
#   build/fuzz/tests/app/script_fuzz -merge=1 tests/scripts/fuzz_corpus build/fuzz/script-corpus
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
VELINOR_PACKAGES+=(clang libclang-rt-14-dev)
ensure_packages
target=history
if [[ "${1:-}" == history || "${1:-}" == script ]]; then
  target="$1"
  shift
fi
runs="${1:-200000}"
shift || true
cmake -S . -B build/fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DVELINOR_SANITIZE=ON -DVELINOR_FUZZ=ON -DVELINOR_TESTS=ON
cmake --build build/fuzz -j"$(nproc)" --target "${target}_fuzz"
mkdir -p "build/fuzz/$target-corpus"
if [[ $target == history ]]; then
  exec build/fuzz/tests/store/history_fuzz -runs="$runs" -max_len=600 "$@" \
    build/fuzz/history-corpus tests/store/history_corpus
fi
# A script runs a whole program: longer inputs and a timeout that a script of long waits stays
# under, while a real hang does not.
exec build/fuzz/tests/app/script_fuzz -runs="$runs" -max_len=2000 -timeout=60 \
  -dict=tests/app/script_fuzz.dict "$@" \
  build/fuzz/script-corpus tests/scripts/fuzz_corpus tests/scripts
