#!/usr/bin/env bash
# Installs what building, testing and the demo need, when it is missing (Debian 12, as root).
set -euo pipefail

packages=(cmake make mingw-w64 g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix
          wine wine32:i386 wine64 fonts-wine xvfb xauth xdotool imagemagick libgtest-dev file
          clang libclang-rt-14-dev libstb-dev python3 locales nsis)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO=sudo
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    $SUDO dpkg --add-architecture i386
    $SUDO apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# The tests run under LC_ALL=cs_CZ.UTF-8. Wine takes code page 1250 from that name alone, but
# writes 1250 file names as their Linux names only when the locale itself exists.
if ! locale -a 2>/dev/null | grep -qix 'cs_CZ.utf8'; then
    echo "Generating the locale cs_CZ.UTF-8"
    grep -q '^cs_CZ.UTF-8 UTF-8' /etc/locale.gen 2>/dev/null \
        || echo 'cs_CZ.UTF-8 UTF-8' | $SUDO tee -a /etc/locale.gen >/dev/null
    $SUDO locale-gen >/dev/null
fi
