#!/usr/bin/env bash
# Processor time of the idle installer over 10 s, with music playing and without (the floor),
# side by side in one run. Figures are percent of one core, from the host's process accounting.
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
sink="$work/home"
mkdir -p "$sink" "$work/quiet" "$work/music"
printf 'pcm.!default { type file slave.pcm "null" file "%s/out.raw" format "raw" }\nctl.!default { type hw card 0 }\n' \
    "$sink" > "$sink/.asoundrc"
for folder in quiet music; do
    cp "$VELAN_DIST/VELANInst.exe" "$VELAN_DIST/fmod.dll" "$work/$folder/"
    : > "$work/$folder/intro.bik"
    : > "$work/$folder/files.cfg"
done
# Ten minutes of tone, longer than the measurement.
python3 - "$work/music/backgrnd.snd" <<'PY'
import math, struct, sys
rate, seconds = 22050, 600
with open(sys.argv[1], "wb") as f:
    n = rate * seconds
    f.write(b"RIFF" + struct.pack("<I", 36 + 2 * n) + b"WAVEfmt " + struct.pack("<IHHIIHH", 16, 1, 1, rate, 2 * rate, 2, 16))
    f.write(b"data" + struct.pack("<I", 2 * n))
    one = b"".join(struct.pack("<h", int(9000 * math.sin(2 * math.pi * 440 * i / rate))) for i in range(rate))
    f.write(one * seconds)
PY

ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }
started=""
start_installer() {  # folder, extra environment; sets $started to the host pid of the installer
    (cd "$work/$1" && env $2 "$WINE" "$work/$1/VELANInst.exe" >/dev/null 2>&1 &)
    for _ in $(seq 100); do
        started=$(pgrep -f "$work/$1/VELANInst.exe" | head -n 1 || true)
        [ -n "$started" ] && return
        sleep 0.1
    done
    echo "installer in $1 did not start" >&2
    exit 1
}

start_installer quiet "WINEDLLOVERRIDES=mscoree,mshtml,winealsa.drv,winepulse.drv="
quiet=$started
start_installer music "HOME=$sink WINEDLLOVERRIDES=mscoree,mshtml,winepulse.drv="
music=$started
threads() { for task in /proc/"$1"/task/*; do echo "${task##*/} $(awk '{ print $14 + $15 }' "$task/stat") $(cat "$task/comm")"; done; }
sleep 3  # past start-up
q0=$(ticks "$quiet"); m0=$(ticks "$music"); s0=$(stat -c %s "$sink/out.raw" 2>/dev/null || echo 0)
threads "$music" > "$work/threads0"
sleep "$seconds"
threads "$music" > "$work/threads1"
q1=$(ticks "$quiet"); m1=$(ticks "$music"); s1=$(stat -c %s "$sink/out.raw" 2>/dev/null || echo 0)
hz=$(getconf CLK_TCK)
awk -v q=$((q1 - q0)) -v m=$((m1 - m0)) -v hz="$hz" -v s="$seconds" -v bytes=$((s1 - s0)) 'BEGIN {
    printf "idle installer, no music:   %5.2f %% of a core over %d s\n", 100 * q / hz / s, s
    printf "idle installer, music on:   %5.2f %% of a core over %d s (%d bytes reached the output)\n", 100 * m / hz / s, s, bytes
    printf "ratio music/no music:       %5.2f\n", (q > 0 ? m / q : 0)
}'
# Where the music's time goes: ticks per thread over the same window.
echo "busiest threads of the installer with music (ticks of 1/$hz s):"
join "$work/threads0" "$work/threads1" | awk '{ printf "%6d  thread %s %s\n", $4 - $2, $1, $3 }' | sort -rn | head -n 5
rm -rf "$work"
