#!/usr/bin/env bash
# Installs what is missing, builds getalveld with its tests (warnings as errors) and runs
# every test headless. With --sanitize the same runs in a build of its own (build/sanitize)
# with AddressSanitizer, UndefinedBehaviorSanitizer and LeakSanitizer: any report fails.
set -euo pipefail
cd "$(dirname "$0")/.."
build=build/test
options=()
jobs=1
case "$#:${1:-}" in
0:) ;;
1:--sanitize)
    build=build/sanitize
    options=(-DGETALVELD_SANITIZE=ON -DGETALVELD_BENCH=OFF)
    # The slow random pupil runs beside the other tests.
    jobs=$(nproc)
    ;;
*)
    echo "scripts/test.sh: unknown argument: $*" >&2
    echo "usage: scripts/test.sh [--sanitize]" >&2
    exit 2
    ;;
esac
scripts/setup.sh --tests
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Debug -DGETALVELD_WERROR=ON "${options[@]}" >/dev/null
cmake --build "$build" -j"$(nproc)"
cd "$build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$jobs"
