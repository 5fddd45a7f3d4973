#!/bin/bash
# SPDX-License-Identifier: MIT
# Times `weton --tsv` over every date the program reckons (1901-01-01 to 2036-12-31, 49,674 lines) and
# prints the median wall-clock time of several whole runs, process start included.
# Usage: bench/tsv.sh [BUILD_DIR] [RUNS]   (BUILD_DIR defaults to ./build, RUNS to 11)
set -euo pipefail
# shellcheck source=bench/dates.bash
source "$(dirname "$0")/dates.bash"

check_mode --tsv
times=()
for ((i = 0; i < runs; i++)); do times+=("$(microseconds --tsv)"); done
sorted=($(printf '%s\n' "${times[@]}" | sort -n))
printf 'weton --tsv, 49674 dates, %d runs: median %s (fastest %s, slowest %s)\n' \
    "$runs" "$(ms "$(median "${times[@]}")")" "$(ms "${sorted[0]}")" "$(ms "${sorted[runs - 1]}")"
