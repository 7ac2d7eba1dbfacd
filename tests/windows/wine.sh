#!/usr/bin/env bash
# The Windows installer under Wine, the way a school's IT deploys it and a pupil meets it:
# a silent install into a fresh Wine prefix registers an uninstaller and a Start-menu entry;
# the installed program runs on a headless X display with a window manager (openbox, so that
# the main frame is maximised) through start screen, choice board and the find screen, where
# one wrong and one right cell are judged red and green; stop leads back to the choice board,
# the end button to the closing screen, after which the process ends by itself with status 0.
# The main frame's title is exact and the start screen's empty. A silent uninstall leaves no
# program file behind.
#
#   tests/windows/wine.sh [build/windows/getalveld-VERSION-setup.exe]
#
# Wine does not show the program's object names, so the test clicks where the controls lie
# (their twips positions, 15 twips to a pixel, scaled as the program scales a screen to its
# window) and reads the results as colours on the screen. The task is drawn at random; the
# help button marks the task's column (in the first row) and the end of its row (in the last
# column) orange, which gives the number to click.
set -euo pipefail
cd "$(dirname "$0")/../.."
setup=${1:-}
if [ -z "$setup" ]; then
    setups=(build/windows/getalveld-*-setup.exe)
    setup=${setups[0]}
fi
[ -f "$setup" ] || { echo "FAIL: no installer $setup (scripts/windows.sh makes it)"; exit 1; }
setup=$(realpath "$setup")

# shellcheck source=../../scripts/packages.sh
source scripts/packages.sh
install_packages wine wine64 xvfb openbox xdotool x11-utils imagemagick

# shellcheck source=../desktop/desktop.sh
source tests/desktop/desktop.sh
require_tools wine wineserver Xvfb openbox xdotool xprop import convert timeout
fail() { echo "FAIL $1"; echo "passed $passes, failed $((failures + 1))"; exit 1; }

# Polls until the command succeeds, at most the given number of seconds: Wine starts slowly.
wait_for() { # wait_for SECONDS COMMAND...
    local until=$((SECONDS + $1))
    while [ "$SECONDS" -lt "$until" ]; do "${@:2}" && return 0; sleep 0.2; done
    "${@:2}"
}

export WINEPREFIX="$work/prefix" WINEDEBUG=-all WINEARCH=win64
# No Mono or Gecko: the program needs neither, and their installers would ask.
export WINEDLLOVERRIDES="mscoree,mshtml="
wine_cleanup() {
    set +e # a process that already ended cannot be killed: no failure
    timeout 20 wineserver -k 2>/dev/null || true
    timeout 20 wineserver -w 2>/dev/null || true
    cleanup
}
trap wine_cleanup EXIT

start_display
start_openbox
timeout 180 wineboot -i >"$work/wineboot.log" 2>&1 || { cat "$work/wineboot.log"; fail "wineboot made no prefix"; }
timeout 60 wineserver -w || true

echo "--- silent install of $(basename "$setup")"
timeout 180 wine "$setup" /S >"$work/install.log" 2>&1 || { cat "$work/install.log"; fail "the installer failed"; }
timeout 60 wineserver -w || true
uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\getalveld'
reg_value() { # reg_value KEY NAME: the value's data, or nothing
    timeout 60 wine reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' | sed -n "s/^ *$2 *REG_[A-Z_]* *//p"
}
location=$(reg_value "$uninstall_key" InstallLocation)
check "the uninstaller is registered for this user, with its location" [ -n "$location" ]
[ -n "$location" ] || fail "no install location"
folder=$(timeout 30 winepath -u "$location" | tr -d '\r')
check "installed for this user, without administrator rights, in the user's programs" \
    eval '[[ "$location" == *\\AppData\\Local\\Programs\\getalveld ]]'
check "the program, Qt and the Windows plugin are installed" eval \
    '[ -f "$folder/getalveld.exe" ] && [ -f "$folder/Qt6Widgets.dll" ] && [ -f "$folder/platforms/qwindows.dll" ]'
check "Apps & features names it with its version and icon" eval \
    '[ "$(reg_value "$uninstall_key" DisplayName)" = getalveld ] &&
     [ -n "$(reg_value "$uninstall_key" DisplayVersion)" ] &&
     [[ "$(reg_value "$uninstall_key" DisplayIcon)" == *getalveld.exe* ]]'
shortcut=$(find "$WINEPREFIX/drive_c/users" -path '*Start Menu/Programs/getalveld.lnk' | head -n 1)
check "a Start-menu entry" [ -n "$shortcut" ]

