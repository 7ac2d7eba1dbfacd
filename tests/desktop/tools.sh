# Shared by the desktop tests; sourced, never run. A test whose tools are missing is skipped
# on a developer's machine (CTest reads 77 as skipped) and fails in CI, where setup installs
# everything.
missing_tool() { # missing_tool WHAT
    if [ "${CI:-}" = true ]; then
        echo "FAIL: $1"
        exit 1
    fi
    echo "SKIP: $1"
    exit 77
}
require_tools() { # require_tools TOOL... : skips or fails the test at once if one is missing
    local tool
    for tool in "$@"; do
        command -v "$tool" >/dev/null || missing_tool "$tool is not installed"
    done
}
# own_session_bus "$0" "$@": runs the test script again on a session bus of its own, so that
# no other program's accessibility is in the way; returns at once in that second run.
own_session_bus() {
    [ -z "${GETALVELD_IN_SESSION:-}" ] || return 0
    require_tools dbus-run-session
    exec env GETALVELD_IN_SESSION=1 dbus-run-session -- "$@"
}
