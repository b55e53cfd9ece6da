#!/usr/bin/env bash
# The install run of a 1 GiB translation (2,000 files) through the real window, against `cp -r` of
# the same tree on the host (the disk's floor) and against the same copy by a tiny Windows program:
# one bare SHFileOperationA with the same lists and flags, and, to split the shell's own cost from
# the file copying, a CopyFileA loop over the same pairs with and without the shell's change notice
# per file. Also the installer's peak memory idle and after the run, processor time of the installer
# and of the wineserver, and the installer's top-level windows while the copy runs.
#
# Usage: bench/install.sh [cold|warm] [ROUNDS] [cancel]
#   cold (default): page cache dropped before each timed copy (sync; echo 3 > drop_caches)
#   warm: the source tree read into the cache before each timed copy
#   ROUNDS (default 3): each copy is timed this often, in alternating order; medians are printed
#   cancel: press Cancel in any progress window the shell shows during the installer's copy
# VELAN_BENCH_DIR: where the trees go (default /var/tmp; the same disk as the build here).
# VELAN_BENCH_SHRINK=N: every file N times smaller, for a quick try of the script.
set -euo pipefail
cd "$(dirname "$0")/.."
cache=${1:-cold}
rounds=${2:-3}
cancel=$([ "${3:-}" = cancel ] && echo 1 || echo 0)
case "$cache" in cold|warm) ;; *) echo "usage: $0 [cold|warm] [ROUNDS] [cancel]" >&2; exit 2 ;; esac

tools/setup.sh
# A prefix of its own: stopping its wineserver at the end leaves other benchmarks' runs alone.
source tools/wine-env.sh build install-bench-prefix
tools/build.sh >/dev/null 2>&1 || { echo "build failed: run tools/build.sh" >&2; exit 1; }
work=$(mktemp -d "${VELAN_BENCH_DIR:-/var/tmp}/velan-install-bench.XXXXXX")
cleanup() { velan_stop; rm -rf "$work"; }
trap cleanup EXIT
velan_start_display
velan_prepare_prefix

if [ "$cache" = cold ] && ! { sync && echo 3 > /proc/sys/vm/drop_caches; } 2>/dev/null; then
    echo "note: cannot drop the page cache here (not root?); measuring warm instead"
    cache=warm
fi

