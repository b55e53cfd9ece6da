#!/usr/bin/env bash
# One benchmark in a Wine environment of its own: bench/run.sh startup|list|install|restore|cpu [ARGS] (each is
# described in bench/README.md). The install and restore runs get prefixes of their own, so that stopping their
# wineserver at the end leaves other benchmarks' runs alone.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup.sh
case "${1:-}" in install|restore) prefix=$1-bench-prefix ;; *) prefix=bench-prefix ;; esac
source tools/wine-env.sh build "$prefix"
trap velan_stop EXIT
tools/build.sh >/dev/null 2>&1 || { echo "build failed: run tools/build.sh" >&2; exit 1; }
velan_start_display
velan_prepare_prefix
export VELAN_BITS VELAN_BUILD VELAN_DIST
python3 bench/bench.py "$@"
