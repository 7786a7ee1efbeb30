#!/usr/bin/env bash
# Brings translations/zelvane_{de,fr,es}.ts up to date with the texts in the
# code, keeping what is translated, and reports what is left unfinished.
set -eu
cd "$(dirname "$0")/.."
lupdate=/usr/lib/qt6/bin/lupdate
[ -x "$lupdate" ] || lupdate=lupdate
for lang in de fr es; do
  "$lupdate" -no-obsolete -locations none data gfx table sheet atom print app \
    -ts "translations/zelvane_$lang.ts"
done
