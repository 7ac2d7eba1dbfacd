#!/usr/bin/env bash
# Measures the thousand-field screens in a release build, headless: RUNS processes for each
# screen alone (its first show is cold in every process) and RUNS processes that use all
# four one after another (the memory they add together); prints the medians.
#   usage: bench/thousandfield.sh [RUNS]     (default 11)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-11}
cmake -S . -B build/bench -DCMAKE_BUILD_TYPE=Release -DGETALVELD_TESTS=OFF >/dev/null
cmake --build build/bench --target bench_thousandfield -j"$(nproc)" >/dev/null
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
screens="frmduizendveld frmduizendveld2 frmduizendveldplus frmduizendveldmin"
out=$(mktemp)
for ((i = 0; i < runs; i++)); do
    for s in $screens; do
        build/bench/bench/bench_thousandfield "$s" 2>/dev/null | grep -v '^program ' | sed "s/^all /$s /; s/^/single /" >>"$out"
    done
    build/bench/bench/bench_thousandfield $screens 2>/dev/null | grep -E '^(all|program) ' | sed 's/^/together /' >>"$out"
done
median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
echo "runs: $runs; medians (times in ms, memory in MiB)"
awk '{print $1" "$2" "$3}' "$out" | sort -u | while read -r mode screen what; do
    v=$(awk -v m="$mode" -v s="$screen" -v w="$what" '$1==m && $2==s && $3==w {print $4}' "$out" | median)
    case $what in
    *_us) printf '%-8s %-20s %-18s %8.2f ms\n' "$mode" "$screen" "${what%_us}" "$(echo "$v / 1000" | bc -l)" ;;
    *_kib) printf '%-8s %-20s %-18s %8.2f MiB\n' "$mode" "$screen" "${what%_kib}" "$(echo "$v / 1024" | bc -l)" ;;
    esac
done
rm -f "$out"
