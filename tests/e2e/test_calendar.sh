#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The calendar and match windows on a real X display with a window manager, from the keyboard: a saved
# reading opened on the command line, Alt+C C opens the calendar at the reading's month, the keys move
# through it as in any calendar (the title names the month on show), Alt+C M opens the match window
# beside it, Esc closes that, and File > Exit on the result window leaves the companion screen alone.
set -u
# shellcheck source=tests/tools/session.bash
source "$(dirname "$0")/../tools/session.bash"

start_display
start_program "${WETONARA_SOURCE_DIR:?}/tests/data/abc-7-June-1980.jav"
wait_for 30 shows frmJavaneseAstrology || fail "the saved reading did not open in the result window"
result=$(window_of frmJavaneseAstrology)
expect_focus "$result" "the result window"

keys alt+c
wait_for 10 shows_more_than || fail "Alt+C opened no menu"
keys c
wait_for 10 shows CalendarWindow frmJavaneseAstrology || fail "Javanese Calendar did not open beside the result window"
calendar=$(window_of CalendarWindow)
expect_focus "$calendar" "the calendar"
title_is() { [[ $(xdotool getwindowname "$calendar") == "$1 – Javanese Calendar – Wetonara" ]]; }
wait_for 5 title_is "June 1980" || fail "the calendar did not open at the reading's month: $(xdotool getwindowname "$calendar")"

# From 7 June 1980: Page Down to 7 July, End to the 31st, Right into August, Shift+Page Up a year back,
# Home to 1 August 1979, Left into July 1979.
for step in "Next:July 1980" "End:July 1980" "Right:August 1980" "shift+Prior:August 1979" "Home:August 1979" \
    "Left:July 1979"; do
    keys "${step%%:*}"
    wait_for 5 title_is "${step#*:}" || fail "after ${step%%:*} the calendar shows $(xdotool getwindowname "$calendar")"
done

# The match window comes from the result window's menu and stands beside the calendar; Esc closes it.
focus "$result"
expect_focus "$result" "the result window, after the calendar,"
keys alt+c
wait_for 10 shows_more_than || fail "Alt+C opened no menu the second time"
keys m
wait_for 10 shows CalendarWindow MatchWindow frmJavaneseAstrology || fail "Match Two Wetons did not open"
match=$(window_of MatchWindow)
[[ $(xdotool getwindowname "$match") == "Match Two Wetons – Wetonara" ]] || fail "match title: $(xdotool getwindowname "$match")"
expect_focus "$match" "the match window"
keys Escape
wait_for 10 shows CalendarWindow frmJavaneseAstrology || fail "Esc did not close the match window"

# Leaving from the result window closes the calendar too: the companion screen is the last window.
focus "$result"
expect_focus "$result" "the result window, after the match window,"
keys alt+f
wait_for 10 shows_more_than || fail "Alt+F opened no menu"
keys x
wait_for 15 shows frmNagScreen2 || fail "File > Exit did not leave the companion screen alone"
focus "$(window_of frmNagScreen2)"
keys alt+x
expect_clean_end "the companion screen's Exit"
echo "PASS: calendar at the reading's month, moved by keys, match window beside it, Exit leaves the companion screen last"
exit 0
