#!/usr/bin/env bash
# Builds the libFuzzer targets (fuzz preset, build/fuzz) and runs each for the given number of
# seconds (default 60) on a copy of its seed corpus, so the committed corpus never grows.
# Prints each target's executions; exits non-zero when a target finds a fault (its input is kept
# in build/fuzz/run/<target>/artifacts/).
# shellcheck source=harness.sh
source "$(dirname "$0")/harness.sh"
seconds=${1:-60}
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

status=0
for target in date_span_fuzz field_int_fuzz date_math_fuzz; do
    run=build/fuzz/run/$target
    rm -rf "$run"
    mkdir -p "$run/artifacts"
    cp -r "tests/fuzz/corpus/$target" "$run/corpus"

    rc=0
    "build/fuzz/tests/fuzz/$target" "$run/corpus" -max_total_time="$seconds" \
        -print_final_stats=1 -artifact_prefix="$run/artifacts/" >"$run/log" 2>&1 || rc=$?

    executions=$(sed -nE 's/^stat::number_of_executed_units: *([0-9]+).*/\1/p' "$run/log")
    findings=$(find "$run/artifacts" -type f | wc -l)
    if [ "$rc" -ne 0 ] || [ "$findings" -ne 0 ]; then
        echo "$target: FAULT after ${executions:-?} executions (exit $rc); log: $run/log"
        grep -E '^(date_span_fuzz|field_int_fuzz|date_math_fuzz):|^  (expected|got)|ERROR|SUMMARY|Test unit written' \
            "$run/log" | head -20 || true
        status=1
    else
        echo "$target: ${executions:-?} executions in ${seconds} s, no findings"
    fi
done
exit $status
