#!/usr/bin/env bash
# Builds everything and runs the whole test suite under Wine (the README's test command).
set -euo pipefail
cd "$(dirname "$0")/.."

tools/setup.sh
source tools/wine-env.sh build test-prefix
trap velan_stop EXIT

tools/build.sh
if [ "$VELAN_BITS" = 64 ]; then
    echo "note: 32-bit Wine cannot run on this host; testing the 64-bit build of the same sources"
fi

velan_start_display
velan_prepare_prefix
velan_mount_readonly_game "$VELAN_BUILD/tests/readonly-game"
(cd "$VELAN_BUILD" && ctest --output-on-failure "$@")

# The deciding logic natively, under sanitizers, and a fixed run of the fuzzers.
if [ $# -eq 0 ]; then tools/fuzz.sh; fi
