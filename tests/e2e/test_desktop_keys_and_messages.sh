#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The program on a real desktop (Xvfb with openbox), as a person uses it with keys and mouse:
#  - Return presses the focused button and does nothing in the name box; keypad Enter closes the about
#    box as before;
#  - a double-click on a link opens its page once;
#  - every message box, the second copy's "already running" box included, stacks above the topmost
#    companion screen, lies on screen, and survives an attempt to close the companion screen under it;
#    a double-clicked button raises one box;
#  - Return on the companion screen's Exit button ends the program with status 0.
set -u
# shellcheck source=tests/tools/session.bash
source "$(dirname "$0")/../tools/session.bash"

start_display
start_at_entry_window
expect_focus "$entry" "the entry window"

xdotool type --delay 40 "Sukarni"
keys Return
sleep 0.5
shows frmMain || fail "Return in the name box was not ignored"
# Month, day, year, "Born after sunset", then Calculate.
keys Tab Tab Tab Tab Tab Return
wait_for 15 shows frmJavaneseAstrology || fail "Return on the focused Calculate button did not calculate"

# Links are double-clicked out of habit: the about box's offer link, then the companion screen's box.
# Each x y is a point on the link's text, in the window's own pixels (twips / 15).
opened_count() { [[ -e $work/opened ]] && wc -l <"$work/opened" || echo 0; }
opened_more_than() { (($(opened_count) > $1)); }
# The stand-in browser takes its notes in a process of its own: wait for the first page, then give a
# second one time to show up.
double_click() {
    local before
    before=$(opened_count)
    xdotool mousemove --window "$1" "$2" "$3" click --repeat 2 --delay 60 1
    wait_for 10 opened_more_than "$before" || fail "a double-click at $2,$3 opened no page"
    sleep 1
}

expect_focus "$(window_of frmJavaneseAstrology)" "the result window"
keys alt+h a
wait_for 10 shows frmAbout frmJavaneseAstrology || fail "Help > About did not open the about box"
about=$(window_of frmAbout)
double_click "$about" 430 195
[[ $(opened_count) == 1 ]] || fail "a double-click on the about box's link opened $(opened_count) pages"
grep -q 'page=fully-branded$' "$work/opened" || fail "the about box's link opened $(cat "$work/opened")"
expect_focus "$about" "the about box"
keys KP_Enter
wait_for 10 shows frmJavaneseAstrology || fail "keypad Enter did not close the about box"

keys alt+f x
wait_for 15 shows frmNagScreen2 || fail "File > Exit did not leave the companion screen alone"
companion=$(window_of frmNagScreen2)

# The box of $1 (a process) is the top window of the desktop, above the companion screen, and all of it
# is on the 1280x1024 screen.
box_on_top() {
    local box stacking x y w h
    box=$(window_of other "$1") || return 1
    stacking=$(xprop -root _NET_CLIENT_LIST_STACKING | sed 's/.*# //; s/, / /g')
    # shellcheck disable=SC2086 # one id a word
    [[ $(printf '%d\n' $stacking | tail -n 1) == "$box" ]] || return 1
    read -r x y w h <<<"$(frame_of "$box")"
    ((x >= 0 && y >= 0 && x + w <= 1280 && y + h <= 1024))
}
message_count() { visible_windows | tr ' ' '\n' | grep -c '^other$'; }

# A second copy, while the first shows only its topmost companion screen.
start_copy
second=$started
wait_for 15 box_on_top "$second" || fail "the second copy's box is not on top and on screen"
focus "$(window_of other "$second")"
keys Return
ends_by_itself "$second" || fail "the second copy did not end with status 0 after OK (status $?)"

# Return on the focused "Refer A Friend Now" (both address boxes still hold their placeholders).
focus "$companion"
keys Tab Tab Tab Return
wait_for 10 box_on_top "$app" || fail "the referral message is not above the companion screen"
# A click on the companion screen's close box (right end of its title bar) under its message changes
# nothing.
read -r x y w _ <<<"$(frame_of "$companion")"
xdotool mousemove $((x + w - 12)) $((y + 10)) click 1
sleep 1
has_ended && fail "closing the companion screen under its message ended the program"
[[ $(message_count) == 1 ]] || fail "$(message_count) message boxes after closing under the message"
box_on_top "$app" || fail "the message went under the companion screen when that was activated"
focus "$(window_of other)"
keys Return
wait_for 10 shows frmNagScreen2 || fail "Return did not dismiss the referral message"

# A space typed in the e-mail box.
focus "$companion"
keys Tab space
wait_for 10 box_on_top "$app" || fail "the space message is not above the companion screen"
keys Return
wait_for 10 shows frmNagScreen2 || fail "Return did not dismiss the space message"

# "Refer A Friend Now" double-clicked: one message for the one refusal.
xdotool mousemove --window "$companion" 248 297 click --repeat 2 --delay 60 1
wait_for 10 box_on_top "$app" || fail "no referral message after a double-click on Refer A Friend Now"
sleep 1
[[ $(message_count) == 1 ]] || fail "$(message_count) message boxes after a double-click on Refer A Friend Now"
keys Return
wait_for 10 shows frmNagScreen2 || fail "Return did not dismiss the referral message"

double_click "$companion" 12 154
[[ $(opened_count) == 2 ]] || fail "a double-click on the companion screen's link box opened $(($(opened_count) - 1)) pages"
grep -q 'page=home-page$' "$work/opened" || fail "the companion screen's link box opened $(cat "$work/opened")"

# From the link box back to Exit, and Return.
focus "$companion"
keys shift+Tab Return
expect_clean_end "Return on the companion screen's Exit button"
echo "PASS: Return on buttons, one page per double-click, messages above the companion screen"