pkg="$work/pkg"
mkdir -p "$pkg" "$work/sync" "$work/out"
cp "$VELAN_DIST/VELANInst.exe" "$VELAN_DIST/fmod.dll" "$pkg/"
: > "$pkg/intro.bik"
printf 'Informace\r\n' > "$pkg/CZ_info.txt"
# 2,000 files, exactly 1 GiB, in a spread like a game's: many small texts, fewer large sounds and
# movies, in 35 folders. Random content, so nothing on the way can shortcut it.
python3 - "$pkg" "${VELAN_BENCH_SHRINK:-1}" <<'PY'
import os, sys
pkg, shrink = sys.argv[1], int(sys.argv[2])
classes = [  # (count, KiB, folder, extension, files per subfolder)
    (1200, 64, "texts", "txt", 100),
    (600, 512, "textures", "tga", 50),
    (180, 2048, "sounds", "wav", 45),
    (16, 16384, "movies", "bik", 16),
    (4, 8448, "maps", "map", 4),
]
block = os.urandom(1 << 20)
lines, total, n = [], 0, 0
for count, kib, folder, ext, per in classes:
    for i in range(count):
        rel = "data\\%s\\%02d\\%s%04d.%s" % (folder, i // per, folder[:3], n, ext)
        path = os.path.join(pkg, *rel.split("\\"))
        os.makedirs(os.path.dirname(path), exist_ok=True)
        size = kib * 1024 // shrink
        with open(path, "wb") as f:
            left, offset = size, n * 4099 % 4096
            while left:
                chunk = block[offset:offset + min(left, len(block) - offset)]
                f.write(chunk)
                left -= len(chunk)
                offset = 0
        lines.append("<INSTDIR>%s|%s\r\n" % (rel, rel))
        total += size
        n += 1
with open(os.path.join(pkg, "files.cfg"), "w", newline="") as f:
    f.writelines(lines)
assert n == 2000 and total == (1 << 30) // shrink, (n, total)
PY
files=$(find "$pkg/data" -type f | wc -l)
bytes=$(find "$pkg/data" -type f -printf '%s\n' | awk '{ s += $1 } END { print s }')
folders=$(find "$pkg/data" -mindepth 1 -type d | wc -l)

prepare_cache() {
    sync
    if [ "$cache" = cold ]; then
        echo 3 > /proc/sys/vm/drop_caches
    else
        find "$pkg/data" -type f -exec cat {} + > /dev/null
    fi
}
check_copy() {  # same files, same bytes as the source
    if diff -r -q "$pkg/data" "$1/data" >/dev/null 2>&1; then echo identical; else echo DIFFERS; fi
}
now() { date +%s.%N; }
ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }
hwm() { awk '/^VmHWM/ { print $2 }' "/proc/$1/status"; }
wait_file() {  # path, pid of the Windows-side program that should create it
    while [ ! -e "$1" ]; do
        kill -0 "$2" 2>/dev/null || { echo "the Windows-side program ended early:" >&2; cat "$work"/out/* >&2; exit 1; }
        sleep 0.02
    done
}
ours() { tr '\0' '\n' < "/proc/$1/environ" 2>/dev/null | grep -qx "WINEPREFIX=$WINEPREFIX"; }
host_pid() {  # host pid of a process of this prefix whose command line matches
    local p
    for p in $(pgrep -f "$1"); do
        if ours "$p"; then echo "$p"; return; fi
    done
    echo "no process of this prefix matches $1" >&2
    exit 1
}
server=$(host_pid '^/usr/lib/wine/wineserver(64)?( |$)')
export BENCH_INSTALLER_DIR="$pkg/" BENCH_SYNC_DIR="$work/sync/" BENCH_CANCEL="$cancel"
declare -A seconds cpu verdict
record() {  # variant, seconds, processor seconds ("" when unknown), verdict
    seconds[$1]+="$2 "; cpu[$1]+="${3:-} "; verdict[$1]+="$4 "
}

run_cp() {
    mkdir "$work/cp"
    prepare_cache
    local t0 t1
    t0=$(now)
    cp -r --reflink=never "$pkg/data" "$work/cp/"  # no reflinks: the data is copied on any file system
    t1=$(now)
    record cp "$(awk -v a="$t0" -v b="$t1" 'BEGIN { printf "%.3f", b - a }')" "" "$(check_copy "$work/cp")"
    rm -rf "$work/cp"
}

run_installer() {  # round
    local out="$work/out/installer$1" game="$work/game" driver installer i0 s0 i1 s1 figures
    rm -f "$work"/sync/*
    mkdir "$game"
    BENCH_GAME_DIR="$game/" "$WINE" "$VELAN_BUILD/bench/install_bench.exe" > "$out" 2>&1 &
    driver=$!
    wait_file "$work/sync/idle.ready" "$driver"
    installer=$(host_pid 'VELANInst\.exe')
    idle_hwm=$(hwm "$installer")
    for t in /proc/"$installer"/task/*; do echo "${t##*/} $(ticks "${t#/proc/}") $(cat "$t/comm")"; done > "$work/threads0"
    prepare_cache
    i0=$(ticks "$installer"); s0=$(ticks "$server")
    touch "$work/sync/idle.go"
    wait_file "$work/sync/done.ready" "$driver"
    i1=$(ticks "$installer"); s1=$(ticks "$server")
    done_hwm=$(hwm "$installer")
    for t in /proc/"$installer"/task/*; do echo "${t##*/} $(ticks "${t#/proc/}") $(cat "$t/comm")"; done > "$work/threads1"
    touch "$work/sync/done.go"
    wait "$driver" || true
    tr -d '\r' < "$out" > "$out.txt"
    figures="$out.txt"
    record installer "$(figure "$figures" press_to_enabled_s)" "$(cpu_seconds $((i1 - i0)) $((s1 - s0)))" "$(check_copy "$game")"
    record first_write "$(figure "$figures" press_to_first_write_s)" "" ""
    last_installer="$figures"
    rm -rf "$game"
}

