#!/usr/bin/env bash
# Builds the Debian package with cpack, unpacks it into a scratch root and checks what a school
# gets: exactly the program, its launcher, desktop entry, icon, metainfo, manual pages, copyright
# and changelog; entry, metainfo and manual pages valid; two packages made from one build the
# same bytes, each compressed file its source under gzip -9n; the dependencies that make it start
# on a fresh desktop; and lintian, Debian's own package checker, without errors or warnings.
set -euo pipefail
build=$1 source=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

# Built twice, every file dated at the newest changelog entry as Debian's own builds do: the same
# bytes both times.
SOURCE_DATE_EPOCH=$(dpkg-parsechangelog -l "$source/resources/debian/changelog" -STimestamp)
export SOURCE_DATE_EPOCH
for run in 1 2; do
  cpack --config "$build/CPackConfig.cmake" -G DEB -B "$scratch/out$run" >"$scratch/cpack.log" 2>&1 \
    || { cat "$scratch/cpack.log"; fail "cpack"; }
done
deb=$(ls "$scratch"/out1/ziftora_*.deb)
cmp "$deb" "$scratch/out2/$(basename "$deb")" || fail "two builds of the package differ"
dpkg-deb -x "$deb" "$scratch/root"
root=$scratch/root/usr/share

files=$(cd "$scratch/root" && find . -type f | LC_ALL=C sort | tr '\n' ' ')
want="./usr/bin/ziftora ./usr/bin/ziftora-start ./usr/share/applications/ziftora.desktop \
./usr/share/doc/ziftora/changelog.gz ./usr/share/doc/ziftora/copyright \
./usr/share/icons/hicolor/scalable/apps/ziftora.svg \
./usr/share/man/de/man1/ziftora-start.1.gz ./usr/share/man/de/man1/ziftora.1.gz \
./usr/share/man/man1/ziftora-start.1.gz ./usr/share/man/man1/ziftora.1.gz \
./usr/share/metainfo/de.ziftora.Ziftora.metainfo.xml "
[ "$files" = "$want" ] || fail "files: $files"
[ -x "$scratch/root/usr/bin/ziftora" ] && [ -x "$scratch/root/usr/bin/ziftora-start" ] || fail "not executable"

desktop-file-validate "$root/applications/ziftora.desktop" || fail "desktop entry"
appstreamcli validate --no-net "$root/metainfo/de.ziftora.Ziftora.metainfo.xml" || fail "metainfo"

# Each compressed file is its source under gzip -9n, byte for byte: no name, no time stamp.
while read -r gz src; do
  gzip -9nc "$source/resources/$src" | cmp -s - "$root/$gz" || fail "$gz is not $src under gzip -9n"
done <<'PAIRS'
man/man1/ziftora.1.gz man/ziftora.1
man/man1/ziftora-start.1.gz man/ziftora-start.1
man/de/man1/ziftora.1.gz man/de/ziftora.1
man/de/man1/ziftora-start.1.gz man/de/ziftora-start.1
doc/ziftora/changelog.gz debian/changelog
PAIRS
cmp -s "$source/resources/debian/copyright" "$root/doc/ziftora/copyright" || fail "copyright"
for page in "$root"/man/man1/*.gz "$root"/man/de/man1/*.gz; do
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "${page#"$root"/}: $warnings"
done

depends=$(dpkg-deb -f "$deb" Depends)
for p in libqt6widgets6 libqt6printsupport6 libqt6svg6 libc6 qt6-qpa-plugins qt6-translations-l10n fonts-liberation2; do
  [[ ", $depends," == *", $p"[\ ,]* ]] || fail "Depends lacks $p: $depends"
done
[ "$(dpkg-deb -f "$deb" Package)" = ziftora ] || fail "package name"

# Errors and warnings fail; informational tags are shown but pass.
lintian --display-info --fail-on error,warning "$deb" || fail "lintian"
echo "package: $(basename "$deb"), $(du -k "$deb" | cut -f1) KiB, depends: $depends"
echo "1 passed, 0 failed"
