#!/usr/bin/env bash
# Prints the non-blank, non-comment lines of the product code, the tests, the benchmarks and the
# tools, and the tests' share of tests and product together (the aim is a quarter to a third).
set -euo pipefail
cd "$(dirname "$0")/.."

# Lines of the tracked files under the given folders whose names end in one of the extensions,
# less blank lines and lines that hold only a comment (//, /* */ lines of C, # of scripts).
count() {
    local pattern=$1
    shift
    git ls-files -- "$@" | grep -E "$pattern" | while IFS= read -r file; do cat "$file"; echo; done |
        grep -cvE '^[[:space:]]*($|//|/\*|\*|#[^a-z]|#$)' || true
}

code='\.(c|cpp|h|rc)$'
scripts='\.(c|cpp|h|sh|py|cmake)$|CMakeLists\.txt$'
product=$(count "$code" framework app ui install music soundlib res)
tests=$(count "$code" tests)
bench=$(count "$scripts" bench)
tools=$(count "$scripts" tools)
printf '%-9s %6s\n' product "$product" tests "$tests" bench "$bench" tools "$tools"
awk -v t="$tests" -v p="$product" 'BEGIN { printf "share of tests: %.3f (tests / (tests + product))\n", t / (t + p) }'
