#!/usr/bin/env bash
# Install-list loading against the bare line reading of the same file, at 10,000 and 100,000 lines.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup.sh
source tools/wine-env.sh build bench-prefix
trap velan_stop EXIT
tools/build.sh >/dev/null
velan_prepare_prefix
"$WINE" "$VELAN_BUILD/bench/list_load_bench.exe" | tr -d '\r'
