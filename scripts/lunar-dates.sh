#!/usr/bin/env bash
# Writes calendar/LunarYearTable.h, the Korean lunar calendar's years 1900-2050, from two
# converters of the Korea Astronomy and Space Science Institute's tables (npm packages
# korean-lunar-calendar and kor-lunar, fetched into a temporary folder). Converts every day of
# the range with both, both ways; refuses to write when they differ on any day.
#   --check   compare the sources again and the committed file with what they give; change
#             nothing. Exits 77 (a skip for CTest) when node or the packages cannot be had.
# shellcheck source=harness.sh
source "$(dirname "$0")/harness.sh"
root=$(cd "$(dirname "$0")/.." && pwd)
table="$root/calendar/LunarYearTable.h"
packages=(korean-lunar-calendar@0.4.0 kor-lunar@1.4.0)

check=false
[ "${1:-}" = --check ] && check=true

skip() {
    echo "${0##*/}: skipped: $1" >&2
    exit 77
}

if ! command -v node >/dev/null || ! command -v npm >/dev/null; then
    skip "node and npm are not installed"
fi
work=$(mktemp -d -t tessaro-lunar.XXXXXX)
harness_at_exit "rm -rf '$work'"
if ! (cd "$work" && timeout 120 npm install --silent --fetch-retries=1 --no-audit --no-fund --prefer-offline \
    --no-save "${packages[@]}" >npm.log 2>&1); then
    skip "the npm packages ${packages[*]} could not be fetched (offline?)"
fi
cp "$root/scripts/lunar-dates.js" "$work/"
if ! node "$work/lunar-dates.js" >"$work/LunarYearTable.h"; then
    echo "${0##*/}: the two sources disagree; $table left unchanged" >&2
    exit 1
fi
if $check; then
    if ! cmp -s "$work/LunarYearTable.h" "$table"; then
        echo "${0##*/}: $table differs from what the sources give; run scripts/lunar-dates.sh" >&2
        exit 1
    fi
    echo "${0##*/}: $table matches both sources"
else
    cp "$work/LunarYearTable.h" "$table"
    echo "${0##*/}: wrote $table"
fi
