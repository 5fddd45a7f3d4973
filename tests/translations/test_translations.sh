#!/bin/bash
# SPDX-License-Identifier: MIT
# Every text of the program has its translation and every content file its counterpart in each
# language: lupdate runs over today's sources on a copy of the .ts files, and po4a over today's manual
# pages on a copy of their PO files, so a text added to the code or a paragraph added to a page without
# a translation fails here.
set -uo pipefail
source_dir="${WETONARA_SOURCE_DIR:?}"
[[ -x /usr/lib/qt6/bin/lupdate ]] || command -v lupdate >/dev/null || { echo "lupdate is not installed" >&2; exit 77; }
command -v po4a >/dev/null || { echo "po4a is not installed" >&2; exit 77; }
"$source_dir/scripts/translations" --check
