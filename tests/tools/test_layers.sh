#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# scripts/layers finds every include of src/ allowed, and refuses one planted against each rule in a
# copy of src/: a window that includes the flow that makes it, the flow that includes a Qt implementation
# outside main.cpp, the core that includes a window, and a name that is neither beside its file nor at
# the top of src/.
set -u
source_dir=${WETONARA_SOURCE_DIR:?WETONARA_SOURCE_DIR names the source folder}
command -v python3 >/dev/null || { echo "SKIP: python3 is not installed"; exit 77; }
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

"$source_dir/scripts/layers" "$source_dir/src" || fail "the tree's own includes are refused"

copy=$(mktemp -d)
trap 'rm -rf "$copy"' EXIT
while read -r file header; do
  rm -rf "$copy/src" && cp -r "$source_dir/src" "$copy/src"
  printf '#include "%s"\n' "$header" >>"$copy/src/$file"
  out=$("$source_dir/scripts/layers" "$copy/src") && fail "$file including $header was not refused"
  grep -qF "$file" <<<"$out" || fail "the refusal does not name $file: $out"
done <<'PLANTED'
ui/kit/Look.h app/WindowSet.h
ui/almanac/CalendarWindow.cpp ui/reading/frmMain.h
app/WindowSet.cpp platform/qt/QtPrinter.h
weton/DayFacts.cpp ui/kit/Look.h
files/SavedReading.cpp NoSuchHeader.h
PLANTED

((failures == 0)) && echo "PASS: the layers of src/ hold, and each planted include is refused"
exit $((failures > 0))
