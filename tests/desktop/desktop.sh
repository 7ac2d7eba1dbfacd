# Shared by the desktop tests; sourced, never run. Gives a scratch folder `work` and a list
# `pids` that are cleaned up at exit, `require_tools`, `wait_until`, and an X display of the
# test's own (`start_display`, which exports DISPLAY) with the openbox window manager
# (`start_openbox`).

require_tools() { # require_tools TOOL... : fails the test at once if one is missing
    local tool
    for tool in "$@"; do
        command -v "$tool" >/dev/null || { echo "FAIL: $tool is not installed"; exit 1; }
    done
}

work=$(mktemp -d)
pids=()
cleanup() { for p in "${pids[@]}"; do kill "$p" 2>/dev/null; done; rm -rf "$work"; }
trap cleanup EXIT

# Polls until the command succeeds, at most twenty seconds (a busy machine starts slowly):
# windows appear when the window manager has dealt with them, not at a fixed time.
wait_until() {
    for _ in $(seq 400); do "$@" && return 0; sleep 0.05; done
    return 1
}

# A display of its own: Xvfb picks a free number and writes it to the pipe.
start_display() {
    local fd display
    exec {fd}<> <(:)
    Xvfb -displayfd "$fd" -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
    pids+=($!)
    read -r -t 10 -u "$fd" display || { echo "FAIL: Xvfb did not start"; exit 1; }
    export DISPLAY=":$display"
}

# openbox, and wait until it manages the display: a program started earlier would map its
# windows without a window manager.
wm_running() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
start_openbox() {
    openbox --sm-disable >"$work/openbox.log" 2>&1 &
    pids+=($!)
    wait_until wm_running || { echo "FAIL: openbox did not start"; cat "$work/openbox.log"; exit 1; }
}
