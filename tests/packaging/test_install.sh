#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# `cmake --install` into a staging folder puts every desktop-integration file in place, and the desktop's
# own validators accept them.
set -u

build=${WETONARA_BUILD_DIR:?WETONARA_BUILD_DIR names the build folder}
for tool in desktop-file-validate appstreamcli man; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

cmake --install "$build" --prefix "$stage" >"$stage.log" 2>&1 || { cat "$stage.log"; rm -f "$stage.log"; echo "FAIL: install"; exit 1; }
rm -f "$stage.log"

desktop=share/applications/org.wetonara.Wetonara.desktop
metainfo=share/metainfo/org.wetonara.Wetonara.metainfo.xml
mime=share/mime/packages/wetonara.xml
reading_icon=application-x-wetonara-reading
expected=(bin/wetonara bin/weton "$desktop" "$metainfo" "$mime" share/icons/hicolor/scalable/apps/wetonara.svg
          "share/icons/hicolor/scalable/mimetypes/$reading_icon.svg" share/man/man1/wetonara.1.gz share/man/man1/weton.1.gz
          share/man/id/man1/wetonara.1.gz share/man/id/man1/weton.1.gz
          share/doc/wetonara/copyright share/doc/wetonara/changelog.gz)
sizes=(16 32 48 64 128 256)
for size in "${sizes[@]}"; do
    expected+=("share/icons/hicolor/${size}x${size}/apps/wetonara.png"
               "share/icons/hicolor/${size}x${size}/mimetypes/$reading_icon.png")
done
for file in "${expected[@]}"; do
    [[ -f $stage/$file ]] || fail "$file is not installed"
done
for program in bin/wetonara bin/weton; do
    [[ -x $stage/$program ]] || fail "$program is not executable"
done

# A PNG gives its width and height as big-endian numbers at bytes 16 to 23: each icon sits in the
# folder of its size.
for png in "$stage"/share/icons/hicolor/*x*/*/*.png; do
    size=$(basename "$(dirname "$(dirname "$png")")")
    size=${size%%x*}
    read -r width height < <(od -An -tu1 -j16 -N8 "$png" \
        | awk '{ print ($1 * 16777216 + $2 * 65536 + $3 * 256 + $4), ($5 * 16777216 + $6 * 65536 + $7 * 256 + $8) }')
    [[ $width == "$size" && $height == "$size" ]] || fail "${png#"$stage"/} is ${width}x${height}"
done
for svg in "$stage"/share/icons/hicolor/scalable/*/*.svg; do
    grep -q '<svg' "$svg" || fail "${svg#"$stage"/} is no SVG"
done

desktop-file-validate "$stage/$desktop" || fail "desktop-file-validate refused the desktop entry"
appstreamcli validate --pedantic --no-net "$stage/$metainfo" || fail "appstreamcli refused the metadata"
# The tree as a whole: the metadata's launchable must name the installed desktop entry.
appstreamcli validate-tree --no-net --strict "$stage" >/dev/null || fail "appstreamcli validate-tree refused the tree"

# The desktop entry, the metadata and the file type name the same type, icon and program.
entry_value() { sed -n "s/^$1=//p" "$stage/$desktop"; }
type=application/x-wetonara-reading
[[ $(entry_value MimeType) == "$type;" ]] || fail "desktop entry MimeType is '$(entry_value MimeType)'"
[[ $(entry_value Icon) == wetonara ]] || fail "desktop entry Icon is '$(entry_value Icon)'"
# A file manager hands a double-clicked saved reading to the program through %f.
[[ $(entry_value Exec) == "wetonara %f" ]] || fail "desktop entry Exec is '$(entry_value Exec)'"
grep -q "<mime-type type=\"$type\">" "$stage/$mime" || fail "the MIME package does not define $type"
grep -q '<glob pattern="\*.jav"/>' "$stage/$mime" || fail "the MIME package has no *.jav glob"
grep -q "<icon name=\"$reading_icon\"/>" "$stage/$mime" || fail "the MIME package does not name the icon $reading_icon"
grep -q "<mediatype>$type</mediatype>" "$stage/$metainfo" || fail "the metadata does not provide $type"
site=$(sed -n 's/^WETONARA_SITE_ADDRESS:STRING=//p' "$build/CMakeCache.txt")
grep -q "<url type=\"homepage\">$site</url>" "$stage/$metainfo" || fail "the metadata's home page is not $site"

# Every text of the entry and of the metadata has its Indonesian beside it, taken from the translations
# by the build: a text the build could not match to its translation would stand alone in English.
for key in Name GenericName Comment Keywords; do
    [[ $(entry_value "$key") && $(entry_value "$key\[id\]") ]] || fail "desktop entry has no $key with its $key[id]"
done
for element in name summary p li caption comment; do
    file=$metainfo
    [[ $element == comment ]] && file=$mime
    english=$(grep -o "<$element>" "$stage/$file" | wc -l)
    indonesian=$(grep -o "<$element xml:lang=\"id\">" "$stage/$file" | wc -l)
    ((english > 0 && english == indonesian)) || fail "${file##*/}: $english <$element> in English, $indonesian in Indonesian"
done

# shared-mime-info compiles the package and maps *.jav to the type.
if command -v update-mime-database >/dev/null; then
    update-mime-database "$stage/share/mime" >/dev/null 2>&1 || fail "update-mime-database refused the MIME package"
    grep -qx "[0-9]*:$type:\*\.jav" "$stage/share/mime/globs2" || fail "*.jav is not mapped to $type"
else
    echo "note: update-mime-database is not installed; the compiled MIME database was not checked"
fi

# The manual pages render without a warning from man or groff, in English and in Indonesian (rendered
# in C.UTF-8: the machine need not have an Indonesian locale), and each documents every option its
# program's --help lists in that language (a program that cannot show its help here, for want of a
# display, is let be).
for page_language in man1:C.UTF-8:NAME id/man1:id_ID.UTF-8:NAMA; do
    IFS=: read -r folder locale heading <<<"$page_language"
    for program in wetonara weton; do
        page=$stage/share/man/$folder/$program.1.gz
        [[ -f $page ]] || continue
        LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" >"$stage.man" 2>"$stage.warnings"
        [[ -s $stage.warnings ]] && fail "man warns about $folder/$program(1): $(head -c 400 "$stage.warnings")"
        grep -q "^$heading" "$stage.man" && grep -qE "^ +$program +- " "$stage.man" ||
            fail "$folder/$program(1) has no $heading line for $program"
        help=$(env -u LANGUAGE -u LANG LC_ALL="$locale" timeout 10 "$build/src/$program" --help 2>/dev/null) || continue
        for option in $(grep -oE -- '--[a-z][a-z-]+' <<<"$help" | sort -u); do
            grep -qF -- "$option" "$stage.man" || fail "$folder/$program(1) does not document $option"
        done
    done
done
rm -f "$stage.man" "$stage.warnings"

((failures == 0)) || exit 1
echo "PASS: ${#expected[@]} files installed and validated"
