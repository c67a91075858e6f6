#!/usr/bin/env bash
# Runs fuzz target $1 for FUZZ_SECONDS (20 by default) from its seeds $2 and prints how many
# inputs it tried. New inputs and any crash input go to the run folder $3, never among the seeds.
set -uo pipefail
mkdir -p "$3/corpus"
"$1" -max_total_time="${FUZZ_SECONDS:-20}" -max_len=9000 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$3/" "$3/corpus" "$2" >"$3/log" 2>&1
status=$?
echo "$(basename "$1"): $(sed -n 's/^stat::number_of_executed_units: *//p' "$3/log") executions" |
    tee "$3/summary"
[ $status -eq 0 ] || tail -n 40 "$3/log"
exit $status
