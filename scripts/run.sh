#!/usr/bin/env bash
# Builds the program (installing what is missing) and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    echo "No display found: start the program from a desktop session (DISPLAY or WAYLAND_DISPLAY)." >&2
    exit 1
fi
exec build/qv3n "$@"
