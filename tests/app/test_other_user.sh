#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Another local user can neither block the program nor catch or feed its hand-overs:
#  - with no runtime folder, a stranger's lock and listening socket where the program would fall back to
#    (the shared temporary folder) are ignored: the program starts, opens its file itself, and says once
#    that later copies cannot hand files to it;
#  - a later copy offers its file only to a running copy of its own user, and a running copy answers only
#    its own user, even where a stranger reaches the socket (root plays the stranger).
# Needs root, to create the second user; skipped (77) otherwise. The copies run on the offscreen
# platform: what is checked is whether they start, end, hand over or answer.
set -u
# shellcheck source=tests/tools/session.bash
source "$(dirname "$0")/../tools/session.bash"
[[ $(id -u) == 0 ]] || { echo "SKIP: a second local user can only be created as root"; exit 77; }
need useradd userdel setpriv /usr/bin/python3

user=wetonara-t$$
useradd --system --no-create-home --shell /usr/sbin/nologin "$user" || fail "could not create the user $user"
uid=$(id -u "$user")
shared=$(mktemp -d /tmp/wetonara-shared.XXXXXX)
chmod 1777 "$shared"
# The user's processes end before the user goes.
trap 'stop; userdel "$user" 2>/dev/null; rm -rf "$shared"' EXIT
# A command to run as the other user. setpriv and what it runs keep the process number a background
# start gives, so the processes started this way are stopped at the end like every other.
as_user=(setpriv --reuid="$uid" --regid="$uid" --clear-groups)
cp "$(dirname "$0")/../data/abc-7-June-1980.jav" "$shared/siti.jav"
chmod 644 "$shared/siti.jav"
# The other user runs a copy of the program that it can reach: the checkout may lie where only its owner
# can enter (root's home, as on a fresh machine set up as root). The program is one file.
cp "$program" "$shared/wetonara"
chmod 755 "$shared/wetonara"
program=$shared/wetonara

# The stranger: holds a lock file naming itself, listens beside it, notes every offer and answers 'Y'.
# With a third argument it offers that path instead, and prints the answer it got ("" for none).
cat >"$shared/stranger.py" <<'PY'
import os, socket, sys
if len(sys.argv) == 4:
    peer = socket.socket(socket.AF_UNIX); peer.connect(sys.argv[1]); peer.settimeout(5)
    try:
        peer.sendall(sys.argv[3].encode() + b'\0'); answer = peer.recv(1)
    except OSError:
        answer = b''
    print(answer.decode() or 'none'); sys.exit(0)
lock, path = sys.argv[1], sys.argv[2]
with open(lock, 'w') as f:
    f.write('%d\npython3\n%s\n' % (os.getpid(), socket.gethostname()))
server = socket.socket(socket.AF_UNIX); server.bind(path); os.chmod(path, 0o777); server.listen(8)
print('listening', flush=True)
while True:
    connection, _ = server.accept()
    offered = connection.recv(65536)
    if offered:
        with open(path + '.heard', 'ab') as heard:
            heard.write(offered + b'\n')
        connection.sendall(b'Y'); connection.recv(1)
    connection.close()
PY
# Starts a stranger as the command given before it and waits until it listens at $2.
stranger() {
    "${@:3}" /usr/bin/python3 "$shared/stranger.py" "$1" "$2" >"$2.out" 2>&1 &
    stranger_pid=$!
    helpers+=("$stranger_pid")
    wait_for 10 test -s "$2.out" || fail "the stranger did not listen at $2: $(cat "$2.out")"
}

# 1. No runtime folder. The stranger made Qt's fallback runtime folder, the program's own folder in the
#    temporary folder (open to all), and a lock and socket where the program kept them before.
"${as_user[@]}" mkdir "$shared/runtime-root"
"${as_user[@]}" mkdir -m 777 "$shared/wetonara-0"
stranger "$shared/wetonara-0.lock" "$shared/wetonara-0.socket" "${as_user[@]}"
stranger "$shared/wetonara-0/wetonara.lock" "$shared/wetonara-0/wetonara.socket" "${as_user[@]}"
(cd "$shared" && exec env -u XDG_RUNTIME_DIR TMPDIR="$shared" QT_QPA_PLATFORM=offscreen "$program" siti.jav) \
    >"$work/first.log" 2>&1 &
first=$!
helpers+=("$first")
wait_for 20 grep -q 'later copies cannot hand files to this one' "$work/first.log" \
    || fail "the copy did not start as the first one: $(cat "$work/first.log")"
running "$first" || fail "the copy ended: $(cat "$work/first.log")"
[[ $(grep -c 'later copies cannot' "$work/first.log") == 1 ]] || fail "said it more than once: $(cat "$work/first.log")"
[[ ! -e $shared/wetonara-0.socket.heard && ! -e $shared/wetonara-0/wetonara.socket.heard ]] \
    || fail "the file was handed to the stranger"
kill "$first"
ends_by_itself "$first" || fail "the first copy did not end on SIGTERM"
pass "a stranger's files in the shared temporary folder neither block the program nor catch its file"

# 2. The user's own runtime folder, which root, the stranger now, can reach.
runtime=$shared/runtime-user
mkdir -m 700 "$runtime" "$shared/home" && chown "$user" "$runtime" "$shared/home"
as_program() {
    "${as_user[@]}" env -u DISPLAY -u WAYLAND_DISPLAY HOME="$shared/home" XDG_CONFIG_HOME="$shared/home" \
        XDG_RUNTIME_DIR="$runtime" QT_QPA_PLATFORM=offscreen "$program" "$@" >>"$work/user.log" 2>&1 &
    started=$!
    helpers+=("$started")
}
stranger "$runtime/wetonara.lock" "$runtime/wetonara.socket" env
as_program "$shared/siti.jav"
later=$started
sleep 3
running "$later" || fail "the later copy ended without a word: $(cat "$work/user.log"); the stranger heard $(cat "$runtime/wetonara.socket.heard" 2>/dev/null)"
[[ ! -e $runtime/wetonara.socket.heard ]] || fail "the later copy offered its file to the stranger"
kill -9 "$later" "$stranger_pid"
pass "a later copy does not offer its file to another user's socket; it says a copy runs"

rm -f "$runtime"/wetonara.*
as_program
wait_for 20 test -S "$runtime/wetonara.socket" || fail "the user's copy did not listen: $(cat "$work/user.log")"
answer=$(/usr/bin/python3 "$shared/stranger.py" "$runtime/wetonara.socket" - "$shared/siti.jav")
[[ $answer == none ]] || fail "the running copy answered another user's offer: $answer"
pass "a running copy does not answer another user's offer"

echo "$passed passed, 0 failed"
