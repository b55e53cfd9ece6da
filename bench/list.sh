#!/usr/bin/env bash
# Install-list loading against bare line reading: bench/list.sh
exec "$(dirname "$0")/run.sh" list "$@"