run_bare() {  # mode (shell, copyfile, notify), round
    local out="$work/out/$1$2" game="$work/game" bare pid p0 s0 p1 s1
    rm -f "$work"/sync/*
    mkdir "$game"
    BENCH_BARE_MODE=$1 BENCH_GAME_DIR="$game/" "$WINE" "$VELAN_BUILD/bench/shell_copy_bench.exe" > "$out" 2>&1 &
    bare=$!
    wait_file "$work/sync/ready.ready" "$bare"
    pid=$(host_pid 'shell_copy_bench\.exe')
    prepare_cache
    p0=$(ticks "$pid"); s0=$(ticks "$server")
    touch "$work/sync/ready.go"
    wait_file "$work/sync/copied.ready" "$bare"
    p1=$(ticks "$pid"); s1=$(ticks "$server")
    touch "$work/sync/copied.go"
    wait "$bare" || true
    tr -d '\r' < "$out" > "$out.txt"
    local checked
    checked=$(check_copy "$game")
    record "$1" "$(figure "$out.txt" bare_total_s)" "$(cpu_seconds $((p1 - p0)) $((s1 - s0)))" "$checked"
    record "$1_copy" "$(figure "$out.txt" "bare_$1_s")" "" "$checked"
    [ "$1" = shell ] && record size_pass "$(figure "$out.txt" bare_size_pass_s)" "" ""
    [ "$1" = shell ] && bare_result=$(figure "$out.txt" bare_result)
    rm -rf "$game"
}

hz=$(getconf CLK_TCK)
cpu_seconds() { awk -v a="$1" -v b="$2" -v hz="$hz" 'BEGIN { printf "%.2f+%.2f", a / hz, b / hz }'; }
figure() { awk -F'\t' -v k="$2" '$1 == k { print $2; exit }' "$1"; }
median() { tr ' ' '\n' | grep -v '^$' | sort -g | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else printf "%.3f\n", (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

load_before=$(cut -d' ' -f1-3 /proc/loadavg)
variants=(cp installer shell copyfile notify)
for round in $(seq "$rounds"); do
    order=("${variants[@]}")
    if [ $((round % 2)) = 0 ]; then order=(notify copyfile shell installer cp); fi
    for v in "${order[@]}"; do
        case "$v" in
            cp) run_cp ;;
            installer) run_installer "$round" ;;
            *) run_bare "$v" "$round" ;;
        esac
    done
done
load_after=$(cut -d' ' -f1-3 /proc/loadavg)

m() { echo "${seconds[$1]}" | median; }
echo "tree: $files files, $bytes bytes in $folders folders (1200 x 64 KiB, 600 x 512 KiB, 180 x 2 MiB, 4 x 8.25 MiB, 16 x 16 MiB)"
echo "list: files.cfg of $(wc -l < "$pkg/files.cfg") lines; game folder empty, path typed into the path box"
echo "page cache: $cache before each copy; $rounds rounds, alternating order; medians (all runs in brackets)"
echo "load average before/after: $load_before / $load_after ($(nproc) cores)"
row() {  # label, variant, note (the copy's verdict when the variant has one)
    local checked
    checked=$(echo "${verdict[$2]}" | tr ' ' '\n' | sort -u | xargs)
    printf '%-44s %6.2f s  [%s] %s\n' "$1" "$(m "$2")" "${seconds[$2]% }" "${checked:+copy $checked }${3:-}"
}
row "cp -r on the host (floor)" cp
row "installer: Install pressed to done" installer "status \"$(figure "$last_installer" status)\""
row "bare SHFileOperationA, same lists, 0x0251" shell_copy "($bare_result)"
printf 'ratios (medians): installer/cp %.2f   bare SHFileOperationA/cp %.2f   installer/bare SHFileOperationA %.2f\n' \
    "$(awk -v a="$(m installer)" -v b="$(m cp)" 'BEGIN { print a / b }')" \
    "$(awk -v a="$(m shell_copy)" -v b="$(m cp)" 'BEGIN { print a / b }')" \
    "$(awk -v a="$(m installer)" -v b="$(m shell_copy)" 'BEGIN { print a / b }')"
echo "where the time goes (medians):"
row "  installer: Install to first file written" first_write "(size pass, space check, lists, shell's own list pass)"
row "  size pass alone (bare, the same calls)" size_pass
row "  same pairs by a CopyFileA loop" copyfile_copy
row "  ... with SHChangeNotify per file" notify_copy "(SHCNE_CREATE, as the shell sends)"
echo "  processor seconds per run, program + wineserver: installer [${cpu[installer]% }]"
echo "    bare (size pass + copy): SHFileOperationA [${cpu[shell]% }]  CopyFileA [${cpu[copyfile]% }]  + notices [${cpu[notify]% }]"
echo "  installer threads busy during its last run (ticks of 1/$hz s):" \
    "$(join "$work/threads0" "$work/threads1" | awk '{ printf "%s %d; ", $5, $4 - $2 }' | sed 's/; $//')"
printf '  installer: status shown %.2f s, dialog enabled again %.2f s, Notepad with CZ_info %.2f s after Install\n' \
    "$(figure "$last_installer" press_to_status_s)" "$(figure "$last_installer" press_to_enabled_s)" \
    "$(figure "$last_installer" press_to_notepad_s)"
printf '  installer window answered no message for up to %.2f s\n' "$(figure "$last_installer" longest_unresponsive_s)"
echo "memory of the installer's host process (VmHWM, last run): idle before Install $idle_hwm kB, after the run $done_hwm kB"
echo "top-level windows of the installer process, last run (phase, handle, class, shown, enabled, title):"
awk -F'\t' '$1 == "window" { printf "  %-5s %s %-8s %-7s %-8s %s\n", $2, $3, $4, $5, $6, $7 }' "$last_installer"
awk -F'\t' '$1 == "child" || $1 == "message_box" { print "  " $0 }' "$last_installer"
shown=$(awk -F'\t' '$1 == "window" && $2 == "copy" && $5 == "visible" { n++ } END { print n + 0 }' "$last_installer")
if [ "$shown" = 1 ]; then
    echo "during the copy: no window shown but the installer's own (disabled) dialog: no progress window, no Cancel"
fi
if [ "$cancel" = 1 ]; then
    at=$(figure "$last_installer" cancel_pressed_s)
    if [ "$at" = "-1.000" ]; then echo "cancel: no window with a Cancel button appeared during the copy"
    else echo "cancel: pressed at $at s"; fi
fi
grep -h '^error' "$work"/out/*.txt || true
