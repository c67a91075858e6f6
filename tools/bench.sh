#!/usr/bin/env bash
# make bench: builds the Release benchmarks and runs them with their baselines in the same run,
# measures the peak memory of a whole Install on a 1 MB and a 100 MB aircraft.cfg, the sizes of
# both Install.exe and the terminal program's start, and prints a table. The last five lines
# are for scripts: "name: value".
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
results=$root/build/bench/results
mkdir -p "$results"

cmake --preset bench >/dev/null
cmake --build --preset bench >/dev/null
for preset in win32 win64; do
    cmake --preset $preset >/dev/null
    cmake --build --preset $preset --target Install >/dev/null
done

# Repetitions interleaved at random, so that load from elsewhere falls on every benchmark alike.
echo "Running the benchmarks (about a minute)..." >&2
build/bench/bench/installer_bench --benchmark_repetitions=7 \
    --benchmark_enable_random_interleaving=true --benchmark_report_aggregates_only=true \
    --benchmark_out="$results/installer_bench.json" --benchmark_out_format=json \
    >"$results/installer_bench.txt" 2>&1

# Peak memory of one whole Install (choice included) for 1 MiB and 100 MiB: 1,907 bytes a section.
peak() {
    /usr/bin/time -v build/bench/bench/install_peak "$1" 2>"$results/peak-$1.txt" \
        >"$results/size-$1.txt"
    sed -n 's/.*Maximum resident set size (kbytes): //p' "$results/peak-$1.txt"
}
peak_small=$(peak 550)
peak_large=$(peak 55000)

# Start to the main dialog drawn: its last button, "Quit", is out of the pseudo-terminal. The
# single-instance guard gets a folder of its own, so that a copy running elsewhere is no matter.
guard=$(mktemp -d)
start_ms=$(XDG_RUNTIME_DIR=$guard build/bench/bench/start_time 11 Quit \
    "$root/build/bench/zrk-md11-installer")
rm -rf "$guard"

awk -v small="$(cat "$results/size-550.txt")" -v large="$(cat "$results/size-55000.txt")" \
    -v peakSmall="$peak_small" -v peakLarge="$peak_large" -v startMs="$start_ms" \
    -v exe32="$(stat -c %s build/win32/Install.exe)" -v exe64="$(stat -c %s build/win64/Install.exe)" '
    # One "key": value per line; the medians are named "benchmark/real_time_median".
    function value() { v = $2; gsub(/[",]/, "", v); return v }
    $1 == "\"name\":" { name = value(); median = sub(/\/real_time_median$/, "", name) }
    median && $1 == "\"real_time\":" { real[name] = value() }
    median && $1 == "\"cpu_time\":" { cpu[name] = value() }
    median && $1 == "\"bytes_per_second\":" { rate[name] = value() }
    function row(label, name, base, baseLabel, time) {
        ratio = base == "" ? "" : sprintf("%.2f", (time == "real" ? real[name] / real[base] \
                                                                  : cpu[name] / cpu[base]))
        printf "%-26s %8.3f %8.3f %9.0f   %-22s %5s\n", label, real[name], cpu[name],
               rate[name] / 1e6, baseLabel, ratio
    }
    END {
        printf "aircraft.cfg of 1,000 aircraft sections; median of 7 interleaved repetitions.\n"
        printf "Ratios use CPU time (user and system), which other load on the machine leaves\n"
        printf "alone; the Install ratio uses wall time, as its baseline waits for the disk.\n\n"
        printf "%-26s %8s %8s %9s   %-22s %5s\n", "", "wall ms", "CPU ms", "MB/s", "against", "ratio"
        row("line reader", "lineReader", "fgetsBaseline", "fgets loop", "cpu")
        row("scanner", "scanner", "fgetsBaseline", "fgets loop", "cpu")
        row("rewrite", "rewrite", "lineCopyB1", "B1 line copy", "cpu")
        row("rewrite", "rewrite", "blockCopyB0", "B0 block copy", "cpu")
        row("Install, whole command", "installCommand", "lineCopySyncedB1", "B1 + file, folder sync", "real")
        row("Uninstall, whole command", "uninstallCommand", "", "", "")
        row("fgets loop", "fgetsBaseline", "", "", "")
        row("B1 line copy", "lineCopyB1", "", "", "")
        row("B0 block copy", "blockCopyB0", "", "", "")
        row("B1 + file, folder sync", "lineCopySyncedB1", "", "", "")
        printf "\nPeak RSS of a whole Install: %d kB for %d bytes, %d kB for %d bytes\n",
               peakSmall, small, peakLarge, large
        printf "Install.exe: %d bytes (i686), %d bytes (x86_64)\n", exe32, exe64
        printf "zrk-md11-installer, start to main dialog drawn: %s ms (median of 11)\n\n", startMs
        printf "reader/fgets ratio: %.2f\n", cpu["lineReader"] / cpu["fgetsBaseline"]
        printf "rewrite/baseline ratio: %.2f\n", cpu["rewrite"] / cpu["lineCopyB1"]
        printf "rewrite/copy ratio: %.2f\n", cpu["rewrite"] / cpu["blockCopyB0"]
        printf "install/baseline ratio: %.2f\n", real["installCommand"] / real["lineCopySyncedB1"]
        printf "peak RSS kB 1MB/100MB: %d/%d\n", peakSmall, peakLarge
    }' "$results/installer_bench.json"
