# SPDX-License-Identifier: MIT
# Sourced by every script that drives the built program from outside (tests and benchmarks): the
# program's path, a scratch folder, private HOME, configuration and runtime folders and a browser that
# only takes notes, all exported for the whole script; a private X display, with or without a window
# manager; the program's windows found by their role (the window's object name); fail/pass reports.
# Every wait is bounded; everything started is stopped when the script ends. Safe under `set -e`.

build=${WETONARA_BUILD_DIR:?WETONARA_BUILD_DIR names the build folder}
program=$build/src/wetonara
[[ -x $program ]] || { echo "FAIL: $program has not been built" >&2; exit 1; }

# Exit status 77 is reported by ctest as a skip: the machine cannot run this script at all.
need() {
    local tool
    for tool; do
        command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed (scripts/setup installs it)"; exit 77; }
    done
}

work=$(mktemp -d)
app=
helpers=()
passed=0

running() { kill -0 "$1" 2>/dev/null; }
none_running() {
    local pid
    for pid; do running "$pid" && return 1; done
    return 0
}

# Newest first, so the program goes before its display; whatever ignores SIGTERM for five seconds is
# killed, so a hung program cannot hold up the test run.
stop() {
    local i
    for ((i = ${#helpers[@]} - 1; i >= 0; i--)); do kill "${helpers[i]}" 2>/dev/null || true; done
    if ((${#helpers[@]})) && ! wait_for 5 none_running "${helpers[@]}"; then
        kill -9 "${helpers[@]}" 2>/dev/null || true
    fi
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap stop EXIT
trap 'exit 1' INT TERM

# Reports go to stderr too, so a failure inside $(...) is still seen.
fail() {
    echo "FAIL: $*" >&2
    [[ -n $app ]] && echo "windows on screen: $(visible_windows)" >&2
    if [[ -s $work/program.log ]]; then
        echo "--- program output (last lines)" >&2
        tail -n 40 "$work/program.log" >&2
    fi
    exit 1
}
pass() {
    echo "ok: $*"
    passed=$((passed + 1))
}

# Runs a check every tenth of a second until it holds or the seconds run out.
wait_for() {
    local seconds=$1
    shift
    local deadline=$((SECONDS + seconds))
    until "$@"; do
        ((SECONDS >= deadline)) && return 1
        sleep 0.1
    done
}

# A new user: nothing configured (so no update question), nothing running. Pages the program opens are
# noted in $work/opened.
mkdir -p "$work/home" "$work/config" "$work/runtime" "$work/bin"
chmod 700 "$work/runtime"
printf '#!/bin/sh\necho "$*" >> "%s/opened"\n' "$work" >"$work/bin/xdg-open"
chmod +x "$work/bin/xdg-open"
export HOME=$work/home XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/runtime PATH=$work/bin:$PATH

# A display of our own (Xvfb picks a free number and writes it once it accepts connections), by
# default with openbox as the desktop: focus hand-over, frames, stacking and Alt+F4 need one.
# Usage: start_display [--no-window-manager] [SIZE], SIZE as 1280x1024 (the default).
start_display() {
    local manager=openbox
    [[ ${1:-} == --no-window-manager ]] && { manager=; shift; }
    need Xvfb xdotool xprop xwininfo ${manager:+"$manager"}
    local display_fd
    exec {display_fd}>"$work/display"
    Xvfb -displayfd "$display_fd" -screen 0 "${1:-1280x1024}x24" -nolisten tcp -noreset >"$work/xvfb.log" 2>&1 &
    helpers+=($!)
    exec {display_fd}>&-
    wait_for 15 test -s "$work/display" || { cat "$work/xvfb.log" >&2; fail "Xvfb did not start"; }
    DISPLAY=:$(head -n 1 "$work/display")
    export DISPLAY QT_QPA_PLATFORM=xcb
    [[ -n $manager ]] || return 0
    openbox --sm-disable >"$work/openbox.log" 2>&1 &
    helpers+=($!)
    wait_for 15 window_manager_runs || fail "openbox did not start"
}
window_manager_runs() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }

# Starts one more copy of the program in the background, optionally in another folder; its process
# number goes into $started. Environment settings go in front: `QT_SCALE_FACTOR=2 start_copy`; a
# command the program is to run under (a memory checker) goes into the array run_under.
# Usage: start_copy [--in FOLDER] [ARGUMENT...]
run_under=()
start_copy() {
    local folder=.
    [[ ${1:-} == --in ]] && { folder=$2; shift 2; }
    (cd "$folder" && exec "${run_under[@]}" "$program" "$@") >>"$work/program.log" 2>&1 &
    started=$!
    helpers+=("$started")
}
# The copy the checks below look at by default, as $app.
start_program() {
    start_copy "$@"
    app=$started
}

# Starts the program as $app and waits for its entry window, alone on screen, as $entry.
start_at_entry_window() {
    start_program "$@"
    wait_for 30 shows frmMain || fail "the entry window did not come up alone"
    # shellcheck disable=SC2034 # for the scripts that source this
    entry=$(window_of frmMain)
}

# Waits up to 15 seconds for process $1 to end by itself; returns its exit status, 124 if it runs on.
ends_by_itself() {
    wait_for 15 none_running "$1" || return 124
    local status=0
    wait "$1" || status=$?
    [[ $1 == "$app" ]] && app=
    return "$status"
}

role_of() {
    local property
    property=$(xprop -id "$1" WM_WINDOW_ROLE 2>/dev/null) || return 0
    sed -n 's/^WM_WINDOW_ROLE(STRING) = "\(.*\)"$/\1/p' <<<"$property"
}

# The roles of the visible windows of a process ($app by default), sorted; a window without one (a
# message box, a file dialog, a menu) counts as "other".
visible_windows() {
    local pid=${1:-$app} id role
    [[ -n $pid ]] || return 0
    for id in $(xdotool search --onlyvisible --pid "$pid" 2>/dev/null); do
        role=$(role_of "$id")
        echo "${role:-other}"
    done | LC_ALL=C sort | tr '\n' ' ' | sed 's/ $//'
}

# `shows ROLE...`: $app shows exactly these windows; `shown_by PID ROLE...` the same for another copy.
shown_by() { [[ $(visible_windows "$1") == "${*:2}" ]]; }
shows() { shown_by "$app" "$@"; }
shows_more_than() { [[ $(visible_windows) == *other* ]]; }
has_ended() { ! running "$app"; }

# The visible window with the given role ("other": one without a role) of a process, $app by default.
window_of() {
    local id role
    for id in $(xdotool search --onlyvisible --pid "${2:-$app}" 2>/dev/null); do
        role=$(role_of "$id")
        [[ ${role:-other} == "$1" ]] && { echo "$id"; return 0; }
    done
    return 1
}

# The window manager must hand the focus on after the program's own moves.
has_focus() { [[ $(xdotool getactivewindow 2>/dev/null) == "$1" ]]; }
expect_focus() { wait_for 5 has_focus "$1" || fail "$2 did not get the focus"; }

focus() { xdotool windowactivate --sync "$1" >/dev/null 2>&1 || xdotool windowfocus --sync "$1"; }

keys() { xdotool key --clearmodifiers --delay 40 "$@"; }

# Frame of a window as the desktop shows it, title bar included: X Y WIDTH HEIGHT.
frame_of() {
    local x y w h left right top bottom
    read -r x y w h <<<"$(xwininfo -id "$1" | sed -n 's/^ *\(Absolute upper-left [XY]\|Width\|Height\): *//p' | tr '\n' ' ')"
    IFS=, read -r left right top bottom <<<"$(xprop -id "$1" _NET_FRAME_EXTENTS | sed -n 's/.* = //p' | tr -d ' ')"
    echo "$((x - ${left:-0})) $((y - ${top:-0})) $((w + ${left:-0} + ${right:-0})) $((h + ${top:-0} + ${bottom:-0}))"
}

# Waits for $app to end; fails unless its exit status is 0.
expect_clean_end() {
    local status=0
    ends_by_itself "$app" || status=$?
    ((status != 124)) || fail "$1 did not end the program"
    ((status == 0)) || fail "the program ended with status $status"
}
