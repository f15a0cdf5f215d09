#!/usr/bin/env bash
# The long random-play campaign: builds velinor-campaign in Release and plays EVENTS events
# (default 250000) for each seed (default 1 2 3 4), each seed starting at difficulty seed mod 3.
#   ./scripts/campaign.sh                # 10^6 events over seeds 1 to 4
#   ./scripts/campaign.sh 50000 7 8 9    # 50,000 events for each of seeds 7, 8 and 9
# Stops at the first broken invariant, printing it with the events that led to it (status 1).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
ensure_packages
events=${1:-250000}
shift || true
seeds=("$@")
[ ${#seeds[@]} -gt 0 ] || seeds=(1 2 3 4)
cmake -S . -B build/campaign -DCMAKE_BUILD_TYPE=Release
cmake --build build/campaign -j"$(nproc)" --target velinor-campaign
exec build/campaign/tests/play/velinor-campaign "$events" "${seeds[@]}"
