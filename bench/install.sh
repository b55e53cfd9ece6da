#!/usr/bin/env bash
# The install run of a 1 GiB translation (2,000 files): the installer driven through its real window
# (Install to the success line), against the NSIS installer of the same tree built here with Debian's
# nsis (the peer the goal is set against), `cp -r` on the host (the disk's floor) and, for reference,
# a bare CopyFileA loop over the same pairs; then the time from Storno in the installer's progress
# window to the restored game folder, and whether it is restored exactly. Also the installer's peak
# memory and processor time. Every copy is compared with its source: a wrong copy fails the run.
#
# Usage: bench/install.sh [cold|warm] [ROUNDS]
#   cold (default): page cache dropped before each timed copy (sync; echo 3 > drop_caches)
#   warm: dropped too, then the source tree (and the NSIS installer) read back into the cache, as a
#   translation just unpacked is
# Every copy stays until the script ends (about ROUNDS x 5 GiB): ext4 passes over inodes deleted
# within the last minute each time it allocates one, so a copy deleted before the next contender
# ran made that contender's 2,000 new files cost the wineserver several times more.
#   ROUNDS (default 3): each contender runs this often, in alternating order; medians are printed
# VELAN_BENCH_DIR: where the trees go (default /var/tmp; the same disk as the build here).
# VELAN_BENCH_SHRINK=N: every file N times smaller, for a quick try of the script.
# Exits non-zero when a copy differs, a contender fails, or the Storno run could not be done.
set -euo pipefail
cd "$(dirname "$0")/.."
cache=${1:-cold}
rounds=${2:-3}
case "$cache" in cold|warm) ;; *) echo "usage: $0 [cold|warm] [ROUNDS]" >&2; exit 2 ;; esac

tools/setup.sh
# A prefix of its own: stopping its wineserver at the end leaves other benchmarks' runs alone.
source tools/wine-env.sh build install-bench-prefix
tools/build.sh >/dev/null 2>&1 || { echo "build failed: run tools/build.sh" >&2; exit 1; }
work=$(mktemp -d "${VELAN_BENCH_DIR:-/var/tmp}/velan-install-bench.XXXXXX")
cleanup() { velan_stop; rm -rf "$work"; }
trap cleanup EXIT
velan_start_display
velan_prepare_prefix

can_drop=1
if ! { sync && echo 3 > /proc/sys/vm/drop_caches; } 2>/dev/null; then
    echo "note: cannot drop the page cache here (not root?); the source stays cached (warm) throughout"
    can_drop=0 cache=warm
fi

pkg="$work/pkg"
mkdir -p "$pkg" "$work/sync" "$work/out" "$work/nsis" "$work/copies"
cp "$VELAN_DIST/VELANInst.exe" "$VELAN_DIST/fmod.dll" "$pkg/"
: > "$pkg/intro.bik"
printf 'Informace\r\n' > "$pkg/CZ_info.txt"
# 2,000 files, exactly 1 GiB, in a spread like a game's: many small texts, fewer large sounds and
# movies, in 35 folders. Random content, so nothing on the way can shortcut it.
python3 bench/make_tree.py "$pkg" "${VELAN_BENCH_SHRINK:-1}" list
files=$(find "$pkg/data" -type f | wc -l)
bytes=$(find "$pkg/data" -type f -printf '%s\n' | awk '{ s += $1 } END { print s }')
folders=$(find "$pkg/data" -mindepth 1 -type d | wc -l)

# The NSIS installer of the same tree: one File per line of files.cfg, into the folder its
# destination names, stored uncompressed and unchecked so that it, like the installer, only copies.
# Hosts that run the 64-bit twin get the 64-bit stub, so both programs run alike under Wine.
nsis_target=$([ "$VELAN_BITS" = 64 ] && echo amd64-unicode || echo x86-unicode)
[ -f "/usr/share/nsis/Stubs/zlib-$nsis_target" ] \
    || { echo "Debian's nsis has no $nsis_target stub in /usr/share/nsis/Stubs" >&2; exit 1; }
python3 - "$pkg" "$work/nsis/peer.nsi" "$work/nsis/setup.exe" "$nsis_target" <<'PY'
import sys
pkg, nsi, exe, target = sys.argv[1:]
def quoted(text):  # NSIS expands $ and treats $\ as an escape; our paths hold no quotes
    return '"%s"' % text.replace("$", "$$")
out = ["; The peer installer of bench/install.sh, made from its files.cfg.",
       "Target " + target, "SetCompress off", "CRCCheck off", "SetDatablockOptimize off",
       'Name "VELANInst benchmark peer"', "OutFile " + quoted(exe),
       'InstallDir "$TEMP\\velan-bench-peer"', "RequestExecutionLevel user", "Section"]
