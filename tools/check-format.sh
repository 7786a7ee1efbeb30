#!/usr/bin/env bash
# Fails, naming the files, where a tracked C++ file differs from .clang-format
# (clang-format 14, Debian's clang-format-14). Mend with: clang-format-14 -i FILE
set -eu
cd "$(dirname "$0")/.."
format=$(command -v clang-format-14 || true)
[ -n "$format" ] || { echo "check-format: clang-format-14 is missing (tools/install-deps.sh)" >&2; exit 1; }
differ=()
while IFS= read -r f; do
  "$format" --dry-run --Werror "$f" >/dev/null 2>&1 || differ+=("$f")
done < <(git ls-files '*.cpp' '*.h')
if [ ${#differ[@]} -gt 0 ]; then
  printf 'check-format: differs from .clang-format: %s\n' "${differ[@]}" >&2
  exit 1
fi
echo "check-format: every C++ file follows .clang-format"
