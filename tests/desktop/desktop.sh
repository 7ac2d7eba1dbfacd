# Shared by the desktop tests; sourced, never run. Gives a scratch folder `work` and a list
# `pids` that are cleaned up at exit, `require_tools`, `wait_until`, `check`, and an X display
# of the test's own (`start_display`, which exports DISPLAY; `display_size` and `xvfb_options`
# may be set before) with a window manager (`start_wm NAME` for openbox, xfwm4, kwin_x11,
# icewm, fluxbox, metacity or marco; `start_openbox`). A busy machine may start an X server
# beside the test at the same moment: a display that does not answer, or a window manager
# that cannot reach it, is started again on a new display, a bounded number of times.

# shellcheck source=tools.sh
source "$(dirname "${BASH_SOURCE[0]}")/tools.sh"

# check DESCRIPTION COMMAND...: runs one check, says ok or FAIL, and counts it.
passes=0
failures=0
check() {
    if "${@:2}"; then echo "ok   $1"; passes=$((passes + 1)); else echo "FAIL $1"; failures=$((failures + 1)); fi
}

work=$(mktemp -d)
pids=()
xvfb_options=()
# A process that already ended cannot be killed: no failure, also in a script with set -e.
# One that is still there five seconds after being asked to end is killed outright: a window
# manager may hang in its own shutdown once its display is gone.
running() { local state; state=$(ps -o stat= -p "$1" 2>/dev/null) && [ "${state:0:1}" != Z ]; }
reap() { # reap PID: waits for a process that was asked to end, at most five seconds
    for _ in $(seq 100); do running "$1" || break; sleep 0.05; done
    kill -9 "$1" 2>/dev/null || true
    wait "$1" 2>/dev/null || true
}
cleanup() {
    for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
    for p in "${pids[@]}"; do reap "$p"; done
    rm -rf "$work"
}
trap cleanup EXIT

# Polls until the command succeeds, at most twenty seconds (a busy machine starts slowly):
# windows appear when the window manager has dealt with them, not at a fixed time.
wait_until() {
    for _ in $(seq 400); do "$@" && return 0; sleep 0.05; done
    return 1
}

stop_process() { # stop_process PID: ends a process of the test and waits for it
    kill "$1" 2>/dev/null || true
    reap "$1"
}

# The display answers a request (and is still served by our own Xvfb).
display_answers() {
    kill -0 "$xvfb_pid" 2>/dev/null || return 1
    command -v xprop >/dev/null || return 0
    timeout 5 xprop -display "$1" -root -len 1 WM_NAME >/dev/null 2>&1
}

# One attempt: Xvfb picks a free display number and writes it to the pipe. -noreset: by
# default an X server resets itself when its last client leaves, and drops every client that
# connected meanwhile and was not yet answered (the check below is such a last client, the
# program started next such a new one: "could not connect to display").
try_display() {
    local fd display=""
    exec {fd}<> <(:)
    Xvfb -displayfd "$fd" -screen 0 "${display_size:-1280x1024}x24" -nolisten tcp -noreset "${xvfb_options[@]}" \
        >>"$work/xvfb.log" 2>&1 &
    xvfb_pid=$!
    pids+=("$xvfb_pid")
    read -r -t 10 -u "$fd" display
    exec {fd}>&-
    if [ -n "$display" ] && wait_until display_answers ":$display"; then
        export DISPLAY=":$display"
        return 0
    fi
    stop_process "$xvfb_pid"
    return 1
}

# A display of its own, at most three attempts.
start_display() {
    local attempt
    for attempt in 1 2 3; do
        try_display && return 0
        echo "note: the X display did not answer (attempt $attempt); starting a new one"
    done
    echo "FAIL: Xvfb did not start"
    cat "$work/xvfb.log"
    exit 1
}

# The window manager has taken the display.
wm_running() {
    kill -0 "$wm_pid" 2>/dev/null && xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'
}

