#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# `cpack -G DEB` builds an xz-compressed Debian package holding the programs, the desktop-integration
# files, the manual pages and the licence; lintian, Debian's own check, finds nothing in it, not even a
# pedantic note; and every place that names the release gives the version and date that the top-level
# CMakeLists.txt sets.
set -u

build=${WETONARA_BUILD_DIR:?WETONARA_BUILD_DIR names the build folder}
source=${WETONARA_SOURCE_DIR:?WETONARA_SOURCE_DIR names the source folder}
for tool in cpack dpkg-deb dpkg-parsechangelog lintian ar; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
cache_value() { sed -n "s/^$1:[A-Z]*=//p" "$build/CMakeCache.txt"; }
# cpack packs the programs as this build made them, building nothing first: what ships is a release
# build with the distribution's flags, never a debugging or sanitizer build.
if [[ ! $(cache_value CMAKE_BUILD_TYPE) =~ ^(Release|RelWithDebInfo|MinSizeRel)$ ||
      $(cache_value CMAKE_CXX_FLAGS) == *-fsanitize* ]]; then
    echo "SKIP: a $(cache_value CMAKE_BUILD_TYPE) build with flags '$(cache_value CMAKE_CXX_FLAGS)' is not packed"
    exit 77
fi

out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

(cd "$build" && cpack -G DEB -B "$out") >"$out/cpack.log" 2>&1 || { cat "$out/cpack.log"; echo "FAIL: cpack"; exit 1; }
debs=("$out"/*.deb)
[[ ${#debs[@]} == 1 && -f ${debs[0]} ]] || { ls "$out"; echo "FAIL: expected one .deb"; exit 1; }
deb=${debs[0]}
ar t "$deb" | grep -qx 'data.tar.xz' || fail "the package's data is not xz-compressed: $(ar t "$deb" | tr '\n' ' ')"

dpkg-deb -c "$deb" | awk '{ print $NF }' | sed 's|^\./|/|' >"$out/contents"
for file in /usr/bin/wetonara /usr/bin/weton \
    /usr/share/applications/org.wetonara.Wetonara.desktop \
    /usr/share/metainfo/org.wetonara.Wetonara.metainfo.xml \
    /usr/share/mime/packages/wetonara.xml \
    /usr/share/icons/hicolor/scalable/apps/wetonara.svg \
    /usr/share/icons/hicolor/{16x16,32x32,48x48,64x64,128x128,256x256}/apps/wetonara.png \
    /usr/share/icons/hicolor/scalable/mimetypes/application-x-wetonara-reading.svg \
    /usr/share/man/man1/{wetonara,weton}.1.gz /usr/share/man/id/man1/{wetonara,weton}.1.gz \
    /usr/share/doc/wetonara/{copyright,changelog.gz} \
    /usr/share/lintian/overrides/wetonara; do
    grep -qx "$file" "$out/contents" || fail "$file is not in the package"
done
# Nothing of the build (libraries, tests, benchmarks) comes along.
grep -E '\.a$|/tst_|/bench' "$out/contents" && fail "build leftovers in the package"

field() { dpkg-deb -f "$deb" "$1"; }
[[ $(field Package) == wetonara ]] || fail "Package is '$(field Package)'"
# The maintainer is configured once; the change log names the same one.
contact=$(cache_value WETONARA_PACKAGE_CONTACT)
[[ $contact == *' <'*'@'*'.'*'>' && $(field Maintainer) == "$contact" ]] || fail "Maintainer is '$(field Maintainer)', configured '$contact'"
[[ $(field Depends) == *libqt6widgets6* ]] || fail "Depends is '$(field Depends)'"
# weton writes the wetonan's calendar files with libical.
[[ $(field Depends) == *libical3* ]] || fail "Depends lacks libical3: '$(field Depends)'"

dpkg-deb -x "$deb" "$out/root"
zcat "$out/root/usr/share/doc/wetonara/changelog.gz" >"$out/changelog" || fail "the change log is not gzipped"
changelog() { dpkg-parsechangelog -l "$out/changelog" -S "$1"; }
[[ $(changelog Maintainer) == "$(field Maintainer)" ]] || fail "change log Maintainer '$(changelog Maintainer)' is not the package's"

# The release as the top-level CMakeLists.txt sets it, and as each place in the package gives it.
version=$(sed -nE 's/^project\(Wetonara VERSION ([0-9.]+) .*/\1/p' "$source/CMakeLists.txt")
date=$(sed -nE 's/^set\(WETONARA_RELEASE_DATE ([0-9-]+)\)$/\1/p' "$source/CMakeLists.txt")
[[ $version && $date ]] || fail "no version and release date found in $source/CMakeLists.txt"
man_heading() {
    zcat "$out/root/usr/share/man/man1/$1.1.gz" | sed -nE 's/^\.TH [A-Z]+ 1 ([^ ]+) "Wetonara ([^"]+)".*/\2 (\1)/p'
}
metainfo=$out/root/usr/share/metainfo/org.wetonara.Wetonara.metainfo.xml
while IFS='|' read -r place given; do
    [[ $given == "$version ($date)" ]] || fail "$place gives '$given', the release is '$version ($date)'"
done <<END
package|$(field Version) ($date)
change log|$(changelog Version) ($(date -u -d "$(changelog Date)" +%F))
AppStream release|$(sed -nE 's/.*<release version="([^"]+)" date="([^"]+)".*/\1 (\2)/p' "$metainfo" | head -n 1)
wetonara(1)|$(man_heading wetonara)
weton(1)|$(man_heading weton)
wetonara --version|$(env -u DISPLAY -u WAYLAND_DISPLAY "$out/root/usr/bin/wetonara" --version 2>&1 | sed 's/^wetonara //')
weton --version|$("$out/root/usr/bin/weton" --version 2>&1 | sed 's/^weton //')
END

# Overrides, each with its reason, travel in the package; anything else lintian notes is a fault.
lintian --fail-on error,warning,info,pedantic --display-info --pedantic --no-tag-display-limit "$deb" \
    >"$out/lintian.log" 2>&1 || fail "lintian: $(grep -E '^[EWIP]: ' "$out/lintian.log" || cat "$out/lintian.log")"

# The packaged command-line tool works: 17 August 1945 was a Friday, Jumat Legi.
reading=$("$out/root/usr/bin/weton" 1945-08-17 2>&1)
[[ $reading == *Legi* && $reading == *Jumat* ]] || fail "the packaged weton tool says: $reading"

((failures == 0)) || exit 1
echo "PASS: $(basename "$deb") with $(wc -l <"$out/contents") entries, release $version ($date)"
