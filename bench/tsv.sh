#!/bin/bash
# SPDX-License-Identifier: MIT
# Times `weton --tsv` over every date the program reckons (1901-01-01 to 2036-12-31, 49,674 lines) and
# prints the median wall-clock time of several whole runs, process start included.
# Usage: bench/tsv.sh [BUILD_DIR] [RUNS]   (BUILD_DIR defaults to ./build, RUNS to 11)
set -euo pipefail

build_dir=${1:-build}
runs=${2:-11}
weton="$build_dir/src/weton"
[[ -x $weton ]] || { echo "tsv.sh: no weton program at $weton; build the target 'weton' first" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# GNU date reads one expression a line, so the whole list comes from a single process.
seq 0 49673 | sed 's/^/1901-01-01 + /; s/$/ days/' | date -f - +%F > "$work/dates"
[[ $(wc -l < "$work/dates") -eq 49674 && $(tail -n 1 "$work/dates") == 2036-12-31 ]] ||
    { echo "tsv.sh: could not build the date list" >&2; exit 1; }

# One untimed run checks the output, and warms the caches.
"$weton" --tsv < "$work/dates" > "$work/out"
[[ $(wc -l < "$work/out") -eq 49674 ]] || { echo "tsv.sh: weton did not write 49,674 lines" >&2; exit 1; }

times=()
for ((i = 0; i < runs; i++)); do
    start=$(date +%s%N)
    "$weton" --tsv < "$work/dates" > /dev/null
    end=$(date +%s%N)
    times+=($(( (end - start) / 1000 )))
done
sorted=($(printf '%s\n' "${times[@]}" | sort -n))
median=${sorted[$((runs / 2))]}
printf 'weton --tsv, 49674 dates, %d runs: median %d.%03d ms (fastest %d.%03d ms, slowest %d.%03d ms)\n' \
    "$runs" $((median / 1000)) $((median % 1000)) $((sorted[0] / 1000)) $((sorted[0] % 1000)) \
    $((sorted[runs - 1] / 1000)) $((sorted[runs - 1] % 1000))
