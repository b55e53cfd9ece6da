#!/usr/bin/env bash
# Builds the deciding logic natively with clang, AddressSanitizer and UndefinedBehaviorSanitizer,
# runs its unit tests, then fuzzes files.cfg/version input and sound files starting from the
# committed seed corpora. Any failure fails.
#
# Usage: tools/fuzz.sh [SECONDS]
#   SECONDS given: a search of that many seconds (half of it for sounds), new each time: by hand.
#   none: the test command's run, a fixed seed and a fixed number of inputs: its length does not
#   hang on the machine's speed, and it repeats much the same search each time rather than a new one.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ $# -gt 0 ]; then
    lists=(-max_total_time="$1")
    sounds=(-max_total_time=$(($1 / 2)))
    extent="${1} s"
else
    lists=(-seed=1 -runs=600000)
    sounds=(-seed=1 -runs=12000)
    extent="a fixed run (seed 1, 600000 + 12000 inputs)"
fi

CC=clang CXX=clang++ cmake -S . -B build/native -DVELAN_SANITIZE=ON >/dev/null
cmake --build build/native -j"$(nproc)" >/dev/null
(cd build/native && ctest --output-on-failure)

work=build/native/fuzz-corpus
mkdir -p "$work"
cp -n tests/fuzz/corpus/* "$work/"
build/native/tests/input_fuzz "${lists[@]}" -print_final_stats=1 -artifact_prefix=build/native/ \
    "$work" 2>&1 | grep -E '^stat::(number_of_executed_units|new_units_added|peak_rss_mb)|ERROR|SUMMARY' || true
# The sound library's parsers and decoders, from its test sounds and the committed seeds.
sound=build/native/fuzz-sounds
mkdir -p "$sound"
cp -n tests/soundlib/data/*.wav tests/soundlib/data/*.mp3 tests/soundlib/data/*.ogg tests/soundlib/fuzz/corpus/* "$sound/"
# No allocator_may_return_null: a hostile file's demand for memory is a finding, not a refusal.
build/native/tests/soundlib/soundlib_fuzz "${sounds[@]}" -print_final_stats=1 \
    -artifact_prefix=build/native/ "$sound" 2>&1 | grep -E '^stat::(number_of_executed_units|peak_rss_mb)|ERROR|SUMMARY' || true
# libFuzzer leaves a crash-*, leak-*, oom-* or timeout-* file behind for every failure it found.
# (ls fails when any pattern matches nothing, but still lists the ones that match.)
found=$(ls build/native/crash-* build/native/leak-* build/native/oom-* build/native/timeout-* 2>/dev/null || true)
if [ -n "$found" ]; then
    echo "the fuzzer found a failing input:" $found
    exit 1
fi
echo "fuzzing: no failures in $extent"
