#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# `cpack -G DEB` builds a Debian package holding the programs, the desktop-integration files, the manual
# pages and the licence, and lintian, Debian's own check, finds no error and no warning in it.
set -u

build=${WETONARA_BUILD_DIR:?WETONARA_BUILD_DIR names the build folder}
for tool in cpack dpkg-deb dpkg-parsechangelog lintian; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done

out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

(cd "$build" && cpack -G DEB -B "$out") >"$out/cpack.log" 2>&1 || { cat "$out/cpack.log"; echo "FAIL: cpack"; exit 1; }
debs=("$out"/*.deb)
[[ ${#debs[@]} == 1 && -f ${debs[0]} ]] || { ls "$out"; echo "FAIL: expected one .deb"; exit 1; }
deb=${debs[0]}

dpkg-deb -c "$deb" | awk '{ print $NF }' | sed 's|^\./|/|' >"$out/contents"
for file in /usr/bin/wetonara /usr/bin/weton \
    /usr/share/applications/org.wetonara.Wetonara.desktop \
    /usr/share/metainfo/org.wetonara.Wetonara.metainfo.xml \
    /usr/share/mime/packages/wetonara.xml \
    /usr/share/icons/hicolor/scalable/apps/wetonara.svg \
    /usr/share/icons/hicolor/{16x16,32x32,48x48,64x64,128x128,256x256}/apps/wetonara.png \
    /usr/share/icons/hicolor/scalable/mimetypes/application-x-wetonara-reading.svg \
    /usr/share/man/man1/{wetonara,weton}.1.gz /usr/share/doc/wetonara/{copyright,changelog.gz}; do
    grep -qx "$file" "$out/contents" || fail "$file is not in the package"
done
# Nothing of the build (libraries, tests, benchmarks) comes along.
grep -E '\.a$|/tst_|/bench' "$out/contents" && fail "build leftovers in the package"

field() { dpkg-deb -f "$deb" "$1"; }
[[ $(field Package) == wetonara ]] || fail "Package is '$(field Package)'"
[[ $(field Version) == 1.65* ]] || fail "Version is '$(field Version)'"
# The maintainer is configured once; the change log names the same one for the same version.
contact=$(sed -n 's/^WETONARA_PACKAGE_CONTACT:STRING=//p' "$build/CMakeCache.txt")
[[ $contact == *' <'*'@'*'.'*'>' && $(field Maintainer) == "$contact" ]] || fail "Maintainer is '$(field Maintainer)', configured '$contact'"
[[ $(field Depends) == *libqt6widgets6* ]] || fail "Depends is '$(field Depends)'"

dpkg-deb -x "$deb" "$out/root"
zcat "$out/root/usr/share/doc/wetonara/changelog.gz" >"$out/changelog" || fail "the change log is not gzipped"
for changelog_field in Version Maintainer; do
    [[ $(dpkg-parsechangelog -l "$out/changelog" -S "$changelog_field") == "$(field "$changelog_field")" ]] ||
        fail "change log $changelog_field '$(dpkg-parsechangelog -l "$out/changelog" -S "$changelog_field")' is not the package's"
done

lintian --fail-on error,warning --no-tag-display-limit "$deb" >"$out/lintian.log" 2>&1 ||
    fail "lintian: $(grep -E '^[EW]: ' "$out/lintian.log" || cat "$out/lintian.log")"

# The packaged command-line tool works: 17 August 1945 was a Friday, Jumat Legi.
reading=$("$out/root/usr/bin/weton" 1945-08-17 2>&1)
[[ $reading == *Legi* && $reading == *Jumat* ]] || fail "the packaged weton tool says: $reading"

((failures == 0)) || exit 1
echo "PASS: $(basename "$deb") with $(wc -l <"$out/contents") entries"
