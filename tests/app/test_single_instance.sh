#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The real program, started more than once in one user session on a private X display:
#  - a second copy shows only "Application is already running", leaves the settings alone, and ends with
#    status 0 when OK is pressed; the first copy's window stays as it was;
#  - a first copy killed with SIGKILL does not block the next start;
#  - a signal while a start-up message is up ends the copy with status 0, lock and socket removed, and
#    the next start runs;
#  - a signal while the update question is up stores nothing: the question was not answered;
#  - a copy allowed too few open files to run says so and ends, instead of running beside the first.
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
fifth=$started

# The first copy stored today as the last check for an update; a month ago, the question comes up.
mkdir -p "$work/asked"
cp -r "$work/first/Wetonara" "$work/asked/"
python3 - "$work/asked/Wetonara/Wetonara.conf" "$(date +%F)" <<'PY'
import sys
def scrambled(text):  # each character's Windows-1252 code plus 85, bytes the code page leaves open as themselves
    def char(code):
        try:
            return bytes([code]).decode('cp1252')
        except UnicodeDecodeError:
            return chr(code)
    return ''.join(char(ord(c) + 85) for c in text)
path, today = sys.argv[1], sys.argv[2]
text = open(path, encoding='utf-8').read()
assert scrambled(today) in text, text
open(path, 'w', encoding='utf-8').write(text.replace(scrambled(today), scrambled('2020-01-01')))
PY
cp "$work/asked/Wetonara/Wetonara.conf" "$work/before.conf"
kill "$fifth"
ends_by_itself "$fifth" || fail "the fifth copy did not end on SIGTERM"
XDG_CONFIG_HOME=$work/asked start_copy
wait_for 30 shown_by "$started" other || fail "no update question: $(visible_windows "$started")"
kill -TERM "$started"
ends_by_itself "$started" || fail "SIGTERM during the update question: the copy did not end with status 0 ($?)"
cmp -s "$work/before.conf" "$work/asked/Wetonara/Wetonara.conf" \
    || fail "the unanswered update question stored a date: $(cat "$work/asked/Wetonara/Wetonara.conf")"

start_with_config sixth
wait_for 30 shown_by "$started" frmMain || fail "the copy after the update question did not start"
# The address sanitizer's leak check needs files of its own at the end, so it is left out there.
if ! ldd "$program" | grep -q libasan; then
    (ulimit -n 9 && exec "$program") >"$work/few.log" 2>&1 &
    few=$!
    helpers+=("$few")
    ends_by_itself "$few"
    status=$?
    ((status == 1)) && grep -q "wetonara: only 9 files may be open at once" "$work/few.log" \
        || fail "a copy allowed 9 open files ended with status $status: $(head -c 300 "$work/few.log")"
    [[ $(visible_windows "$few") == "" ]] || fail "the copy with too few files showed $(visible_windows "$few")"
fi

echo "6 passed, 0 failed"