folder = None
with open(pkg + "/files.cfg", newline="") as f:
    for line in f.read().split("\r\n"):
        if "|" not in line:
            continue
        source, dest = line.split("|", 1)
        assert source.startswith("<INSTDIR>"), source
        dest = dest.lstrip("\\")
        where, _, name = dest.rpartition("\\")
        if where != folder:
            out.append('SetOutPath "$INSTDIR%s"' % ("\\" + where.replace("$", "$$") if where else ""))
            folder = where
        out.append("File " + quoted("/oname=" + name) + " " + quoted(pkg + "/" + source[9:].replace("\\", "/")))
out.append("SectionEnd")
with open(nsi, "w") as f:
    f.write("\n".join(out) + "\n")
PY
nsis_t0=$(date +%s.%N)
makensis -V1 "$work/nsis/peer.nsi" > "$work/nsis/makensis.log" 2>&1 \
    || { echo "makensis failed:" >&2; cat "$work/nsis/makensis.log" >&2; exit 1; }
nsis_t1=$(date +%s.%N)
nsis_build_s=$(awk -v a="$nsis_t0" -v b="$nsis_t1" 'BEGIN { printf "%.1f", b - a }')
nsis_bytes=$(stat -c %s "$work/nsis/setup.exe")
nsis_version=$(makensis -VERSION)
winpath() { printf 'Z:%s' "${1//\//\\}"; }

