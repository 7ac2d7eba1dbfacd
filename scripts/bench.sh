#!/usr/bin/env bash
# Builds getalveld in release and runs its benchmark headless: start-up against an empty Qt
# window, the first show and the heaviest handler of every screen, peak memory. Prints the
# table that the README shows.
#   usage: scripts/bench.sh [STARTS [WALKS]]   (default 21 starts of each, 7 walks)
#   BENCH_DETAIL=1 scripts/bench.sh            also lists every handler measured
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build/bench -DCMAKE_BUILD_TYPE=Release -DGETALVELD_TESTS=OFF -DGETALVELD_BENCH=ON >/dev/null
cmake --build build/bench --target bench_getalveld -j"$(nproc)" >/dev/null
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
# The starts again on an X display, where connecting to it costs what it costs on a desktop.
# -noreset: the server does not reset between starts (a reset drops a client that connects
# while it runs, and is no cost a desktop has).
if command -v Xvfb >/dev/null; then
    exec {displayfd}< <(Xvfb -displayfd 1 -screen 0 1366x768x24 -nolisten tcp -noreset 2>/dev/null & echo "pid $!")
    read -r -t 10 xvfb_pid_line <&"$displayfd" || true
    read -r -t 10 display_number <&"$displayfd" || true
    xvfb_pid=${xvfb_pid_line#pid }
    trap 'kill "$xvfb_pid" 2>/dev/null || true' EXIT
    [ -n "${display_number:-}" ] && export BENCH_X11_DISPLAY=":$display_number"
else
    echo "(Xvfb is not installed: the starts are measured offscreen only)"
fi
build/bench/bench/bench_getalveld "$@"
