#!/usr/bin/env bash
# Soak test: works Tessaro.exe under Wine round after round (typing dates, calculating, opening
# the lists, the today buttons, Reset, the exit question and the About box) for the given
# number of seconds, default 60, and fails if the program's GDI objects, USER objects or
# private memory grew beyond a small allowance. Builds what it needs in TESSARO_BUILD_DIR
# (default build/mingw).
# shellcheck source=harness.sh
source "$(dirname "$0")/harness.sh"
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

seconds=${1:-60}
build=${TESSARO_BUILD_DIR:-build/mingw}
harness_mingw_build Tessaro soak_driver

TESSARO_EXE=$(cd "$build" && pwd)/Tessaro.exe
export TESSARO_EXE
bash scripts/with-wine-display.sh wine "$build/tests/soak/soak_driver.exe" "$seconds"
