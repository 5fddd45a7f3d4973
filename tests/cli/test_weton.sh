#!/bin/bash
# SPDX-License-Identifier: MIT
# Drives the built `weton` program as a user would: real standard streams, exit statuses, the whole
# date range checked against GNU date, a 10 MB line through a pipe, and a full disk.
set -uo pipefail

weton="${WETONARA_BUILD_DIR:?}/src/weton"
if [[ ! -x $weton ]]; then
    echo "weton is not built at $weton" >&2
    exit 77
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

# Every reckoned date, and what GNU date says of it: the weekday, and the market day from the Julian Day
# Number (a multiple of 5 is Legi; 1970-01-01 is JDN 2440588).
seq 0 49673 | sed 's/^/1901-01-01 + /; s/$/ days/' | date -u -f - '+%F %A %s' > "$work/calendar"
cut -d' ' -f1 "$work/calendar" > "$work/dates"
awk 'BEGIN { split("Legi Pahing Pon Wage Kliwon", market, " ") }
     { jdn = $3 / 86400 + 2440588; printf "%s\t%s\t%s\n", $1, market[jdn % 5 + 1], $2 }' \
    "$work/calendar" > "$work/expected"
cp "$work/expected" "$work/expected-tsv"

"$weton" --tsv < "$work/dates" > "$work/out" 2> "$work/err"
status=$?
[[ $status -eq 0 ]] || fail "--tsv over every date exited $status"
[[ ! -s $work/err ]] || fail "--tsv over every date wrote errors: $(head -c 200 "$work/err")"
cut -f1,2,4 "$work/out" > "$work/got"
cmp -s "$work/got" "$work/expected" ||
    fail "--tsv disagrees with the calendar: $(diff "$work/got" "$work/expected" | head -4)"
[[ $(awk -F'\t' 'NF != 5 || length($5) < 381' "$work/out" | wc -l) -eq 0 ]] ||
    fail "--tsv wrote a line without five columns or with a short description"

# Byte for byte as the release before the Hijri date and the seasons: --tsv whole, and --json up to the
# fields that came later, at the end of each object (checksums of that release's output).
[[ $(md5sum < "$work/out" | cut -d' ' -f1) == 8e220f10784848192d43730dd3353c29 ]] || fail "--tsv is not byte for byte as before"
"$weton" --json < "$work/dates" | sed 's/,"hijriDate":.*$/}/' > "$work/json-head"
[[ $(md5sum < "$work/json-head" | cut -d' ' -f1) == 1faaeb9d61911a7479db92ec9b1e15da ]] ||
    fail "--json's earlier fields are not byte for byte as before"

# A 10 MB line between two dates: refused with one message, the dates still answered.
{ echo 2000-01-01; head -c 10485760 /dev/zero | tr '\0' x; echo; echo 1945-08-17; } |
    "$weton" --tsv > "$work/out" 2> "$work/err"
status=$?
[[ $status -eq 1 ]] || fail "10 MB line: exit status $status, expected 1"
[[ $(cut -f1 "$work/out" | tr '\n' ' ') == "2000-01-01 1945-08-17 " ]] || fail "10 MB line: output $(cut -f1 "$work/out")"
[[ $(cat "$work/err") == "weton: line 2: longer than 256 bytes, not a date" ]] || fail "10 MB line: $(head -c 200 "$work/err")"

# The reading of one date, exactly as laid out.
"$weton" --name "Ann Lee" 1945-08-17 > "$work/out"
status=$?
printf 'Name: Ann Lee\n\nDate of Birth: August 17, 1945\n\nIndonesian Day Sign: Legi\n\nIndonesian Weekday: Jumat\n\nEnglish Weekday: Friday\n\nDescription:\n' > "$work/expected"
[[ $status -eq 0 ]] || fail "reading exited $status"
cmp -s <(head -n 11 "$work/out") "$work/expected" || fail "reading head: $(head -n 11 "$work/out")"
[[ $(sed -n 12p "$work/out") == "Jumat Legi folks are well known for their"* && $(wc -l < "$work/out") -eq 22 ]] ||
    fail "reading description: $(sed -n '12,$p' "$work/out" | head -c 100)"
# The arithmetical calendar counts 8 Ramadan where the day is remembered as 9 Ramadan 1364 (the README
# says why); Karo began on 2 August.
printf '\nNeptu: 11 (Jumat 6 + Legi 5)\n\nWuku: Manahil (23 of 30)\n\nJavanese Date: 9 Pasa 1876 Ehe, windu Kuntara\n' \
    > "$work/expected"
