#!/usr/bin/env bash
# Every benchmark, one after the other, each printing its figures (bench/README.md says what each measures and
# what was measured here). One that fails does not stop the others; the run then names it and fails at the end.
cd "$(dirname "$0")/.."
failed=()
for bench in startup list install restore cpu; do
    echo "== bench/$bench.sh"
    "bench/$bench.sh" || failed+=("$bench")
done
[ ${#failed[@]} -eq 0 ] || { echo "failed: ${failed[*]}" >&2; exit 1; }
