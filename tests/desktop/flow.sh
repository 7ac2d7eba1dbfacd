#!/usr/bin/env bash
# The program on a real X11 desktop: Xvfb with a window manager (openbox unless another is
# named), driven with real X input. Checks what only a window manager shows: titles as the window manager receives
# them, screens staying above the main frame, a minimised board coming back, centring by
# the outer frame, and the whole flow from the start screen to the end of the process.
# F11 fills the display and F11 again gives a screen its size back, centred, with every
# control painted (read from a grab of the window on the X server).
# Usage: flow.sh PROGRAM [WINDOW-MANAGER]  (one that start_wm knows; openbox if not given)
set -uo pipefail
program=$1
wm=${2:-openbox}
source "$(dirname "$0")/desktop.sh"
require_tools Xvfb "$wm" xdotool xprop xwininfo xwd python3

start_display
start_wm "$wm"
read -r display_width display_height < <(xwininfo -root | awk '/Width:/{w=$NF} /Height:/{h=$NF} END{print w, h}')

failures=0
# With GETALVELD_SHOTS set to a folder, a picture of the display at each failure.
shot() { [ -z "${GETALVELD_SHOTS:-}" ] || xwd -silent -root >"$GETALVELD_SHOTS/fail$1.xwd" 2>/dev/null; }
check() { # check DESCRIPTION COMMAND...
    if "${@:2}"; then echo "ok   $1"; else echo "FAIL $1"; failures=$((failures + 1)); shot "$failures"; fi
}

