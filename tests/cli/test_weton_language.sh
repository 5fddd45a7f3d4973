#!/bin/bash
# SPDX-License-Identifier: MIT
# `weton` speaks the locale's language to people and English to scripts: the reading follows LC_ALL /
# LANG / LANGUAGE, the --tsv output is byte for byte the same in every locale.
set -uo pipefail
weton="${WETONARA_BUILD_DIR:?}/src/weton"
[[ -x $weton ]] || { echo "weton is not built at $weton" >&2; exit 77; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
in_locale() { local locale=$1; shift; env -u LANGUAGE -u LANG LC_ALL="$locale" "$weton" "$@"; }

# 7 June 1980 was a Saturday and a Wage day: 1 January 2000, a Saturday Legi, is 7147 days later,
# 1021 weeks exactly and 1429 market weeks + 2 days (two days before Legi is Wage).
{ printf 'Nama: Siti\n\nTanggal Lahir: 7 Juni 1980\n\nPasaran: Wage\n\nHari: Sabtu\n\n'
  printf 'Hari (Inggris): Saturday\n\nWatak:\n%s\n' "$(cat "$WETONARA_SOURCE_DIR/content/id/descriptions/34.txt")"
  printf '\nNeptu: 13 (Sabtu 9 + Wage 4)\n\nWuku: Julungwangi (ke-9 dari 30)\n\n'
  printf 'Tanggal Jawa: 23 Rejeb 1912 Be, windu Kuntara\n\n'
  printf 'Tanggal Hijriah: 23 Rajab 1400 H (kalender hisab urfi)\n\n'
  printf 'Pranata Mangsa: Sadha (mangsa ke-12 dari 12), hari ke-27 dari 41\n'
} > "$work/expected"
in_locale id_ID.UTF-8 --name Siti 1980-06-07 > "$work/got" || fail "Indonesian reading exited $?"
cmp -s "$work/got" "$work/expected" || fail "Indonesian reading: $(diff "$work/got" "$work/expected" | head -6)"
# Born that evening: the date as entered, one line that says why, and Sunday's weton, Minggu Kliwon.
in_locale id_ID.UTF-8 --after-sunset 1980-06-07 > "$work/evening" || fail "Indonesian --after-sunset exited $?"
[[ $(sed -n 1,3p "$work/evening") == $'Tanggal Lahir: 7 Juni 1980\n\nLahir setelah matahari terbenam pada Sabtu, 7 Juni 1980: hari Jawa sudah berganti, jadi wetonnya weton hari Minggu.' ]] ||
    fail "Indonesian after sunset: $(sed -n 1,3p "$work/evening")"
grep -q '^Pasaran: Kliwon$' "$work/evening" || fail "Indonesian after sunset: not Kliwon"
# The calendar file speaks the interface's language; the Hijri months as Indonesian calendars spell them.
in_locale id_ID.UTF-8 --ics --name Siti 1980-06-07 | grep -q $'^SUMMARY:Wetonan Siti: Sabtu Wage\r$' ||
    fail "Indonesian --ics title"
[[ $(in_locale id_ID.UTF-8 2024-07-07 | grep '^Tanggal Hijriah') == "Tanggal Hijriah: 30 Zulhijah 1445 H (kalender hisab urfi)" ]] ||
    fail "Indonesian Hijri month"
# 3 January 2002 was a Thursday: the standard Kamis in Indonesian.
[[ $(in_locale id_ID.UTF-8 2002-01-03 | grep '^Hari:') == "Hari: Kamis" ]] || fail "Thursday in Indonesian"
# 1 January 2009, a Thursday Wage (8 + 4): the neptu line names the day as the reading does.
[[ $(in_locale id_ID.UTF-8 2009-01-01 | grep '^Neptu:') == "Neptu: 12 (Kamis 8 + Wage 4)" ]] || fail "neptu's Thursday"
env -u LC_ALL LANG=C LANGUAGE=id "$weton" --help | grep -q '^Penggunaan: weton' || fail "LANGUAGE=id is not Indonesian"

# 1980-06-07 is Sabtu Wage (9 + 4 = 13) and 2000-01-01 Sabtu Legi (9 + 5 = 14): 27 closes a cycle of
# nine, Pegat, whose meaning is read in the locale's language.
in_locale id_ID.UTF-8 --match 1980-06-07 2000-01-01 > "$work/match" || fail "Indonesian --match exited $?"
[[ $(sed -n 4p "$work/match") == "Kecocokan: Pegat" ]] || fail "Indonesian match line: $(sed -n 4p "$work/match")"
[[ $(sed -n 5p "$work/match") == "$(cat "$WETONARA_SOURCE_DIR/content/id/matches/Pegat.txt")" ]] \
    || fail "Indonesian match meaning: $(sed -n 5p "$work/match" | head -c 60)"
[[ $(in_locale C.UTF-8 --match 1980-06-07 2000-01-01 | sed -n 5p) == "$(cat "$WETONARA_SOURCE_DIR/content/matches/Pegat.txt")" ]] \
    || fail "English match meaning"
# wetonara answers --help on the terminal before it has a window, in the same language.
env -u LANGUAGE -u LANG LC_ALL=id_ID.UTF-8 "${WETONARA_BUILD_DIR}/src/wetonara" --help | grep -q '^Penggunaan: wetonara' \
    || fail "wetonara --help is not Indonesian"

# Every help text fits in 79 columns, in both languages.
for tool in weton wetonara; do
    for locale in C.UTF-8 id_ID.UTF-8; do
        help=$(env -u LANGUAGE -u LANG LC_ALL="$locale" "$WETONARA_BUILD_DIR/src/$tool" --help)
        widest=$(LC_ALL=C.UTF-8 wc -L <<< "$help")
        [[ -n $help && $widest -le 79 ]] || fail "$tool --help in $locale is $widest columns wide"
    done
done

# Why a stream failed is said in the interface's language; a cause outside the program's own words comes
# from the C library, in English where the machine lacks the interface's locale.
if [[ -w /dev/full ]]; then
    [[ $(in_locale id_ID.UTF-8 1980-06-07 2>&1 > /dev/full) == \
        "weton: keluaran standar tidak dapat ditulis: ruang penyimpanan sudah penuh" ]] || fail "full disk in Indonesian"
fi
[[ $(in_locale id_ID.UTF-8 --tsv < / 2>&1) == "weton: masukan standar tidak dapat dibaca: yang dituju adalah folder" ]] \
    || fail "a folder as input in Indonesian: $(in_locale id_ID.UTF-8 --tsv < / 2>&1)"
[[ $(in_locale C.UTF-8 --tsv 0>> "$work/writeonly" 2>&1) == "weton: cannot read standard input: bad file descriptor" ]] \
    || fail "a cause of the C library's: $(in_locale C.UTF-8 --tsv 0>> "$work/writeonly" 2>&1)"

# Locales with no translation, or that do not exist, read exactly as English.
in_locale C.UTF-8 --name Siti 1980-06-07 > "$work/english"
grep -q '^Name: Siti$' "$work/english" || fail "English reading: $(head -c 60 "$work/english")"
for locale in de_DE.UTF-8 xx_YY.UTF-8 garbage; do
    in_locale "$locale" --name Siti 1980-06-07 2>/dev/null | cmp -s - "$work/english" || fail "$locale is not English"
done

# Every 97th reckoned date: the same bytes in both languages, with the program's own Kemis.
seq 0 97 49673 | sed 's/^/1901-01-01 + /; s/$/ days/' | date -u -f - '+%F' > "$work/dates"
in_locale C.UTF-8 --tsv < "$work/dates" > "$work/tsv.en" || fail "--tsv in English exited $?"
in_locale id_ID.UTF-8 --tsv < "$work/dates" > "$work/tsv.id" || fail "--tsv in Indonesian exited $?"
[[ $(wc -l < "$work/tsv.id") -eq $(wc -l < "$work/dates") ]] || fail "--tsv wrote $(wc -l < "$work/tsv.id") lines"
cmp -s "$work/tsv.en" "$work/tsv.id" || fail "--tsv differs between English and Indonesian"
grep -q $'\tKemis\tThursday\t' "$work/tsv.id" || fail "--tsv in Indonesian lost the program's Kemis"

[[ $failures -eq 0 ]] || exit 1
echo "weton language: all checks passed"
