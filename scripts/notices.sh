#!/usr/bin/env bash
# Writes the licence notices of the third-party code in Tessaro.exe to standard output, from the
# copyright files of the installed Debian packages that supply it. THIRD-PARTY-NOTICES.txt is
# this output, committed; the release tests check that it still matches.
# Usage: bash scripts/notices.sh > THIRD-PARTY-NOTICES.txt
set -euo pipefail

gcc_copyright=/usr/share/doc/gcc-mingw-w64-base/copyright
mingw_copyright=/usr/share/doc/mingw-w64-x86-64-dev/copyright
gpl3=/usr/share/common-licenses/GPL-3

version() { dpkg-query -W -f='${Version}' "$1"; }

# The lines of a file from the first line matching START up to the line matching END (inclusive
# when END_INCLUSIVE is 1); fails when either is missing, so a changed file is noticed.
section() {
    local file=$1 start=$2 end=$3 inclusive=$4 out
    out=$(awk -v s="$start" -v e="$end" -v inc="$inclusive" '
        !on && index($0, s) == 1 { on = 1 }
        on && index($0, e) == 1 { if (inc) print; found = 1; exit }
        on { print }
        END { exit !found }' "$file") || {
        echo "notices: $file no longer has a section from \"$start\" to \"$end\"" >&2
        exit 1
    }
    printf '%s\n' "$out"
}

rule() { printf '\n%s\n%s\n\n' "========================================================================" "$1"; }

cat <<EOF
Tessaro.exe: third-party notices
이 파일은 Tessaro.exe에 들어 있는 다른 사람의 프로그램 코드와 그 라이선스를 밝힙니다.

Tessaro.exe is linked statically with the runtime libraries of the compiler that builds it, so
parts of them are inside the executable:

  1. GCC's C++ standard library (libstdc++) and support library (libgcc), from Debian's
     packages g++-mingw-w64-x86-64-posix and gcc-mingw-w64-x86-64-posix-runtime
     $(version g++-mingw-w64-x86-64-posix). They are under the GNU General Public License,
     version 3, with the GCC Runtime Library Exception, version 3.1, which allows programs
     compiled with GCC to be distributed under terms of their own choice.
  2. The MinGW-w64 runtime (its C start-up code and support library, and winpthreads), from
     Debian's package mingw-w64-x86-64-dev $(version mingw-w64-x86-64-dev).

The texts below are reproduced from these files:
  section 1: $gcc_copyright, the copyright file the packages of 1. refer to;
  section 2: $mingw_copyright;
  section 3: the GNU GPL version 3, $gpl3 (package base-files).
EOF

rule "1. GCC runtime libraries: libstdc++ and libgcc (from $gcc_copyright)"
section "$gcc_copyright" "GCC is Copyright (C)" "The libbacktrace library" 0
section "$gcc_copyright" "GCC RUNTIME LIBRARY EXCEPTION" "requirements of the license of GCC." 1

rule "2. MinGW-w64 runtime, including winpthreads (from $mingw_copyright, complete)"
cat <<EOF
The runtime code linked into Tessaro.exe comes from mingw-w64-crt and
mingw-w64-libraries/winpthreads. The entries below under the GNU GPL or LGPL cover header files
for other interfaces, build tools, tests and Debian's packaging, none of which is linked into
Tessaro.exe.

EOF
cat "$mingw_copyright"

rule "3. GNU General Public License, version 3 (from $gpl3)"
cat "$gpl3"
