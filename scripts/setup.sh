#!/usr/bin/env bash
# Installs what building and testing Tessaro needs on Debian 12, only what is missing.
# Idempotent: a second run installs nothing and takes about a second.
# shellcheck source=harness.sh
source "$(dirname "$0")/harness.sh"

packages=(
  cmake ninja-build g++ googletest libgtest-dev libbenchmark-dev
  g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
  wine wine64 fonts-wine libxrender1 libxcursor1 libxrandr2 libxi6
  xvfb xauth x11-utils fonts-nanum locales imagemagick xdotool xclip
  clang libclang-rt-14-dev clang-format clang-tidy cppcheck
  git python3 wixl msitools faketime osslsigncode openssl zip unzip
  shellcheck
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)

# npm, for the workflow linter: Debian's nodejs and npm, unless a Node.js with npm is installed.
command -v npm >/dev/null || missing+=(nodejs npm)

if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# Wine reports code page 949 only when the Korean locale exists.
if ! locale -a 2>/dev/null | grep -qi '^ko_KR\.utf8$'; then
  echo "setup: generating ko_KR.UTF-8"
  "${sudo_cmd[@]}" sed -i 's/^# *ko_KR.UTF-8 UTF-8/ko_KR.UTF-8 UTF-8/' /etc/locale.gen
  grep -q '^ko_KR.UTF-8 UTF-8' /etc/locale.gen || echo 'ko_KR.UTF-8 UTF-8' | "${sudo_cmd[@]}" tee -a /etc/locale.gen >/dev/null
  "${sudo_cmd[@]}" locale-gen >/dev/null
fi
