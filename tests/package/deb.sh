#!/usr/bin/env bash
# The Debian package: builds it with CPack from the build folder, checks its
# control fields and its file list, unpacks it into a scratch root (dpkg -x)
# and runs the program from there.
#
#   deb.sh <build folder> <scratch folder>
#
# Leaves the package in the scratch folder for lintian.sh. Exits 77 (reported
# as skipped by ctest) when cpack, dpkg-deb, dpkg-shlibdeps or file is missing.
set -u
build=${1:?usage: deb.sh <build folder> <scratch folder>}
work=${2:?usage: deb.sh <build folder> <scratch folder>}
rm -rf "$work"   # no package of an earlier run is left for lintian.sh
for tool in cpack dpkg-deb dpkg-shlibdeps file; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "package: SKIPPED: $tool is not installed (apt-get install cmake dpkg-dev file)"
    exit 77
  fi
done
failures=0
fail() { echo "package: FAIL: $*"; failures=$((failures + 1)); }

mkdir -p "$work"
if ! cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1; then
  cat "$work/cpack.log"
  echo "package: FAIL: cpack could not build the package"
  exit 1
fi
arch=$(dpkg --print-architecture)
deb="$work/zelvane_1.0_$arch.deb"
[ -f "$deb" ] || { ls "$work"; echo "package: FAIL: no $(basename "$deb")"; exit 1; }

# Control fields: dependencies read from the program's libraries; no font
# package; Qt's Wayland plugin and the toolkit's own translations recommended.
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = zelvane ] || fail "Package is '$(field Package)'"
[ "$(field Version)" = 1.0 ] || fail "Version is '$(field Version)'"
[ "$(field Architecture)" = "$arch" ] || fail "Architecture is '$(field Architecture)'"
depends=$(field Depends)
names=$(sed 's/ ([^)]*)//g; s/, */\n/g' <<<"$depends")
for lib in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6; do
  grep -qxF "$lib" <<<"$names" || fail "Depends lacks $lib: $depends"
done
grep -q '^fonts-' <<<"$names" && fail "Depends names a font package: $depends"
# On a Wayland desktop the window is native with Qt's Wayland plugin; in German,
# French and Spanish the toolkit's dialog buttons speak the language with its
# translations.
[ "$(field Recommends)" = "qt6-wayland, qt6-translations-l10n" ] ||
  fail "Recommends is '$(field Recommends)', not qt6-wayland, qt6-translations-l10n"
grep -Eq '^.+ <[^ ]+@[^ ]+>$' <<<"$(field Maintainer)" || fail "Maintainer '$(field Maintainer)' is not Name <address>"

# The file list, exactly, every entry root's, nothing group- or world-writable.
listing=$(dpkg-deb -c "$deb")
files=$(awk '$1 !~ /^d/ {print $6}' <<<"$listing" | sort)
expected=$(sort <<'LIST'
./usr/bin/zelvane
./usr/libexec/zelvane/elementDat.edb
./usr/libexec/zelvane/zelvane
./usr/share/applications/io.github.zelvane.Zelvane.desktop
./usr/share/doc/zelvane/LICENSE
./usr/share/doc/zelvane/NOTICE
./usr/share/doc/zelvane/changelog.gz
./usr/share/doc/zelvane/copyright
./usr/share/doc/zelvane/fonts/LICENSE-OFL.txt
./usr/share/icons/hicolor/128x128/apps/zelvane.png
./usr/share/icons/hicolor/16x16/apps/zelvane.png
./usr/share/icons/hicolor/256x256/apps/zelvane.png
./usr/share/icons/hicolor/32x32/apps/zelvane.png
./usr/share/icons/hicolor/48x48/apps/zelvane.png
./usr/share/icons/hicolor/64x64/apps/zelvane.png
./usr/share/icons/hicolor/scalable/apps/zelvane.svg
./usr/share/man/de/man1/zelvane.1.gz
./usr/share/man/es/man1/zelvane.1.gz
./usr/share/man/fr/man1/zelvane.1.gz
./usr/share/man/man1/zelvane.1.gz
./usr/share/metainfo/io.github.zelvane.Zelvane.metainfo.xml
LIST
)
[ "$files" = "$expected" ] || fail "the package's files differ from the expected list:
$(diff <(echo "$expected") <(echo "$files"))"
awk '$2 != "root/root" {print "package: FAIL: not root'"'"'s: " $0; bad=1} END {exit bad}' <<<"$listing" ||
  failures=$((failures + 1))
