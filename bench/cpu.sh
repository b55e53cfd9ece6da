#!/usr/bin/env bash
# Processor time of the idle installer over 10 s, with music playing and without (the floor),
# and of a bare program playing the same file through the system's player (what sound itself
# costs on this platform), side by side in one run. Figures are percent of one core, from the
# host's process accounting.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-10}

tools/setup.sh
source tools/wine-env.sh build bench-prefix
trap velan_stop EXIT
tools/build.sh >/dev/null
velan_start_display
velan_prepare_prefix

work=$(mktemp -d)
mkdir -p "$work/quiet" "$work/music" "$work/floor"
sink_for() {  # a paced ALSA file sink of its own for each player, in a home folder of its own
    mkdir -p "$work/home-$1"
    printf 'pcm.!default { type file slave.pcm "null" file "|python3 %s %s" format "raw" }\nctl.!default { type hw card 0 }\n' \
        "$PWD/bench/paced_sink.py" "$work/home-$1/out.raw" > "$work/home-$1/.asoundrc"
}
sink_for music
sink_for floor
for folder in quiet music; do
    cp "$VELAN_DIST/VELANInst.exe" "$VELAN_DIST/fmod.dll" "$work/$folder/"
    : > "$work/$folder/intro.bik"
    : > "$work/$folder/files.cfg"
done
cp "$VELAN_BUILD/bench/play_floor.exe" "$work/floor/"
# A minute of tone, longer than the measurement, already in the output's format (44,100 Hz,
# stereo, 16 bits) so neither player converts.
python3 - "$work/music/backgrnd.snd" <<'PY'
import math, struct, sys
rate, seconds = 44100, 60
with open(sys.argv[1], "wb") as f:
    n = rate * seconds
    f.write(b"RIFF" + struct.pack("<I", 36 + 4 * n) + b"WAVEfmt " + struct.pack("<IHHIIHH", 16, 1, 2, rate, 4 * rate, 4, 16))
    f.write(b"data" + struct.pack("<I", 4 * n))
    one = b"".join(struct.pack("<hh", v, v) for v in (int(9000 * math.sin(2 * math.pi * 441 * i / rate)) for i in range(rate)))
    f.write(one * seconds)
PY
cp "$work/music/backgrnd.snd" "$work/floor/tone.wav"

ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }
started=""
start_program() {  # folder, program, extra environment, arguments; sets $started to its host pid
    (cd "$work/$1" && env $3 "$WINE" "$work/$1/$2" ${4:-} >/dev/null 2>&1 &)
    for _ in $(seq 100); do
        started=$(pgrep -f "$work/$1/$2" | head -n 1 || true)
        [ -n "$started" ] && return
        sleep 0.1
    done
    echo "$2 in $1 did not start" >&2
    exit 1
}

start_program quiet VELANInst.exe "WINEDLLOVERRIDES=mscoree,mshtml,winealsa.drv,winepulse.drv="
quiet=$started
start_program music VELANInst.exe "HOME=$work/home-music WINEDLLOVERRIDES=mscoree,mshtml,winepulse.drv="
music=$started
threads() { for task in /proc/"$1"/task/*; do echo "${task##*/} $(awk '{ print $14 + $15 }' "$task/stat") $(cat "$task/comm")"; done; }
size() { stat -c %s "$work/home-$1/out.raw" 2>/dev/null || echo 0; }
sleep 3  # past start-up
q0=$(ticks "$quiet"); m0=$(ticks "$music"); s0=$(size music)
threads "$music" > "$work/threads0"
sleep "$seconds"
threads "$music" > "$work/threads1"
q1=$(ticks "$quiet"); m1=$(ticks "$music"); s1=$(size music)
kill "$music"
# One player at a time, as on a machine with one sound card.
start_program floor play_floor.exe "HOME=$work/home-floor WINEDLLOVERRIDES=mscoree,mshtml,winepulse.drv=" tone.wav
floor=$started
sleep 3
f0=$(ticks "$floor"); t0=$(size floor)
threads "$floor" > "$work/floor0"
sleep "$seconds"
threads "$floor" > "$work/floor1"
f1=$(ticks "$floor"); t1=$(size floor)
hz=$(getconf CLK_TCK)
awk -v q=$((q1 - q0)) -v m=$((m1 - m0)) -v f=$((f1 - f0)) -v hz="$hz" -v s="$seconds" \
    -v bytes=$((s1 - s0)) -v fbytes=$((t1 - t0)) 'BEGIN {
    printf "idle installer, no music:        %5.2f %% of a core over %d s\n", 100 * q / hz / s, s
    printf "idle installer, music on:        %5.2f %% of a core over %d s (%d bytes a second reached the output)\n", 100 * m / hz / s, s, bytes / s
    printf "bare player, same file (floor):  %5.2f %% of a core over %d s (%d bytes a second reached the output)\n", 100 * f / hz / s, s, fbytes / s
    printf "music on / bare player:          %5.2f\n", (f > 0 ? m / f : 0)
}'
# Where the music's time goes: ticks per thread over the same window.
echo "busiest threads of the installer with music (ticks of 1/$hz s):"
join "$work/threads0" "$work/threads1" | awk '{ printf "%6d  thread %s %s\n", $4 - $2, $1, $3 }' | sort -rn | head -n 5
echo "busiest threads of the bare player:"
join "$work/floor0" "$work/floor1" | awk '{ printf "%6d  thread %s %s\n", $4 - $2, $1, $3 }' | sort -rn | head -n 3
rm -rf "$work"
