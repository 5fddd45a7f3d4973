#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# At display scale 2 on a 1280x1024 screen (Xvfb with openbox): the entry window, which fits, is centred;
# the calendar and the match window open whole on the screen and can be made smaller, and Esc closes
# each; the companion screen, wider than the screen, has its title bar's left end on screen, where the
# user can reach it; Return on the freshly shown screen's Exit button ends the program.
set -u
# shellcheck source=tests/tools/session.bash
source "$(dirname "$0")/../tools/session.bash"

start_display
QT_SCALE_FACTOR=2 start_at_entry_window
read -r x y w h <<<"$(frame_of "$entry")"
((w <= 1280 && h <= 1024)) || fail "the entry window (${w}x$h) no longer fits; this test needs one that does"
# Qt places the window before the title bar is known: its height may shift the centre by that much.
((x + w / 2 >= 636 && x + w / 2 <= 644 && y + h / 2 >= 467 && y + h / 2 <= 557)) \
    || fail "the entry window is not centred: $x,$y ${w}x$h"

# Each look-up window opens from the Calendar menu inside the screen, resizable down to a minimum that
# fits it too, and Esc closes it.
for look_up in c:CalendarWindow m:MatchWindow; do
    expect_focus "$entry" "the entry window"
    keys alt+c
    wait_for 10 shows_more_than || fail "Alt+C opened no menu"
    keys "${look_up%%:*}"
    wait_for 10 shows "${look_up#*:}" frmMain || fail "${look_up#*:} did not open"
    window=$(window_of "${look_up#*:}")
    expect_focus "$window" "${look_up#*:}"
    sleep 0.5  # the window manager frames it
    read -r x y w h <<<"$(frame_of "$window")"
    echo "${look_up#*:} at scale 2: ${w}x$h at $x,$y"
    ((x >= 0 && y >= 0 && x + w <= 1280 && y + h <= 1024)) || fail "${look_up#*:} (${w}x$h at $x,$y) leaves the screen"
    hints=$(xprop -id "$window" WM_NORMAL_HINTS)
    read -r min_w min_h <<<"$(sed -n 's/.*minimum size: \([0-9]*\) by \([0-9]*\).*/\1 \2/p' <<<"$hints")"
    ((min_w < w || min_h < h)) || fail "${look_up#*:} cannot be made smaller: $hints"
    keys Escape
    wait_for 10 shows frmMain || fail "Esc did not close ${look_up#*:}"
done

expect_focus "$entry" "the entry window"
keys alt+f x
wait_for 15 shows frmNagScreen2 || fail "File > Exit did not leave the companion screen alone"
companion=$(window_of frmNagScreen2)
read -r x y w h <<<"$(frame_of "$companion")"
((w > 1280)) || fail "the companion screen (${w}x$h) fits the screen; this test needs one that does not"
((x == 0 && y >= 0 && y + h <= 1024)) || fail "the companion screen is placed at $x,$y ${w}x$h"

focus "$companion"
keys Return
expect_clean_end "Return on the companion screen's Exit button"
echo "PASS: at scale 2 the entry window is centred, the calendar and match window fit the screen and shrink, and the wider companion screen starts on screen"
