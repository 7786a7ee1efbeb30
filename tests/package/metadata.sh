#!/usr/bin/env bash
# Validates the menu entry (desktop-file-validate) and the software-centre
# metadata (appstreamcli validate, without the network); any error, warning or
# note fails.
#
#   metadata.sh <resources folder>
#
# Exits 77 (reported as skipped by ctest) when a validator is missing.
set -u
dir=${1:?usage: metadata.sh <resources folder>}
for tool in desktop-file-validate appstreamcli; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "metadata: SKIPPED: $tool is not installed (apt-get install desktop-file-utils appstream)"
    exit 77
  fi
done
failures=0
desktop="$dir/io.github.zelvane.Zelvane.desktop"
metainfo="$dir/io.github.zelvane.Zelvane.metainfo.xml"
out=$(desktop-file-validate "$desktop" 2>&1)
if [ $? -ne 0 ] || [ -n "$out" ]; then
  echo "$out"; echo "metadata: FAIL: desktop-file-validate on $(basename "$desktop")"
  failures=$((failures + 1))
fi
out=$(appstreamcli validate --no-net --no-color "$metainfo" 2>&1)
if [ $? -ne 0 ] || grep -Eq '^[EWI]: ' <<<"$out"; then
  echo "$out"; echo "metadata: FAIL: appstreamcli validate on $(basename "$metainfo")"
  failures=$((failures + 1))
fi
[ "$failures" -eq 0 ] || exit 1
echo "metadata: the menu entry and the metainfo validate clean"
