#!/usr/bin/env bash
# Measures start-up to the first paint of the start screen against an empty Qt window and
# the same window with one label:
# the median wall time and peak memory of RUNS starts of each, run alternately, and their ratios.
#   usage: bench/startup.sh [RUNS]     (default 21; headless, offscreen)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-21}
cmake -S . -B build/bench -DCMAKE_BUILD_TYPE=Release -DGETALVELD_TESTS=OFF >/dev/null
cmake --build build/bench --target bench_startup bench_empty bench_text -j"$(nproc)" >/dev/null
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}

declare -A times mems
for ((i = 0; i < runs; i++)); do
    for b in bench_empty bench_text bench_startup; do
        start=$(date +%s%N)
        kib=$(build/bench/bench/$b 2>/dev/null | awk '/peak_kib/ {print $2}')
        end=$(date +%s%N)
        times[$b]+="$(((end - start) / 1000)) "
        mems[$b]+="$kib "
    done
done

median() { tr ' ' '\n' | grep -v '^$' | sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
te=$(echo "${times[bench_empty]}" | median); tp=$(echo "${times[bench_startup]}" | median)
me=$(echo "${mems[bench_empty]}" | median); mp=$(echo "${mems[bench_startup]}" | median)
tt=$(echo "${times[bench_text]}" | median); mt=$(echo "${mems[bench_text]}" | median)
echo "runs: $runs each"
printf 'empty Qt window:      %6.1f ms  %6.1f MiB\n' "$(echo "$te / 1000" | bc -l)" "$(echo "$me / 1024" | bc -l)"
printf 'window with one label: %5.1f ms  %6.1f MiB\n' "$(echo "$tt / 1000" | bc -l)" "$(echo "$mt / 1024" | bc -l)"
printf 'getalveld start:      %6.1f ms  %6.1f MiB\n' "$(echo "$tp / 1000" | bc -l)" "$(echo "$mp / 1024" | bc -l)"
printf 'ratio (program/empty): time %.2f, memory %.2f\n' "$(echo "$tp / $te" | bc -l)" "$(echo "$mp / $me" | bc -l)"
printf 'ratio (program/label): time %.2f, memory %.2f\n' "$(echo "$tp / $tt" | bc -l)" "$(echo "$mp / $mt" | bc -l)"
