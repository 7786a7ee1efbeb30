#!/usr/bin/env bash
# Validates the menu entry (desktop-file-validate) and the software-centre
# metadata (appstreamcli validate, without the network); any error, warning or
# note fails. Then checks their translations: for each language the program
# speaks besides English, the menu entry's GenericName, Comment and Keywords,
# and the metainfo's summary, every paragraph and list item of its
# descriptions and the screenshot's caption, each present once, not empty and
# not left in English; some keywords; and the metainfo's languages.
#
#   metadata.sh <resources folder> [<translations folder>]
#
# Exits 77 (reported as skipped by ctest) when a validator is missing.
set -u
dir=${1:?usage: metadata.sh <resources folder> [<translations folder>]}
translations=${2:-}
for tool in desktop-file-validate appstreamcli python3; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "metadata: SKIPPED: $tool is not installed (apt-get install desktop-file-utils appstream python3)"
    exit 77
  fi
done
# The languages besides English.
languages="de fr es"
failures=0
fail() { echo "metadata: FAIL: $*"; failures=$((failures + 1)); }
desktop="$dir/io.github.zelvane.Zelvane.desktop"
metainfo="$dir/io.github.zelvane.Zelvane.metainfo.xml"
out=$(desktop-file-validate "$desktop" 2>&1)
if [ $? -ne 0 ] || [ -n "$out" ]; then
  echo "$out"; fail "desktop-file-validate on $(basename "$desktop")"
fi
out=$(appstreamcli validate --no-net --no-color "$metainfo" 2>&1)
if [ $? -ne 0 ] || grep -Eq '^[EWI]: ' <<<"$out"; then
  echo "$out"; fail "appstreamcli validate on $(basename "$metainfo")"
fi

# A language the program carries a translation for is a language here too.
if [ -n "$translations" ]; then
  for ts in "$translations"/zelvane_*.ts; do
    [ -e "$ts" ] || continue
    lang=${ts##*/zelvane_}; lang=${lang%.ts}
    grep -qw "$lang" <<<"$languages" || fail "the program carries $lang, which this check does not know"
  done
fi

# The menu entry: each key's translation, beside its English value.
value() { sed -n "s/^$1=//p" "$desktop"; }
for key in GenericName Comment Keywords; do
  english=$(value "$key")
  [ -n "$english" ] || fail "the menu entry has no $key"
  for lang in $languages; do
    text=$(value "$key\\[$lang\\]")
    if [ -z "$text" ]; then
      fail "the menu entry has no $key[$lang]"
    elif [ "$text" = "$english" ]; then
      fail "the menu entry's $key[$lang] is the English text"
    fi
  done
done

# The metainfo: each English text followed by its translations, as the
# software centres pair them.
out=$(python3 - "$metainfo" $languages <<'PY'
import sys
import xml.etree.ElementTree as ET

LANG = "{http://www.w3.org/XML/1998/namespace}lang"
path, languages = sys.argv[1], sys.argv[2:]
root = ET.parse(path).getroot()
faults = []

def text(e):
    return " ".join("".join(e.itertext()).split())

def where(e):
    return "<%s> \"%s\"" % (e.tag, text(e)[:40])

# Every translatable text (summary, description paragraphs and items, captions)
# is English first, then one translation per language before the next English.
def check_group(parent, tags):
    children = [c for c in parent if c.tag in tags]
    english = None
    seen = {}
    def close():
        if english is None:
            return
        for lang in languages:
            got = seen.get(lang, [])
            if len(got) != 1:
                faults.append("%s has %d %s translation(s)" % (where(english), len(got), lang))
            elif not text(got[0]):
                faults.append("%s: the %s translation is empty" % (where(english), lang))
            elif text(got[0]) == text(english):
                faults.append("%s: the %s translation is the English text" % (where(english), lang))
    for c in children:
        lang = c.get(LANG)
        if lang is None:
            close()
            english, seen = c, {}
        elif english is None or c.tag != english.tag:
            faults.append("<%s xml:lang=\"%s\"> has no English text before it" % (c.tag, lang))
        else:
            seen.setdefault(lang, []).append(c)
    close()
    return len([c for c in children if c.get(LANG) is None])

if check_group(root, {"summary"}) != 1:
    faults.append("the metainfo has not one English summary")
descriptions = [root.find("description")] + root.findall("releases/release/description")
for d in descriptions:
    if d is None:
        faults.append("the metainfo has no description")
        continue
    if check_group(d, {"p"}) == 0:
        faults.append("a description has no English paragraph")
    for l in d.findall("ul") + d.findall("ol"):
        check_group(l, {"li"})
for s in root.findall("screenshots/screenshot"):
    check_group(s, {"caption"})
for lang in languages:
    if not [k for k in root.findall("keywords/keyword") if k.get(LANG) == lang]:
        faults.append("the metainfo has no %s keyword" % lang)
named = [l.text for l in root.findall("languages/lang")]
for lang in ["en"] + languages:
    if lang not in named:
        faults.append("the metainfo's languages do not name %s" % lang)
print("\n".join(faults))
PY
)
[ $? -eq 0 ] || fail "the metainfo could not be read"
while IFS= read -r line; do
  [ -n "$line" ] && fail "$line"
done <<<"$out"

[ "$failures" -eq 0 ] || exit 1
echo "metadata: the menu entry and the metainfo validate clean, translated into $languages"
