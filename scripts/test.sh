#!/usr/bin/env bash
# Installs what is missing, builds getalveld with its tests (warnings as errors) and runs
# every test headless.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh --tests
cmake -S . -B build/test -DCMAKE_BUILD_TYPE=Debug -DGETALVELD_WERROR=ON >/dev/null
cmake --build build/test -j"$(nproc)"
cd build/test
QT_QPA_PLATFORM=offscreen ctest --output-on-failure
