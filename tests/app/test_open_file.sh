#!/usr/bin/env bash
# The real program opened with a saved reading, as a file manager does (`wetonara FILE`), on a private X
# display:
#  - --help, --version and a wrong command line answer without a display, lock or settings;
#  - a first copy opens the file (path with spaces and non-ASCII) straight into the result window; a
#    missing file or a folder gets the Open move's refusal over the entry window;
#  - a later copy hands its file to the running one and ends at once, without a window: the running
#    copy shows the reading (from the result window it goes back first) or its refusal;
#  - while the running copy waits for an answer to a message box, or is leaving through its companion
#    screen, the later copy says "Application is already running" and the running copy is left alone;
#  - asked to end by SIGTERM, the program ends with status 0 and removes its lock and socket;
#  - after a copy was killed, the next one takes over its socket and receives files again.
# Windows are told apart by their design widths: entry 8205 twips (547 px), result 9045 (603 px),
# companion screen 11115 (741 px); message boxes carry the title "Wetonara".
set -u

source "$(dirname "$0")/../tools/session.sh"
need Xvfb xdotool timeout

# Without any display: help and version print and succeed, a wrong command line is refused.
quiet() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" "$@" >"$work/out" 2>"$work/err"; }
quiet --help && grep -q '^Usage: wetonara \[FILE\]' "$work/out" || fail "--help"
quiet --version && [[ "$(cat "$work/out")" == "wetonara 1.65" ]] || fail "--version: $(cat "$work/out")"
quiet --frobnicate a.jav
[[ $? == 2 ]] && grep -q 'unknown option --frobnicate' "$work/err" || fail "unknown option: $(cat "$work/err")"
quiet a.jav b.jav
[[ $? == 2 ]] && grep -q 'one saved reading at a time' "$work/err" || fail "two files: $(cat "$work/err")"
[[ -z "$(find "$XDG_RUNTIME_DIR" "$XDG_CONFIG_HOME" -mindepth 1)" ]] || fail "the command line touched the lock or settings"
pass "help, version and wrong command lines, without a display"

start_display

folder="$work/Sîti Ayu's readings"
mkdir "$folder"
cp "$(dirname "$0")/../data/abc-7-June-1980.jav" "$folder/Sîti Ayu.jav"
printf '\xb6\r\n' >"$folder/damaged.jav"

# Starts a copy in the given folder with the given arguments; its process number goes into $started.
start_copy() {
    local cwd=$1
    shift
    (cd "$cwd" && exec "$program" "$@") >>"$work/copies.log" 2>&1 &
    started=$!
    pids+=("$started")
}
# The visible windows of a process as "WIDTH:TITLE" lines, sorted; waits until there are $2 of them.
windows_of() {
    local list=""
    for _ in $(seq 100); do
        list=$(for window in $(xdotool search --all --onlyvisible --pid "$1" --name . 2>/dev/null); do
            eval "$(xdotool getwindowgeometry --shell "$window")"
            echo "$WIDTH:$(xdotool getwindowname "$window")"
        done | sort)
        [[ $(grep -c . <<<"$list") == "$2" ]] && break
        sleep 0.2
    done
    echo "$list"
}
window_id() { xdotool search --all --onlyvisible --pid "$1" --name "^$2\$" 2>/dev/null | head -n1; }
# OK on the process's message box; pressed again if a key came before the box took input.
press_return_on_box() {
    local count
    count=$(xdotool search --all --onlyvisible --pid "$1" --name . 2>/dev/null | grep -c .)
    for _ in $(seq 10); do
        xdotool windowfocus --sync "$(window_id "$1" Wetonara)" key Return 2>/dev/null
        sleep 0.5
        [[ $(xdotool search --all --onlyvisible --pid "$1" --name . 2>/dev/null | grep -c .) -lt $count ]] && return
    done
}
ends_by_itself() { timeout 15 tail --pid="$1" -f /dev/null && wait "$1"; }

entry="547:Wetonara v1.65"
result="603:Wetonara v1.65"
# The entry window with a message box of the program in front of it.
entry_and_box() { [[ $(grep -c . <<<"$1") == 2 ]] && grep -qx "$entry" <<<"$1" && grep -qx '[0-9]*:Wetonara' <<<"$1"; }

start_copy "$work" "Sîti Ayu's readings/Sîti Ayu.jav"
first=$started
[[ "$(windows_of "$first" 1)" == "$result" ]] || fail "the file given to a first copy: $(windows_of "$first" 1)"
pass "a first copy opens its file (relative path, spaces, non-ASCII) in the result window"

