#!/usr/bin/env bash
# Builds the Windows release of Tessaro from the committed sources, in build/release, into dist/:
#   Tessaro-VERSION-win64.zip  Tessaro.exe, the Korean guide, the licence notices, the changelog
#   Tessaro-VERSION-win64.msi  the installer
#   Tessaro-VERSION-win64-selftest.zip
#                              the self-test bundle: the same Tessaro.exe, the Windows tests
#                              (those the build's test list runs under Wine), their runner and
#                              selftest.cmd, for a run on real Windows
#   SHA256SUMS                 all three, for sha256sum -c
# Unsigned builds are reproducible: every time stamp is the last commit's time (SOURCE_DATE_EPOCH).
# With TESSARO_SIGN_PFX and TESSARO_SIGN_PASSWORD set, the exe and the MSI are signed
# (Authenticode, SHA-256; timestamped when TESSARO_SIGN_TIMESTAMP_URL is set).
# Usage: bash scripts/release.sh [--allow-dirty] [--version-override X.Y.Z]
#   --allow-dirty       build even though the working tree has uncommitted changes
#   --version-override  number the build X.Y.Z instead of the project's version (test packages)
# shellcheck source=harness.sh
source "$(dirname "$0")/harness.sh"
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

fail() {
    echo "release: $*" >&2
    exit 1
}

allow_dirty=0 version_override=
while [ $# -gt 0 ]; do
    case $1 in
    --allow-dirty) allow_dirty=1 ;;
    --version-override)
        [ $# -ge 2 ] || fail "--version-override needs a version X.Y.Z"
        version_override=$2
        shift
        ;;
    *) fail "unknown argument $1 (usage: bash scripts/release.sh [--allow-dirty] [--version-override X.Y.Z])" ;;
    esac
    shift
done

bash scripts/setup.sh

git rev-parse --is-inside-work-tree >/dev/null 2>&1 || fail "$root is not a git checkout; a release must match a commit"
if [ -n "$(git status --porcelain)" ]; then
    [ "$allow_dirty" = 1 ] ||
        fail "the working tree has uncommitted changes; commit them (a release must match a commit) or pass --allow-dirty"
    echo "release: building from a working tree with uncommitted changes (--allow-dirty)"
fi

guide=docs/사용설명서.txt
for file in "$guide" CHANGELOG.md THIRD-PARTY-NOTICES.txt res/Tessaro.ico packaging/Tessaro.wxs; do
    [ -f "$file" ] || fail "$file is missing"
done

# One time for everything that records one: the PE header (GNU ld reads SOURCE_DATE_EPOCH), the
# zip entries and the MSI's summary information and cabinet.
export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct)}
export TZ=UTC
python=/usr/bin/python3

build=build/release
rm -rf "$build"
cmake --preset release ${version_override:+-DTESSARO_VERSION_OVERRIDE=$version_override} >/dev/null ||
    fail "configuring the release build failed"
# The bundle's tests are the build's own Windows tests, whatever they are today.
tests_list=$build/selftest-tests.txt
"$python" packaging/make-selftest.py "$build" "$tests_list" >"$build/selftest-programs" ||
    fail "listing the Windows tests for the self-test bundle failed"
mapfile -t test_programs <"$build/selftest-programs"
targets=(Tessaro selftest screenshot_tour)
for program in "${test_programs[@]}"; do
    [ "$program" = Tessaro.exe ] || targets+=("$(basename "$program" .exe)")
done
cmake --build --preset release --target "${targets[@]}" ||
    fail "building Tessaro.exe and the self-test bundle's programs failed"
version=$(sed -n 's/^#define TESSARO_VERSION_TEXT "\(.*\)"$/\1/p' "$build/generated/version.h")
[ -n "$version" ] || fail "no version in $build/generated/version.h"

