#!/usr/bin/env bash
# Start-up time against a minimal dialog of ours: bench/startup.sh [ROUNDS] [--breakdown]
exec "$(dirname "$0")/run.sh" startup "$@"
