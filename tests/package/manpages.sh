#!/usr/bin/env bash
# The man pages: the English zelvane.1 and its German, French and Spanish
# translations zelvane.LANG.1. Each renders without a warning, has a NAME line
# that whatis can read, and tells of --lang; each translation is the page
# translated (its own NAME line), for this version, with the options, and as
# many sections and entries, as the English page.
#
#   manpages.sh <resources folder>
#
# Exits 77 (reported as skipped by ctest) when man or lexgrog is missing.
set -u
dir=${1:?usage: manpages.sh <resources folder>}
for tool in man lexgrog; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "manpages: SKIPPED: $tool is not installed (apt-get install man-db)"
    exit 77
  fi
done
scratch=$(mktemp -d) || exit 1
trap 'rm -rf "$scratch"' EXIT
failures=0
fail() { echo "manpages: FAIL: $*"; failures=$((failures + 1)); }

# What a page holds, to compare with the English: its options, the number of
# its sections and of its entries, and its version.
options() { grep -o '\\-\\-[a-z]\([a-z]\|\\-\)*\|^\.BR \\-[hv] ' "$1" | sed 's/^\.BR //; s/ $//' | sort -u; }
count() { grep -c "^\\.$2\\( \\|\$\\)" "$1"; }
version() { sed -n '/^\.TH /s/.*"\(Zelvane [^"]*\)".*/\1/p' "$1"; }

english="$dir/zelvane.1"
for lang in en de fr es; do
  if [ "$lang" = en ]; then page=$english; else page="$dir/zelvane.$lang.1"; fi
  name=$(basename "$page")
  [ -f "$page" ] || { fail "there is no $name"; continue; }
  # As lintian renders it: any warning of man or groff is printed on stderr.
  warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l "$page" 2>&1 >"$scratch/text")
  status=$?
  text=$(cat "$scratch/text")
  [ "$status" -eq 0 ] || fail "man cannot render $name (status $status)"
  [ -z "$warnings" ] || fail "$name renders with warnings: $warnings"
  grep -q -- '--lang CODE\|--lang CÓDIGO' <<<"$text" || fail "$name does not tell of --lang"
  whatis=$(lexgrog "$page" 2>&1) || fail "lexgrog cannot read the NAME line of $name: $whatis"
  [ "$lang" = en ] && continue

  # Not a copy of the English page, and as complete.
  [ "$(lexgrog "$english")" != "${whatis/$page/$english}" ] ||
    fail "$name has the English NAME line"
  [ "$(version "$page")" = "$(version "$english")" ] ||
    fail "$name is for '$(version "$page")', the English page for '$(version "$english")'"
  missing=$(comm -23 <(options "$english") <(options "$page"))
  [ -z "$missing" ] || fail "$name lacks "$missing
  extra=$(comm -13 <(options "$english") <(options "$page"))
  [ -z "$extra" ] || fail "$name has options the English page has not: "$extra
  for macro in SH TP IP PP; do
    [ "$(count "$page" $macro)" = "$(count "$english" $macro)" ] ||
      fail "$name has $(count "$page" $macro) .$macro, the English page $(count "$english" $macro)"
  done
done

[ "$failures" -eq 0 ] || exit 1
echo "manpages: zelvane.1 and its de, fr and es translations render clean and tell of --lang"
