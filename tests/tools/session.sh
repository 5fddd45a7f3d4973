# Sourced by the test scripts that drive the built program from outside: the program's path (or a skip,
# exit 77), a scratch folder and started processes cleaned up on exit, fail/pass reports, private
# runtime and configuration folders, a private X display.
program="${WETONARA_BUILD_DIR:-}/src/wetonara"
if [[ ! -x "$program" ]]; then
    echo "skipped: the program is not built at $program"
    exit 77
fi
need() {
    for tool; do
        command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
    done
}

work=$(mktemp -d)
pids=()
passed=0
cleanup() {
    exec 5>&-
    for pid in "${pids[@]}"; do
        kill -9 "$pid" 2>/dev/null
        wait "$pid" 2>/dev/null
    done
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "FAIL: $*"
    exit 1
}
pass() {
    echo "ok: $*"
    passed=$((passed + 1))
}

# The lock, the hand-over socket and the settings of this run only.
export XDG_RUNTIME_DIR="$work/runtime" XDG_CONFIG_HOME="$work/config"
mkdir -m 700 "$XDG_RUNTIME_DIR" "$XDG_CONFIG_HOME"

# A display of our own: Xvfb picks a free number and tells it through a pipe.
start_display() {
    exec 5> >(cat >"$work/display")
    Xvfb -displayfd 5 -screen 0 1280x1024x24 -nolisten tcp -noreset >/dev/null 2>&1 &
    pids+=($!)
    for _ in $(seq 100); do
        [[ -s "$work/display" ]] && break
        sleep 0.1
    done
    [[ -s "$work/display" ]] || fail "Xvfb did not start"
    export DISPLAY=":$(head -n1 "$work/display")" QT_QPA_PLATFORM=xcb
}
