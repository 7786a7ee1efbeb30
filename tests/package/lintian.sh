#!/usr/bin/env bash
# Runs lintian on the package deb.sh built, and fails on any error-level tag.
# Warnings and notes are printed but accepted.
#
#   lintian.sh <the .deb>
#
# Exits 77 (reported as skipped by ctest) when lintian is not installed, or when
# debian_package built no package (it was skipped, or cpack failed there).
set -u
deb=${1:?usage: lintian.sh <the .deb>}
if ! command -v lintian >/dev/null 2>&1; then
  echo "lintian: SKIPPED: lintian is not installed (apt-get install lintian)"
  exit 77
fi
if [ ! -f "$deb" ]; then
  echo "lintian: SKIPPED: the debian_package test built no package ($deb)"
  exit 77
fi
out=$(lintian --info "$deb" 2>&1)
status=$?
echo "$out"
if [ "$status" -ne 0 ] || grep -q '^E: ' <<<"$out"; then
  echo "lintian: FAIL: lintian reports errors on $(basename "$deb")"
  exit 1
fi
echo "lintian: no error-level tags on $(basename "$deb")"
