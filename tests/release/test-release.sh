#!/usr/bin/env bash
# The release, end to end, from the last commit:
#   - the release command in two fresh clones (different folder names and depths) gives the
#     same Tessaro.exe, zip and MSI, byte for byte, and refuses a tree with uncommitted changes;
#   - what it writes: SHA256SUMS, the zip's entries, the exe (size, PE time, no build path), the
#     files inside the MSI, the licence notices;
#   - the self-test bundle: the released exe, the Windows test programs its list names, and
#     the MSI's upgrade rules (same version replaces) and Korean template;
#   - 1.1.0, built from its own commit with its own release command, signed with a throwaway
#     CA, verifies;
#   - under Wine, in a fresh prefix: silent install, the installed files, shortcut and
#     Add/Remove Programs entry, the installed program's form, uninstall, and an upgrade from
#     the signed 1.1.0 package (English template language), whose exe also starts; the
#     self-test bundle started as a double-click starts it from a folder whose path holds
#     spaces, Hangul and &, its summary against the Windows test stage's
#     (TESSARO_WINDOWS_STAGE_LOG: that stage's ctest output, when the test command gives it),
#     the clipboard's text kept, and again with a planted failing test.
# Needs build/mingw's e2e_tests.exe (built here when missing) to find the installed form.
# Ends with a line "N% tests passed, N tests failed out of N", as ctest does.
# Usage: bash tests/release/test-release.sh
# The checks are functions that check() runs by name, which shellcheck takes for unreachable code.
# "A && B || report" is meant: any failing step is reported.
# shellcheck disable=SC2317,SC2015
set -uo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
here=$root/tests/release
python=/usr/bin/python3

check() {  # name, command...: records the command's success as one test
    local name=$1
    shift
    if "$@"; then
        echo "ok     $name" | tee -a "$work/results"
    else
        echo "FAILED $name" | tee -a "$work/results"
    fi
}

