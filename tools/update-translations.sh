#!/usr/bin/env bash
# Brings translations/zelvane_{de,fr,es}.ts up to date with the texts in the
# code, keeping what is translated, and says how many are left unfinished.
#
#   tools/update-translations.sh          update the files
#   tools/update-translations.sh --check  change nothing; fail when a file is
#                                         behind the code or not finished
set -eu
cd "$(dirname "$0")/.."
lupdate=/usr/lib/qt6/bin/lupdate
[ -x "$lupdate" ] || lupdate=lupdate
check=false
[ "${1:-}" = "--check" ] && check=true
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
for lang in de fr es; do
  file="translations/zelvane_$lang.ts"
  target="$file"
  if $check; then
    target="$work/zelvane_$lang.ts"
    cp "$file" "$target"
  fi
  "$lupdate" -silent -no-obsolete -locations none data gfx table sheet atom print app -ts "$target"
  texts=$(grep -c '<message' "$target" || true)
  unfinished=$(grep -c 'type="unfinished"' "$target" || true)
  echo "$lang: $texts texts, $unfinished unfinished"
  [ "$unfinished" -eq 0 ] || status=1
  if $check && ! cmp -s "$file" "$target"; then
    echo "$file is behind the code: run tools/update-translations.sh" >&2
    diff "$file" "$target" | head -20 >&2
    status=1
  fi
done
exit $status
