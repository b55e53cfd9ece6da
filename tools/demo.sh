#!/usr/bin/env bash
# Opens the installer on a staged demo translation package and a demo game folder, in a
# private Wine prefix. Without a display it runs under Xvfb, saves a screenshot and prints its path.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/setup.sh
source tools/wine-env.sh build demo-prefix
trap velan_stop EXIT

tools/build.sh >/dev/null
exe=$VELAN_DIST/VELANInst.exe
[ "$VELAN_BITS" = 64 ] && echo "note: 32-bit Wine cannot run on this host; the demo shows the 64-bit build of the same sources"

headless=0
[ -z "${DISPLAY:-}" ] && headless=1
velan_start_display
velan_prepare_prefix

# The demo game installation and its registry value.
game="$WINEPREFIX/drive_c/Games/VELAN"
mkdir -p "$game/override"
printf 'original strings\r\n' > "$game/strings.dat"
"$WINE" reg add 'HKLM\SOFTWARE\Dorvane\RN\VELAN' /v Path /d 'C:\Games\VELAN' /f >/dev/null 2>&1

# The demo translation package, staged beside a copy of the program.
pkg="$WINEPREFIX/drive_c/demo-package"
rm -rf "$pkg"
mkdir -p "$pkg/data" "$pkg/art"
cp "$exe" "$pkg/VELANInst.exe"
cp "$(dirname "$exe")/fmod.dll" "$pkg/fmod.dll"
printf 'přeložené texty\r\n' | iconv -f UTF-8 -t CP1250 > "$pkg/data/strings.dat"
printf 'menu' > "$pkg/art/menu.tga"
: > "$pkg/intro.bik"
convert -size 600x600 radial-gradient:'#1b3a6b'-'#000716' "$pkg/backgrnd.jpg"
printf 'Čeština pro VELAN, verze 1.0\r\nPřeložil demo tým\r\n' | iconv -f UTF-8 -t CP1250 > "$pkg/version"
printf 'Informace o překladu (demo)\r\n' | iconv -f UTF-8 -t CP1250 > "$pkg/CZ_info.txt"
cat > "$pkg/files.cfg" <<'LIST'
<GAMEDIR>strings.dat|backup\strings.dat
<INSTDIR>data\strings.dat|strings.dat
<INSTDIR>art\menu.tga|\override\menu.tga
LIST

cd "$pkg"
if [ "$headless" = 1 ]; then
    "$WINE" VELANInst.exe &
    sleep 6
    shot="$(realpath -m "$OLDPWD/build/demo-screenshot.png")"
    import -window root "$shot"
    "$WINESERVER" -k >/dev/null 2>&1 || true
    echo "screenshot: $shot"
else
    "$WINE" VELANInst.exe
fi
