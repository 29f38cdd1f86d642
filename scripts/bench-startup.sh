#!/usr/bin/env bash
# Start-up benchmark under Wine (a measurement, not a test): launches Tessaro.exe and an empty
# dialog built the same way alternately, ROUNDS times each (default 20), under one Wine server,
# and prints the median time from process start to visible window, the median peak memory,
# and Tessaro's ratios to the empty dialog; also the executables' sizes.
# Builds Tessaro in TESSARO_BUILD_DIR (default build/mingw), the rest in build/startup-bench.
# shellcheck source=harness.sh
source "$(dirname "$0")/harness.sh"
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

rounds=${1:-20}
build=${TESSARO_BUILD_DIR:-build/mingw}
bench=${TESSARO_BENCH_DIR:-build/startup-bench}
cmake --preset mingw -B "$build" >/dev/null
cmake --build "$build" -j2 --target Tessaro
cmake -S bench/startup -B "$bench" -G Ninja -DCMAKE_BUILD_TYPE=MinSizeRel \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" >/dev/null
cmake --build "$bench" -j2

for exe in "$build/Tessaro.exe" "$bench/EmptyDialog.exe"; do
    stripped=$(mktemp)
    x86_64-w64-mingw32-strip -o "$stripped" "$exe"
    echo "$(basename "$exe"): $(stat -c %s "$exe") bytes, stripped $(stat -c %s "$stripped")"
    rm -f "$stripped"
done
echo "load average: $(cut -d' ' -f1-3 /proc/loadavg)"
echo "program = Tessaro.exe, baseline = EmptyDialog.exe"
bash scripts/with-wine-display.sh wine "$bench/startup_bench.exe" "$rounds" \
    "$root/$build/Tessaro.exe" "$root/$bench/EmptyDialog.exe"