# The files as they ship. Texts get a byte-order mark and CRLF line ends, so that Notepad on
# every Windows version shows them.
stage=$build/stage
mkdir -p "$stage"
cp "$build/Tessaro.exe" res/Tessaro.ico CHANGELOG.md "$stage/"
windows_text() {
    "$python" -c 'import sys
text = open(sys.argv[1], "rb").read().removeprefix(b"\xef\xbb\xbf").replace(b"\r\n", b"\n")
open(sys.argv[2], "wb").write(b"\xef\xbb\xbf" + text.replace(b"\n", b"\r\n"))' "$1" "$2"
}
windows_text "$guide" "$stage/guide.txt"
windows_text THIRD-PARTY-NOTICES.txt "$stage/THIRD-PARTY-NOTICES.txt"
windows_text packaging/README-selftest.txt "$stage/README-selftest.txt"
# A batch file takes CRLF line ends but no byte-order mark, which cmd would run as a command.
sed 's/$/\r/' packaging/selftest.cmd >"$stage/selftest.cmd"

signing=0
if [ -n "${TESSARO_SIGN_PFX:-}" ] || [ -n "${TESSARO_SIGN_PASSWORD:-}" ]; then
    if [ -z "${TESSARO_SIGN_PFX:-}" ] || [ -z "${TESSARO_SIGN_PASSWORD:-}" ]; then
        fail "signing needs both TESSARO_SIGN_PFX and TESSARO_SIGN_PASSWORD"
    fi
    [ -f "$TESSARO_SIGN_PFX" ] || fail "TESSARO_SIGN_PFX: no file $TESSARO_SIGN_PFX"
    signing=1
fi
sign() {
    local file=$1 args
    # The password reaches osslsigncode through a pipe, not its command line.
    args=(sign -pkcs12 "$TESSARO_SIGN_PFX" -readpass /dev/stdin -h sha256 -n Tessaro
        -in "$file" -out "$file.signed")
    [ -z "${TESSARO_SIGN_TIMESTAMP_URL:-}" ] || args+=(-ts "$TESSARO_SIGN_TIMESTAMP_URL")
    printf '%s' "$TESSARO_SIGN_PASSWORD" | osslsigncode "${args[@]}" >/dev/null ||
        fail "signing $file failed"
    mv "$file.signed" "$file"
}
[ "$signing" = 0 ] || sign "$stage/Tessaro.exe"
touch -d "@$SOURCE_DATE_EPOCH" "$stage"/*

out=$build/dist
mkdir -p "$out"
zip=Tessaro-$version-win64.zip
msi=Tessaro-$version-win64.msi
selftest=Tessaro-$version-win64-selftest.zip

"$python" packaging/make-zip.py "$out/$zip" "$SOURCE_DATE_EPOCH" \
    Tessaro.exe="$stage/Tessaro.exe" 사용설명서.txt="$stage/guide.txt" \
    THIRD-PARTY-NOTICES.txt="$stage/THIRD-PARTY-NOTICES.txt" CHANGELOG.md="$stage/CHANGELOG.md" ||
    fail "writing $zip failed"

# The self-test bundle: the exe just zipped, its runner at tests\selftest.exe, the test programs
# and their list beside it.
bundle=(Tessaro.exe="$stage/Tessaro.exe" selftest.cmd="$stage/selftest.cmd"
    README-selftest.txt="$stage/README-selftest.txt" tests/tests.txt="$tests_list"
    tests/selftest.exe="$build/tests/selftest/selftest.exe"
    tests/screenshot_tour.exe="$build/tests/e2e/screenshot_tour.exe")
for program in "${test_programs[@]}"; do
    [ "$program" = Tessaro.exe ] || bundle+=("tests/$(basename "$program")=$build/$program")
done
"$python" packaging/make-zip.py "$out/$selftest" "$SOURCE_DATE_EPOCH" "${bundle[@]}" ||
    fail "writing $selftest failed"

# The MSI. Its product code and package code follow from the version and the files it holds,
# as name-based UUIDs under the fixed upgrade code: the same build gives the same codes, and two
# packages of one version with different files (an unsigned build and the signed one) are two
# products, of which the one installed later replaces the other (a major upgrade; Windows
# Installer refuses a second package of an installed product code with error 1638).
upgrade_code=$(sed -n 's/.*UpgradeCode="\([0-9A-F-]*\)".*/\1/p' packaging/Tessaro.wxs)
uuid_of() {
    "$python" -c 'import sys, uuid; print(str(uuid.uuid5(uuid.UUID(sys.argv[1]), sys.argv[2])).upper())' \
        "$upgrade_code" "$1"
}
payload=$(cd "$stage" && sha256sum Tessaro.exe guide.txt THIRD-PARTY-NOTICES.txt Tessaro.ico)
product_code=$(uuid_of "Tessaro product $version $payload")
package_code=$(uuid_of "Tessaro package $version $payload")
# wixl stamps the summary information with the clock (held at SOURCE_DATE_EPOCH by faketime) and a
# random revision number (replaced by the package code with msibuild). msibuild also stores the
# guide's Korean name and the tools shortcut's, which wixl cannot read from the .wxs, in the File
# and Shortcut tables, with the database
# switched to the Korean code page that holds it, and gives the long names the 8.3 short names
# that wixl leaves out ("short name|long name"). wixl's major upgrade stops below the package's
# own version; its row is replaced by one that includes it (msidbUpgradeAttributesVersionMaxInclusive,
# 512, beside MigrateFeatures; SQL cannot change a key column in place), so that a package of
# the installed version replaces it. The summary's template language
# is the product's, Korean.
wixl_log=$build/wixl.log
(cd "$stage" && faketime -f "$(date -d "@$SOURCE_DATE_EPOCH" '+%Y-%m-%d %H:%M:%S')" \
    wixl -a x64 -D Version="$version" -D ProductCode="$product_code" \
    -o "$root/$out/$msi" "$root/packaging/Tessaro.wxs") >"$wixl_log" 2>&1 ||
    fail "wixl failed building $msi: $(tail -1 "$wixl_log")"
