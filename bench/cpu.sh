#!/usr/bin/env bash
# Processor time of the idle installer, with and without music, and of a bare player: bench/cpu.sh [SECONDS]
exec "$(dirname "$0")/run.sh" cpu "$@"
