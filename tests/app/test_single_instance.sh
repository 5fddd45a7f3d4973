#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The real program, started more than once in one user session on a private X display:
#  - a second copy shows only "Application is already running", leaves the settings alone, and ends with
#    status 0 when OK is pressed; the first copy's window stays as it was;
#  - a first copy killed with SIGKILL does not block the next start;
#  - a signal while a start-up message is up ends the copy with status 0, lock and socket removed, and
#    the next start runs.
# Windows are told apart by their role, which is their object name; a message box has none.
set -u
# shellcheck source=tests/tools/session.bash
source "$(dirname "$0")/../tools/session.bash"
start_display --no-window-manager

# Starts a copy with a configuration folder of its own; its process number goes into $started.
start_with_config() {
    mkdir -p "$work/$1"
    XDG_CONFIG_HOME="$work/$1" start_copy "${@:2}"
}

start_with_config first
first=$started
wait_for 30 shown_by "$first" frmMain || fail "the first copy showed no entry window alone"
entry=$(window_of frmMain "$first")
[[ -f "$work/first/Wetonara/Wetonara.conf" ]] || fail "the first copy kept no last-check date"

start_with_config second
second=$started
wait_for 30 shown_by "$second" other || fail "the second copy showed $(visible_windows "$second"), not one message box"
box=$(window_of other "$second")
[[ $(xdotool getwindowname "$box") == Wetonara ]] || fail "the second copy's box is titled $(xdotool getwindowname "$box")"
[[ -z "$(ls -A "$work/second")" ]] || fail "the second copy touched the settings store"

xdotool windowfocus --sync "$box" key Return
ends_by_itself "$second" || fail "the second copy did not end with status 0 after OK (status $?)"
[[ -z "$(ls -A "$work/second")" ]] || fail "the second copy wrote settings on its way out"
shown_by "$first" frmMain && [[ $(window_of frmMain "$first") == "$entry" ]] \
    || fail "the first copy's entry window changed: $(visible_windows "$first")"
running "$first" || fail "the first copy ended"

kill -9 "$first"
wait "$first" 2>/dev/null
[[ -e "$XDG_RUNTIME_DIR/wetonara.lock" ]] || fail "the killed copy left no lock behind to take over"
start_with_config third
wait_for 30 shown_by "$started" frmMain || fail "the copy after a killed one did not start"

kill "$started"
ends_by_itself "$started" || fail "the third copy did not end on SIGTERM"
printf x >"$work/damaged.jav"
start_with_config fourth "$work/damaged.jav"
wait_for 30 shown_by "$started" frmMain other || fail "no refusal of the damaged file: $(visible_windows "$started")"
kill -HUP "$started"
ends_by_itself "$started" || fail "SIGHUP during the start-up refusal: the copy did not end with status 0 ($?)"
[[ -z "$(ls -A "$XDG_RUNTIME_DIR")" ]] || fail "the copy ended by SIGHUP left $(ls -A "$XDG_RUNTIME_DIR")"
start_with_config fifth
wait_for 30 shown_by "$started" frmMain || fail "the copy after a signalled one did not start"

echo "4 passed, 0 failed"
