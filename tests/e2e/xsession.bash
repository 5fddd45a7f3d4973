# Sourced by the real-display tests: a private X display with a window manager, the built program
# started for a new user with a browser that only takes notes, and the means to find its windows by
# their role (the window's object name) and to drive them with xdotool. Every wait is bounded;
# everything started is stopped when the test ends.

build=${WETONARA_BUILD_DIR:?WETONARA_BUILD_DIR names the build folder}
program=$build/src/wetonara
for tool in Xvfb xdotool; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
for tool in xprop xwininfo openbox; do
    command -v "$tool" >/dev/null || { echo "FAIL: $tool is not installed (scripts/setup installs it)"; exit 1; }
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

# A display of our own (Xvfb picks a free number and writes it once it accepts connections) with
# openbox as the desktop. Arguments: the screen size, e.g. 1280x1024.
start_display() {
    exec {display_fd}>"$work/display"
    Xvfb -displayfd "$display_fd" -screen 0 "$1x24" -nolisten tcp -noreset >"$work/xvfb.log" 2>&1 &
    helpers+=($!)
    exec {display_fd}>&-
    wait_for 15 test -s "$work/display" || { cat "$work/xvfb.log"; fail "Xvfb did not start"; }
    DISPLAY=:$(head -n 1 "$work/display")
    export DISPLAY
    HOME=$work openbox --sm-disable >"$work/openbox.log" 2>&1 &
    helpers+=($!)
    wait_for 15 bash -c "xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'" \
        || fail "openbox did not start"
}

# Runs the program (extra arguments are environment settings) for a new user, so no update question;
# pages it opens are noted in $work/opened. Without arguments it runs in the background as $app.
mkdir -p "$work/home" "$work/config" "$work/runtime" "$work/bin"
chmod 700 "$work/runtime"
printf '#!/bin/sh\necho "$*" >> "%s/opened"\n' "$work" >"$work/bin/xdg-open"
chmod +x "$work/bin/xdg-open"
program_env=(HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime"
             PATH="$work/bin:$PATH" QT_QPA_PLATFORM=xcb)
start_program() {
    env "${program_env[@]}" "$@" "$program" >>"$work/program.log" 2>&1 &
    app=$!
}

role_of() { xprop -id "$1" WM_WINDOW_ROLE 2>/dev/null | sed -n 's/^WM_WINDOW_ROLE(STRING) = "\(.*\)"$/\1/p'; }

# The roles of the program's visible windows, sorted; a window without one (a message box, a
# dialog, a menu) counts as "other".
visible_windows() {
    [[ -n $app ]] || return 0
    local id role
    for id in $(xdotool search --onlyvisible --pid "$app" 2>/dev/null); do
        role=$(role_of "$id")
        echo "${role:-other}"
    done | sort | tr '\n' ' ' | sed 's/ $//'
}

shows() { [[ $(visible_windows) == "$*" ]]; }
shows_more_than() { [[ $(visible_windows) == *other* ]]; }
has_ended() { ! kill -0 "$app" 2>/dev/null; }

# The visible window of the program with the given role ("other": one without a role).
window_of() {
    local id role
    for id in $(xdotool search --onlyvisible --pid "${2:-$app}" 2>/dev/null); do
        role=$(role_of "$id")
        [[ ${role:-other} == "$1" ]] && { echo "$id"; return 0; }
    done
    return 1
}

# The window manager must hand the focus on after the program's own moves.
expect_focus() {
    wait_for 5 bash -c "[[ \$(xdotool getactivewindow 2>/dev/null) == $1 ]]" || fail "$2 did not get the focus"
}

focus() { xdotool windowactivate --sync "$1" >/dev/null 2>&1 || xdotool windowfocus --sync "$1"; }

keys() { xdotool key --clearmodifiers --delay 40 "$@"; }

# Frame of a window as the desktop shows it, title bar included: X Y WIDTH HEIGHT.
frame_of() {
    local x y w h left right top bottom
    read -r x y w h <<<"$(xwininfo -id "$1" | sed -n 's/^ *\(Absolute upper-left [XY]\|Width\|Height\): *//p' | tr '\n' ' ')"
    IFS=, read -r left right top bottom <<<"$(xprop -id "$1" _NET_FRAME_EXTENTS | sed -n 's/.* = //p' | tr -d ' ')"
    echo "$((x - ${left:-0})) $((y - ${top:-0})) $((w + ${left:-0} + ${right:-0})) $((h + ${top:-0} + ${bottom:-0}))"
}

# Waits for the program to end; fails unless its exit status is 0.
expect_clean_end() {
    wait_for 15 has_ended || fail "$1 did not end the program"
    wait "$app"
    local status=$?
    app=
    [[ $status == 0 ]] || fail "the program ended with status $status"
}
