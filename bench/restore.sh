#!/usr/bin/env bash
# The restore of that translation against cp -r and bare renames: bench/restore.sh [ROUNDS]
exec "$(dirname "$0")/run.sh" restore "$@"
