#!/usr/bin/env bash
# Checks that a Windows executable is hardened and self-contained, from its PE headers:
#   - DllCharacteristics has DYNAMIC_BASE, HIGH_ENTROPY_VA and NX_COMPAT, and the base
#     relocations that address-space randomisation needs are present;
#   - every imported DLL is one of Windows' own.
# Usage: check-pe.sh EXECUTABLE   (OBJDUMP names the PE objdump; default the MinGW-w64 one)
set -euo pipefail
exe=${1:?usage: check-pe.sh EXECUTABLE}
objdump=${OBJDUMP:-x86_64-w64-mingw32-objdump}

headers=$("$objdump" -p "$exe")
failures=0
fail() {
    echo "check-pe: $exe: $*" >&2
    failures=$((failures + 1))
}

# The flag names objdump prints under DllCharacteristics, one per line.
flags=$(awk '/^DllCharacteristics/ { on = 1; next } on && /^\t+[A-Z_]+$/ { print $1; next } { on = 0 }' \
    <<<"$headers")
for flag in DYNAMIC_BASE HIGH_ENTROPY_VA NX_COMPAT; do
    grep -qx "$flag" <<<"$flags" || fail "DllCharacteristics lacks $flag"
done
if grep -q 'relocations stripped' <<<"$headers" ||
    ! grep -Eq '^Entry 5 [0-9a-f]+ 0*[1-9a-f][0-9a-f]* Base Relocation Directory' <<<"$headers"; then
    fail "has no base relocations, so it cannot be loaded at a random address"
fi

allowed='^(kernel32|user32|gdi32|comctl32|comdlg32|advapi32|shell32|ole32|oleaut32|oleacc|version|uxtheme|imm32|msvcrt|ucrtbase|api-ms-win-crt-[a-z0-9-]+)\.dll$'
dlls=$(sed -n 's/^\tDLL Name: //p' <<<"$headers")
[ -n "$dlls" ] || fail "no import table found"
while read -r dll; do
    [ -z "$dll" ] || grep -Eiq "$allowed" <<<"$dll" || fail "imports $dll, which is not a Windows system DLL"
done <<<"$dlls"

if [ "$failures" -gt 0 ]; then
    exit 1
fi
# shellcheck disable=SC2086 # unquoted: the DLL names on one line
echo "check-pe: $exe: DYNAMIC_BASE HIGH_ENTROPY_VA NX_COMPAT, relocatable; imports" $dlls