before=$(window_id "$first" "Wetonara v1.65")
start_copy "$folder" "Sîti Ayu.jav"
ends_by_itself "$started" || fail "a later copy with a good file did not end by itself with status 0"
sleep 0.5
[[ "$(windows_of "$first" 1)" == "$result" ]] || fail "handed file on the result window: $(windows_of "$first" 1)"
[[ "$(window_id "$first" "Wetonara v1.65")" != "$before" ]] || fail "the result window was not shown afresh"
pass "a later copy hands its file over; the running copy goes back and shows the reading anew"

start_copy / "$folder/damaged.jav"
ends_by_itself "$started" || fail "a later copy with a damaged file did not end by itself"
shown=$(windows_of "$first" 2)
entry_and_box "$shown" || fail "a damaged file handed over: $shown"
pass "a damaged file handed over gets the Open move's refusal over the entry window"

start_copy / "$folder/Sîti Ayu.jav"
later=$started
[[ -n "$(timeout 30 xdotool search --sync --onlyvisible --pid "$later" --name '^Wetonara$')" ]] \
    || fail "a copy offering a file during a message box showed no message"
press_return_on_box "$later"
ends_by_itself "$later" || fail "the refused copy did not end with status 0 after OK"
[[ "$(windows_of "$first" 2)" == "$shown" ]] || fail "the running copy changed while refusing"
pass "with a message box open the file is refused and the later copy says a copy runs"

press_return_on_box "$first"
[[ "$(windows_of "$first" 1)" == "$entry" ]] || fail "after the refusal's OK: $(windows_of "$first" 1)"
xdotool windowfocus --sync "$(window_id "$first" "Wetonara v1.65")" key alt+f x
[[ "$(windows_of "$first" 1)" == "741:Wetonara v1.65" ]] || fail "File > Exit: $(windows_of "$first" 1)"
start_copy / "$folder/Sîti Ayu.jav"
later=$started
[[ -n "$(timeout 30 xdotool search --sync --onlyvisible --pid "$later" --name '^Wetonara$')" ]] \
    || fail "a copy offering a file to a leaving copy showed no message"
press_return_on_box "$later"
ends_by_itself "$later" || fail "the copy refused by a leaving one did not end with status 0"
[[ "$(windows_of "$first" 1)" == "741:Wetonara v1.65" ]] || fail "the leaving copy changed"
pass "a copy that is leaving refuses files"

[[ -S "$XDG_RUNTIME_DIR/wetonara.socket" && -e "$XDG_RUNTIME_DIR/wetonara.lock" ]] || fail "no lock or socket"
kill -TERM "$first"
ends_by_itself "$first" || fail "SIGTERM: the program did not end with status 0"
[[ ! -e "$XDG_RUNTIME_DIR/wetonara.socket" && ! -e "$XDG_RUNTIME_DIR/wetonara.lock" ]] \
    || fail "SIGTERM left $(ls "$XDG_RUNTIME_DIR")"
pass "SIGTERM ends the program with status 0, lock and socket removed"

for bad in "$folder/missing.jav" "$work/a folder.jav"; do
    mkdir -p "$work/a folder.jav"
    start_copy / "$bad"
    copy=$started
    shown=$(windows_of "$copy" 2)
    entry_and_box "$shown" || fail "$bad as the first copy's file: $shown"
    press_return_on_box "$copy"
    [[ "$(windows_of "$copy" 1)" == "$entry" ]] || fail "after refusing $bad: $(windows_of "$copy" 1)"
    kill -9 "$copy"
    wait "$copy" 2>/dev/null
done
pass "a missing file and a folder get the Open move's refusal, then the entry window"

[[ -S "$XDG_RUNTIME_DIR/wetonara.socket" ]] || fail "the killed copy left no socket to take over"
start_copy /
first=$started
[[ "$(windows_of "$first" 1)" == "$entry" ]] || fail "the copy after a killed one: $(windows_of "$first" 1)"
start_copy / "$folder/Sîti Ayu.jav"
ends_by_itself "$started" || fail "no hand-over after a killed copy's socket was taken over"
[[ "$(windows_of "$first" 1)" == "$result" ]] || fail "after a stale socket: $(windows_of "$first" 1)"
pass "the socket of a killed copy is taken over by the next"

echo "$passed passed, 0 failed"
