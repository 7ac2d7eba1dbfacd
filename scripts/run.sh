#!/usr/bin/env bash
# Installs what is missing, builds getalveld and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DGETALVELD_TESTS=OFF -DGETALVELD_BENCH=OFF >/dev/null
cmake --build build/release --target getalveld -j"$(nproc)"
exec build/release/getalveld
