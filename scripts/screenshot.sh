#!/usr/bin/env bash
# Photographs Tessaro on a virtual display (Xvfb, 1024x768) into artifacts/: the form with a
# day count (form-result.png), the result line's copy menu open (copy-menu.png), the end-day
# list open (list-open.png), the About box (about-box.png), the date tools' pages
# (tools-period.png, tools-shift.png, tools-age.png, tools-lunar.png, tools-anniversaries.png,
# tools-holidays.png) and the exit question (exit-question.png).
# A driver program fills in a date pair and works the form; each picture
# is cropped to the windows it shows.
# shellcheck source=harness.sh
source "$(dirname "$0")/harness.sh"
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
build=${TESSARO_BUILD_DIR:-build/mingw}  # the mingw preset's folder unless told otherwise

if [ "${1:-}" != --inside ]; then
    bash scripts/setup.sh
    harness_mingw_build Tessaro screenshot_tour
    # Always a virtual display, so the pictures never show the desktop around the form.
    exec env -u DISPLAY bash scripts/with-wine-display.sh bash "$0" --inside
fi

mkdir -p artifacts
TESSARO_EXE=$(realpath "$build/Tessaro.exe")
export TESSARO_EXE
# The driver says "shot <name> <x> <y> <width> <height>" and waits for a line before going on.
coproc TOUR { wine "$build/tests/e2e/screenshot_tour.exe"; }
# shellcheck disable=SC2153 # TOUR_PID is set by coproc
tour_pid=$TOUR_PID
shots=0
while read -r word name x y width height <&"${TOUR[0]}"; do
    [ "$word" = shot ] || continue
    height=${height%$'\r'}
    ((x < 0)) && x=0
    ((y < 0)) && y=0
    import -window root -crop "${width}x${height}+${x}+${y}" +repage "artifacts/$name.png"
    echo "screenshot: artifacts/$name.png"
    shots=$((shots + 1))
    echo ok >&"${TOUR[1]}"
done
status=0
wait "$tour_pid" || status=$?
if [ "$status" -ne 0 ] || [ "$shots" -ne 11 ]; then
    echo "screenshot: the tour failed (exit $status, $shots pictures)" >&2
    exit 1
fi
