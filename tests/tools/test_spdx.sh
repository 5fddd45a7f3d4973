#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# scripts/spdx on a small repository of its own: it finds every kind of source file without the licence
# line and leaves data alone; --fix adds the line in each file's own comment syntax without breaking the
# file (a shebang and an XML declaration stay first, a script stays executable), and a second --fix
# finds nothing more to do.
set -u
source_dir=${WETONARA_SOURCE_DIR:?WETONARA_SOURCE_DIR names the source folder}
command -v git >/dev/null || { echo "SKIP: git is not installed"; exit 77; }

repo=$(mktemp -d)
trap 'rm -rf "$repo"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

mkdir -p "$repo/scripts" "$repo/src" "$repo/data"
cp "$source_dir/scripts/spdx" "$repo/scripts/"
cd "$repo" || exit 1
printf '#include "a.h"\nint main() { return 0; }\n' >src/main.cpp
printf '#!/bin/sh\necho ran\n' >scripts/hello
chmod +x scripts/hello
printf '<?xml version="1.0" encoding="UTF-8"?>\n<a/>\n' >data/type.xml
printf '[Desktop Entry]\nType=Application\nName=A\nExec=a\n' >data/a.desktop
printf '.TH A 1\n.SH NAME\na \\- b\n' >data/a.1
printf 'add_library(a a.cpp)\n' >CMakeLists.txt
printf 'plain text, not a source file\n' >data/notes.txt
git init -q . && git add -A

scripts/spdx >check.log
status=$?
[[ $status == 1 ]] || fail "check of a tree without licence lines exited $status"
listed=$(sed -n 's/^no SPDX line: //p' check.log | sort | tr '\n' ' ')
[[ $listed == "CMakeLists.txt data/a.1 data/a.desktop data/type.xml scripts/hello src/main.cpp " ]] ||
    fail "listed: $listed"

scripts/spdx --fix >/dev/null || fail "--fix failed"
scripts/spdx >/dev/null || fail "check after --fix: $(scripts/spdx)"
[[ $(scripts/spdx --fix) == "" ]] || fail "a second --fix changed files again"
[[ $(sed -n 2p scripts/hello) == "# SPDX-License-Identifier: MIT" && $(scripts/hello) == ran ]] ||
    fail "the script lost its shebang or its licence line: $(head -n 2 scripts/hello)"
[[ $(head -n 1 data/type.xml) == '<?xml version="1.0" encoding="UTF-8"?>' ]] || fail "the XML declaration is not first"
[[ $(head -n 1 src/main.cpp) == "// SPDX-License-Identifier: MIT" ]] || fail "C++: $(head -n 1 src/main.cpp)"
grep -q SPDX data/notes.txt && fail "a data file was given a licence line"
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate data/a.desktop || fail "the desktop entry no longer validates"
fi
if command -v man >/dev/null; then
    [[ -z $(man --warnings -l data/a.1 2>&1 >/dev/null) ]] || fail "the man page warns: $(man --warnings -l data/a.1 2>&1 >/dev/null)"
fi

((failures == 0)) || exit 1
echo "PASS: scripts/spdx finds, adds and keeps licence lines"
