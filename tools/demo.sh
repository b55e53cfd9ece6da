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
# Wine and its sound libraries talk on stderr (ALSA lists every card it cannot find): into a log.
log="$(realpath -m build/demo-wine.log)"
: > "$log"
# Without a sound device Wine's audio drivers stay off, so nothing tries one; the installer then
# plays no music, as it does on any machine without sound.
if grep -q '^ *[0-9]' /proc/asound/cards 2>/dev/null || [ -S "${XDG_RUNTIME_DIR:-/nonexistent}/pulse/native" ] \
    || [ -e "$HOME/.asoundrc" ]; then
    sound="plays the demo music"
else
    export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;winealsa.drv,winepulse.drv="
    sound="no sound device here, so the demo music stays silent"
fi
velan_start_display
velan_prepare_prefix 2>>"$log"

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
# Demo music: a short arpeggio as a WAV, which the installer plays once.
python3 - "$pkg/backgrnd.snd" <<'TUNE'
import math, struct, sys, wave
rate = 22050
notes = [262, 330, 392, 523, 392, 330] * 4
samples = bytearray()
for f in notes:
    n = rate * 3 // 10
    for i in range(n):
        fade = min(1.0, i / 200, (n - i) / 800)
        samples += struct.pack('<h', int(9000 * fade * math.sin(2 * math.pi * f * i / rate)))
with wave.open(sys.argv[1], 'wb') as out:
    out.setnchannels(1); out.setsampwidth(2); out.setframerate(rate); out.writeframes(bytes(samples))
TUNE
printf 'Čeština pro VELAN, verze 1.0\r\nPřeložil demo tým\r\n' | iconv -f UTF-8 -t CP1250 > "$pkg/version"
printf 'Informace o překladu (demo)\r\n' | iconv -f UTF-8 -t CP1250 > "$pkg/CZ_info.txt"
cat > "$pkg/files.cfg" <<'LIST'
<GAMEDIR>strings.dat|backup\strings.dat
<INSTDIR>data\strings.dat|strings.dat
<INSTDIR>art\menu.tga|\override\menu.tga
LIST

echo "demo game:    C:\\Games\\VELAN (registry value set), on this host $game"
echo "demo package: C:\\demo-package, on this host $pkg"
echo "sound:        $sound"
cd "$pkg"
if [ "$headless" = 1 ]; then
    "$WINE" VELANInst.exe 2>>"$log" &
    sleep 6
    shot="$(realpath -m "$OLDPWD/build/demo-screenshot.png")"
    import -window root "$shot" 2>>"$log"
    "$WINESERVER" -k >/dev/null 2>&1 || true
    echo "screenshot:   $shot"
    echo "to open the window itself, run tools/demo.sh in a desktop session (with DISPLAY set)"
else
    "$WINE" VELANInst.exe 2>>"$log"
fi
echo "Wine's own messages: $log"
