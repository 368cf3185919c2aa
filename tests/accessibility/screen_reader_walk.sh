#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs screen_reader_walk.py as a screen reader would meet the program: on a
# display of its own (Xvfb), in a D-Bus session of its own with the AT-SPI bus.
# Exits 77 (skipped) when any of these cannot start here.
#   screen_reader_walk.sh PROGRAM VIRTUAL_RADIO
set -uo pipefail
here=$(dirname "$0")
skip() { echo "SKIP: $*"; exit 77; }

python=""
for candidate in /usr/bin/python3 python3; do
    if "$candidate" -c 'import pyatspi' 2>/dev/null; then python=$candidate; break; fi
done
[ -n "$python" ] || skip "no python3 with pyatspi (Debian: python3-pyatspi)"
command -v Xvfb >/dev/null || skip "no Xvfb"
command -v dbus-daemon >/dev/null || skip "no dbus-daemon"
launcher=""
for l in /usr/libexec/at-spi-bus-launcher /usr/lib/at-spi2-core/at-spi-bus-launcher; do
    [ -x "$l" ] && launcher=$l && break
done
[ -n "$launcher" ] || skip "no at-spi-bus-launcher (Debian: at-spi2-core)"

work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || skip "Xvfb did not start: $(cat "$work/xvfb.log")"
export DISPLAY=":$(head -n1 "$work/display")"

address=$(dbus-daemon --session --fork --print-address=1 --print-pid=4 4>"$work/dbus.pid" 2>"$work/dbus.log") ||
    skip "no D-Bus session: $(cat "$work/dbus.log")"
pids+=("$(cat "$work/dbus.pid")")
export DBUS_SESSION_BUS_ADDRESS=$address
"$launcher" --launch-immediately >"$work/atspi.log" 2>&1 &
pids+=($!)

unset QT_QPA_PLATFORM
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 NO_AT_BRIDGE=0
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_DATA_HOME="$work/home/.local/share"
mkdir -p "$HOME"
"$python" "$here/screen_reader_walk.py" "$@" "$work"
