#!/usr/bin/env bash
# The program as a screen reader meets it: an X display, a session bus with the AT-SPI
# registry, and screenreader.py as the client that reads and presses the controls.
# Usage: screenreader.sh PROGRAM
set -uo pipefail
program=$1
here=$(cd "$(dirname "$0")" && pwd)
source "$here/tools.sh"
own_session_bus "$0" "$@"

source "$here/desktop.sh"
require_tools Xvfb /usr/bin/python3
/usr/bin/python3 -c 'import gi; gi.require_version("Atspi", "2.0")' 2>/dev/null \
    || missing_tool "python3-pyatspi is not installed"

start_display

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
