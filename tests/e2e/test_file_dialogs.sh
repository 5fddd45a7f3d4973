#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Open and Save through the desktop's file dialogs on a real X display, paths typed as a person types
# them. Qt's own dialog (no platform theme): a reading opened by its path; saved as "a.txt" beside an
# a.txt, it becomes a.txt.jav without a question and a.txt stays; over an a.txt.jav, one question,
# about that file, whose default No keeps it and whose Yes replaces it; "noext." becomes noext.jav. Then
# with the GTK platform theme: GTK's own dialog comes up (its role is GTK's, not one of ours) and a
# path typed into it opens the reading.
set -u
# shellcheck source=tests/tools/session.bash
source "$(dirname "$0")/../tools/session.bash"

reading=${WETONARA_SOURCE_DIR:?}/tests/data/abc-7-June-1980.jav
saves=$work/saves
mkdir -p "$saves"
unset QT_QPA_PLATFORMTHEME
start_display
start_at_entry_window
expect_focus "$entry" "the entry window"

# Types a path into the file dialog in front and presses Return. The name box may first offer a
# completion; a second Return then takes it.
type_path() {
    wait_for 10 shows_more_than || fail "no file dialog came up"
    local dialog
    dialog=$(window_of other)
    expect_focus "$dialog" "the file dialog"
    xdotool type --delay 20 "$1"
    keys Return
    wait_for 3 gone "$dialog" || keys Return
}
gone() { ! xdotool search --onlyvisible --pid "$app" 2>/dev/null | grep -qx "$1"; }

keys alt+o
type_path "$reading"
wait_for 15 shows frmJavaneseAstrology || fail "the typed path did not open the reading"
keys alt+s
wait_for 10 shows frmJavaneseAstrology frmSave || fail "Alt+S did not open the report window"

# Saves from the report window under the typed name; waits until the report window is alone again.
save_as() {
    expect_focus "$(window_of frmSave)" "the report window"
    keys alt+s
    type_path "$saves/$1"
}
report_alone() { shows frmJavaneseAstrology frmSave; }
same_as_reading() { cmp -s "$reading" "$1"; }

echo old >"$saves/a.txt"
save_as a.txt
wait_for 10 report_alone || fail "a question or message came up for a.txt"
same_as_reading "$saves/a.txt.jav" || fail "a.txt did not become a.txt.jav holding the reading"
[[ $(cat "$saves/a.txt") == old ]] || fail "a.txt was changed"
pass "a.txt beside an a.txt: a.txt.jav written, no question"

echo old >"$saves/a.txt.jav"
save_as a.txt
wait_for 10 shows_more_than || fail "no question over an existing a.txt.jav"
keys Return
wait_for 10 report_alone || fail "after No, another question or message came up"
[[ $(cat "$saves/a.txt.jav") == old ]] || fail "No replaced a.txt.jav"
save_as a.txt
wait_for 10 shows_more_than || fail "no question the second time"
keys alt+y
wait_for 10 report_alone || fail "after Yes, another question or message came up"
same_as_reading "$saves/a.txt.jav" || fail "Yes did not replace a.txt.jav"
pass "a.txt beside an a.txt.jav: one question, No by default, Yes replaces a.txt.jav"

save_as noext.
wait_for 10 report_alone || fail "a question or message came up for noext."
same_as_reading "$saves/noext.jav" || fail "noext. was not saved as noext.jav"
[[ $(find "$saves" -type f | wc -l) == 3 ]] || fail "saved files: $(ls "$saves")"
pass "noext. saved as noext.jav"

kill "$app"
ends_by_itself "$app" || fail "the program did not end on SIGTERM (status $?)"

# GTK's dialog, in the program's own process, is transient for the window it was opened from.
theme=$(find /usr/lib -path '*/qt6/plugins/platformthemes/libqgtk3.so' -print -quit)
[[ -n $theme ]] || { echo "SKIP: qt6-gtk-platformtheme is not installed (scripts/setup --for-tests installs it)"; exit 77; }
export QT_QPA_PLATFORMTHEME=gtk3 GSETTINGS_BACKEND=memory
start_at_entry_window
expect_focus "$entry" "the entry window"
keys alt+o
wait_for 15 shows GtkFileChooserDialog frmMain || fail "GTK's file dialog did not come up"
gtk=$(window_of GtkFileChooserDialog)
xprop -id "$gtk" WM_TRANSIENT_FOR | grep -q "$(printf '0x%x' "$entry")" || fail "GTK's dialog is not tied to the entry window"
expect_focus "$gtk" "GTK's file dialog"
keys slash  # GTK's location box, holding the slash
xdotool type --delay 20 "${reading#/}"
keys Return
wait_for 15 shows frmJavaneseAstrology || fail "the path typed into GTK's dialog did not open the reading"
pass "GTK's dialog came up and a typed path opened the reading"
echo "PASS: $passed checks of Qt's and GTK's file dialogs"
exit 0
