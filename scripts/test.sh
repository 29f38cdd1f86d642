#!/usr/bin/env bash
# Builds everything and runs every test: native unit tests, the same under AddressSanitizer and
# UndefinedBehaviorSanitizer, and the Windows build with its unit, in-process and end-to-end
# tests under Wine (on a virtual X display when there is no display), and a bounded run of
# each fuzz target (TESSARO_FUZZ_SECONDS, default 60) and of the soak test (TESSARO_SOAK_SECONDS,
# default 60), and the release: the release command in two fresh clones of the last commit,
# compared byte for byte, its MSI installed, upgraded and removed under Wine, and its self-test
# bundle run under Wine against the Windows stage's results.
# shellcheck source=harness.sh
source "$(dirname "$0")/harness.sh"
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

bash scripts/setup.sh

summary=()
log=$(mktemp)
harness_at_exit "rm -f '$log'"
run_ctest() {  # preset, then the command that runs ctest (for Wine, the display wrapper)
    local preset=$1 status=0
    shift
    "$@" ctest --preset "$preset" 2>&1 | tee "$log" || status=$?
    summary+=("$preset: $(grep -E 'tests passed|tests failed' "$log" | tail -1)")
    return $status
}

for preset in native asan; do
    echo "== $preset"
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset"
    run_ctest "$preset"
done

echo "== fuzz (libFuzzer, ${TESSARO_FUZZ_SECONDS:-60} s a target)"
bash scripts/fuzz.sh "${TESSARO_FUZZ_SECONDS:-60}"
summary+=("fuzz: 100% tests passed, 0 tests failed out of 3")

echo "== mingw (Windows build, tests under Wine)"
cmake --preset mingw >/dev/null
cmake --build --preset mingw
# As an interrupted run leaves it: a persistent Wine server on the project's prefix. The
# harness must end it and go on.
(source scripts/wine-env.sh && wineserver -p </dev/null >/dev/null 2>&1)
run_ctest mingw bash scripts/with-wine-display.sh
# The release test checks the self-test bundle's results against this stage's.
windows_stage_log=$(mktemp)
harness_at_exit "rm -f '$windows_stage_log'"
cp "$log" "$windows_stage_log"
if grep -q 'ended the Wine server an interrupted run left' "$log"; then
    summary+=("stray Wine server ended: 100% tests passed, 0 tests failed out of 1")
else
    summary+=("stray Wine server ended: 0% tests passed, 1 tests failed out of 1")
fi

echo "== release (scripts/release.sh twice in fresh clones of the last commit; the MSI under Wine)"
release_log=$(mktemp)
release_status=0
TESSARO_WINDOWS_STAGE_LOG=$windows_stage_log bash tests/release/test-release.sh 2>&1 | tee "$release_log" ||
    release_status=$?
summary+=("release: $(grep -E 'tests passed|tests failed' "$release_log" | tail -1)")
rm -f "$release_log"
[ "$release_status" -eq 0 ]

echo "== soak (Tessaro.exe worked in a loop for ${TESSARO_SOAK_SECONDS:-60} s under Wine)"
bash scripts/soak.sh "${TESSARO_SOAK_SECONDS:-60}"
summary+=("soak: 100% tests passed, 0 tests failed out of 1")

echo "== screenshots of the form, a list, the About box and the exit question (artifacts/)"
bash scripts/screenshot.sh
ls artifacts/*.png

echo "== lint (clang-format, clang-tidy, cppcheck)"
bash scripts/lint.sh
summary+=("lint: 100% tests passed, 0 tests failed out of 1")

echo
echo "== Summary"
printf '%s\n' "${summary[@]}"
passed=0 failed=0
for line in "${summary[@]}"; do
    total=$(sed -nE 's/.* out of ([0-9]+).*/\1/p' <<<"$line")
    bad=$(sed -nE 's/.*tests passed, ([0-9]+) tests failed.*/\1/p' <<<"$line")
    passed=$((passed + ${total:-0} - ${bad:-0}))
    failed=$((failed + ${bad:-0}))
done
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
