#!/usr/bin/env bash
# Runs one fuzz target for FUZZ_SECONDS (20 by default) from its seed corpus and prints how many
# inputs it tried. New inputs and any crash input go to the run folder, never among the seeds.
set -uo pipefail
target=$1 seeds=$2 run=$3
mkdir -p "$run/corpus"
"$target" -max_total_time="${FUZZ_SECONDS:-20}" -max_len=9000 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$run/" "$run/corpus" "$seeds" >"$run/log" 2>&1
status=$?
units=$(sed -n 's/^stat::number_of_executed_units: *//p' "$run/log")
echo "$(basename "$target"): ${units:-?} executions" | tee "$run/summary"
[ $status -eq 0 ] || tail -n 40 "$run/log"
exit $status
