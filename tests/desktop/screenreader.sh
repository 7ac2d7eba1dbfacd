#!/usr/bin/env bash
# The program as a screen reader meets it: an X display, a session bus with the AT-SPI
# registry, and screenreader.py as the client that reads and presses the controls.
# Usage: screenreader.sh PROGRAM
set -uo pipefail
program=$1
here=$(cd "$(dirname "$0")" && pwd)
for tool in Xvfb dbus-run-session /usr/bin/python3; do
    command -v "$tool" >/dev/null || { echo "FAIL: $tool is not installed"; exit 1; }
done
/usr/bin/python3 -c 'import gi; gi.require_version("Atspi", "2.0")' 2>/dev/null \
    || { echo "FAIL: python3-pyatspi is not installed"; exit 1; }

if [ -z "${GETALVELD_IN_SESSION:-}" ]; then
    # A session bus of its own, so that no other program's accessibility is in the way.
    exec env GETALVELD_IN_SESSION=1 dbus-run-session -- "$0" "$@"
fi

work=$(mktemp -d)
pids=()
cleanup() { for p in "${pids[@]}"; do kill "$p" 2>/dev/null; done; rm -rf "$work"; }
trap cleanup EXIT

exec {fd}<> <(:)
Xvfb -displayfd "$fd" -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
pids+=($!)
read -r -t 10 -u "$fd" display || { echo "FAIL: Xvfb did not start"; exit 1; }
export DISPLAY=":$display"

# The accessibility bus and its registry; the registry is started by the bus on demand.
/usr/libexec/at-spi-bus-launcher --launch-immediately >"$work/atspi.log" 2>&1 &
pids+=($!)
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb
"$program" >"$work/program.log" 2>&1 &
pids+=($!)

/usr/bin/python3 "$here/screenreader.py"
status=$?
[ $status -eq 0 ] || { echo "--- program output"; cat "$work/program.log"; }
exit $status
