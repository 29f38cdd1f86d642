#!/usr/bin/env bash
# Builds Tessaro for Windows and runs it under Wine as a Korean Windows shows it (Korean locale,
# a Hangul font in place of Gulim). Returns when the form closes: Exit then Yes, Esc, or the
# close box.
# Without an X display ($DISPLAY empty) the form opens on a virtual one (Xvfb): the script names
# it, saves a screenshot of it to artifacts/run-latest.png every 2 seconds, and prints the
# command for a screenshot by hand. Ctrl+C ends the program there.
# shellcheck source=harness.sh
source "$(dirname "$0")/harness.sh"
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
build=${TESSARO_BUILD_DIR:-build/mingw}  # the mingw preset's folder unless told otherwise

if [ "${1:-}" != --inside ]; then
    bash scripts/setup.sh
    harness_mingw_build Tessaro
    # The wrapper supplies the Wine prefix, one Wine server and a display (virtual if need be).
    exec bash scripts/with-wine-display.sh bash "$0" --inside
fi

if [ -n "${TESSARO_IN_XVFB:-}" ]; then
    mkdir -p artifacts
    echo "run: no X display, so Tessaro opens on the virtual display $DISPLAY."
    echo "run: artifacts/run-latest.png shows it, renewed every 2 seconds; a screenshot by hand:"
    echo "       XAUTHORITY=$XAUTHORITY import -display $DISPLAY -window root shot.png"
    (while sleep 2; do
        import -window root png:artifacts/.run-latest.png 2>/dev/null &&
            mv artifacts/.run-latest.png artifacts/run-latest.png
    done) &
    harness_at_exit "kill $! 2>/dev/null; rm -f artifacts/.run-latest.png"
fi

wine "$build/Tessaro.exe"
