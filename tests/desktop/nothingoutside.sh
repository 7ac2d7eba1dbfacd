#!/usr/bin/env bash
# The program touches nothing outside itself. It runs under strace on an X11 desktop (Xvfb
# and openbox) with a fresh home folder, while a pupil goes from the start screen through
# two exercises to the closing screen, which ends the process. Then the system calls show:
# it opened no file outside its own executable, Qt's and the system's libraries, fonts and
# configuration; it wrote, created, renamed or removed no file; it opened no socket but
# the display connection; it started no other program. The home folder stays empty.
# Usage: nothingoutside.sh PROGRAM
set -uo pipefail
program=$(readlink -f "$1")
source "$(dirname "$0")/desktop.sh"
require_tools Xvfb openbox xdotool xprop strace
mkdir -m 700 "$work/home" "$work/runtime" "$work/trace"

start_display
start_openbox

# A desktop session's environment, with a home of its own so that any file written there
# shows. No session bus: the program must not start one.
env -i PATH="$PATH" DISPLAY="$DISPLAY" HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime" \
    LANG=C.UTF-8 QT_QPA_PLATFORM=xcb ${UBSAN_OPTIONS:+UBSAN_OPTIONS="$UBSAN_OPTIONS"} \
    ${ASAN_OPTIONS:+ASAN_OPTIONS="$ASAN_OPTIONS:detect_leaks=0"} \
    timeout 90 strace -f -ff -qq -e signal=none -o "$work/trace/t" \
    -e trace=%file,%process,%ipc,socket,connect,bind,listen,accept,accept4,memfd_create \
    "$program" >"$work/program.log" 2>&1 &
traced=$!
pids+=("$traced")

# The pupil: start screen, the fill-in screen with a check, the find screen, the end.
clients() { xprop -root _NET_CLIENT_LIST 2>/dev/null | sed -n 's/.*# //p' | tr -d ','; }
title() { xprop -id "$1" -notype _NET_WM_NAME 2>/dev/null | sed -n 's/^_NET_WM_NAME = "\(.*\)"$/\1/p; s/^_NET_WM_NAME = $//p'; }
viewable() { xwininfo -id "$1" 2>/dev/null | grep -q 'Map State: IsViewable'; }
window() { # the shown window whose title is exactly $1, waited for up to twenty seconds
    local w
    for _ in $(seq 400); do
        for w in $(clients); do
            if viewable "$w" && xprop -id "$w" _NET_WM_NAME >/dev/null 2>&1 && [ "$(title "$w")" == "$1" ]; then
                echo "$w"
                return 0
            fi
        done
        sleep 0.05
    done
    echo "pupil: no window \"$1\"" >&2
    return 1
}
centre_of() { echo $((($1 + 7) / 15 + ($3 / 15) / 2)) $((($2 + 7) / 15 + ($4 / 15) / 2)); }
click() { # click WINDOW LEFT TOP WIDTH HEIGHT (a control's twips)
    xdotool mousemove --sync --window "$1" $(centre_of "$2" "$3" "$4" "$5") click 1
    sleep 0.2
}
if start=$(window "") && click "$start" 3600 1080 3855 3495 &&
    board=$(window "KEUZEBORD") && click "$board" 8760 5160 975 645 &&
    rows=$(window "Vul in op het tabulon") && click "$rows" 3680 6720 1215 735; then
    xdotool type --delay 40 '44x' && xdotool key Tab && xdotool type --delay 40 ' 45'
    click "$rows" 6720 6720 1215 735 && click "$rows" 5200 6720 1215 735 && click "$rows" 2160 6720 1215 735
fi
board=$(window "KEUZEBORD") && click "$board" 5520 4440 975 645 &&
    find=$(window "Zoek op het tabulon") && click "$find" 960 7200 1335 615
board=$(window "KEUZEBORD") && click "$board" 120 6840 1815 735

wait "$traced"
status=$?
failures=0
fail() { echo "FAIL $1"; failures=$((failures + 1)); }
[ "$status" -eq 0 ] || fail "the program ended with status $status (124: it did not end in time)"

