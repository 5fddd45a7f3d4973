#!/bin/bash
# SPDX-License-Identifier: MIT
# Times `weton --json` and `weton --tsv` over every date the program reckons (1901-01-01 to 2036-12-31,
# 49,674 lines), alternating the two, and prints the median wall-clock time of each and their ratio.
# Usage: bench/json.sh [BUILD_DIR] [RUNS]   (BUILD_DIR defaults to ./build, RUNS to 11)
set -euo pipefail
# shellcheck source=bench/dates.bash
source "$(dirname "$0")/dates.bash"

check_mode --json
check_mode --tsv
json=() tsv=()
for ((i = 0; i < runs; i++)); do
    json+=("$(microseconds --json)")
    tsv+=("$(microseconds --tsv)")
done
json_median=$(median "${json[@]}")
tsv_median=$(median "${tsv[@]}")
printf 'weton over 49674 dates, %d runs each: --json median %s, --tsv median %s, ratio %d.%02d (target at most 3)\n' \
    "$runs" "$(ms "$json_median")" "$(ms "$tsv_median")" \
    $((json_median / tsv_median)) $((json_median * 100 / tsv_median % 100))