# A session bus for the window manager alone (xfwm4 reads its settings through it); the
# program under test does not see it.
wm_bus() {
    [ -n "${wm_bus_address:-}" ] && return 0
    command -v dbus-daemon >/dev/null || missing_tool "dbus-daemon is not installed"
    local fd
    exec {fd}<> <(:)
    dbus-daemon --session --nofork --nopidfile --print-address="$fd" >>"$work/wm.log" 2>&1 &
    pids+=($!)
    read -r -t 10 -u "$fd" wm_bus_address
    exec {fd}>&-
    [ -n "$wm_bus_address" ] || { echo "FAIL: no session bus for the window manager"; exit 1; }
}

launch_wm() { # launch_wm NAME: starts it on $DISPLAY, sets wm_pid
    case "$1" in
    openbox) openbox --sm-disable >>"$work/wm.log" 2>&1 & ;;
    xfwm4)
        wm_bus
        DBUS_SESSION_BUS_ADDRESS=$wm_bus_address xfwm4 --compositor=off --sm-client-disable >>"$work/wm.log" 2>&1 &
        ;;
    # No compositing: a virtual display has no graphics card to spare.
    kwin_x11)
        wm_bus
        DBUS_SESSION_BUS_ADDRESS=$wm_bus_address KWIN_COMPOSE=N QT_QPA_PLATFORM=xcb kwin_x11 --replace \
            >>"$work/wm.log" 2>&1 &
        ;;
    # icewm and fluxbox with settings of the test's own and no panel: the walk clicks the
    # display's bottom left corner, and measures the filling screens against the whole display.
    icewm)
        mkdir -p "$work/icewm"
        echo 'ShowTaskBar=0' >"$work/icewm/preferences"
        ICEWM_PRIVCFG=$work/icewm icewm >>"$work/wm.log" 2>&1 &
        ;;
    # fluxbox with Debian's keys and style, but leaving the root window alone: setting the
    # wallpaper may fail and put a message window over the screens.
    fluxbox)
        local rc=$work/home/.fluxbox
        mkdir -p "$rc"
        echo 'background: unset' >"$rc/overlay"
        printf '%s\n' 'session.configVersion: 13' 'session.keyFile: /etc/X11/fluxbox/keys' \
            'session.styleFile: /usr/share/fluxbox/styles/Squared_for_Debian' \
            "session.styleOverlay: $rc/overlay" 'session.screen0.toolbar.visible: false' >"$rc/init"
        HOME=$work/home fluxbox -rc "$rc/init" >>"$work/wm.log" 2>&1 &
        ;;
    # GNOME's and MATE's window managers without compositing, with their default settings
    # kept in memory rather than the user's, and no accessibility bus of their own.
    metacity | marco)
        wm_bus
        local no_compositing=--no-composite
        [ "$1" = marco ] || no_compositing=--compositor=none
        DBUS_SESSION_BUS_ADDRESS=$wm_bus_address GSETTINGS_BACKEND=memory NO_AT_BRIDGE=1 \
            "$1" "$no_compositing" --sm-disable >>"$work/wm.log" 2>&1 &
        ;;
    *) echo "FAIL: unknown window manager $1"; exit 1 ;;
    esac
    wm_pid=$!
    pids+=("$wm_pid")
}

# The window manager, and wait until it manages the display: a program started earlier
# would map its windows without one. One that dies or does not take the display starts
# again with a new display, at most three times in all.
start_wm() { # start_wm NAME
    local attempt
    [ -n "${DISPLAY:-}" ] || start_display
    for attempt in 1 2 3; do
        launch_wm "$1"
        wait_until wm_running && return 0
        echo "note: $1 did not take display $DISPLAY (attempt $attempt)"
        tail -n 5 "$work/wm.log"
        stop_process "$wm_pid"
        [ "$attempt" -lt 3 ] || break
        stop_process "$xvfb_pid"
        start_display
    done
    echo "FAIL: $1 did not start"
    cat "$work/wm.log"
    exit 1
}
start_openbox() { start_wm openbox; }
