#!/usr/bin/env bash
# Builds the fuzz targets (clang, libFuzzer), runs each for SECONDS (default 20) and prints the
# inputs each one tried. With a ROUND_TRIPS count, then also runs that many generated aircraft
# folders through Install and Uninstall (native dialog tests), from a fresh seed it prints.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-20}
round_trips=${2:-0}

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
status=0
FUZZ_SECONDS=$seconds ctest --preset fuzz || status=$?
echo "Executions in ${seconds} s per target:"
cat build/fuzz/runs/*/summary
[ $status -eq 0 ] || exit $status

if [ "$round_trips" -gt 0 ]; then
    cmake --preset native >/dev/null
    cmake --build --preset native --target dialog_tests
    seed=${ZRK_ROUND_TRIP_SEED:-$(date +%s)}
    echo "Round trips: $round_trips folders from seed $seed"
    ZRK_ROUND_TRIP_SEED=$seed ZRK_ROUND_TRIP_COUNT=$round_trips \
        build/native/tests/dialog_tests --gtest_filter='RoundTrip*'
fi
