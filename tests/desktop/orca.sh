#!/usr/bin/env bash
# A blind pupil's find task with a real screen reader: Orca with speech-dispatcher and
# espeak-ng (into a null audio output) on a display of its own with openbox, a session bus and
# the accessibility bus. Only the keyboard is used, from the start screen on; what Orca speaks
# is read from its debug log ("SPEECH OUTPUT" lines).
# Usage: orca.sh PROGRAM
set -uo pipefail
program=$1
here=$(cd "$(dirname "$0")" && pwd)
source "$here/tools.sh"
own_session_bus "$0" "$@"

source "$here/desktop.sh"
require_tools Xvfb openbox xdotool xprop orca speech-dispatcher script
[ -x /usr/libexec/at-spi-bus-launcher ] || missing_tool "at-spi2-core is not installed"
# Orca refuses to start beside another Orca of the same user; this test ends no one else's.
if pgrep -u "$(id -u)" -x orca >/dev/null; then
    wait_until bash -c '! pgrep -u "$(id -u)" -x orca >/dev/null' \
        || { echo "FAIL: another Orca of this user is running"; exit 1; }
fi

# Orca and speech-dispatcher keep settings in the home folder: a private one.
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_DATA_HOME=$work/home/.local/share \
    XDG_CACHE_HOME=$work/home/.cache XDG_RUNTIME_DIR=$work/runtime
mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
echo "default_driver=null" >"$HOME/.libao"
mkdir -p "$work/speechd"
ln -s /etc/speech-dispatcher/modules "$work/speechd/modules"
cat >"$work/speechd/speechd.conf" <<'EOF'
AudioOutputMethod "libao"
AddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"
DefaultModule espeak-ng
DefaultLanguage "nl"
EOF

# Orca takes a moment to stop; it is ended first and waited for, at most five seconds.
orca=""
stop_orca() {
    [ -n "$orca" ] || return 0
    kill "$orca" 2>/dev/null
    for _ in $(seq 100); do kill -0 "$orca" 2>/dev/null || return 0; sleep 0.05; done
    kill -KILL "$orca" 2>/dev/null
}
trap 'stop_orca; cleanup' EXIT

start_display
start_openbox
/usr/libexec/at-spi-bus-launcher --launch-immediately >"$work/atspi.log" 2>&1 &
pids+=($!)
speech-dispatcher --run-single --timeout 0 --config-dir "$work/speechd" --log-dir "$work" >"$work/speechd.log" 2>&1 &
pids+=($!)
# Orca would start a speech-dispatcher of its own (with a real audio output) if this one's
# socket were not there yet.
wait_until test -S "$XDG_RUNTIME_DIR/speech-dispatcher/speechd.sock" \
    || { echo "FAIL: speech-dispatcher did not start"; cat "$work/speechd.log"; exit 1; }

# Orca buffers a debug file; on a terminal it writes line by line.
log=$work/orca.log
script -q -f -c "exec orca --debug-file=/dev/tty" "$log" >/dev/null 2>&1 &
script_pid=$!
pids+=($script_pid)
orca_pid() { pgrep -P "$script_pid" -x orca; }
wait_until orca_pid >/dev/null || { echo "FAIL: Orca did not start"; exit 1; }
orca=$(orca_pid)

spoken() { grep -a "SPEECH OUTPUT" "$log" | sed "s/^.*SPEECH OUTPUT: '//; s/'[^']*\$//"; }
mark=0
# Waits (at most thirty seconds: a busy machine is slow) until Orca has said something
# matching the pattern since the last mark, and prints it.
hear() {
    local pattern=$1 line
    for _ in $(seq 600); do
        line=$(spoken | tail -n +$((mark + 1)) | grep -E -m1 -- "$pattern") && { echo "$line"; return 0; }
        sleep 0.05
    done
    return 1
}
failures=0
expect() { # expect WHAT PATTERN: the pupil hears it
    if heard=$(hear "$2"); then
        echo "ok   $1: \"$heard\""
    else
        echo "FAIL $1: nothing matching /$2/ was spoken"
        failures=$((failures + 1))
    fi
}
key() { mark=$(spoken | wc -l); xdotool key --clearmodifiers "$1"; }

expect "Orca speaks" "Screen reader on"
QT_QPA_PLATFORM=xcb "$program" >"$work/program.log" 2>&1 &
pids+=($!)
expect "the start screen is read with its text" "getalveld dialog Educatieve software"
expect "the start button has the keyboard" "Klik hier en start ! push button"

key space
expect "the choice board is named" "KEUZEBORD"
for _ in 1 2 3 4 5; do
    key Tab
    hear "push button" >/dev/null
done
expect "five Tabs lead to the find exercise" "^zoek het getal op het tabulon push button"
key space
expect "the find screen is named" "Zoek op het tabulon"
key Tab
hear "push button" >/dev/null
key Tab
expect "Tab reaches start" "^start push button"

key space
expect "the task is spoken after start" "notification [0-9]+\."
task=$(echo "$heard" | grep -oE '[0-9]+' | head -1)
[ -n "$task" ] && [ "$task" -ge 12 ] && [ "$task" -le 99 ] \
    || { echo "FAIL the task is a number from 12 to 99: \"$task\""; failures=$((failures + 1)); task=12; }

key Tab
expect "Tab brings the keyboard to the chart on its first cell" "^tabulon, 1 push button"
key Return
expect "a wrong cell is judged wrong with the count" "notification rood, fout\. fout: 1"

# From 1 to the task: down the rows, then right along the row; each step is spoken.
at=1
for _ in $(seq $(((task - 1) / 10))); do
    key Down
    at=$((at + 10))
    expect "Down reaches $at" "^$at push button"
done
for _ in $(seq $(((task - 1) % 10))); do
    key Right
    at=$((at + 1))
    expect "Right reaches $at" "^$at push button"
done
key Return
expect "the right cell is judged right with the count and the sums" "notification groen, juist\. $task - 1 = $((task - 1)) .*juist: 1"

key Tab
hear "push button" >/dev/null
key Tab
expect "Tab reaches stop" "^stop push button"
key space
expect "stop returns to the choice board" "KEUZEBORD"
for _ in 1 2 3 4 5; do
    key shift+Tab
    hear "push button" >/dev/null
done
expect "Shift+Tab leads back to the end button" "^einde push button"
key space
expect "the closing screen's text is read" "tot de volgende keer dialog Voor jou gemaakt door"
# Its progress bar would cut the reading off with a percentage within a second.
sleep 3
if spoken | tail -n +$((mark + 1)) | grep -q "percent"; then
    echo "FAIL the closing screen's progress bar interrupts its text"
    failures=$((failures + 1))
else
    echo "ok   nothing interrupts the closing screen's text"
fi

if [ $failures -ne 0 ]; then
    echo "--- spoken"
    spoken
    echo "--- program output"
    cat "$work/program.log"
fi
[ -z "${GETALVELD_ORCA_LOG:-}" ] || cp "$log" "$GETALVELD_ORCA_LOG"
exit $((failures != 0))
