#!/bin/bash
# SPDX-License-Identifier: MIT
# Every text of the program has its translation and every content file its counterpart in each
# language: lupdate runs over today's sources on a copy of the .ts files, so a text added to the code
# without a translation fails here.
set -uo pipefail
source_dir="${WETONARA_SOURCE_DIR:?}"
[[ -x /usr/lib/qt6/bin/lupdate ]] || command -v lupdate >/dev/null || { echo "lupdate is not installed" >&2; exit 77; }
"$source_dir/scripts/translations" --check
