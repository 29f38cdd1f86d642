#!/usr/bin/env bash
# Builds the calendar benchmark optimised (Release) and runs it: five repetitions, reporting
# mean, median and spread only. Extra arguments go to the benchmark (e.g. --benchmark_filter=).
# shellcheck source=harness.sh
source "$(dirname "$0")/harness.sh"
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

build=build/bench
cmake --preset native -B "$build" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build "$build" --target calendar_bench -j2 >/dev/null
"$build/bench/calendar_bench" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
    "$@"
