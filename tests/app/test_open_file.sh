#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The real program opened with a saved reading, as a file manager does (`wetonara FILE`), on a private X
# display:
#  - --help, --version and a wrong command line answer without a display, lock or settings;
#  - a first copy opens the file (path with spaces and non-ASCII) straight into the result window; a
#    missing file or a folder gets the Open move's refusal over the entry window;
#  - a later copy hands its file to the running one and ends at once, without a window: the running
#    copy shows the reading (from the result window it goes back first) or its refusal;
#  - a file handed over while an earlier one's refusal is up opens once that is closed;
#  - while the running copy is leaving through its companion screen, the later copy says "Application is
#    already running" and the running copy is left alone;
#  - asked to end by SIGTERM, the program ends with status 0 and removes its lock and socket;
#  - after a copy was killed, the next one takes over its socket and receives files again;
#  - a file whose name is not UTF-8 (Latin-1 "caf\xe9.jav") opens from the command line and handed over.
# Windows are told apart by their role, which is their object name; a message box has none ("other").
set -u
# shellcheck source=tests/tools/session.bash
source "$(dirname "$0")/../tools/session.bash"

# Without any display: help and version print and succeed, a wrong command line is refused.
quiet() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" "$@" >"$work/out" 2>"$work/err"; }
quiet --help && grep -q '^Usage: wetonara \[FILE\]' "$work/out" || fail "--help"
quiet --version && [[ $(cat "$work/out") =~ ^wetonara\ [0-9.]+\ \([0-9-]{10}\)$ ]] || fail "--version: $(cat "$work/out")"
quiet --frobnicate a.jav
[[ $? == 2 ]] && grep -q 'unknown option --frobnicate' "$work/err" || fail "unknown option: $(cat "$work/err")"
quiet a.jav b.jav
[[ $? == 2 ]] && grep -q 'one saved reading at a time' "$work/err" || fail "two files: $(cat "$work/err")"
# An empty DISPLAY names no display: one line and status 1, not Qt's abort.
env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY= "$program" >"$work/out" 2>"$work/err"
[[ $? == 1 ]] && grep -q '^wetonara: no display is available' "$work/err" || fail "empty DISPLAY: $(head -c 200 "$work/err")"
[[ -z "$(find "$XDG_RUNTIME_DIR" "$XDG_CONFIG_HOME" -mindepth 1)" ]] || fail "the command line touched the lock or settings"
pass "help, version and wrong command lines, without a display"

start_display --no-window-manager

folder="$work/Sîti Ayu's readings"
mkdir "$folder"
cp "$(dirname "$0")/../data/abc-7-June-1980.jav" "$folder/Sîti Ayu.jav"
printf '\xb6\r\n' >"$folder/damaged.jav"

# OK on the process's message box; pressed again if a key came before the box took input.
press_return_on_box() {
    local box
    for _ in $(seq 10); do
        box=$(window_of other "$1") || return 0
        xdotool windowfocus --sync "$box" key Return 2>/dev/null
        sleep 0.5
    done
}
# Process $1 comes to show exactly the windows named by their roles; fails with $2 otherwise.
expect_windows() {
    local pid=$1 what=$2
    shift 2
    wait_for 20 shown_by "$pid" "$@" || fail "$what: $(visible_windows "$pid")"
}
later_copy_says_running() {
    wait_for 30 shown_by "$1" other || fail "$2 showed $(visible_windows "$1"), not one message box"
    [[ $(xdotool getwindowname "$(window_of other "$1")") == Wetonara ]] || fail "$2 showed another box"
    press_return_on_box "$1"
    ends_by_itself "$1" || fail "$2 did not end with status 0 after OK"
}

start_copy --in "$work" "Sîti Ayu's readings/Sîti Ayu.jav"
first=$started
expect_windows "$first" "the file given to a first copy" frmJavaneseAstrology
pass "a first copy opens its file (relative path, spaces, non-ASCII) in the result window"

