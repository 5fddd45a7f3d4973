#!/usr/bin/env bash
# The real program, started more than once in one user session on a private X display:
#  - a second copy shows only "Application is already running", leaves the settings alone, and ends with
#    status 0 when OK is pressed; the first copy's window stays as it was;
#  - a first copy killed with SIGKILL does not block the next start.
set -u

source "$(dirname "$0")/../tools/session.sh"
need Xvfb xdotool timeout
start_display

# Starts a copy with a configuration folder of its own, as a child of this shell (so its exit status can
# be waited for); its process number goes into $started.
start_copy() {
    mkdir -p "$work/$1"
    XDG_CONFIG_HOME="$work/$1" "$program" >"$work/$1.log" 2>&1 &
    started=$!
    pids+=("$started")
}

# Waits for a visible window of the given process with exactly the given title; prints its id.
window_of() {
    timeout 30 xdotool search --all --sync --onlyvisible --pid "$1" --name "^$2\$" 2>/dev/null | head -n1
}

start_copy first
first=$started
entry=$(window_of "$first" "Wetonara v1.65")
[[ -n "$entry" ]] || fail "the first copy showed no entry window"
[[ -f "$work/first/Wetonara/Wetonara.conf" ]] || fail "the first copy kept no last-check date"

start_copy second
second=$started
box=$(window_of "$second" "Wetonara")
[[ -n "$box" ]] || fail "the second copy showed no message box"
for window in $(xdotool search --all --onlyvisible --pid "$second" --name .); do
    [[ $window == "$box" ]] || fail "the second copy showed another window: $(xdotool getwindowname "$window")"
done
[[ -z "$(ls -A "$work/second")" ]] || fail "the second copy touched the settings store"

xdotool windowfocus --sync "$box" key Return
timeout 30 tail --pid="$second" -f /dev/null || fail "the second copy did not end after OK"
wait "$second"
status=$?
running=()
for pid in "${pids[@]}"; do
    [[ $pid == "$second" ]] || running+=("$pid")
done
pids=("${running[@]}")
[[ $status == 0 ]] || fail "the second copy ended with status $status"
[[ -z "$(ls -A "$work/second")" ]] || fail "the second copy wrote settings on its way out"
[[ "$(xdotool search --all --onlyvisible --pid "$first" --name '^Wetonara v1.65$')" == "$entry" ]] \
    || fail "the first copy's entry window changed"
kill -0 "$first" || fail "the first copy ended"

kill -9 "$first"
wait "$first" 2>/dev/null
[[ -e "$XDG_RUNTIME_DIR/wetonara.lock" ]] || fail "the killed copy left no lock behind to take over"
start_copy third
third=$started
[[ -n "$(window_of "$third" "Wetonara v1.65")" ]] || fail "the copy after a killed one did not start"

echo "3 passed, 0 failed"
