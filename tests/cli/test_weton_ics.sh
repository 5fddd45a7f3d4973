#!/bin/bash
# SPDX-License-Identifier: MIT
# The wetonan from `weton --ics` as a real calendar program takes it: khal, as Debian packages it, imports
# the file into a calendar of its own and lists the events on the dates `weton --next` gives, whatever the
# time zone; a second export replaces the event instead of doubling it; a name with commas, semicolons,
# quotes, a backslash and letters of other scripts comes back unchanged.
set -uo pipefail

weton="${WETONARA_BUILD_DIR:?}/src/weton"
[[ -x $weton ]] || { echo "weton is not built at $weton" >&2; exit 77; }
command -v khal > /dev/null || { echo "khal is not installed (scripts/setup --for-tests installs it)" >&2; exit 77; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

# A fresh khal: its own configuration, calendar folder and database, nothing of the user's.
export HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" XDG_CACHE_HOME="$work/cache"
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$work/calendar"
configure() {  # the time zone the user is in
    cat > "$work/khal.conf" <<CONF
[calendars]
[[wetonan]]
path = $work/calendar
type = calendar
[locale]
dateformat = %Y-%m-%d
longdateformat = %Y-%m-%d
datetimeformat = %Y-%m-%d %H:%M
longdatetimeformat = %Y-%m-%d %H:%M
timeformat = %H:%M
default_timezone = $1
local_timezone = $1
[default]
default_calendar = wetonan
CONF
}
khal_() { khal -c "$work/khal.conf" "$@"; }

name='Dewi "Ñoman", a;b \ c 東京 ꦱꦶꦠꦶ'
# Born Saturday 7 June 1980 after sunset: Minggu Kliwon, the weton of Sunday 8 June.
"$weton" --ics --name "$name" --after-sunset 1980-06-07 > "$work/wetonan.ics" || fail "--ics exited $?"
"$weton" --next 80 --from 2023-12-31 --after-sunset 1980-06-07 |
    awk -v title="Wetonan of $name: Minggu Kliwon" '$0 < "2029-01-01" { print $0 "|" title }' > "$work/expected"
[[ $(wc -l < "$work/expected") -ge 50 ]] || fail "weton --next listed $(wc -l < "$work/expected") dates"

configure Asia/Jakarta
khal_ import --batch "$work/wetonan.ics" || fail "khal import exited $?"
for zone in Asia/Jakarta America/Los_Angeles Pacific/Kiritimati; do
    configure "$zone"
    khal_ list --day-format '' --format '{start-date}|{title}' 2024-01-01 2029-01-01 > "$work/listed" 2>&1 ||
        fail "khal list in $zone exited $?"
    cmp -s "$work/listed" "$work/expected" ||
        fail "khal in $zone lists other days: $(diff "$work/listed" "$work/expected" | head -4)"
done

# Exported again, with a reminder now: the same event, replaced.
configure Asia/Jakarta
"$weton" --ics --name "$name" --after-sunset --reminder 1980-06-07 > "$work/again.ics"
grep -q '^TRIGGER:-PT6H' "$work/again.ics" || fail "no reminder the evening before"
khal_ import --batch "$work/again.ics" || fail "second khal import exited $?"
[[ $(find "$work/calendar" -type f | wc -l) -eq 1 ]] || fail "a second export made a second event"
khal_ list --day-format '' --format '{start-date}|{title}' 2024-01-01 2029-01-01 > "$work/listed" 2>&1
cmp -s "$work/listed" "$work/expected" || fail "after the second export: $(diff "$work/listed" "$work/expected" | head -4)"

# No date: a clear message, nothing on standard output.
err=$("$weton" --ics --name Ann 2>&1 > "$work/nothing"); status=$?
[[ $status -eq 2 && ! -s $work/nothing && $err == "weton: --ics needs a date of birth (YYYY-MM-DD); try 'weton --help'" ]] ||
    fail "--ics without a date: $status $err"

[[ $failures -eq 0 ]] || exit 1
echo "weton --ics in khal: all checks passed"