printf '\nHijri Date: 8 Ramadan 1364 AH (arithmetical calendar)\n\nPranata Mangsa: Karo (season 2 of 12), day 16 of 23\n' \
    >> "$work/expected"
cmp -s <(tail -n 10 "$work/out") "$work/expected" || fail "reading reckoning: $(tail -n 10 "$work/out")"

# --json over every date names the same weekday and market day as the calendar, one object a line.
"$weton" --json < "$work/dates" > "$work/out" 2> "$work/err" || fail "--json over every date exited $?"
# Split at the quotes, a line opens {"date":"D","weekday":"W","weekdayIndonesian":"I","marketDay":"M",
# holds "description":"TEXT" (no quote in TEXT, at least 381 characters) and ends
# "afterSunset":false,"wetonDate":"D"}. A line that does not is copied as it is, so the comparison below
# shows it.
LC_ALL=C awk -F'"' '
    { description = 0; for (i = 1; i < NF; ++i) if ($i == "description") description = i }
    $1 == "{" && $2 == "date" && $3 == ":" && $5 == "," && $6 == "weekday" && $7 == ":" && $9 == "," &&
    $10 == "weekdayIndonesian" && $11 == ":" && $13 == "," && $14 == "marketDay" && $15 == ":" &&
    description && $(description + 1) == ":" && length($(description + 2)) >= 381 &&
    $(NF - 4) == ":false," && $(NF - 3) == "wetonDate" && $(NF - 1) == $4 && $NF == "}" {
        print $4 "\t" $16 "\t" $8; next }
    { print }' "$work/out" > "$work/got"
cmp -s "$work/got" "$work/expected-tsv" ||
    fail "--json disagrees with the calendar: $(diff "$work/got" "$work/expected-tsv" | head -4)"

# Statuses and streams.
# The release's version and date; the packaging test checks they are the build's.
[[ $("$weton" --version) =~ ^weton\ [0-9.]+\ \([0-9]{4}-[0-9]{2}-[0-9]{2}\)$ ]] || fail "--version"
"$weton" --help | grep -q '^Usage: weton' || fail "--help"
err=$("$weton" 2001-02-29 2>&1 >/dev/null); status=$?
[[ $status -eq 2 && $err == 'weton: "2001-02-29" is not a real date' ]] || fail "bad date: $status $err"
"$weton" --frobnicate > /dev/null 2>&1; status=$?
[[ $status -eq 2 ]] || fail "unknown option exited $status"
[[ $("$weton" --next 2 --from 2024-01-01 1945-08-17 | tr '\n' ' ') == "2024-01-05 2024-02-09 " ]] || fail "--next"
if [[ -w /dev/full ]]; then
    err=$("$weton" 2000-01-01 2>&1 > /dev/full); status=$?
    [[ $status -eq 1 && $err == "weton: cannot write standard output: no space is left on the device" ]] \
        || fail "full disk: $status $err"
    err=$("$weton" --tsv < "$work/dates" 2>&1 > /dev/full); status=$?
    [[ $status -eq 1 && $err == "weton: cannot write standard output"* ]] || fail "full disk, --tsv: $status $err"
fi

# A closed stream is named, and only the mode that needs it fails.
err=$("$weton" 2000-01-01 2>&1 >&-); status=$?
[[ $status -eq 1 && $err == "weton: cannot write standard output: it is closed" ]] || fail "closed output: $status $err"
err=$("$weton" --tsv 2>&1 <&- >/dev/null); status=$?
[[ $status -eq 1 && $err == "weton: cannot read standard input: it is closed" ]] || fail "closed input: $status $err"
"$weton" 2000-01-01 <&- 2>&- > /dev/null || fail "a reading with standard input and error closed exited $?"

# In a pipeline the first answer comes before the input goes on: the writer sends its second line only
# once the reader has the first answer, or has waited 2 s for it in vain. Both ends open the FIFO for
# reading and writing, which never blocks, so neither can hang on the other.
mkfifo "$work/answered"
first=$({ echo 1980-06-07; read -r -t 5 _ <> "$work/answered"; echo 1980-06-08; } | "$weton" --tsv |
    { IFS= read -r -t 2 line; echo 3<> "$work/answered" >&3; echo "${line%%$'\t'*}"; cat > /dev/null; })
[[ $first == 1980-06-07 ]] || fail "pipeline: no answer within 2 s, got '$first'"

[[ $failures -eq 0 ]] && echo "all checks passed"
exit $((failures > 0))
