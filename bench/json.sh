#!/bin/bash
# SPDX-License-Identifier: MIT
# Times `weton --json` and `weton --tsv` over every date the program reckons (1901-01-01 to 2036-12-31,
# 49,674 lines), alternating the two, and prints the median wall-clock time of each and their ratio.
# Usage: bench/json.sh [BUILD_DIR] [RUNS]   (BUILD_DIR defaults to ./build, RUNS to 11)
set -euo pipefail

build_dir=${1:-build}
runs=${2:-11}
weton="$build_dir/src/weton"
[[ -x $weton ]] || { echo "json.sh: no weton program at $weton; build the target 'weton' first" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

seq 0 49673 | sed 's/^/1901-01-01 + /; s/$/ days/' | date -f - +%F > "$work/dates"
[[ $(wc -l < "$work/dates") -eq 49674 ]] || { echo "json.sh: could not build the date list" >&2; exit 1; }

for mode in --json --tsv; do
    "$weton" "$mode" < "$work/dates" > "$work/out"
    [[ $(wc -l < "$work/out") -eq 49674 ]] || { echo "json.sh: weton $mode did not write 49,674 lines" >&2; exit 1; }
done

microseconds() {
    local start end
    start=$(date +%s%N)
    "$weton" "$1" < "$work/dates" > /dev/null
    end=$(date +%s%N)
    echo $(( (end - start) / 1000 ))
}

json=() tsv=()
for ((i = 0; i < runs; i++)); do
    json+=("$(microseconds --json)")
    tsv+=("$(microseconds --tsv)")
done
median() { printf '%s\n' "$@" | sort -n | sed -n "$(( $# / 2 + 1 ))p"; }
json_median=$(median "${json[@]}")
tsv_median=$(median "${tsv[@]}")
printf 'weton over 49674 dates, %d runs each: --json median %d.%03d ms, --tsv median %d.%03d ms, ratio %d.%02d (target at most 3)\n' \
    "$runs" $((json_median / 1000)) $((json_median % 1000)) $((tsv_median / 1000)) $((tsv_median % 1000)) \
    $((json_median / tsv_median)) $((json_median * 100 / tsv_median % 100))
