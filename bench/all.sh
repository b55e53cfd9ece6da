#!/usr/bin/env bash
# Every benchmark, one after the other, each printing its figures (the README's Performance
# section says what each measures and what was measured here).
set -euo pipefail
cd "$(dirname "$0")/.."
for bench in startup list install cpu; do
    echo "== bench/$bench.sh"
    "bench/$bench.sh"
done
