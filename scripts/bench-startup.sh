#!/usr/bin/env bash
# Start-up benchmark under Wine (a measurement, not a test): launches Tessaro.exe and two
# floors built the same way in turn, ROUNDS times each (default 20), under one Wine server:
# FormTemplate (Tessaro's own form and resources with no code behind them) and EmptyDialog (the
# frame alone). Prints each one's median time from process start to visible window and median
# peak memory, Tessaro's ratios to each floor, the executables' sizes and the load average.
# Builds them in TESSARO_BUILD_DIR (default build/mingw).
# shellcheck source=harness.sh
source "$(dirname "$0")/harness.sh"
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

rounds=${1:-20}
build=${TESSARO_BUILD_DIR:-build/mingw}
harness_mingw_build Tessaro FormTemplate EmptyDialog startup_bench
build=$(cd "$build" && pwd)
programs=("$build/Tessaro.exe" "$build/bench/startup/FormTemplate.exe"
    "$build/bench/startup/EmptyDialog.exe")

stripped=$(mktemp)
harness_at_exit "rm -f '$stripped'"
for exe in "${programs[@]}"; do
    x86_64-w64-mingw32-strip -o "$stripped" "$exe"
    echo "$(basename "$exe"): $(stat -c %s "$exe") bytes, stripped $(stat -c %s "$stripped")"
done
echo "load average before: $(cut -d' ' -f1-3 /proc/loadavg)"
bash scripts/with-wine-display.sh wine "$build/bench/startup/startup_bench.exe" "$rounds" \
    "${programs[@]}"
echo "load average after: $(cut -d' ' -f1-3 /proc/loadavg)"
