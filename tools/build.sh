#!/usr/bin/env bash
# Builds the shippable 32-bit program in build/dist and, on hosts that cannot run 32-bit code,
# the 64-bit build of the same sources in build/win64; tests are built where they can run.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/wine-env.sh build build-prefix
jobs=$(nproc)
cmake -S . -B build -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake \
      -DVELAN_TESTS=$([ "$VELAN_BITS" = 32 ] && echo ON || echo OFF) \
      -DCMAKE_CROSSCOMPILING_EMULATOR="$WINE" >/dev/null
cmake --build build -j"$jobs"
file build/dist/VELANInst.exe | grep -q 'PE32 executable (GUI) Intel 80386' \
    || { echo "build/dist/VELANInst.exe is not a 32-bit GUI program" >&2; exit 1; }
if [ "$VELAN_BITS" = 64 ]; then
    cmake -S . -B build/win64 -DCMAKE_TOOLCHAIN_FILE="$VELAN_TOOLCHAIN" -DVELAN_TESTS=ON \
          -DVELAN_SHIPPED_DIST="$(realpath build/dist)" \
          -DCMAKE_CROSSCOMPILING_EMULATOR="$WINE" >/dev/null
    cmake --build build/win64 -j"$jobs"
fi
