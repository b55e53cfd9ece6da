#!/usr/bin/env bash
# Builds everything and runs the whole test suite under Wine (the README's test command).
set -euo pipefail
cd "$(dirname "$0")/.."

tools/setup.sh
source tools/wine-env.sh build test-prefix
trap velan_stop EXIT

jobs=$(nproc)
# The shippable 32-bit program.
cmake -S . -B build -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake \
      -DVELAN_TESTS=$([ "$VELAN_BITS" = 32 ] && echo ON || echo OFF) \
      -DCMAKE_CROSSCOMPILING_EMULATOR="$WINE" >/dev/null
cmake --build build -j"$jobs"
file build/dist/VELANInst.exe | grep -q 'PE32 executable (GUI) Intel 80386' \
    || { echo "build/dist/VELANInst.exe is not a 32-bit GUI program" >&2; exit 1; }

testdir=build
if [ "$VELAN_BITS" = 64 ]; then
    # This host cannot run 32-bit code: the same sources are tested as a 64-bit build.
    echo "note: 32-bit Wine cannot run on this host; testing the 64-bit build of the same sources"
    testdir=build/win64
    cmake -S . -B "$testdir" -DCMAKE_TOOLCHAIN_FILE="$VELAN_TOOLCHAIN" -DVELAN_TESTS=ON \
          -DCMAKE_CROSSCOMPILING_EMULATOR="$WINE" >/dev/null
    cmake --build "$testdir" -j"$jobs"
fi

velan_start_display
velan_prepare_prefix
cd "$testdir"
ctest --output-on-failure "$@"