before=$(window_of frmJavaneseAstrology "$first")
start_copy --in "$folder" "Sîti Ayu.jav"
ends_by_itself "$started" || fail "a later copy with a good file did not end by itself with status 0"
sleep 0.5
expect_windows "$first" "handed file on the result window" frmJavaneseAstrology
[[ "$(window_of frmJavaneseAstrology "$first")" != "$before" ]] || fail "the result window was not shown afresh"
pass "a later copy hands its file over; the running copy goes back and shows the reading anew"

start_copy --in / "$folder/damaged.jav"
ends_by_itself "$started" || fail "a later copy with a damaged file did not end by itself"
expect_windows "$first" "a damaged file handed over" frmMain other
box=$(window_of other "$first")
pass "a damaged file handed over gets the Open move's refusal over the entry window"

start_copy --in / "$folder/Sîti Ayu.jav"
ends_by_itself "$started" || fail "a copy offering a file during a handed file's refusal did not end by itself"
shown_by "$first" frmMain other && [[ $(window_of other "$first") == "$box" ]] \
    || fail "the running copy changed while its refusal was up: $(visible_windows "$first")"
press_return_on_box "$first"
expect_windows "$first" "after the refusal's OK" frmJavaneseAstrology
pass "a file handed over while an earlier one's refusal is up opens once that is closed"

xdotool windowfocus --sync "$(window_of frmJavaneseAstrology "$first")" key alt+f x
expect_windows "$first" "File > Exit" frmNagScreen2
start_copy --in / "$folder/Sîti Ayu.jav"
later_copy_says_running "$started" "a copy offering a file to a leaving copy"
shown_by "$first" frmNagScreen2 || fail "the leaving copy changed: $(visible_windows "$first")"
pass "a copy that is leaving refuses files"

[[ -S "$XDG_RUNTIME_DIR/wetonara.socket" && -e "$XDG_RUNTIME_DIR/wetonara.lock" ]] || fail "no lock or socket"
kill -TERM "$first"
ends_by_itself "$first" || fail "SIGTERM: the program did not end with status 0"
[[ ! -e "$XDG_RUNTIME_DIR/wetonara.socket" && ! -e "$XDG_RUNTIME_DIR/wetonara.lock" ]] \
    || fail "SIGTERM left $(ls "$XDG_RUNTIME_DIR")"
pass "SIGTERM ends the program with status 0, lock and socket removed"

mkdir "$work/a folder.jav"
for bad in "$folder/missing.jav" "$work/a folder.jav"; do
    start_copy --in / "$bad"
    copy=$started
    expect_windows "$copy" "$bad as the first copy's file" frmMain other
    press_return_on_box "$copy"
    expect_windows "$copy" "after refusing $bad" frmMain
    kill -9 "$copy"
    wait "$copy" 2>/dev/null
done
pass "a missing file and a folder get the Open move's refusal, then the entry window"

[[ -S "$XDG_RUNTIME_DIR/wetonara.socket" ]] || fail "the killed copy left no socket to take over"
start_copy --in /
first=$started
expect_windows "$first" "the copy after a killed one" frmMain
start_copy --in / "$folder/Sîti Ayu.jav"
ends_by_itself "$started" || fail "no hand-over after a killed copy's socket was taken over"
expect_windows "$first" "after a stale socket" frmJavaneseAstrology
pass "the socket of a killed copy is taken over by the next"

latin1=$work/$'caf\xe9.jav'
cp "$folder/Sîti Ayu.jav" "$latin1"
kill -9 "$first"
wait "$first" 2>/dev/null
start_copy --in / "$latin1"
first=$started
expect_windows "$first" "a name that is not UTF-8 on the command line" frmJavaneseAstrology
before=$(window_of frmJavaneseAstrology "$first")
start_copy --in "$work" $'caf\xe9.jav'
ends_by_itself "$started" || fail "a later copy with a name that is not UTF-8 did not end by itself"
sleep 0.5
expect_windows "$first" "a name that is not UTF-8 handed over" frmJavaneseAstrology
[[ "$(window_of frmJavaneseAstrology "$first")" != "$before" ]] || fail "the handed file was not shown afresh"
pass "a file whose name is not UTF-8 opens from the command line and when handed over"

echo "$passed passed, 0 failed"
