#!/usr/bin/env bash
# `cmake --install` into a staging folder puts every desktop-integration file in place, and the desktop's
# own validators accept them.
set -u

build=${WETONARA_BUILD_DIR:?WETONARA_BUILD_DIR names the build folder}
for tool in desktop-file-validate appstreamcli; do
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
expected=(bin/wetonara bin/weton "$desktop" "$metainfo" "$mime" share/icons/hicolor/scalable/apps/wetonara.svg)
sizes=(16 32 48 64 128 256)
for size in "${sizes[@]}"; do
    expected+=("share/icons/hicolor/${size}x${size}/apps/wetonara.png")
done
for file in "${expected[@]}"; do
    [[ -f $stage/$file ]] || fail "$file is not installed"
done
for program in bin/wetonara bin/weton; do
    [[ -x $stage/$program ]] || fail "$program is not executable"
done

# A PNG gives its width and height as big-endian numbers at bytes 16 to 23: each icon sits in the
# folder of its size.
for size in "${sizes[@]}"; do
    png=$stage/share/icons/hicolor/${size}x${size}/apps/wetonara.png
    [[ -f $png ]] || continue
    read -r width height < <(od -An -tu1 -j16 -N8 "$png" \
        | awk '{ print ($1 * 16777216 + $2 * 65536 + $3 * 256 + $4), ($5 * 16777216 + $6 * 65536 + $7 * 256 + $8) }')
    [[ $width == "$size" && $height == "$size" ]] || fail "the ${size}x${size} icon is ${width}x${height}"
done
grep -q '<svg' "$stage/share/icons/hicolor/scalable/apps/wetonara.svg" || fail "the scalable icon is no SVG"

desktop-file-validate "$stage/$desktop" || fail "desktop-file-validate refused the desktop entry"
appstreamcli validate --no-net "$stage/$metainfo" || fail "appstreamcli refused the metadata"
# The tree as a whole: the metadata's launchable must name the installed desktop entry.
appstreamcli validate-tree --no-net --strict "$stage" >/dev/null || fail "appstreamcli validate-tree refused the tree"

# The desktop entry, the metadata and the file type name the same type, icon and program.
entry_value() { sed -n "s/^$1=//p" "$stage/$desktop"; }
type=application/x-wetonara-reading
[[ $(entry_value MimeType) == "$type;" ]] || fail "desktop entry MimeType is '$(entry_value MimeType)'"
[[ $(entry_value Icon) == wetonara ]] || fail "desktop entry Icon is '$(entry_value Icon)'"
[[ $(entry_value Exec) == wetonara* ]] || fail "desktop entry Exec is '$(entry_value Exec)'"
grep -q "<mime-type type=\"$type\">" "$stage/$mime" || fail "the MIME package does not define $type"
grep -q '<glob pattern="\*.jav"/>' "$stage/$mime" || fail "the MIME package has no *.jav glob"
grep -q "<mediatype>$type</mediatype>" "$stage/$metainfo" || fail "the metadata does not provide $type"
site=$(sed -n 's/^WETONARA_SITE_ADDRESS:STRING=//p' "$build/CMakeCache.txt")
grep -q "<url type=\"homepage\">$site</url>" "$stage/$metainfo" || fail "the metadata's home page is not $site"

# shared-mime-info compiles the package and maps *.jav to the type.
if command -v update-mime-database >/dev/null; then
    update-mime-database "$stage/share/mime" >/dev/null 2>&1 || fail "update-mime-database refused the MIME package"
    grep -qx "[0-9]*:$type:\*\.jav" "$stage/share/mime/globs2" || fail "*.jav is not mapped to $type"
else
    echo "note: update-mime-database is not installed; the compiled MIME database was not checked"
fi

((failures == 0)) || exit 1
echo "PASS: ${#expected[@]} files installed and validated"
