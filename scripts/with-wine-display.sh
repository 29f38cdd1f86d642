#!/usr/bin/env bash
# Runs a command with the project's Wine prefix, one persistent Wine server (so each Windows
# process starts in a fraction of a second) and an X display: the real one if there is one,
# otherwise a virtual one. However it ends, it ends the command, its Windows programs, the
# server and the display; a server an interrupted run left on the prefix is ended first.
# shellcheck source=harness.sh
source "$(dirname "$0")/harness.sh"
harness_display
harness_wine_server
status=0
harness_wine_command "$@" || status=$?
exit "$status"
