#!/usr/bin/env bash
# The install run of a 1 GiB translation against NSIS and cp -r: bench/install.sh [cold|warm] [ROUNDS]
exec "$(dirname "$0")/run.sh" install "$@"