printf '\r\n\r\n949\t_ForceCodepage\r\n' >"$build/_ForceCodepage.idt"
msibuild "$out/$msi" -i "$build/_ForceCodepage.idt" \
    -q "UPDATE \`File\` SET \`FileName\` = 'GUIDE.TXT|사용설명서.txt' WHERE \`File\` = 'Guide'" \
    -q "UPDATE \`Shortcut\` SET \`Name\` = 'TOOLS.LNK|Tessaro 날짜 계산 도구' WHERE \`Shortcut\` = 'ToolsShortcut'" \
    -q "UPDATE \`File\` SET \`FileName\` = 'NOTICES.TXT|THIRD-PARTY-NOTICES.txt' WHERE \`File\` = 'Notices'" \
    -q "DELETE FROM \`Upgrade\` WHERE \`ActionProperty\` = 'WIX_UPGRADE_DETECTED'" \
    -q "INSERT INTO \`Upgrade\` (\`UpgradeCode\`, \`VersionMax\`, \`Attributes\`, \`ActionProperty\`)
        VALUES ('{$upgrade_code}', '$version', 513, 'WIX_UPGRADE_DETECTED')" \
    -s "Tessaro $version" Tessaro "x64;1042" "{$package_code}" ||
    fail "msibuild failed completing $msi"

if [ "$signing" = 1 ]; then
    sign "$out/$msi"
    echo "release: signed Tessaro.exe and $msi with $TESSARO_SIGN_PFX"
else
    echo "release: unsigned (set TESSARO_SIGN_PFX and TESSARO_SIGN_PASSWORD to sign)"
fi
(cd "$out" && sha256sum "$zip" "$msi" "$selftest" >SHA256SUMS)

rm -rf dist
mv "$out" dist
echo "release: Tessaro $version in $root/dist (commit $(git rev-parse --short HEAD), time stamp $SOURCE_DATE_EPOCH)"
(cd dist && for file in "$zip" "$msi" "$selftest" SHA256SUMS; do
    printf '  %-37s %8d bytes\n' "$file" "$(stat -c %s "$file")"
done && sed 's/^/  /' SHA256SUMS)
