#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The calendar and the match window stay the active window while the user makes the main moves with the
# mouse in the windows behind them, on a real X display with a window manager: Back, Calculate, a file
# handed over by a later copy, Back again, Open through the file dialog, and Exit (from the result window
# with the calendar, from the entry window with the match window). After every move the program still
# runs and shows what it should; the run ends with status 0. A window that goes while a look-up window
# is active used to take the program down with it (a focus mark used after it was freed).
set -u
# shellcheck source=tests/tools/session.bash
source "$(dirname "$0")/../tools/session.bash"

reading=${WETONARA_SOURCE_DIR:?}/tests/data/abc-7-June-1980.jav
start_display

# Points inside the windows' buttons and menu, from their designed places (the windows are fixed in size
# at scale 1): the result window's Back, the entry window's Calculate and Open, the File menu.
back_button=(565 358)
calculate_button=(373 256)
open_button=(105 198)
file_menu=(15 9)

click_in() { xdotool mousemove --window "$1" "$2" "$3" click 1; }

# Gives the look-up window the focus, brings the other window above it without the focus (the two may
# overlap), then clicks a point of that window.
click_behind() {
    focus "$lookup"
    [[ $4 == Back* ]] || xdotool windowraise "$1"
    expect_focus "$lookup" "the $name, before $4,"
    click_in "$1" "$2" "$3"
}

# The program is still running and shows exactly the given windows.
expect_windows() {
    local status=0
    wait_for 15 shows "${@:2}"
    sleep 0.5  # a window closed by the move is freed in the next turns of the event loop
    running "$app" || { wait "$app" || status=$?; app=; fail "the program ended after $1 with status $status"; }
    shows "${@:2}" || fail "after $1 the windows are: $(visible_windows)"
    pass "$name active: $1"
}

# Opens the look-up window (key c or m of the Calendar menu) from the main window that has the focus.
open_lookup() {
    keys alt+c
    wait_for 10 shows_more_than || fail "Alt+C opened no menu"
    keys "$1"
    wait_for 10 window_of "$role" >/dev/null || fail "the $name did not open"
    lookup=$(window_of "$role")
    expect_focus "$lookup" "the $name"
}

for name in calendar "match window"; do
    if [[ $name == calendar ]]; then role=CalendarWindow key=c; else role=MatchWindow key=m; fi
    start_program "$reading"
    wait_for 30 shows frmJavaneseAstrology || fail "the saved reading did not open"
    expect_focus "$(window_of frmJavaneseAstrology)" "the result window"
    open_lookup "$key"

    click_behind "$(window_of frmJavaneseAstrology)" "${back_button[@]}" "Back"
    expect_windows "Back" "$role" frmMain

    entry=$(window_of frmMain)
    focus "$entry"
    expect_focus "$entry" "the entry window"
    xdotool type --delay 40 "Sukarni"
    click_behind "$entry" "${calculate_button[@]}" "Calculate"
    expect_windows "Calculate" "$role" frmJavaneseAstrology

    focus "$lookup"
    expect_focus "$lookup" "the $name, before a later copy"
    start_copy "$reading"
    ends_by_itself "$started" || fail "the later copy ended with status $?"
    expect_windows "a file handed over by a later copy" "$role" frmJavaneseAstrology

    click_behind "$(window_of frmJavaneseAstrology)" "${back_button[@]}" "Back"
    expect_windows "Back after the hand-over" "$role" frmMain

    click_behind "$(window_of frmMain)" "${open_button[@]}" "Open"
    wait_for 10 window_of other >/dev/null || fail "Open brought up no file dialog"
    expect_focus "$(window_of other)" "the file dialog"
    xdotool type --delay 20 "$reading"
    keys Return
    expect_windows "Open" "$role" frmJavaneseAstrology

    if [[ $name == "match window" ]]; then
        click_behind "$(window_of frmJavaneseAstrology)" "${back_button[@]}" "Back"
        expect_windows "Back after Open" "$role" frmMain
    fi
    main=$(window_of frmJavaneseAstrology || window_of frmMain)
    click_behind "$main" "${file_menu[@]}" "File > Exit"
    wait_for 10 shows_more_than || fail "the File menu did not open"
    keys x
    expect_windows "File > Exit" frmNagScreen2
    focus "$(window_of frmNagScreen2)"
    keys alt+x
    expect_clean_end "the companion screen's Exit"
done
echo "PASS: $passed moves with a look-up window active, no crash, each run ended with status 0"
exit 0
