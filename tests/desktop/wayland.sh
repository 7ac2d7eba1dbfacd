#!/usr/bin/env bash
# The program on Wayland with Qt's own Wayland platform: weston nested in Xvfb (its X11
# backend takes real X input from xdotool), each screen's place and size read from
# weston's scene graph, its pixels from a grab of weston's output. On Wayland the program
# draws the title bar itself, in the buffer it shares with the screen, and that buffer is
# made anew whenever full screen comes or goes: after each F11 every control must still be
# painted. The walk: start screen, choice board and find screen by keyboard, F11 twice on
# the find screen, stop while filling, F11 twice on the board and twice again, then the end
# button and the end of the process. A compositor places windows itself, so no centring is
# checked here.
# Usage: wayland.sh PROGRAM
set -uo pipefail
program=$1
# Larger than weston's output: the pointer can leave weston's window and come back, which
# weston needs before it passes X input on.
display_size=1400x800
output_width=1366
output_height=768
source "$(dirname "$0")/desktop.sh"
require_tools Xvfb weston weston-debug xdotool xwininfo xwd python3
compgen -G "/usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so" >/dev/null \
    || missing_tool "Qt's Wayland platform (qt6-wayland) is not installed"
here=$(dirname "$0")

# Tries COMMAND quietly for at most SECONDS, then once more aloud.
within() { # within SECONDS COMMAND...
    local end=$((SECONDS + $1))
    shift
    until "$@" >/dev/null 2>&1; do
        [ "$SECONDS" -lt "$end" ] || { "$@"; return 1; }
        sleep 0.1
    done
}

scene_answers() { timeout 5 weston-debug scene-graph 2>/dev/null | grep -q '^Output 0'; }
output_window() { output=$(xwininfo -root -tree 2>/dev/null | awk '/"Weston Compositor/ { print $1; exit }') && [ -n "$output" ]; }
start_weston() {
    local attempt
    export XDG_RUNTIME_DIR=$work/runtime
    mkdir -p -m 700 "$XDG_RUNTIME_DIR"
    export WAYLAND_DISPLAY=getalveld-test
    for attempt in 1 2 3; do
        weston --backend=x11-backend.so --use-pixman --width=$output_width --height=$output_height \
            --socket="$WAYLAND_DISPLAY" --idle-time=0 --debug >>"$work/weston.log" 2>&1 &
        weston_pid=$!
        pids+=("$weston_pid")
        wait_until scene_answers && wait_until output_window && return 0
        echo "note: weston did not start (attempt $attempt)"
        stop_process "$weston_pid"
    done
    echo "FAIL weston did not start"
    cat "$work/weston.log"
    exit 1
}

start_display
start_weston
read -r output_x output_y < <(xwininfo -id "$output" | awk '/Absolute upper-left X/{x=$NF} /Absolute upper-left Y/{y=$NF} END{print x, y}')
# Weston passes X input on once the pointer has entered its window from outside.
xdotool mousemove --sync $((output_x + output_width + 10)) $((output_y + output_height + 10))
xdotool mousemove --sync $((output_x + output_width - 20)) $((output_y + output_height - 20))

