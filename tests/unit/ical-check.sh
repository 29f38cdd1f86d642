#!/usr/bin/env bash
# Reads the calendar file Tessaro writes with an independent parser, ical.js from npm (installed
# once into <build folder>/ical.js; offline after that), and checks every event's date, UID and
# title. Exits 77 (a skip for CTest) when node or the package cannot be had.
#   ical-check.sh <ics_writer program> <build folder>
# shellcheck source=../../scripts/harness.sh
source "$(dirname "$0")/../../scripts/harness.sh"
here=$(cd "$(dirname "$0")" && pwd)
writer=$1
cache=$2/ical.js
version=2.2.1

skip() {
    echo "${0##*/}: skipped: $1" >&2
    exit 77
}

if ! command -v node >/dev/null || ! command -v npm >/dev/null; then
    skip "node and npm are not installed"
fi
if ! grep -qs "\"version\": \"$version\"" "$cache/node_modules/ical.js/package.json"; then
    if ! timeout 120 npm install --prefix "$cache" --silent --fetch-retries=1 --no-audit \
        --no-fund --prefer-offline --no-save "ical.js@$version" >"$2/ical.js-npm.log" 2>&1; then
        skip "the npm package ical.js@$version could not be fetched (offline?)"
    fi
fi
work=$(mktemp -d -t tessaro-ical.XXXXXX)
harness_at_exit "rm -rf '$work'"
"$writer" "$work/anniversaries"
node "$here/ical-check.js" "$cache" "$work/anniversaries.ics" "$work/anniversaries.tsv"
