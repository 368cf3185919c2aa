#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the program (installing what is missing) and starts it. Without a USB
# serial adapter (and without QV3N_COM1 naming a device) a virtual radio with
# demo contents answers on COM1, so reading and writing can be tried at once.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh build
# Only what a user starts; the tests and the benchmarks are built by scripts/test.sh.
cmake --build build -j"$(nproc)" --target qv3n qv3n-cli qv3n-virtual-radio
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    echo "No display found: start the program from a desktop session (DISPLAY or WAYLAND_DISPLAY)." >&2
    exit 1
fi

usb_adapter_present() {
    compgen -G '/dev/ttyUSB*' >/dev/null || compgen -G '/dev/ttyACM*' >/dev/null \
        || compgen -G '/dev/cu.usbserial*' >/dev/null
}

if [ -n "${QV3N_COM1:-}" ] || usb_adapter_present; then
    exec build/qv3n "$@"
fi

# The radio prints its port on its first output line and runs until stopped.
fifo_dir=$(mktemp -d)
mkfifo "$fifo_dir/port"
build/qv3n-virtual-radio --quiet >"$fifo_dir/port" &
radio_pid=$!
stop_radio() { kill "$radio_pid" 2>/dev/null || true; wait "$radio_pid" 2>/dev/null || true; }
trap stop_radio EXIT
port=""
IFS= read -r -t 10 port <"$fifo_dir/port" || true
rm -rf "$fifo_dir"
if [ -z "$port" ]; then
    echo "The virtual radio did not start; connect a radio and set QV3N_COM1 to its port instead." >&2
    exit 1
fi
export QV3N_COM1="$port"
echo "No USB serial adapter found: a virtual radio answers on COM1 ($port). To use a real radio, plug in its cable before starting, or set QV3N_COM1 to its device (e.g. QV3N_COM1=/dev/ttyUSB0)."
status=0
build/qv3n "$@" || status=$?
exit "$status"
