# shellcheck shell=bash
# Sourced by the scripts that run Windows programs: a project-local Wine prefix with the
# Korean locale, a Hangul font in place of Gulim, and windows that draw their own title bars.
# Usage: source scripts/wine-env.sh   (idempotent; creates the prefix on first use)

tessaro_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEPREFIX=${WINEPREFIX:-$tessaro_root/build/wineprefix}
export WINEARCH=win64
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
# Korean Windows: GetACP() is 949 only with LC_ALL naming a generated Korean locale.
export LC_ALL=${TESSARO_LOCALE:-ko_KR.UTF-8} 2>/dev/null

if [ ! -f "$WINEPREFIX/.tessaro-ready" ]; then
    mkdir -p "$WINEPREFIX"
    echo "wine-env: creating the Wine prefix in $WINEPREFIX (about 20 s)" >&2
    wineboot -i >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v '굴림' /t REG_SZ /d NanumGothic /f >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v Gulim /t REG_SZ /d NanumGothic /f >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
    cp /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
    wineserver -w
    touch "$WINEPREFIX/.tessaro-ready"
fi