echo "--- the installed program"
(cd "$folder" && exec wine ./getalveld.exe) >"$work/program.log" 2>&1 &
program=$!
pids+=("$program")

# The program's windows, found by their titles; the start and closing screens have none, so
# they are found as the program's visible window of their size.
window_named() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1; }
geometry() { # geometry WINDOW: sets WX WY WW WH (the client area on the screen)
    eval "$(xdotool getwindowgeometry --shell "$1" | sed -n 's/^X=/WX=/p; s/^Y=/WY=/p; s/^WIDTH=/WW=/p; s/^HEIGHT=/WH=/p')"
}
# A screen designed DW x DH twips shows scaled to its window and centred in it, as the
# program lays it out; PX PY are the screen's twips TX TY on the display.
to_screen() { # to_screen WINDOW DW DH TX TY
    geometry "$1"
    read -r PX PY < <(awk -v ww="$WW" -v wh="$WH" -v dw="$2" -v dh="$3" -v tx="$4" -v ty="$5" -v wx="$WX" -v wy="$WY" 'BEGIN {
        dw /= 15; dh /= 15; s = ww / dw; if (wh / dh < s) s = wh / dh
        ox = int((ww - int(dw * s + 0.5)) / 2); oy = int((wh - int(dh * s + 0.5)) / 2)
        printf "%d %d\n", wx + ox + int(tx / 15 * s), wy + oy + int(ty / 15 * s) }')
}
click_at() { # click_at WINDOW DW DH TX TY
    to_screen "$@"
    xdotool mousemove "$PX" "$PY"
    sleep 0.2
    xdotool click 1
}
unnamed_window_of() { # unnamed_window_of DW DH: the program's visible window of that shape
    local w
    for w in $(xdotool search --onlyvisible --class getalveld 2>/dev/null); do
        geometry "$w"
        # the proportions of the design, within two percent
        awk -v a="$WW" -v b="$WH" -v dw="$1" -v dh="$2" 'BEGIN { r = (a / b) / (dw / dh); exit !(r > 0.98 && r < 1.02) }' &&
            [ "$WW" -lt 1200 ] && { echo "$w"; return 0; }
    done
    return 1
}
title_of() { xprop -id "$1" _NET_WM_NAME 2>/dev/null | sed -n 's/^_NET_WM_NAME([A-Z0-9_]*) = "\(.*\)"$/\1/p'; }
shot() { import -window root "$work/shot.png"; }
colour_at() { # colour_at X Y: the pixel of the last shot as rrggbb
    convert "$work/shot.png" -crop "1x1+$1+$2" -depth 8 txt:- | sed -n 's/.*#\([0-9A-Fa-f]\{6\}\).*/\1/p' | tr A-F a-f
}

main_title='^ Alle kinderen moeten alle kansen krijgen\.$'
wait_for 90 eval '[ -n "$(window_named "$main_title")" ]' || { cat "$work/program.log"; fail "the main frame did not appear with its exact title"; }
check "the main frame appears with its exact title" [ -n "$(window_named "$main_title")" ]
geometry "$(window_named "$main_title")"
check "the main frame fills the display (${WW}x$WH)" [ "$WW" -ge 1200 ]

# Start screen: 11160 x 6720 twips, the button 'Klik hier en start !' at 3600,1080 3855x3495.
wait_for 30 unnamed_window_of 11160 6720 >/dev/null || fail "the start screen did not appear"
start_screen=$(unnamed_window_of 11160 6720)
check "the start screen has an empty title" [ -z "$(title_of "$start_screen")" ]
click_at "$start_screen" 11160 6720 5527 2827

# Choice board 'KEUZEBORD', 11880 x 7935: 'zoek het getal op het tabulon' at 5520,4440 975x645.
wait_for 30 eval '[ -n "$(window_named "^KEUZEBORD$")" ]' || fail "the choice board did not appear"
board=$(window_named '^KEUZEBORD$')
check "the choice board follows the start screen" [ -n "$board" ]
click_at "$board" 11880 7935 6007 4762

# The find screen, 11880 x 7935: start at 4440,7200 1335x615, help at 10440,3120 975x615,
# stop at 960,7200; the chart's frame at 4320,1320, cell n (1 to 100) in it at
# 240 + 480 * column, 720 + 480 * row, 555 x 495. Colours are read near a cell's corner,
# away from its number.
find_title='^Zoek op het tabulon$'
wait_for 30 eval '[ -n "$(window_named "$find_title")" ]' || fail "the find screen did not appear"
find_screen=$(window_named "$find_title")
check "the find screen follows the choice board" [ -n "$find_screen" ]
cell_twips() { # cell_twips N: the twips of a point inside cell N, near its top left corner
    echo $((4320 + 240 + 480 * ((($1) - 1) % 10) + 90)) $((1320 + 720 + 480 * ((($1) - 1) / 10) + 90))
}
cell_colour() { to_screen "$find_screen" 11880 7935 $(cell_twips "$1"); colour_at "$PX" "$PY"; }
click_cell() { click_at "$find_screen" 11880 7935 $(cell_twips "$1"); }
orange=fd5200 red=ff0000 green=006400