clients() { xprop -root _NET_CLIENT_LIST 2>/dev/null | sed -n 's/.*# //p' | tr -d ','; }
stacking() { xprop -root _NET_CLIENT_LIST_STACKING 2>/dev/null | sed -n 's/.*# //p' | tr -d ','; }
title() { # the title exactly as the window manager receives it
    [ -n "$1" ] || return 1
    xprop -id "$1" -notype _NET_WM_NAME 2>/dev/null | sed -n 's/^_NET_WM_NAME = "\(.*\)"$/\1/p; s/^_NET_WM_NAME = $//p'
}
# Every query names its window: without an id, xwininfo and xprop wait for a click.
viewable() { [ -n "$1" ] && xwininfo -id "$1" 2>/dev/null | grep -q 'Map State: IsViewable'; }
normal() { [ -n "$1" ] && xprop -id "$1" WM_STATE 2>/dev/null | grep -q 'window state: Normal'; }
# The shown window whose title is exactly $1 (the empty title included).
shown_window() {
    local w
    for w in $(clients); do
        if viewable "$w" && [ "$(title "$w")" == "$1" ] && xprop -id "$w" _NET_WM_NAME >/dev/null 2>&1; then
            echo "$w"
            return 0
        fi
    done
    return 1
}
find_shown() { # find_shown VAR TITLE
    local found="" _
    for _ in $(seq 400); do
        found=$(shown_window "$2") && break
        sleep 0.05
    done
    printf -v "$1" '%s' "$found"
    [ -n "$found" ]
}
above() { # window $1 lies above window $2 in the window manager's stacking order
    [ -n "$1" ] && [ -n "$2" ] || return 1
    local order
    order=$(stacking)
    local a b i=0
    for w in $order; do
        i=$((i + 1))
        [ "$((w))" -eq "$(($1))" ] && a=$i
        [ "$((w))" -eq "$(($2))" ] && b=$i
    done
    [ -n "${a:-}" ] && [ -n "${b:-}" ] && [ "$a" -gt "$b" ]
}
centred() { # the outer frame of window $1 is centred on the display within a pixel
    [ -n "$1" ] || return 1
    local x y w h l r t b
    read -r x y < <(xwininfo -id "$1" | awk '/Absolute upper-left X/{x=$NF} /Absolute upper-left Y/{y=$NF} END{print x, y}')
    read -r w h < <(xwininfo -id "$1" | awk '/Width:/{w=$NF} /Height:/{h=$NF} END{print w, h}')
    read -r l r t b < <(xprop -id "$1" _NET_FRAME_EXTENTS | sed -n 's/.* = //p' | tr -d ',')
    local left=$((x - l)) top=$((y - t)) outerw=$((w + l + r)) outerh=$((h + t + b))
    local dx=$((2 * left - (display_width - outerw))) dy=$((2 * top - (display_height - outerh)))
    [ "${dx#-}" -le 2 ] && [ "${dy#-}" -le 2 ] || { echo "     frame at $left,$top size ${outerw}x$outerh"; return 1; }
}
client_geometry() { # the client window $1 itself on the display: left top width height
    xwininfo -id "$1" | awk '/Absolute upper-left X/{x=$NF} /Absolute upper-left Y/{y=$NF}
        /Width:/{w=$NF} /Height:/{h=$NF} END{print x, y, w, h}'
}
outer() { # the outer frame of window $1: left top width height
    local x y w h l r t b
    read -r x y w h < <(client_geometry "$1")
    read -r l r t b < <(xprop -id "$1" _NET_FRAME_EXTENTS | sed -n 's/.* = //p' | tr -d ',')
    echo $((x - ${l:-0})) $((y - ${t:-0})) $((w + ${l:-0} + ${r:-0})) $((h + ${t:-0} + ${b:-0}))
}
# The window fills the display with its frame, or, in the window manager's full screen, the
# client alone covers it: some window managers (metacity, marco) still publish the extents
# of a frame they do not draw around a full-screen window.
full_screen_client() {
    xprop -id "$1" _NET_WM_STATE 2>/dev/null | grep -q '_NET_WM_STATE_FULLSCREEN' &&
        [ "$(client_geometry "$1")" == "0 0 $display_width $display_height" ]
}
fills_display() {
    [ -n "$1" ] && { [ "$(outer "$1")" == "0 0 $display_width $display_height" ] || full_screen_client "$1"; } ||
        { echo "     outer frame $(outer "$1"), client $(client_geometry "$1")"; return 1; }
}
client_size() { [ -n "$1" ] && [ "$(xwininfo -id "$1" | awk '/Width:/{w=$NF} /Height:/{h=$NF} END{print w "x" h}')" == "$2" ]; }
# The window's pixels as the X server has them, at points given in the screen's design
# (pixels at scale 1, the screen 792 x 529), scaled and centred as the screen lays out.
painted() { # painted WINDOW X Y RRGGBB [X Y RRGGBB]...
    [ -n "$1" ] || return 1
    timeout 10 xwd -silent -id "$1" >"$work/grab.xwd" || return 1
    python3 "$(dirname "$0")/pixels.py" "$work/grab.xwd" 0 0 0 0 "${@:2}"
}
# What a pupil must see on the find screen and on the board: the chart's frame, the blue
# band; the green panel and the blackboard.
find_painted() { painted "$1" 634 288 959595 400 75 c0c0ff; }
board_painted() { painted "$1" 267 333 009b00 380 220 008000; }
# A click at a point of the design (pixels at scale 1) of window $1, as it is scaled now.
click_scaled() {
    [ -n "$1" ] || return 1
    click_at "$1" $(xwininfo -id "$1" | awk -v x="$2" -v y="$3" '/Width:/{w=$NF} /Height:/{h=$NF}
        END{s = w / 792 < h / 529 ? w / 792 : h / 529; printf "%d %d", x * s + (w - 792 * s) / 2, y * s + (h - 529 * s) / 2}')
}
# F11 on window $1 (the pupil clicks a plain spot of it first, so it has the keyboard).
press_f11() { click_scaled "$1" "$2" "$3" && xdotool key F11; }

# A click inside window $1 at client pixel $2, $3.
click_at() { [ -n "$1" ] && xdotool mousemove --sync --window "$1" "$2" "$3" click 1; }
# Somewhere on the main frame that no screen covers: its bottom left corner.
click_frame() { xdotool mousemove --sync 4 1018 click 1; }
menu_basis() { # the main frame's menu "OPENEN " and its item "&Basis", as a pupil opens it
    click_at "$frame" 25 10
    xdotool key --delay 60 Down Return
}
# Client pixels of the centre of a control given in twips: Left, Top, Width, Height.
centre_of() { echo $((($1 + 7) / 15 + ($3 / 15) / 2)) $((($2 + 7) / 15 + ($4 / 15) / 2)); }

"$program" >"$work/program.log" 2>&1 &
program_pid=$!
pids+=("$program_pid")

frame=$(timeout 30 xdotool search --sync --name '^ Alle kinderen moeten alle kansen krijgen\.$' | head -n 1)
[ -n "$frame" ] || { echo "FAIL the main frame did not appear"; cat "$work/program.log"; exit 1; }
check "main frame title keeps its leading blank" [ "$(title "$frame")" == " Alle kinderen moeten alle kansen krijgen." ]
check "start screen shows an empty title bar" find_shown start ""
check "start screen's older name is one blank, drawn as nothing" [ "$(xprop -id "$start" WM_NAME)" == 'WM_NAME(STRING) = " "' ]
# A window manager tells a window's frame once it has framed it; a screen whose frame was
# not known yet is centred again then.
check "start screen centred by its outer frame" wait_until centred "$start"
check "start screen stays above a clicked main frame" eval 'click_frame; above "$start" "$frame"'

click_at "$start" $(centre_of 3600 1080 3855 3495)
check "start button opens the choice board" find_shown board "KEUZEBORD"
check "start screen hidden" wait_until eval '! viewable "$start"'
check "choice board centred by its outer frame" wait_until centred "$board"
click_frame
check "choice board stays above a clicked main frame" above "$board" "$frame"

timeout 10 xdotool windowminimize --sync "$board"
timeout 10 xdotool windowactivate --sync "$frame" 2>/dev/null
menu_basis
check "a minimised choice board comes back with the menu" wait_until eval 'viewable "$board" && normal "$board"'

click_at "$board" $(centre_of 5520 4440 975 645)
check "find button opens the find screen" find_shown find "Zoek op het tabulon"
check "choice board hidden behind the exercise" wait_until eval '! viewable "$board"'
check "find screen centred by its outer frame" wait_until centred "$find"
click_frame
check "find screen stays above a clicked main frame" above "$find" "$frame"
check "the find screen is painted" find_painted "$find"

# F11 on the exercise fills the display; the board shown by stop fills it too; F11 on the
# board gives it its size back, centred; the exercise opens in a window again, and F11
# twice on it leaves it as it was.
press_f11 "$find" 400 75
check "F11 makes the find screen fill the display" wait_until fills_display "$find"
check "the filling find screen is painted" wait_until find_painted "$find"
click_scaled "$find" $(centre_of 960 7200 1335 615)
check "stop while filling shows the board filling the display" wait_until eval 'viewable "$board" && fills_display "$board"'
check "the filling board is painted" wait_until board_painted "$board"
press_f11 "$board" 20 20
check "F11 gives the board its size back" wait_until client_size "$board" 792x529
check "the board is centred by its outer frame after F11" wait_until centred "$board"
check "the board is painted after F11" wait_until board_painted "$board"
click_at "$board" $(centre_of 5520 4440 975 645)
check "the find screen opens in a window again" wait_until eval 'viewable "$find" && client_size "$find" 792x529'
press_f11 "$find" 400 75
check "F11 again fills the display" wait_until fills_display "$find"
press_f11 "$find" 400 75
check "F11 gives the find screen its size back" wait_until client_size "$find" 792x529
check "the find screen is centred by its outer frame after F11" wait_until centred "$find"
check "the find screen is painted after F11" wait_until find_painted "$find"

click_at "$find" $(centre_of 960 7200 1335 615)
check "stop returns to the choice board" wait_until eval 'viewable "$board"'
check "find screen hidden" wait_until eval '! viewable "$find"'

# The screens that disable the main frame: a click on the disabled frame leaves them on top.
for entry in "4440 4440 975 645|4200 7080 975 855|Zoeken op het tabulon" \
             "8760 5160 975 645|2160 6720 1215 735|Vul in op het tabulon"; do
    IFS='|' read -r button stop name <<<"$entry"
    click_at "$board" $(centre_of $button)
    if ! find_shown exercise "$name"; then
        echo "skip \"$name\" is not in the program"
        continue
    fi
    click_frame
    check "\"$name\" stays above the disabled main frame" above "$exercise" "$frame"
    click_at "$exercise" $(centre_of $stop)
    check "\"$name\" returns to the choice board" wait_until eval 'viewable "$board" && ! viewable "$exercise"'
done

click_at "$board" $(centre_of 120 6840 1815 735)
check "end button opens the closing screen" find_shown closing ""
check "closing screen centred by its outer frame" wait_until centred "$closing"
click_frame
check "closing screen stays above a clicked main frame" above "$closing" "$frame"
menu_basis
# Give the menu time to act before checking that it did nothing.
xdotool sync 2>/dev/null; sleep 0.3
check "the menu does nothing while the closing screen runs" eval '! viewable "$board"'

ended=1
for _ in $(seq 300); do kill -0 "$program_pid" 2>/dev/null || { ended=0; break; }; sleep 0.05; done
check "the closing screen ends the process" [ "$ended" -eq 0 ]

if [ "$failures" -gt 0 ]; then
    echo "--- program output"; cat "$work/program.log"
    echo "--- window manager output"; cat "$work/wm.log"
    exit 1
fi
echo "all desktop checks passed"
