#!/usr/bin/env bash
# The built program on a real X display, driven from the keyboard the way a person would: refused
# input, a name and a date picked in the lists, Alt+I, the result window alone on screen, the about box,
# File > Exit, the companion screen, its Exit, and the process ends with status 0. Every wait is
# bounded; everything started is stopped. Openbox, when installed, stands in for a desktop.
set -u

build=${WETONARA_BUILD_DIR:?WETONARA_BUILD_DIR names the build folder}
program=$build/src/wetonara
for tool in Xvfb xdotool; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
[[ -x $program ]] || { echo "FAIL: $program has not been built"; exit 1; }

work=$(mktemp -d)
app=
helpers=()

stop() {
    [[ -n $app ]] && kill "$app" 2>/dev/null
    for ((i = ${#helpers[@]} - 1; i >= 0; i--)); do kill "${helpers[i]}" 2>/dev/null; done
    wait 2>/dev/null
    rm -rf "$work"
}
trap stop EXIT
trap 'exit 1' INT TERM

fail() {
    echo "FAIL: $*"
    echo "windows on screen: $(visible_windows)"
    [[ -s $work/program.log ]] && { echo "--- program output"; cat "$work/program.log"; }
    exit 1
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

# The program's windows are told apart by their designed client widths (twips / 15).
declare -A kind=([547]=entry [603]=result [741]=companion [472]=about)

visible_windows() {
    [[ -n $app ]] || return 0
    local id width
    for id in $(xdotool search --onlyvisible --pid "$app" 2>/dev/null); do
        width=$(xdotool getwindowgeometry --shell "$id" 2>/dev/null | sed -n 's/^WIDTH=//p')
        [[ -n $width ]] && echo "${kind[$width]:-other}"
    done | sort | tr '\n' ' ' | sed 's/ $//'
}

shows() { [[ $(visible_windows) == "$*" ]]; }
shows_more_than() { [[ $(visible_windows) == *other* ]]; }
has_ended() { ! kill -0 "$app" 2>/dev/null; }

window_of() {
    local id width
    for id in $(xdotool search --onlyvisible --pid "$app" 2>/dev/null); do
        width=$(xdotool getwindowgeometry --shell "$id" 2>/dev/null | sed -n 's/^WIDTH=//p')
        [[ ${kind[$width]:-} == "$1" ]] && { echo "$id"; return 0; }
    done
    return 1
}

window_manager=no
# With a window manager the program's own moves must hand the focus on; without one, nothing gives focus,
# so the test does.
expect_focus() {
    if [[ $window_manager == yes ]]; then
        wait_for 5 bash -c "[[ \$(xdotool getactivewindow 2>/dev/null) == $1 ]]" || fail "$2 did not get the focus"
    else
        focus "$1"
    fi
}

focus() {
    if [[ $window_manager == yes ]]; then
        xdotool windowactivate --sync "$1" >/dev/null 2>&1 || xdotool windowfocus --sync "$1"
    else
        xdotool windowfocus --sync "$1"
    fi
}

keys() { xdotool key --clearmodifiers --delay 40 "$@"; }

# A display of our own: Xvfb picks a free number and writes it once it accepts connections.
exec {display_fd}>"$work/display"
Xvfb -displayfd "$display_fd" -screen 0 1280x1024x24 -nolisten tcp -noreset >"$work/xvfb.log" 2>&1 &
helpers+=($!)
exec {display_fd}>&-
wait_for 15 test -s "$work/display" || { cat "$work/xvfb.log"; fail "Xvfb did not start"; }
DISPLAY=:$(head -n 1 "$work/display")
export DISPLAY

if command -v openbox >/dev/null; then
    HOME=$work openbox --sm-disable >"$work/openbox.log" 2>&1 &
    helpers+=($!)
    if command -v xprop >/dev/null; then
        wait_for 15 bash -c "xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'" \
            || fail "openbox did not start"
    else
        sleep 1
    fi
    window_manager=yes
fi

# A first start for a new user (so no update question), and a browser that only takes notes.
mkdir -p "$work/home" "$work/config" "$work/runtime" "$work/bin"
chmod 700 "$work/runtime"
printf '#!/bin/sh\necho "$*" >> "%s/opened"\n' "$work" >"$work/bin/xdg-open"
chmod +x "$work/bin/xdg-open"
env HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime" PATH="$work/bin:$PATH" \
    QT_QPA_PLATFORM=xcb "$program" >"$work/program.log" 2>&1 &
app=$!

wait_for 30 shows entry || fail "the entry window did not come up alone"
entry=$(window_of entry)
[[ $(xdotool getwindowname "$entry") == "Wetonara v1.65" ]] || fail "entry window title: $(xdotool getwindowname "$entry")"
expect_focus "$entry" "the entry window"
# A desktop ties a running window to its desktop entry by the window's class: the two must agree.
if command -v xprop >/dev/null; then
    wm_class=$(xprop -id "$entry" WM_CLASS | sed -n 's/.*", "\(.*\)"$/\1/p')
    entry_class=$(sed -n 's/^StartupWMClass=//p' "${WETONARA_SOURCE_DIR:?}/packaging/wetonara.desktop")
    [[ $wm_class == "$entry_class" ]] || fail "window class '$wm_class', desktop entry says '$entry_class'"
fi

# No name yet: Alt+I is refused with a message, which Enter dismisses.
keys alt+i
wait_for 10 shows_more_than || fail "no message for a missing name"
keys Return
wait_for 10 shows entry || fail "the message did not go away"

# Alt+O presses "Open Previously Saved Reading" (no menu entry may share its access key): the file
# dialog comes up, and Esc cancels it.
expect_focus "$entry" "the entry window, after the message,"
keys alt+o
wait_for 10 shows_more_than || fail "Alt+O did not open the file dialog"
keys Escape
wait_for 10 shows entry || fail "Esc did not cancel the file dialog"

# Key names for n presses, split into words on purpose where they are used.
down() { printf 'Down %.0s' $(seq "$1"); }
up() { printf 'Up %.0s' $(seq "$1"); }

# A name, then Tab to the lists: 31 February is refused too, which shows the keys reach the lists.
expect_focus "$entry" "the entry window, after the message,"
xdotool type --delay 40 "Sukarni"
# shellcheck disable=SC2046
keys Tab $(down 1) Tab $(down 30)
keys alt+i
wait_for 10 shows_more_than || fail "no message for 31 February"
keys Return
wait_for 10 shows entry || fail "the message did not go away"
# The focus is back on the day list: on to 17 August 1945.
expect_focus "$entry" "the entry window, after the second message,"
# shellcheck disable=SC2046
keys $(up 14) shift+Tab $(down 6) Tab Tab $(down 44)
keys alt+i
wait_for 15 shows result || fail "after Alt+I the result window is not alone on screen"
result=$(window_of result)
[[ $(xdotool getwindowname "$result") == "Wetonara v1.65" ]] || fail "result window title: $(xdotool getwindowname "$result")"
xdotool search --onlyvisible --pid "$app" 2>/dev/null | grep -qx "$entry" && fail "the entry window is still on screen"

# Help > About Software: the about box, modal over the result window, a transient dialog (so no
# task-bar entry of its own) centred on the screen; Esc closes it.
expect_focus "$result" "the result window"
keys alt+h
wait_for 10 shows_more_than || fail "Alt+H opened no menu"
keys a
wait_for 10 shows about result || fail "the about box did not come up over the result window"
about=$(window_of about)
# Its title bar is added after the window is placed, so the height may be off by about that much.
eval "$(xdotool getwindowgeometry --shell "$about")"
((X + WIDTH / 2 >= 632 && X + WIDTH / 2 <= 648 && Y + HEIGHT / 2 >= 467 && Y + HEIGHT / 2 <= 557)) \
    || fail "the about box is not centred on the 1280x1024 screen: $X,$Y ${WIDTH}x$HEIGHT"
if command -v xprop >/dev/null; then
    xprop -id "$about" _NET_WM_WINDOW_TYPE | grep -q _NET_WM_WINDOW_TYPE_DIALOG || fail "the about box is no dialog"
    xprop -id "$about" WM_TRANSIENT_FOR | grep -q 'window id' || fail "the about box is not transient"
fi
expect_focus "$about" "the about box"
keys Escape
wait_for 10 shows result || fail "Esc did not close the about box"

# File > Exit from the keyboard.
expect_focus "$result" "the result window, after the about box,"
keys alt+f
wait_for 10 shows_more_than || fail "Alt+F opened no menu"
keys x
wait_for 15 shows companion || fail "File > Exit did not leave the companion screen alone"
has_ended && fail "the program ended before its companion screen was closed"

# The companion screen's Exit button; a window close from the window manager does the same.
focus "$(window_of companion)"
keys alt+x
closed_by="its Exit button (Alt+X)"
if ! wait_for 10 has_ended && [[ $window_manager == yes ]]; then
    focus "$(window_of companion)"
    keys alt+F4
    closed_by="the window manager's close (Alt+F4)"
fi
wait_for 15 has_ended || fail "closing the companion screen did not end the program"
wait "$app"
status=$?
app=
[[ $status == 0 ]] || fail "the program ended with status $status"
[[ -e $work/opened ]] && fail "a page was opened: $(cat "$work/opened")"
echo "PASS: entry, refused input, result, about box, File > Exit, companion screen closed by $closed_by, status 0"
exit 0
