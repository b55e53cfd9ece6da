#!/usr/bin/env bash
# The restore of bench/install.sh's 1 GiB translation (2,000 files) over a game in which it replaced
# every file: the installer kept in the restore point started with /restore as the list of installed
# programs starts it, its question answered, timed to its final message; against `cp -r` of the
# originals back into place (what a user without a restore would do), with and without sync, and
# against bare renames of the same files (the platform's floor for a restore: it only renames).
# Every restore is compared with the originals, times included; a wrong one fails the run.
#
# Usage: bench/restore.sh [ROUNDS]   (default 3; page cache dropped before each timed run)
# VELAN_BENCH_DIR: where the trees go (default /var/tmp). VELAN_BENCH_SHRINK=N: files N times smaller.
set -euo pipefail
cd "$(dirname "$0")/.."
rounds=${1:-3}

tools/setup.sh
source tools/wine-env.sh build restore-bench-prefix
tools/build.sh >/dev/null 2>&1 || { echo "build failed: run tools/build.sh" >&2; exit 1; }
work=$(mktemp -d "${VELAN_BENCH_DIR:-/var/tmp}/velan-restore-bench.XXXXXX")
cleanup() { velan_stop; rm -rf "$work"; }
trap cleanup EXIT
velan_start_display
velan_prepare_prefix

pkg="$work/pkg" originals="$work/originals" game="$work/game" sync="$work/sync"
mkdir -p "$pkg" "$sync"
python3 bench/make_tree.py "$pkg" "${VELAN_BENCH_SHRINK:-1}" list
python3 bench/make_tree.py "$originals" "${VELAN_BENCH_SHRINK:-1}"
cp "$VELAN_DIST/VELANInst.exe" "$VELAN_DIST/fmod.dll" "$pkg/"
: > "$pkg/intro.bik"
printf 'Informace\r\n' > "$pkg/CZ_info.txt"

fail() { echo "FAILED: $*" >&2; exit 1; }
drop() { sync; echo 3 > /proc/sys/vm/drop_caches 2>/dev/null || true; }
now() { date +%s.%N; }
since() { awk -v a="$1" -v b="$(now)" 'BEGIN { printf "%.3f", b - a }'; }
wait_file() { while [ ! -e "$1" ]; do kill -0 "$2" 2>/dev/null || return 1; sleep 0.02; done; }
figure() { awk -F'\t' -v k="$2" '$1 == k { print $2; exit }' "$1"; }
median() { tr ' ' '\n' | grep -v '^$' | sort -g | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else printf "%.3f\n", (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
# Content, time of last change and name of every file: what "as it was" means here.
tree_of() { (cd "$1" && find . -type f -printf '%p %T@ %s\n' | sort && find . -type f -exec md5sum {} + | sort); }
handshake() {  # name, pid of the driver
    wait_file "$sync/$1.ready" "$2" || return 1
    [ "$1" = start ] && drop
    touch "$sync/$1.go"
}

declare -A runs
for round in $(seq 1 "$rounds"); do
    rm -rf "$game" "$sync"/* "$work/cp"
    cp -a "$originals" "$game"
    expected=$(tree_of "$game")
    out="$work/install$round.txt"
    BENCH_INSTALLER_DIR="$pkg/" BENCH_GAME_DIR="$game/" BENCH_SYNC_DIR="$sync/" \
        "$WINE" "$VELAN_BUILD/bench/install_bench.exe" > "$out" 2>&1 &
    driver=$!
    handshake idle "$driver" && handshake done "$driver" || fail "the install did not run: $(cat "$out")"
    wait "$driver" || true
    diff -r -q "$pkg/data" "$game/data" > /dev/null || fail "the install did not copy the translation"
    [ -f "$game/VELANInst.restore/restore.rec" ] || fail "the install left no restore point"
    kept=$(du -sb "$game/VELANInst.restore" | cut -f1)

    out="$work/restore$round.txt"
    BENCH_GAME_DIR="$game/" BENCH_SYNC_DIR="$sync/" "$WINE" "$VELAN_BUILD/bench/restore_bench.exe" > "$out" 2>&1 &
    driver=$!
    handshake start "$driver" || fail "the restore driver did not start: $(cat "$out")"
    wait "$driver" || fail "the restore did not run: $(tr -d '\r' < "$out")"
    sleep 0.5  # the copy outside the game folder ends after the folder is gone
    [ "$(tree_of "$game")" = "$expected" ] || fail "the restored game differs from its originals"
    [ "$(ls -A "$game")" = data ] || fail "the restore left: $(ls -A "$game")"
    runs[restore]+="$(figure "$out" restore_s | tr -d '\r') "
    runs[question]+="$(figure "$out" start_to_question_s | tr -d '\r') "
    runs[cleared]+="$(figure "$out" cleared_s | tr -d '\r') "
    runs[renames]+="$(figure "$out" bare_renames_s | tr -d '\r') "

    mkdir "$work/cp"
    drop
    t0=$(now)
    cp -r --preserve=timestamps "$originals/data" "$work/cp/"
    runs[cp]+="$(since "$t0") "
    sync
    runs[cp_sync]+="$(since "$t0") "
done

echo "restore of $(find "$originals" -type f | wc -l) files, $(du -sb "$originals" | cut -f1) bytes; restore point $kept bytes"
echo "bare renames: $(figure "$out" bare_renames | tr -d '\r') MoveFileExA calls over the restored files (warm), as the restore's floor"
for k in question restore cleared renames cp cp_sync; do
    printf '%-10s median %6.3f s   runs: %s\n' "$k" "$(echo "${runs[$k]}" | median)" "${runs[$k]}"
done
