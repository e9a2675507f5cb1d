#!/usr/bin/env bash
# Drives the real program as a screen reader does, through the desktop's
# accessibility bus: a virtual display, a session bus, the accessibility bus,
# the program with Qt's bridge on, and the client beside this script.
#   run.sh PROGRAM
set -euo pipefail
# Without any of these the test cannot run: it is skipped (exit 77), not failed.
for tool in xvfb-run xauth dbus-run-session dbus-send /usr/libexec/at-spi-bus-launcher \
    /usr/bin/python3; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null ||
    { echo "SKIP: python3-pyatspi is not installed"; exit 77; }
export ORDEL_PROGRAM=$1 ORDEL_CLIENT=$(dirname "$0")/client.py
exec env -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY xvfb-run -a -s "-screen 0 1024x768x24" \
    dbus-run-session -- bash -c '
        /usr/libexec/at-spi-bus-launcher --launch-immediately & bus=$!
        trap "kill \$bus" EXIT
        for try in $(seq 50); do
            dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
                org.a11y.Bus.GetAddress >/dev/null 2>&1 && break
            [ "$try" -lt 50 ] || { echo "FAIL: the accessibility bus did not start" >&2; exit 1; }
            sleep 0.2
        done
        /usr/bin/python3 "$ORDEL_CLIENT" "$ORDEL_PROGRAM"'