# The top-level windows in weston's scene, one a line: the title, a tab, then the view's
# left, top, right and bottom on weston's output.
views() {
    timeout 5 weston-debug scene-graph 2>/dev/null | awk '
        /top-level window \047/ { t = $0; sub(/.*top-level window \047/, "", t); sub(/\047 of .*/, "", t); next }
        /position:/ && t != "" { gsub(/[(),]/, ""); print t "\t" $2, $3, $5, $6; t = "" }'
}
view() { views | awk -F '\t' -v t="$1" '$1 == t { print $2; exit }'; }
shown() { [ -n "$(view "$1")" ]; }
fills() { [ "$(view "$1")" == "0 0 $output_width $output_height" ] || { echo "     view $(view "$1")"; return 1; }; }
# The program's own title bar and border around a screen in a window: 30 pixels above it,
# 3 on the other sides.
in_window_at_design_size() {
    local l t r b
    read -r l t r b < <(view "$1")
    [ -n "$l" ] && [ $((r - l - 6)) -eq 792 ] && [ $((b - t - 33)) -eq 529 ] \
        || { echo "     view $l $t $r $b, not a 792x529 screen in its frame"; return 1; }
}
# The screen's client area on the grab: the whole output when it fills it.
client_area() {
    local l t r b
    read -r l t r b < <(view "$1")
    [ -n "$l" ] || return 1
    if [ "$l $t $r $b" == "0 0 $output_width $output_height" ]; then
        echo $((output_x)) $((output_y)) "$output_width" "$output_height"
    else
        echo $((output_x + l + 3)) $((output_y + t + 30)) $((r - l - 6)) $((b - t - 33))
    fi
}
painted() { # painted TITLE X Y RRGGBB...: pixels at points of the design (pixels at scale 1)
    local area
    area=$(client_area "$1") || { echo "     no window \"$1\""; return 1; }
    timeout 10 xwd -silent -root >"$work/grab.xwd" || return 1
    python3 "$here/pixels.py" "$work/grab.xwd" $area "${@:2}"
}
# The controls a pupil must see, all of them opaque: on the find screen a cell of the chart,
# the search column, a score and the help column; on the board the green panel with the
# exercise buttons and the blackboard.
find_painted() { painted "Zoek op het tabulon" 320 150 808080 100 130 006a6a 500 20 c0c0ff 700 370 006b9f; }
board_painted() { painted KEUZEBORD 267 333 009b00 380 220 008000 600 450 009b00; }
click_design() { # click_design TITLE X Y: a click at a point of the design
    local x y w h
    read -r x y w h < <(client_area "$1") || return 1
    read -r x y < <(awk -v x="$2" -v y="$3" -v l="$x" -v t="$y" -v w="$w" -v h="$h" 'BEGIN {
        s = w / 792 < h / 529 ? w / 792 : h / 529
        printf "%d %d", l + x * s + (w - 792 * s) / 2, t + y * s + (h - 529 * s) / 2 }')
    xdotool mousemove --sync "$x" "$y" click 1
}
keys() { xdotool key --delay 100 "$@"; }

blank=$(printf '\342\200\213') # one zero-width space: an empty title that Qt does not fill in
QT_QPA_PLATFORM=wayland "$program" >"$work/program.log" 2>&1 &
program_pid=$!
pids+=("$program_pid")

check "the start screen appears with an empty title" wait_until shown "$blank"
keys space
check "the start button opens the choice board" wait_until shown KEUZEBORD
check "the choice board is painted" within 5 board_painted
keys Tab Tab Tab Tab Tab space
check "the find button opens the find screen" wait_until shown "Zoek op het tabulon"
check "the find screen is in a window at its size" wait_until in_window_at_design_size "Zoek op het tabulon"
check "the find screen is painted" within 5 find_painted

keys F11
check "F11 makes the find screen fill the display" wait_until fills "Zoek op het tabulon"
check "the filling find screen is painted" within 5 find_painted
keys F11
check "F11 gives the find screen its size back" wait_until in_window_at_design_size "Zoek op het tabulon"
check "the find screen is painted after F11" within 5 find_painted

keys F11
check "F11 again fills the display" wait_until fills "Zoek op het tabulon"
click_design "Zoek op het tabulon" 108 500
check "stop while filling shows the board filling the display" wait_until fills KEUZEBORD
check "the find screen is hidden" wait_until eval '! shown "Zoek op het tabulon"'
check "the filling board is painted" within 5 board_painted
for round in 1 2; do
    keys F11
    check "F11 gives the board its size back ($round)" wait_until in_window_at_design_size KEUZEBORD
    check "the board is painted after F11 ($round)" within 5 board_painted
    [ "$round" -eq 2 ] && break
    keys F11
    check "F11 fills the display with the board again" wait_until fills KEUZEBORD
done

keys shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab space
check "the end button opens the closing screen" wait_until shown "$blank"
ended=1
for _ in $(seq 300); do kill -0 "$program_pid" 2>/dev/null || { ended=0; break; }; sleep 0.1; done
status=1
[ "$ended" -eq 0 ] && { wait "$program_pid"; status=$?; }
check "the closing screen ends the process with status 0" [ "$status" -eq 0 ]

if [ "$failures" -gt 0 ]; then
    echo "--- windows in weston's scene"; views | cat -A
    echo "--- program output"; cat "$work/program.log"
    echo "--- weston output"; tail -n 20 "$work/weston.log"
    exit 1
fi
echo "all Wayland checks passed"
