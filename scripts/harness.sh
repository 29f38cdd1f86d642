# shellcheck shell=bash
# Sourced first by every script: strict mode, clean-up on every way out (normal end, failure,
# Ctrl+C, TERM, a closed terminal) and a one-line report of what failed. Also the two things the
# Windows scripts share: an X display and the Wine server of the project's prefix.
#   harness_at_exit 'COMMAND'   run COMMAND when the script ends, however it ends; the last
#                               registered runs first
#   harness_display             $DISPLAY if set, otherwise a virtual display of its own (Xvfb)
#   harness_wine_server         the project's Wine prefix (wine-env.sh) with one persistent Wine
#                               server, ended when the last run using it ends
#   harness_wine_command CMD... run CMD under that server and return its status; ended with the
#                               script
#   harness_mingw_build TARGET... build these targets of the Windows build in $build (the
#                               caller's build folder)
set -Eeuo pipefail

harness_cleanups=()
harness_at_exit() { harness_cleanups+=("$1"); }

harness_exit() {
    local status=$? i
    # Signals are ignored from here on: one often comes twice (timeout sends it to the script
    # and then to its process group), and the second must not cut the clean-up short.
    trap - EXIT ERR
    trap '' INT TERM HUP
    set +e
    for ((i = ${#harness_cleanups[@]} - 1; i >= 0; i--)); do eval "${harness_cleanups[i]}"; done
    exit "$status"
}

harness_failed() {  # status, file, line, command
    local where="${2##*/} line $3" why="failed (status $1)"
    [ "${2##*/}" != "${0##*/}" ] || where="line $3"
    (($1 > 128)) && why="ended by SIG$(kill -l $(($1 - 128)) 2>/dev/null || echo "NAL $(($1 - 128))")"
    echo "${0##*/}: $where: $4: $why" >&2
}

trap 'harness_failed $? "${BASH_SOURCE[0]}" "$LINENO" "$BASH_COMMAND"' ERR
trap harness_exit EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
trap 'exit 129' HUP

harness_display() {
    [ -n "${DISPLAY:-}" ] && return
    local dir display
    dir=$(mktemp -d -t tessaro-display.XXXXXX)
    harness_at_exit "rm -rf '$dir'"
    # A cookie for any display number: the server picks a free number itself (-displayfd), so
    # runs side by side never race for one.
    : >"$dir/Xauthority"
    echo "ffff 0000  0000  0012 4d49542d4d414749432d434f4f4b49452d31 0010 $(mcookie)" |
        xauth -f "$dir/Xauthority" nmerge -
    mkfifo "$dir/ready"
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -auth "$dir/Xauthority" \
        3>"$dir/ready" </dev/null >"$dir/log" 2>&1 &
    harness_at_exit "kill $! 2>/dev/null; wait $! 2>/dev/null"
    if ! read -r -t 20 display <"$dir/ready" || [ -z "$display" ]; then
        echo "${0##*/}: the virtual display (Xvfb) did not start: $(tail -1 "$dir/log")" >&2
        exit 1
    fi
    export DISPLAY=:$display XAUTHORITY=$dir/Xauthority TESSARO_IN_XVFB=1
}

# Every run of the harness on a prefix holds a shared lock on it for as long as it runs, so a
# server with no holder is one an interrupted run left behind. The lock's descriptor is closed
# for every program started under Wine, so that none of them, outliving the script, keeps it.
harness_wine_server() {
    # shellcheck source=wine-env.sh
    source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
    exec {harness_lock}>>"$WINEPREFIX/.harness-lock"
    harness_at_exit harness_end_wine_server
    if flock -n -x "$harness_lock"; then
        # Alone on this prefix (WINEPREFIX=... makes these commands act on its server only).
        if wineserver -k {harness_lock}>&- 2>/dev/null; then
            echo "${0##*/}: ended the Wine server an interrupted run left on $WINEPREFIX" >&2
        fi
        wineserver -w {harness_lock}>&-
        wineserver -p {harness_lock}>&-
        flock -s "$harness_lock"
    else
        # Another run is using the prefix: share its server (waits while it starts it).
        flock -s "$harness_lock"
        wineserver -p {harness_lock}>&- 2>/dev/null || true
    fi
    # Start Wine's background services now, detached from our output: a test process that
    # started them would hand them its output pipe, and the test runner would wait for them.
    wine cmd /c exit </dev/null >/dev/null 2>&1 {harness_lock}>&-
}

harness_end_wine_server() {
    # The last run on the prefix ends its server, and every Windows program still open on it.
    if flock -n -x "$harness_lock"; then
        wineserver -k {harness_lock}>&- 2>/dev/null
        wineserver -w {harness_lock}>&-
    fi
    exec {harness_lock}>&-
}

harness_wine_command() {
    # In the background, so that a signal to this script alone still ends the command at once.
    "$@" <&0 {harness_lock}>&- &
    local pid=$! status=0
    harness_at_exit "kill $pid 2>/dev/null"
    wait "$pid" || status=$?
    return "$status"
}

harness_mingw_build() {
    cmake --preset mingw -B "${build:?}" >/dev/null
    cmake --build "$build" -j2 --target "$@"
}
