#!/usr/bin/env bash
# Builds the Debian package with cpack, unpacks it into a scratch root and checks what a school
# gets: exactly the program, its launcher, desktop entry, icon and metainfo; entry and metainfo
# valid; the dependencies that make it start on a fresh desktop.
set -euo pipefail
build=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$scratch/out" >"$scratch/cpack.log" 2>&1 \
  || { cat "$scratch/cpack.log"; fail "cpack"; }
deb=$(ls "$scratch"/out/ziftora_*.deb)
dpkg-deb -x "$deb" "$scratch/root"

files=$(cd "$scratch/root" && find . -type f | sort | tr '\n' ' ')
want="./usr/bin/ziftora ./usr/bin/ziftora-start ./usr/share/applications/ziftora.desktop \
./usr/share/icons/hicolor/scalable/apps/ziftora.svg ./usr/share/metainfo/de.ziftora.Ziftora.metainfo.xml "
[ "$files" = "$want" ] || fail "files: $files"
[ -x "$scratch/root/usr/bin/ziftora" ] && [ -x "$scratch/root/usr/bin/ziftora-start" ] || fail "not executable"

desktop-file-validate "$scratch/root/usr/share/applications/ziftora.desktop" || fail "desktop entry"
appstreamcli validate --no-net "$scratch/root/usr/share/metainfo/de.ziftora.Ziftora.metainfo.xml" || fail "metainfo"

depends=$(dpkg-deb -f "$deb" Depends)
for p in libqt6widgets6 libqt6printsupport6 libqt6svg6 libc6 qt6-qpa-plugins qt6-translations-l10n fonts-liberation2; do
  [[ ", $depends," == *", $p"[\ ,]* ]] || fail "Depends lacks $p: $depends"
done
[ "$(dpkg-deb -f "$deb" Package)" = ziftora ] || fail "package name"
echo "package: $(basename "$deb"), $(du -k "$deb" | cut -f1) KiB, depends: $depends"
echo "1 passed, 0 failed"