# ---- Under Wine (run by the part below on a display, with WINEPREFIX a fresh prefix) ----------
if [ "${1:-}" = --wine ]; then
    work=$2
    release_msi=$(ls "$work"/new/Tessaro-*-win64.msi)
    old_msi=$(ls "$work"/old/Tessaro-*-win64.msi)
    version=$(cat "$work/version")
    drive=$WINEPREFIX/drive_c
    folder="$drive/Program Files/Tessaro"
    uninstall='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'

    msiexec() { wine msiexec "$1" "$(winepath -w "$2")" /qn "${@:3}" >/dev/null 2>&1; }
    # The Uninstall entries named Tessaro, each as "key|DisplayVersion|...": one line an entry.
    entries() {
        wine reg query "$uninstall" /s 2>/dev/null | tr -d '\r' | awk '
            /^HKEY_/ { if (name == "Tessaro") print key "|" fields; key = $0; name = ""; fields = ""; next }
            $1 == "DisplayName" { name = $3 }
            $1 ~ /^(DisplayVersion|Publisher|DisplayIcon|NoModify)$/ {
                value = $0; sub(/^ *[A-Za-z]+ +REG_[A-Z_]+ +/, "", value); fields = fields $1 "=" value ";" }
            END { if (name == "Tessaro") print key "|" fields }'
    }
    # Wine's installer puts the all-users Programs folder's shortcuts in the user's own.
    shortcut() {
        ls "$drive/ProgramData/Microsoft/Windows/Start Menu/Programs/Tessaro.lnk" \
            "$drive"/users/*/AppData/Roaming/Microsoft/Windows/Start\ Menu/Programs/Tessaro.lnk 2>/dev/null || true
    }
    form_starts() {
        TESSARO_EXE='C:\Program Files\Tessaro\Tessaro.exe' wine "$root/build/mingw/tests/e2e/e2e_tests.exe" \
            --gtest_color=no --gtest_filter=TheForm.EscEndsTheProgramAtOnceWithoutAsking >"$work/form.log" 2>&1 ||
            { cat "$work/form.log"; return 1; }
    }
    one_entry_of() {  # version: exactly one entry, with this version and the expected fields
        local list
        list=$(entries)
        [ "$(wc -l <<<"$list")" = 1 ] && grep -q "DisplayVersion=$1;" <<<"$list" &&
            grep -q 'Publisher=Tessaro;' <<<"$list" && grep -q 'NoModify=0x1;' <<<"$list" &&
            grep -qF 'DisplayIcon=C:\Program Files\Tessaro\Tessaro.exe,0;' <<<"$list" ||
            { echo "entries: ${list:-none}"; return 1; }
    }
    installed_as_released() {
        cmp "$folder/Tessaro.exe" "$work/files/Tessaro.exe" &&
            cmp "$folder/사용설명서.txt" "$work/files/사용설명서.txt" &&
            cmp "$folder/THIRD-PARTY-NOTICES.txt" "$work/files/THIRD-PARTY-NOTICES.txt"
    }
    shortcut_targets_the_exe() {
        local link lines
        link=$(shortcut) && [ -n "$link" ] && [ "$(wc -l <<<"$link")" = 1 ] || { echo "shortcuts: ${link:-none}"; return 1; }
        mapfile -t lines < <("$python" "$here/lnk.py" "$link")
        [ "${lines[0]}" = 'C:\Program Files\Tessaro\Tessaro.exe' ] && [ -f "$(winepath -u "${lines[1]}")" ] ||
            { echo "shortcut: target ${lines[0]}, icon ${lines[1]}"; return 1; }
    }
    all_gone() {
        [ ! -e "$folder" ] && [ -z "$(shortcut)" ] && [ -z "$(entries)" ]
    }

    check "msiexec /i /qn installs the release MSI in a fresh prefix" msiexec /i "$release_msi"
    check "the installed exe, guide (사용설명서.txt) and notices are the released files" installed_as_released
    check "the Start-menu shortcut Tessaro targets the installed exe, with the icon" shortcut_targets_the_exe
    check "one Add/Remove Programs entry: Tessaro $version, publisher, icon, no Modify" one_entry_of "$version"
    check "the installed Tessaro.exe starts and shows the date form" form_starts
    uninstalls() { msiexec /x "$release_msi" && all_gone; }
    old_signed_installs_and_starts() { msiexec /i "$old_msi" && one_entry_of 1.1.0 && form_starts; }
    upgrades() {
        msiexec /i "$release_msi" /l*v "$(winepath -w "$work/upgrade.log")" && one_entry_of "$version" &&
            cmp "$folder/Tessaro.exe" "$work/files/Tessaro.exe" ||
            { iconv -f UTF-16 -t UTF-8 "$work/upgrade.log" 2>/dev/null | grep -i 'FindRelatedProducts\|RemoveExistingProducts'; return 1; }
    }
    check "msiexec /x /qn removes the exe, its folder, the shortcut and the entry" uninstalls
    check "the signed 1.1.0 package installs and its signed exe starts" old_signed_installs_and_starts
    check "installing $version over 1.1.0 leaves one entry, $version, and the new exe" upgrades
    # Another package of the same version (as the signed build of an unsigned one): another
    # product code and package code, the same files.
    same_version_replaces() {
        local product
        product="{$("$python" -c 'import uuid; print(str(uuid.uuid4()).upper())')}"
        cp "$release_msi" "$work/same.msi" &&
            msibuild "$work/same.msi" -q "UPDATE \`Property\` SET \`Value\` = '$product' WHERE \`Property\` = 'ProductCode'" \
                -s "Tessaro $version" Tessaro "x64;1042" "{$("$python" -c 'import uuid; print(str(uuid.uuid4()).upper())')}" &&
            msiexec /i "$work/same.msi" && one_entry_of "$version" && entries | grep -qF "$product" ||
            { entries; return 1; }
    }
    check "another package of $version replaces the installed one: one entry, the new product" same_version_replaces

    # The self-test bundle, as a tester on Korean Windows would run it.
    bundle="$drive/users/홍길동/바탕 화면/self & test"
    mkdir -p "$bundle" && unzip -q -d "$bundle" "$work/new/Tessaro-$version-win64-selftest.zip"
    # Runs selftest.cmd through cmd as a double-click would (its closing pause reads the empty
    # input). Its output, and its report with LF line ends, go to $work/NAME.txt and
    # NAME-report.txt; its summary line to $summary and its report folder to $report.
    selftest() {  # name
        local status=0
        rm -rf "$bundle"/selftest-*
        wine 'C:\users\홍길동\바탕 화면\self & test\selftest.cmd' </dev/null >"$work/$1.log" 2>&1 || status=$?
        report=$(ls -d "$bundle"/selftest-*/)
        tr -d '\r' <"$work/$1.log" >"$work/$1.txt"
        tr -d '\r' <"$report/report.txt" >"$work/$1-report.txt"
        summary=$(grep -E '^[0-9]+ passed, [0-9]+ failed' "$work/$1.txt" | tail -1)
        sed -n 's/^/       /; 1,9p' "$work/$1-report.txt"
        echo "       $summary (exit $status, bundle $(du -sk "$bundle/tests" | cut -f1) KB unpacked)"
        return "$status"
    }
    expected=$(grep -v '^#' "$bundle/tests/tests.txt" | cut -f1)
    # Every test the bundle lists is one of the Windows stage, which passed it; and none is left out.
    agrees_with_the_windows_stage() {
        (cd "$root" && "$python" packaging/make-selftest.py build/mingw "$work/stage-tests.txt" >/dev/null) &&
            [ "$expected" = "$(grep -v '^#' "$work/stage-tests.txt" | cut -f1)" ] ||
            { echo "the bundle's tests are not the Windows stage's"; return 1; }
        local name
        for name in $expected; do
            grep -qx "ok      $name ([0-9.]* s)" "$work/bundle.txt" || { echo "the bundle did not pass $name"; return 1; }
            [ -z "${TESSARO_WINDOWS_STAGE_LOG:-}" ] || grep -qE "Test +#[0-9]+: $name \.+ +Passed" "$TESSARO_WINDOWS_STAGE_LOG" ||
                { echo "the Windows stage did not pass $name"; return 1; }
        done
        [ "$summary" = "$(wc -l <<<"$expected") passed, 0 failed" ]
    }
    reports_the_system_and_screens() {
        local file
        local windows
        windows=$(wine cmd /c ver | tr -d '\r' | sed -n 's/^Microsoft Windows \([0-9.]*\)$/\1/p')
        [ -n "$windows" ] && grep -qE "^Windows: .*, version ${windows//./\\.}\.[0-9]+$" "$work/bundle-report.txt" &&
            grep -q '^Code pages: *ANSI 949, OEM 949$' "$work/bundle-report.txt" &&
            grep -q "^Tessaro: *$version.0, C:.*self & test.Tessaro.exe$" "$work/bundle-report.txt" || return 1
        for file in form-result copy-menu about-box exit-question; do
            [ "$(head -c 8 "$report/$file.png" | od -An -tx1 | tr -d ' ')" = 89504e470d0a1a0a ] ||
                { echo "no picture $file.png"; return 1; }
        done
        # Nothing beside the report folder: no temporary files left, no other new file.
        [ "$(cd "$bundle" && find . -type f -newer tests/tests.txt ! -path './selftest-*' | wc -l)" = 0 ] &&
            [ ! -e "$report/temp" ]
    }
    # The user's clipboard text, which the tests replace and the bundle puts back.
    clipboard='클립보드에 있던 글 & 42'
    clipboard_kept() {
        selftest bundle && [ "$(xclip -o -selection clipboard)" = "$clipboard" ] ||
            { echo "clipboard afterwards: $(xclip -o -selection clipboard 2>&1)"; return 1; }
    }
    printf %s "$clipboard" | xclip -i -selection clipboard -t UTF8_STRING
    check "the self-test bundle runs from 'C:\users\홍길동\바탕 화면\self & test', exits 0, keeps the clipboard's text" \
        clipboard_kept
    check "its summary is the Windows test stage's: the same tests, all passed" agrees_with_the_windows_stage
    check "its report names Wine's Windows version, Tessaro's, code page 949; the screenshots are PNG" \
        reports_the_system_and_screens
    # A planted failing test: the code-page check told to expect code page 1.
    planted() {
        grep -P '^calendar_tests\t' "$work/tests.txt" >"$bundle/tests/tests.txt"
        grep -P '^e2e_form_korean\t' "$work/tests.txt" |
            sed 's/^e2e_form_korean/planted_failure/; s/=TheForm\.\*/=TheForm.RunsUnderTheCodePageOfItsLocale/; s/={acp}/=1/' \
                >>"$bundle/tests/tests.txt"
        ! selftest planted && [ "$summary" = "1 passed, 1 failed" ] &&
            grep -q '^FAILED  planted_failure' "$work/planted-report.txt" && grep -q 'Which is: 949' "$work/planted-report.txt"
    }
    cp "$bundle/tests/tests.txt" "$work/tests.txt"
    check "a planted failing test makes it exit non-zero, with the failure in the report" planted
    exit 0
