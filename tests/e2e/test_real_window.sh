#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The built program on a real X display with a window manager, driven from the keyboard the way a
# person would: refused input, a name and a date picked in the lists, Alt+I, the result window alone on
# screen, the about box and the report window as dialogs of the result window, File > Exit, the companion
# screen, its Exit, and the process ends with status 0.
# Windows are told apart by their role, which is their object name.
set -u
# shellcheck source=tests/tools/session.bash
source "$(dirname "$0")/../tools/session.bash"

start_display
start_at_entry_window
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
wait_for 10 shows frmMain || fail "the message did not go away"

# Alt+O presses "Open Previously Saved Reading" (no menu entry may share its access key): the file
# dialog comes up, and Esc cancels it.
expect_focus "$entry" "the entry window, after the message,"
keys alt+o
wait_for 10 shows_more_than || fail "Alt+O did not open the file dialog"
keys Escape
wait_for 10 shows frmMain || fail "Esc did not cancel the file dialog"

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
wait_for 10 shows frmMain || fail "the message did not go away"
# The focus is back on the day list: on to 17 August 1945.
expect_focus "$entry" "the entry window, after the second message,"
# shellcheck disable=SC2046
keys $(up 14) shift+Tab $(down 6) Tab Tab $(down 44)
keys alt+i
wait_for 15 shows frmJavaneseAstrology || fail "after Alt+I the result window is not alone on screen"
result=$(window_of frmJavaneseAstrology)
[[ $(xdotool getwindowname "$result") == "Wetonara v1.65" ]] || fail "result window title: $(xdotool getwindowname "$result")"
xdotool search --onlyvisible --pid "$app" 2>/dev/null | grep -qx "$entry" && fail "the entry window is still on screen"

# Help > About Software: the about box, modal over the result window, a transient dialog (so no
# task-bar entry of its own) centred on the screen; Esc closes it.
expect_focus "$result" "the result window"
keys alt+h
wait_for 10 shows_more_than || fail "Alt+H opened no menu"
keys a
wait_for 10 shows frmAbout frmJavaneseAstrology || fail "the about box did not come up over the result window"
about=$(window_of frmAbout)
# Its title bar is added after the window is placed, so the height may be off by about that much.
read -r x y w h <<<"$(frame_of "$about")"
((x + w / 2 >= 632 && x + w / 2 <= 648 && y + h / 2 >= 467 && y + h / 2 <= 557)) \
    || fail "the about box is not centred on the 1280x1024 screen: $x,$y ${w}x$h"
# A dialog of the window it was opened from, for the window manager: kept above that window, no
# task-bar entry of its own.
is_dialog_of() {
    xprop -id "$1" _NET_WM_WINDOW_TYPE | grep -q _NET_WM_WINDOW_TYPE_DIALOG || fail "$3 is no dialog"
    xprop -id "$1" WM_TRANSIENT_FOR | grep -q "window id # $(printf '0x%x' "$2")$" \
        || fail "$3 is not transient for the window it was opened from: $(xprop -id "$1" WM_TRANSIENT_FOR)"
}
is_dialog_of "$about" "$result" "the about box"
expect_focus "$about" "the about box"
keys Escape
wait_for 10 shows frmJavaneseAstrology || fail "Esc did not close the about box"

# Alt+S: the report window, a dialog over the result window; Esc closes it, and so does the window
# manager's close (Alt+F4).
for close_key in Escape alt+F4; do
    expect_focus "$result" "the result window, before the report window,"
    keys alt+s
    wait_for 10 shows frmJavaneseAstrology frmSave || fail "Alt+S did not open the report window"
    is_dialog_of "$(window_of frmSave)" "$result" "the report window"
    expect_focus "$(window_of frmSave)" "the report window"
    keys "$close_key"
    wait_for 10 shows frmJavaneseAstrology || fail "$close_key did not close the report window"
done

# File > Exit from the keyboard.
expect_focus "$result" "the result window, after the report window,"
keys alt+f
wait_for 10 shows_more_than || fail "Alt+F opened no menu"
keys x
wait_for 15 shows frmNagScreen2 || fail "File > Exit did not leave the companion screen alone"
has_ended && fail "the program ended before its companion screen was closed"

# The companion screen's Exit button; a window close from the window manager does the same.
focus "$(window_of frmNagScreen2)"
keys alt+x
closed_by="its Exit button (Alt+X)"
if ! wait_for 10 has_ended; then
    focus "$(window_of frmNagScreen2)"
    keys alt+F4
    closed_by="the window manager's close (Alt+F4)"
fi
expect_clean_end "closing the companion screen"
[[ -e $work/opened ]] && fail "a page was opened: $(cat "$work/opened")"
echo "PASS: entry, refused input, result, about box, report window, File > Exit, companion screen closed by $closed_by, status 0"
exit 0