# Where the program may look: its own file and folder; libraries and Qt's plugins; the
# system's configuration; fonts and their caches; keyboard, locale and cursor data of the
# display; Qt's own data and settings; the display's authority; its own process entries.
allowed=(
    "$(dirname "$program")"
    /lib/ /lib64/ /usr/lib/ /usr/lib64/ /usr/local/lib/
    /etc/
    /usr/share/fonts/ /usr/local/share/fonts/ /usr/share/fontconfig/ /var/cache/fontconfig/
    /usr/share/X11/ /usr/share/icons/ /usr/local/share/icons/ /usr/share/pixmaps/ /usr/share/locale/
    /usr/share/qt6/
    "$work/home/.fonts" "$work/home/.fonts.conf" "$work/home/.fonts.conf.d" "$work/home/.fontconfig/"
    "$work/home/.config/fontconfig/" "$work/home/.cache/fontconfig/" "$work/home/.local/share/fonts/"
    "$work/home/.icons/" "$work/home/.local/share/icons/" "$work/home/.config/QtProject"
    "$work/home/.Xauthority" "$work/home/.Xdefaults" "$work/home/.Xdefaults-$(uname -n)"
    "$work/home/.XCompose" "$work/home/.config/XCompose"
    "$work/runtime/bus" "$work/runtime/flatpak-info"
    /proc/self/ /sys/devices/system/cpu/ /dev/null /dev/urandom
)
is_allowed() {
    local p=$1 a
    for a in "${allowed[@]}"; do
        case "$a" in
        */) [[ "$p/" == "$a"* ]] && return 0 ;;
        *) [[ "$p" == "$a" || "$p" == "$a"/* ]] && return 0 ;;
        esac
        # The folders on the way to an allowed place.
        [[ "$a" == "$p"/* || "$p" == / ]] && return 0
    done
    return 1
}

mapfile -t traces < <(ls "$work/trace")
[ "${#traces[@]}" -gt 0 ] || fail "no trace was written"
execs=0
declare -A seen=()
for t in "${traces[@]}"; do
    while IFS= read -r line; do
        call=${line%%(*}
        case "$call" in
        execve | execveat)
            execs=$((execs + 1))
            [[ "$line" == "execve(\"$program\""* ]] || fail "starts another program: $line" ;;
        fork | vfork) fail "starts a process: $line" ;;
        clone | clone3) [[ "$line" == *CLONE_THREAD* ]] || fail "starts a process: $line" ;;
        socket) [[ "$line" == "socket(AF_UNIX,"* ]] || fail "a socket other than the display's: $line" ;;
        connect)
            # The X display; glibc asks its name service cache (if any) who the user is.
            [[ "$line" =~ sun_path=@?\"(/tmp/\.X11-unix/X[0-9]+|/var/run/nscd/socket)\" ]] ||
                fail "connects elsewhere: $line" ;;
        bind | listen | accept | accept4) fail "serves a socket: $line" ;;
        mkdir)
            # Qt makes sure the runtime folder is there; it is, so nothing changes.
            [[ "$line" == "mkdir(\"$work/runtime\", 0700) = -1 EEXIST"* ]] || fail "changes the file system: $line" ;;
        mkdirat | rename | renameat | renameat2 | unlink | unlinkat | rmdir | link | linkat | symlink | \
            symlinkat | truncate | chmod | fchmodat | chown | fchownat | lchown | utimensat | utime | utimes | \
            mknod | mknodat | setxattr | lsetxattr | removexattr | lremovexattr | creat)
            fail "changes the file system: $line" ;;
        esac
        if [[ "$call" == open* ]] && [[ "$line" =~ O_WRONLY|O_RDWR|O_CREAT|O_TRUNC|O_APPEND ]]; then
            fail "opens a file to write: $line"
        fi
        # The first path of the call, where it names one.
        if [[ "$call" != execve* && "$line" =~ ^[a-z0-9_]+\(([A-Z_]+,\ )?\"(/[^\"]*)\" ]]; then
            path=${BASH_REMATCH[2]}
            if [ -z "${seen[$path]:-}" ]; then
                seen[$path]=1
                is_allowed "$path" || fail "looks outside itself: $line"
            fi
        fi
    done <"$work/trace/$t"
done
[ "$execs" -eq 1 ] || fail "expected one program start, saw $execs"
leftovers=$(find "$work/home" "$work/runtime" -mindepth 1 2>/dev/null)
[ -z "$leftovers" ] || fail "files left in the home or runtime folder: $leftovers"

if [ "$failures" -gt 0 ]; then
    echo "--- program output"; cat "$work/program.log"
    exit 1
fi
echo "ok   ${#seen[@]} paths looked at, all its own, Qt's or the system's; nothing written; only the display connected"