fi

# ---- Builds and files -------------------------------------------------------------------------
# Unsigned builds with the commit's time, whatever the caller's environment says.
unset SOURCE_DATE_EPOCH TESSARO_SIGN_PFX TESSARO_SIGN_PASSWORD TESSARO_SIGN_TIMESTAMP_URL
work=$(mktemp -d /tmp/tessaro-release-test.XXXXXX)
cleanup() {
    [ ! -d "$work/prefix" ] || WINEPREFIX=$work/prefix wineserver -k 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
trap 'exit 129' HUP
: >"$work/results"
version=$(sed -n 's/^project(Tessaro VERSION \([0-9.]*\) .*/\1/p' "$root/CMakeLists.txt")
echo "$version" >"$work/version"
zip=Tessaro-$version-win64.zip
msi=Tessaro-$version-win64.msi

# Two clones of the last commit, in folders of different names and depths.
one=$work/one
two="$work/second/clone two"
if ! git clone -q "$root" "$one" || ! git clone -q "$root" "$two"; then
    echo "test-release: cloning $root failed"
    exit 1
fi

release() {  # clone, log name, arguments...: the release command, its output kept in the log
    local clone=$1 log=$work/$2.log
    shift 2
    (cd "$clone" && bash scripts/release.sh "$@") >"$log" 2>&1 || { tail -5 "$log"; return 1; }
}
first_release() {
    release "$one" one && [ -f "$one/dist/$zip" ] && [ -f "$one/dist/$msi" ] && [ -f "$one/dist/SHA256SUMS" ]
}
check "the release command writes the zip, the MSI and SHA256SUMS (first clone)" first_release
cp -r "$one/dist" "$work/new"
check "the release command builds again in a second clone, in another folder" release "$two" two

identical() {  # what, file in the first clone's dist, file in the second's
    cmp -s "$2" "$3" || { echo "$1 differs between the two builds"; return 1; }
}
mkdir -p "$work/files" "$work/files2"
unzip -q -d "$work/files" "$work/new/$zip" && unzip -q -d "$work/files2" "$two/dist/$zip"
for build in "$work/files" "$work/files2"; do
    echo "       Tessaro.exe $(stat -c %s "$build/Tessaro.exe") bytes, SHA-256 $(sha256sum <"$build/Tessaro.exe" | cut -c1-64)"
done
check "Tessaro.exe is byte-identical in both builds" \
    identical Tessaro.exe "$work/files/Tessaro.exe" "$work/files2/Tessaro.exe"
check "the zip is byte-identical in both builds" identical "the zip" "$work/new/$zip" "$two/dist/$zip"
msi_identical() {
    identical "the MSI" "$work/new/$msi" "$two/dist/$msi" && return 0
    mkdir -p "$work/dump1" "$work/dump2"
    (cd "$work/dump1" && msidump -t -s "$work/new/$msi" >/dev/null 2>&1)
    (cd "$work/dump2" && msidump -t -s "$two/dist/$msi" >/dev/null 2>&1)
    diff -r "$work/dump1" "$work/dump2" | head -20
    return 1
}
check "the MSI is byte-identical in both builds" msi_identical
selftest=Tessaro-$version-win64-selftest.zip
echo "       $selftest $(stat -c %s "$work/new/$selftest") bytes"
check "the self-test bundle is byte-identical in both builds" \
    identical "the self-test bundle" "$work/new/$selftest" "$two/dist/$selftest"

sums_verify() { (cd "$work/new" && [ "$(wc -l <SHA256SUMS)" = 3 ] && sha256sum --quiet -c SHA256SUMS); }
check "SHA256SUMS verifies the zip, the MSI and the self-test bundle" sums_verify
bundle_holds_the_release_and_its_tests() {
    mkdir -p "$work/bundle" && unzip -q -d "$work/bundle" "$work/new/$selftest" || return 1
    cmp "$work/bundle/Tessaro.exe" "$work/files/Tessaro.exe" || return 1
    local file
    for file in selftest.cmd README-selftest.txt tests/selftest.exe tests/screenshot_tour.exe \
        $(grep -v '^#' "$work/bundle/tests/tests.txt" | cut -f4 | sed 's,^,tests/,' | sort -u); do
        [ -s "$work/bundle/$file" ] || { echo "the bundle lacks $file"; return 1; }
    done
    ! head -c 3 "$work/bundle/selftest.cmd" | grep -q $'\xef\xbb\xbf' && grep -q $'\r$' "$work/bundle/selftest.cmd"
}
check "the bundle holds the released exe, selftest.cmd (CRLF, no BOM), the README and every listed program" \
    bundle_holds_the_release_and_its_tests
# Windows Installer: a package of the installed version replaces it (the upgrade row includes
# its own version; the downgrade row does not), whatever its language (no Language in the rows:
# 1.1.0's template was English), and the summary's language is the product's.
msi_upgrades_same_version_in_korean() {
    msiinfo suminfo "$work/new/$msi" | grep -qx 'Template: x64;1042' || { echo "template not x64;1042"; return 1; }
    msiinfo export "$work/new/$msi" Upgrade | tr -d '\r' | awk -F'\t' -v v="$version" '
        NR > 3 && $4 != "" { print "Upgrade table: row " $7 " only for languages " $4; bad = 1 }
        NR > 3 && $7 == "WIX_UPGRADE_DETECTED" { up = $3 == v && int($5 / 512) % 2 == 1 }
        NR > 3 && $7 == "WIX_DOWNGRADE_DETECTED" { down = $2 == v && int($5 / 256) % 2 == 0 }
        END { if (!up || !down) print "Upgrade table: " (up ? "" : "no same-version upgrade ") (down ? "" : "same version taken for a downgrade")
              exit bad || !up || !down }'
}
check "the MSI replaces an installed package of its own version, of any language; Template language 1042" \
    msi_upgrades_same_version_in_korean
check "the zip holds the exe, 사용설명서.txt, the notices and the changelog, stamped, without extras" \
    "$python" - "$work/new/$zip" "$(git -C "$root" log -1 --format=%ct)" <<'EOF'
import sys, time, zipfile
names = ["Tessaro.exe", "사용설명서.txt", "THIRD-PARTY-NOTICES.txt", "CHANGELOG.md"]
stamp = time.gmtime(int(sys.argv[2]) // 2 * 2)[:6]
infos = zipfile.ZipFile(sys.argv[1]).infolist()
faults = [] if [i.filename for i in infos] == names else [f"entries {[i.filename for i in infos]}"]
for i in infos:
    if i.date_time != stamp: faults.append(f"{i.filename}: time {i.date_time}, not {stamp}")
    if i.extra: faults.append(f"{i.filename}: extra fields")
    if not i.filename.isascii() and not i.flag_bits & 0x800: faults.append(f"{i.filename}: no UTF-8 flag")
for text in ("사용설명서.txt", "THIRD-PARTY-NOTICES.txt"):
    if not zipfile.ZipFile(sys.argv[1]).read(text).startswith(b"\xef\xbb\xbf"): faults.append(f"{text}: no BOM")
sys.exit("\n".join(faults) if faults else 0)
EOF

pe_time() {  # the PE header's TimeDateStamp
    local header
    header=$(od -An -tu4 -j60 -N4 "$1" | tr -d ' ')
    od -An -tu4 -j$((header + 8)) -N4 "$1" | tr -d ' '
}
exe_is_small_stamped_and_pathless() {
    local exe=$work/files/Tessaro.exe
    [ "$(stat -c %s "$exe")" -le 256000 ] &&
        [ "$(pe_time "$exe")" = "$(git -C "$root" log -1 --format=%ct)" ] &&
        ! strings -a "$exe" | grep -E "$work|clone two|build/release"
}
check "Tessaro.exe: at most 250 KB, PE time the commit's, no build path inside" exe_is_small_stamped_and_pathless
msi_holds_the_released_files() {
    mkdir -p "$work/msi" && (cd "$work/msi" && msiextract "$work/new/$msi" >/dev/null) || return 1
    local file
    for file in Tessaro.exe THIRD-PARTY-NOTICES.txt; do
        cmp "$(find "$work/msi" -name "$file")" "$work/files/$file" || return 1
    done
}
check "the MSI holds the released exe and notices" msi_holds_the_released_files
notices_current() { bash "$root/scripts/notices.sh" | cmp -s - "$root/THIRD-PARTY-NOTICES.txt"; }
check "THIRD-PARTY-NOTICES.txt matches the installed packages' copyright files" notices_current

refuses_dirty() {
    echo changed >>"$one/README.md"
    (cd "$one" && bash scripts/release.sh) >"$work/dirty.log" 2>&1
    local status=$?
    git -C "$one" checkout -q README.md
    [ $status -ne 0 ] && grep -q "uncommitted changes" "$work/dirty.log"
}
check "the release command refuses a tree with uncommitted changes" refuses_dirty

# A throwaway CA and a code-signing certificate issued by it, for a signed 1.1.0 package.
pki=$work/pki
make_pki() {
    mkdir -p "$pki" && cd "$pki" &&
        openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj "/CN=Tessaro Test CA" \
            -addext basicConstraints=critical,CA:TRUE -addext keyUsage=critical,keyCertSign \
            -keyout ca.key -out ca.pem &&
        openssl req -newkey rsa:2048 -nodes -subj "/CN=Tessaro Test Signer" -keyout signer.key -out signer.csr &&
        printf 'basicConstraints=CA:FALSE\nkeyUsage=critical,digitalSignature\nextendedKeyUsage=codeSigning\n' >ext &&
        openssl x509 -req -in signer.csr -CA ca.pem -CAkey ca.key -CAcreateserial -days 2 -extfile ext -out signer.pem &&
        openssl pkcs12 -export -inkey signer.key -in signer.pem -certfile ca.pem -passout pass:test-password -out signer.pfx
}
(make_pki) >"$work/pki.log" 2>&1 || { cat "$work/pki.log"; echo "test-release: making the test certificates failed"; }
# 1.1.0 from its last commit, before the date tools: its MSI's template language is English
# (1033), later ones' Korean, and an upgrade must still find it.
old_commit=e822bb7
signed_old_release() {
    git clone -q "$root" "$work/1.1.0" && git -C "$work/1.1.0" checkout -q "$old_commit" ||
        { echo "the 1.1.0 commit $old_commit is not in the history (a shallow clone?)"; return 1; }
    TESSARO_SIGN_PFX=$pki/signer.pfx TESSARO_SIGN_PASSWORD=test-password release "$work/1.1.0" old &&
        cp -r "$work/1.1.0/dist" "$work/old" && unzip -q -d "$work/old/files" "$work/old/Tessaro-1.1.0-win64.zip"
}
signatures_verify() {
    local file
    for file in "$work/old/files/Tessaro.exe" "$work/old/Tessaro-1.1.0-win64.msi"; do
        osslsigncode verify -CAfile "$pki/ca.pem" -in "$file" >"$work/verify.log" 2>&1 ||
            { tail -5 "$work/verify.log"; return 1; }
    done
}
check "1.1.0 builds from its commit, signed with TESSARO_SIGN_PFX and TESSARO_SIGN_PASSWORD" signed_old_release
check "osslsigncode verifies the signed exe and MSI against the test CA" signatures_verify

# ---- Under Wine, in a fresh prefix ------------------------------------------------------------
if [ ! -f "$root/build/mingw/tests/e2e/e2e_tests.exe" ]; then
    (cd "$root" && cmake --preset mingw >/dev/null && cmake --build --preset mingw --target e2e_tests >/dev/null)
fi
# winemenubuilder would put the shortcut into this machine's own desktop menus.
WINEPREFIX=$work/prefix WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe=" \
    bash "$root/scripts/with-wine-display.sh" bash "$0" --wine "$work" ||
    echo "FAILED the tests under Wine did not run to the end" >>"$work/results"

failed=$(grep -c '^FAILED' "$work/results")
total=$(wc -l <"$work/results")
echo "$(((total - failed) * 100 / total))% tests passed, $failed tests failed out of $total"
[ "$failed" -eq 0 ]
