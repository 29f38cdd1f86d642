#!/usr/bin/env bash
# Runs a command with the project's Wine prefix, one persistent wine server (so each Windows
# process starts in a fraction of a second) and an X display: the real one if there is one,
# otherwise a virtual framebuffer.
set -euo pipefail
if [ -z "${DISPLAY:-}" ] && [ -z "${TESSARO_IN_XVFB:-}" ]; then
    export TESSARO_IN_XVFB=1
    exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi
source "$(dirname "$0")/wine-env.sh"
wineserver -p
# Start Wine's background services now, detached from our output: a test process that started
# them would hand them its output pipe, and the test runner would wait for them to exit.
wine cmd /c exit >/dev/null 2>&1 </dev/null
status=0
"$@" || status=$?
wineserver -k || true
exit $status