click_at "$find_screen" 11880 7935 5107 7507 # start
sleep 1
click_at "$find_screen" 11880 7935 10927 3427 # help
task_marked() {
    shot
    units=0
    tens=0
    local n
    for n in 2 3 4 5 6 7 8 9; do [ "$(cell_colour "$n")" = "$orange" ] && units=$n; done
    for n in 20 30 40 50 60 70 80 90 100; do [ "$(cell_colour "$n")" = "$orange" ] && tens=$((n / 10 - 1)); done
    [ "$units" -gt 0 ] && [ "$tens" -gt 0 ]
}
wait_for 20 task_marked || true
check "help marks the task's column and row orange" eval '[ "$units" -gt 0 ] && [ "$tens" -gt 0 ]' 
[ "$units" -gt 0 ] && [ "$tens" -gt 0 ] || fail "no task to find"
target=$((10 * tens + units))
echo "     the task is $target"

# Cell 1 is never a task (tasks lie between 12 and 99).
click_cell 1
wait_for 10 eval 'shot && [ "$(cell_colour 1)" = "$red" ]' || true
check "a wrong cell turns red" [ "$(cell_colour 1)" = "$red" ]
check "the right cell is not judged yet" [ "$(cell_colour "$target")" != "$green" ]
click_cell "$target"
wait_for 10 eval 'shot && [ "$(cell_colour "$target")" = "$green" ]' || true
check "the right cell turns green" [ "$(cell_colour "$target")" = "$green" ]
# GETALVELD_WINE_SHOT=file.png keeps this picture of the screen, to look at.
[ -z "${GETALVELD_WINE_SHOT:-}" ] || cp "$work/shot.png" "$GETALVELD_WINE_SHOT"

click_at "$find_screen" 11880 7935 1627 7507 # stop
wait_for 20 eval '[ -z "$(window_named "$find_title")" ] && [ -n "$(window_named "^KEUZEBORD$")" ]' || true
check "stop leads back to the choice board" eval '[ -z "$(window_named "$find_title")" ] && [ -n "$(window_named "^KEUZEBORD$")" ]'

# The end button at 120,6840 1815x735: the closing screen, then the end of the process.
click_at "$(window_named '^KEUZEBORD$')" 11880 7935 1027 7207
wait_for 20 eval '[ -z "$(window_named "^KEUZEBORD$")" ]' || true
check "the end button leaves the choice board" [ -z "$(window_named '^KEUZEBORD$')" ]
wait_for 20 unnamed_window_of 10185 5925 >/dev/null || true
closing=$(unnamed_window_of 10185 5925 || true)
check "the closing screen shows, without a title" eval '[ -n "$closing" ] && [ -z "$(title_of "$closing")" ]'
wait_for 60 eval '! kill -0 "$program" 2>/dev/null' || true
if kill -0 "$program" 2>/dev/null; then
    check "the process ends by itself after the closing screen" false
else
    status=0
    wait "$program" || status=$?
    check "the process ends by itself, with status 0 (was $status)" [ "$status" -eq 0 ]
fi
timeout 60 wineserver -w || true

echo "--- silent uninstall"
quiet=$(reg_value "$uninstall_key" QuietUninstallString)
check "a silent uninstall is registered" eval '[[ "$quiet" == *uninstall.exe*/S* ]]'
uninstaller=$(sed -n 's/^"\([^"]*\)".*/\1/p' <<<"$quiet")
arguments=$(sed -n 's/^"[^"]*" *//p' <<<"$quiet")
# The uninstaller copies itself away and runs from there: wait for every Wine process.
# shellcheck disable=SC2086
timeout 120 wine "$uninstaller" $arguments >"$work/uninstall.log" 2>&1 || true
timeout 120 wineserver -w || true
left=$(find "$folder" 2>/dev/null | head -n 20 || true)
check "no program file is left" [ -z "$left" ]
[ -z "$left" ] || echo "     left: $left"
check "the Start-menu entry is gone" [ ! -e "$shortcut" ]
check "the uninstaller is no longer registered" [ -z "$(reg_value "$uninstall_key" DisplayName)" ]

echo "passed $passes, failed $failures"
[ "$failures" -eq 0 ]