prepare_cache() {
    sync
    # Warm or cold, every contender starts from the same memory: nothing cached but what it reads.
    if [ "$can_drop" = 1 ]; then echo 3 > /proc/sys/vm/drop_caches; fi
    if [ "$cache" = warm ]; then
        find "$pkg/data" -type f -exec cat {} + > /dev/null
        cat "$work/nsis/setup.exe" > /dev/null
    fi
}
fail() { echo "FAILED: $*" >&2; exit 1; }
check_copy() {  # contender, folder that got the copy, what else it may hold: the tree and nothing else
    local left
    left=$(cd "$2" && ls -A | tr '\n' ' ')
    if ! diff -r -q "$pkg/data" "$2/data" > "$work/diff" 2>&1 || [ "$left" != "${3:-}data " ]; then
        echo "FAILED: the copy by the $1 differs from its source (folder holds: $left)" >&2
        head -20 "$work/diff" >&2
        exit 1
    fi
    echo identical
}
now() { date +%s.%N; }
ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }
hwm() { awk '/^VmHWM/ { print $2 }' "/proc/$1/status"; }
wait_file() {  # path, pid of the Windows-side program that should create it; false if it ended first
    while [ ! -e "$1" ]; do
        kill -0 "$2" 2>/dev/null || return 1
        sleep 0.02
    done
}
ended_early() { echo "FAILED: the Windows-side program ended early:" >&2; cat "$1" >&2; exit 1; }
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
export BENCH_INSTALLER_DIR="$pkg/" BENCH_SYNC_DIR="$work/sync/"
declare -A seconds cpu
record() {  # contender, seconds, processor seconds ("" when unknown)
    seconds[$1]+="$2 "; cpu[$1]+="${3:-} "
}
hz=$(getconf CLK_TCK)
cpu_seconds() { awk -v a="$1" -v b="$2" -v hz="$hz" 'BEGIN { printf "%.2f+%.2f", a / hz, b / hz }'; }
figure() { awk -F'\t' -v k="$2" '$1 == k { print $2; exit }' "$1"; }
median() { tr ' ' '\n' | grep -v '^$' | sort -g | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else printf "%.3f\n", (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
m() { echo "${seconds[$1]:-}" | median; }

run_cp() {  # round
    local game="$work/copies/cp$1" t0 t1 t2
    mkdir "$game"
    prepare_cache
    t0=$(now)
    cp -r --reflink=never "$pkg/data" "$game/"  # no reflinks: the data is copied on any file system
    t1=$(now)
    sync
    t2=$(now)
    check_copy "cp -r" "$game" > /dev/null
    record cp "$(awk -v a="$t0" -v b="$t1" 'BEGIN { printf "%.3f", b - a }')"
    record cp_sync "$(awk -v a="$t0" -v b="$t2" 'BEGIN { printf "%.3f", b - a }')"
}

success="Instalace úspěšně dokončena"
run_installer() {  # round
    local out="$work/out/installer$1" game="$work/copies/installer$1" driver installer i0 s0 i1 s1 status
    rm -f "$work"/sync/*
    mkdir "$game"
    BENCH_GAME_DIR="$game/" "$WINE" "$VELAN_BUILD/bench/install_bench.exe" > "$out" 2>&1 &
    driver=$!
    wait_file "$work/sync/idle.ready" "$driver" || ended_early "$out"
    installer=$(host_pid 'VELANInst\.exe')
    idle_hwm=$(hwm "$installer")
    prepare_cache
    i0=$(ticks "$installer"); s0=$(ticks "$server")
    touch "$work/sync/idle.go"
    wait_file "$work/sync/done.ready" "$driver" || ended_early "$out"
    i1=$(ticks "$installer"); s1=$(ticks "$server")
    done_hwm=$(hwm "$installer")
    touch "$work/sync/done.go"
    wait "$driver" || ended_early "$out"
    tr -d '\r' < "$out" > "$out.txt"
    status=$(figure "$out.txt" status)
    [ "$status" = "$success" ] || fail "the installer's run ended with \"$status\", not \"$success\""
    check_copy installer "$game" "VELANInst.restore " > /dev/null
    record installer "$(figure "$out.txt" press_to_enabled_s)" "$(cpu_seconds $((i1 - i0)) $((s1 - s0)))"
    record first_write "$(figure "$out.txt" press_to_first_write_s)"
    last_installer="$out.txt"
}

run_timed() {  # contender, round, Windows program, names of its two pauses
    local name=$1 round=$2 exe=$3 ready=$4 ran=$5
    local out="$work/out/$name$round" game="$work/copies/$name$round" pid
    rm -f "$work"/sync/*
    mkdir "$game"
    BENCH_GAME_DIR="$game/" "$WINE" "$exe" > "$out" 2>&1 &
    pid=$!
    wait_file "$work/sync/$ready.ready" "$pid" || ended_early "$out"
    prepare_cache
    touch "$work/sync/$ready.go"
    wait_file "$work/sync/$ran.ready" "$pid" || ended_early "$out"
    touch "$work/sync/$ran.go"
    wait "$pid" || ended_early "$out"
    tr -d '\r' < "$out" > "$out.txt"
    check_copy "$name" "$game" > /dev/null
}
run_nsis() {  # round
    # /D= comes last and unquoted, as NSIS wants it.
    export BENCH_COMMAND_LINE="\"$(winpath "$work/nsis/setup.exe")\" /S /D=$(winpath "$work/copies/nsis$1")"
    run_timed nsis "$1" "$VELAN_BUILD/bench/timed_run.exe" ready ran
    record nsis "$(figure "$work/out/nsis$1.txt" run_s)"
}
run_copyfile() {  # round
    run_timed copyfile "$1" "$VELAN_BUILD/bench/copy_file_bench.exe" ready copied
    record copyfile "$(figure "$work/out/copyfile$1.txt" copy_s)"
}

storno_error=""
storno_folder=()
run_storno() {  # round
    [ -n "$storno_error" ] && return 0  # one failure says it; a full install per round would not add to it
    local out="$work/out/storno$1" game="$work/game" driver after left
    rm -f "$work"/sync/*
    mkdir "$game"
    # Storno once about a third of a full run has passed: well into the copy, far from its end.
    after=$(awk -v s="$(m installer)" 'BEGIN { printf "%.3f", (s == "" ? 2 : s) / 3 }')
    BENCH_MODE=storno BENCH_STORNO_AFTER_S="$after" BENCH_GAME_DIR="$game/" \
        "$WINE" "$VELAN_BUILD/bench/install_bench.exe" > "$out" 2>&1 &
    driver=$!
    if wait_file "$work/sync/idle.ready" "$driver"; then
        prepare_cache
        touch "$work/sync/idle.go"
        if wait_file "$work/sync/done.ready" "$driver"; then
            # Looked at while the installer still runs: the state Storno left, not what closing does.
            left=$(cd "$game" && find . -mindepth 1 | sed 's|^\./||' | sort)
            if [ -z "$left" ]; then storno_folder+=("empty, as before")
            else storno_folder+=("NOT as before: $(echo "$left" | wc -l) entries left ($(echo "$left" | head -3 | xargs))"); fi
            touch "$work/sync/done.go"
        fi
    fi
    wait "$driver" || true
    tr -d '\r' < "$out" > "$out.txt"
    storno_error=$(figure "$out.txt" error)
    if [ -z "$storno_error" ] && [ ! -e "$work/sync/done.ready" ]; then
        storno_error="the driver ended early: $(head -c 300 "$out.txt")"
    fi
    if [ -z "$storno_error" ]; then
        record storno "$(figure "$out.txt" storno_to_restored_s)"
        record storno_at "$(figure "$out.txt" press_to_storno_s)"
        last_storno="$out.txt"
    else
        storno_round=$1
        last_storno_failed="$out.txt"
    fi
    rm -rf "$game"
}

load_before=$(cut -d' ' -f1-3 /proc/loadavg)
contenders=(cp installer nsis copyfile)
for round in $(seq "$rounds"); do
    order=("${contenders[@]}")
    if [ $((round % 2)) = 0 ]; then order=(copyfile nsis installer cp); fi
    for c in "${order[@]}"; do "run_$c" "$round"; done
done
# Last: each Storno's undo deletes what it copied, which the copies timed above must not pay for.
for round in $(seq "$rounds"); do run_storno "$round"; done
load_after=$(cut -d' ' -f1-3 /proc/loadavg)

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
verdict() { awk -v r="$1" -v g="$2" 'BEGIN { print (r <= g ? "met" : "MISSED") }'; }
echo "tree: $files files, $bytes bytes in $folders folders (1200 x 64 KiB, 600 x 512 KiB, 180 x 2 MiB, 4 x 8.25 MiB, 16 x 16 MiB${VELAN_BENCH_SHRINK:+, each / $VELAN_BENCH_SHRINK})"
echo "list: files.cfg of $(wc -l < "$pkg/files.cfg") lines; game folder empty, path typed into the path box"
echo "NSIS $nsis_version installer of the same tree: Target $nsis_target, SetCompress off, CRCCheck off;" \
    "$nsis_bytes bytes, made by makensis in $nsis_build_s s; run as setup.exe /S /D=<empty game folder>"
echo "page cache: $cache before each copy; $rounds rounds, alternating order; medians [all runs]"
echo "load average before/after: $load_before / $load_after ($(nproc) cores)"
row() {  # label, contender, note
    printf '%-46s %7.3f s  [%s] %s\n' "$1" "$(m "$2")" "${seconds[$2]% }" "${3:-}"
}
row "installer: Install pressed to the success line" installer "copy identical"
row "NSIS installer: process start to exit" nsis "copy identical"
row "cp -r on the host (floor)" cp "copy identical"
row "cp -r, then sync: the floor with the copy on disk" cp_sync
row "CopyFileA loop over the same pairs (reference)" copyfile "copy identical"
r_nsis=$(ratio "$(m installer)" "$(m nsis)"); r_cp=$(ratio "$(m installer)" "$(m cp)")
echo "ratios (medians): installer / NSIS $r_nsis (goal <= 1.0: $(verdict "$r_nsis" 1.0))" \
    "  installer / cp -r $r_cp (goal <= 1.5: $(verdict "$r_cp" 1.5))"
storno_failed=0
if [ -n "$storno_error" ]; then
    storno_failed=1
    echo "Storno to the restored state (goal < 1 s): FAILED in round $storno_round, not tried again: $storno_error"
    awk -F'\t' '($1 ~ /^press_to_(progress_window|file_shown|status|storno)_s$/ && $2 >= 0) || $1 ~ /^(status|message_box|progress_window)$/ {
        print "  " $1 ": " $2 }' "$last_storno_failed"
else
    r_storno=$(m storno)
    row "Storno to the restored state" storno "(goal < 1 s: $(awk -v s="$r_storno" 'BEGIN { print (s < 1 ? "met" : "MISSED") }'))"
    printf '  pressed %s s after Install (median) on "%s"; button "%s"; undo folder then %s; progress window gone %s s after Storno\n' \
        "$(m storno_at)" "$(figure "$last_storno" storno_file)" "$(figure "$last_storno" storno_button)" \
        "$(figure "$last_storno" undo_folder_at_storno)" "$(figure "$last_storno" storno_to_progress_gone_s)"
    folder_states=$(printf '%s\n' "${storno_folder[@]}" | sort -u)
    echo "  game folder after Storno, every round: $(echo "$folder_states" | paste -sd ';')"
    [ "$folder_states" = "empty, as before" ] || storno_failed=1
fi
echo "installer, last full run:"
after_install() {  # figure name, what came, what is said when it never did
    awk -v s="$(figure "$last_installer" "$1")" -v what="$2" -v never="$3" \
        'BEGIN { if (s < 0) print never; else printf "%s %.2f s after Install\n", what, s }'
}
echo "  $(after_install press_to_first_write_s "first file written" "no file written");" \
    "$(after_install press_to_progress_window_s "progress window shown" "no progress window");" \
    "$(after_install press_to_notepad_s "Notepad with CZ_info" "no Notepad with CZ_info")"
printf '  window answered no message for up to %.2f s\n' "$(figure "$last_installer" longest_unresponsive_s)"
echo "  processor seconds per run, installer + wineserver: [${cpu[installer]% }]"
echo "  memory of the installer's host process (VmHWM): idle before Install $idle_hwm kB, after the run $done_hwm kB"
echo "  top-level windows of the installer process (phase, handle, class, shown, enabled, title):"
awk -F'\t' '$1 == "window" { printf "    %-5s %s %-8s %-7s %-8s %s\n", $2, $3, $4, $5, $6, $7 }' "$last_installer"
awk -F'\t' '$1 == "child" || $1 == "message_box" || $1 == "progress_window" { print "    " $0 }' "$last_installer"
if [ "$storno_failed" = 1 ]; then
    echo "FAILED: the Storno run (see above)" >&2
    exit 1
fi
