# SPDX-License-Identifier: MIT
# Sourced by the weton benchmarks: checks the program, writes every date the program reckons
# (1901-01-01 to 2036-12-31, 49,674 lines) to "$work/dates", and times whole runs of a mode over them.
# Sets: build_dir, runs, weton, work. Arguments of the sourcing script: [BUILD_DIR] [RUNS].
build_dir=${1:-build}
runs=${2:-11}
weton="$build_dir/src/weton"
[[ -x $weton ]] || { echo "$(basename "$0"): no weton program at $weton; build the target 'weton' first" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# GNU date reads one expression a line, so the whole list comes from a single process.
seq 0 49673 | sed 's/^/1901-01-01 + /; s/$/ days/' | date -f - +%F > "$work/dates"
[[ $(wc -l < "$work/dates") -eq 49674 && $(tail -n 1 "$work/dates") == 2036-12-31 ]] ||
    { echo "$(basename "$0"): could not build the date list" >&2; exit 1; }

# One untimed run of the mode checks its output and warms the caches.
check_mode() {
    "$weton" "$1" < "$work/dates" > "$work/out"
    [[ $(wc -l < "$work/out") -eq 49674 ]] || { echo "weton $1 did not write 49,674 lines" >&2; exit 1; }
}

# Microseconds of one whole run of the mode, process start included.
microseconds() {
    local start end
    start=$(date +%s%N)
    "$weton" "$1" < "$work/dates" > /dev/null
    end=$(date +%s%N)
    echo $(( (end - start) / 1000 ))
}

median() { printf '%s\n' "$@" | sort -n | sed -n "$(( $# / 2 + 1 ))p"; }

# Microseconds as milliseconds with three decimals.
ms() { printf '%d.%03d ms' $(($1 / 1000)) $(($1 % 1000)); }
