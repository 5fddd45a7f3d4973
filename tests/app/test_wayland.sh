#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The program on Wayland: a headless Weston of our own (its own runtime folder and socket), the program
# with QT_QPA_PLATFORM=wayland. The client's protocol log (WAYLAND_DEBUG=1) shows what the compositor was
# asked: a toplevel with the app id org.wetonara.Wetonara and the entry window's caption, configured and
# given a buffer, so the window is on the (headless) screen.
# "Ends cleanly" here means: asked to end by SIGTERM, as a session does at logout, the program leaves
# through its own ending (it closes its windows, which the log shows as their toplevels being destroyed,
# and its event loop returns), exits with status 0, and leaves neither its lock nor its hand-over socket
# behind, with no crash and no broken Wayland connection.
set -u

# shellcheck source=tests/tools/session.bash
source "$(dirname "$0")/../tools/session.bash"
need weston

socket="wetonara-test-$$"
# The kiosk shell needs no helper client of its own, which the desktop shell does (and which can fail to
# start on a bare machine); no input method either.
printf '[core]\nshell=kiosk-shell.so\n[input-method]\npath=/bin/true\n' >"$work/weston.ini"
weston --config="$work/weston.ini" --backend=headless-backend.so --socket="$socket" --idle-time=0 \
    >"$work/weston.log" 2>&1 &
weston_pid=$!
helpers+=("$weston_pid")
for _ in $(seq 100); do
    [[ -S "$XDG_RUNTIME_DIR/$socket" ]] && break
    kill -0 "$weston_pid" 2>/dev/null || break
    sleep 0.1
done
if [[ ! -S "$XDG_RUNTIME_DIR/$socket" ]]; then
    echo "SKIP: weston could not start a headless compositor here: $(tail -n1 "$work/weston.log")"
    exit 77
fi

# Built with the address sanitizer, the program is checked for leaks when it ends. It then runs without
# Qt's Wayland EGL client integration, which it never draws with (its windows use shared memory): that
# integration loads the machine's Mesa driver and unloads it again before the leak check, so whatever
# the driver's globals held would read as a leak from an unknown module, one that depends on the
# machine's graphics drivers and that no suppression can name (tests/lsan.supp). Any name Qt does not
# know leaves the integration out; Qt says so in one line of the log.
if ldd "$program" | grep -q libasan; then
    export QT_WAYLAND_CLIENT_BUFFER_INTEGRATION=none
fi

# The protocol log goes to the program's output, $work/program.log.
WAYLAND_DISPLAY="$socket" QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=1 start_copy
client=$started

toplevel=""
for _ in $(seq 150); do
    toplevel=$(grep -o 'xdg_toplevel@[0-9]*\.set_app_id("org\.wetonara\.Wetonara")' "$work/program.log" | head -n1)
    toplevel=${toplevel%%.*}
    [[ -n "$toplevel" ]] && grep -q "$toplevel\.set_title(\"Wetonara v1\.65\")" "$work/program.log" \
        && grep -q 'wl_surface@[0-9]*\.attach(wl_buffer@' "$work/program.log" && break
    kill -0 "$client" 2>/dev/null || fail "the program ended early: $(tail -n3 "$work/program.log")"
    sleep 0.2
done
[[ -n "$toplevel" ]] || fail "no toplevel with app id org.wetonara.Wetonara: $(grep -m3 set_app_id "$work/program.log")"
grep -q "$toplevel\.set_title(\"Wetonara v1\.65\")" "$work/program.log" || fail "the toplevel is not the entry window"
grep -q "$toplevel\.configure(" "$work/program.log" || fail "the compositor never configured the entry window"
grep -q 'wl_surface@[0-9]*\.attach(wl_buffer@' "$work/program.log" || fail "the entry window was never drawn"
pass "the entry window appears as $toplevel with app id org.wetonara.Wetonara"

[[ -e "$XDG_RUNTIME_DIR/wetonara.lock" ]] || fail "the program holds no lock"
kill -TERM "$client"
status=0
ends_by_itself "$client" || status=$?
((status != 124)) || fail "the program did not end within 15 s of SIGTERM"
((status == 0)) || fail "the program ended with status $status: $(grep -v '^\[' "$work/program.log" | tail -n3)"
grep -q "$toplevel\.destroy()" "$work/program.log" || fail "the program ended without closing the entry window"
[[ ! -e "$XDG_RUNTIME_DIR/wetonara.lock" && ! -e "$XDG_RUNTIME_DIR/wetonara.socket" ]] \
    || fail "left behind: $(ls "$XDG_RUNTIME_DIR")"
if grep -E 'wl_display@1\.error\(' "$work/program.log" \
    || grep -v '^\[' "$work/program.log" | grep -iE 'error|broken|abort|segmentation'; then
    fail "the program reported the lines above"
fi
kill -0 "$weston_pid" || fail "the compositor died"
pass "SIGTERM ends the program through its own ending, status 0, lock and socket removed"
echo "$passed passed, 0 failed"
