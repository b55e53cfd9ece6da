#!/usr/bin/env bash
# Start-up time: process start to the installer window on the screen, against a minimal dialog of
# ours started the same way (the floor of this platform), alternating, under Wine on Xvfb.
# Usage: bench/startup.sh [ROUNDS] [--breakdown]
#   --breakdown also times the floor with the installer's libraries imported, the same with the
#   sound library set up, and the installer without the picture, with an empty list, with neither.
set -euo pipefail
cd "$(dirname "$0")/.."
rounds=15
breakdown=no
for arg in "$@"; do
    case "$arg" in
        --breakdown) breakdown=yes ;;
        *) rounds=$arg ;;
    esac
done

tools/setup.sh
source tools/wine-env.sh build bench-prefix
trap 'velan_stop; rm -rf "${work:-}"' EXIT
tools/build.sh >/dev/null
velan_start_display
velan_prepare_prefix
# The players this is for see Czech texts; their code page is 1250.
export LC_ALL=cs_CZ.UTF-8

work=$(mktemp -d)
windows() { printf 'Z:%s' "$1" | tr / '\\'; }

# An installer folder as shipped: the program and its library, the movie that suppresses the
# movie message, a version note, a 600x600 photo-like background, and an install list of 1,000
# lines whose every source is a small file shipped beside the installer (so each is looked for).
make_folder() {  # folder, picture yes/no, list yes/no
    local dir="$work/$1"
    mkdir -p "$dir/data"
    cp "$VELAN_DIST/VELANInst.exe" "$VELAN_DIST/fmod.dll" "$dir/"
    : > "$dir/intro.bik"
    printf 'Verze 1.0\r\nPřeklad: tým VELAN\r\n' | iconv -f UTF-8 -t CP1250 > "$dir/version"
    if [ "$2" = yes ]; then cp "$work/backgrnd.jpg" "$dir/"; fi
    if [ "$3" = yes ]; then
        cp "$work/data/"* "$dir/data/"
        cp "$work/files.cfg" "$dir/"
    else
        : > "$dir/files.cfg"
    fi
}

convert -seed 7 -size 600x600 plasma:fractal -quality 90 "$work/backgrnd.jpg"
mkdir -p "$work/data"
for i in $(seq -w 0 999); do
    printf 'translated text %s\r\n' "$i" > "$work/data/t$i.dat"
    printf '<INSTDIR>data\\t%s.dat|\\data\\t%s.dat\r\n' "$i" "$i"
done > "$work/files.cfg"

make_folder installer yes yes
cp "$VELAN_BUILD/bench/minimal_dialog.exe" "$work/"
programs=("installer=$(windows "$work/installer/VELANInst.exe")" "floor=$(windows "$work/minimal_dialog.exe")")
if [ "$breakdown" = yes ]; then
    mkdir -p "$work/floors"
    cp "$VELAN_BUILD/bench/minimal_dialog_libraries.exe" "$VELAN_BUILD/bench/minimal_dialog_sound.exe" \
       "$VELAN_DIST/fmod.dll" "$work/floors/"
    programs+=("floor+libraries=$(windows "$work/floors/minimal_dialog_libraries.exe")"
               "floor+lib+sound=$(windows "$work/floors/minimal_dialog_sound.exe")")
    make_folder no-picture no yes
    make_folder empty-list yes no
    make_folder neither no no
    programs+=("no picture=$(windows "$work/no-picture/VELANInst.exe")"
               "empty list=$(windows "$work/empty-list/VELANInst.exe")"
               "neither=$(windows "$work/neither/VELANInst.exe")")
fi
echo "installer folder: VELANInst.exe, fmod.dll, intro.bik (empty), version, backgrnd.jpg" \
     "($(stat -c %s "$work/backgrnd.jpg") bytes, 600x600), files.cfg ($(wc -l < "$work/files.cfg") lines," \
     "every source a shipped file of ~20 bytes); no registry value"
"$WINE" "$VELAN_BUILD/bench/startup_bench.exe" --rounds "$rounds" "${programs[@]}" | tr -d '\r'