awk '$1 ~ /^.....w|^........w/ {print "package: FAIL: writable by others: " $0; bad=1} END {exit bad}' \
  <<<"$listing" || failures=$((failures + 1))
for p in ./usr/bin/zelvane ./usr/libexec/zelvane/zelvane; do
  grep -Eq "^-rwxr-xr-x .* $p\$" <<<"$listing" || fail "$p is not -rwxr-xr-x"
done

# Unpacked into a scratch root: the icons at their sizes, the documents whole,
# and the program runs from there with the data file beside it.
root="$work/root"
dpkg -x "$deb" "$root" || fail "dpkg -x failed"
for s in 16 32 48 64 128 256; do
  file -b "$root/usr/share/icons/hicolor/${s}x$s/apps/zelvane.png" | grep -q "^PNG image data, $s x $s," ||
    fail "the ${s}x$s icon is $(file -b "$root/usr/share/icons/hicolor/${s}x$s/apps/zelvane.png")"
done
gzip -dc "$root/usr/share/man/man1/zelvane.1.gz" | head -n 1 | grep -q '^\.TH ZELVANE 1 ' ||
  fail "zelvane.1.gz is not the man page"
# Each language's page is its own translation, not a copy of another's.
for lang in de:BESCHREIBUNG fr:NOM es:NOMBRE; do
  gzip -dc "$root/usr/share/man/${lang%%:*}/man1/zelvane.1.gz" | grep -qx "\.SH ${lang#*:}" ||
    fail "man/${lang%%:*}/man1/zelvane.1.gz is not the ${lang%%:*} man page (no .SH ${lang#*:})"
done
gzip -dc "$root/usr/share/doc/zelvane/changelog.gz" | head -n 1 | grep -q '^zelvane (1\.0) ' ||
  fail "changelog.gz does not start with version 1.0"
grep -q '^Copyright (c) 2026 Zelvane Works$' "$root/usr/share/doc/zelvane/copyright" ||
  fail "copyright lacks our copyright line"
grep -q 'SIL Open Font License' "$root/usr/share/doc/zelvane/copyright" ||
  fail "copyright lacks the fonts' licence"
grep -qx 'Icon=zelvane' "$root/usr/share/applications/io.github.zelvane.Zelvane.desktop" ||
  fail "the menu entry's icon is not zelvane"
grep -q '<launchable type="desktop-id">io.github.zelvane.Zelvane.desktop</launchable>' \
  "$root/usr/share/metainfo/io.github.zelvane.Zelvane.metainfo.xml" ||
  fail "the metainfo does not launch io.github.zelvane.Zelvane.desktop"

cd "$work" || exit 1
version=$(env -u DISPLAY -u WAYLAND_DISPLAY "$root/usr/bin/zelvane" --version 2>&1)
[ "$version" = "zelvane 1.0" ] || fail "zelvane --version from the scratch root said: $version"
sheet=$(env -u DISPLAY -u WAYLAND_DISPLAY "$root/usr/bin/zelvane" --sheet fe 2>&1 | head -n 1)
[ "$sheet" = "26 Iron Fe" ] || fail "zelvane --sheet fe from the scratch root began: $sheet"
# Printing comes from its own module beside the program.
env -u DISPLAY -u WAYLAND_DISPLAY "$root/usr/bin/zelvane" --pdf "$work/table.pdf" >/dev/null 2>&1
[ "$(head -c 5 "$work/table.pdf" 2>/dev/null)" = "%PDF-" ] ||
  fail "zelvane --pdf from the scratch root wrote no PDF"

if [ "$failures" -gt 0 ]; then
  echo "package: $failures check(s) failed; $deb"
  exit 1
fi
echo "package: $(basename "$deb") holds the expected $(wc -l <<<"$files") files and runs and prints from a scratch root"
