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
build/bench/bench/bench_getalveld "$@"
