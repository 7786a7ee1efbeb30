#!/usr/bin/env bash
# The table page's PDF as paper shows it: rendered at 300 dots per inch by
# poppler, pixel for pixel the golden picture tests/golden/print-table@300dpi.png
# (on A4). With ZELVANE_UPDATE_GOLDEN=1 it draws the golden picture anew.
#   pdf-golden.sh ZELVANE GOLDEN_DIR WORK_DIR
set -u
zelvane=$1 golden=$2/print-table@300dpi.png work=$3
for c in pdftoppm compare; do
  command -v $c >/dev/null || { echo "pdf-golden: $c is missing (poppler-utils, imagemagick): skipped"; exit 77; }
done
mkdir -p "$work"
env -u LC_ALL -u DISPLAY -u WAYLAND_DISPLAY LC_PAPER=en_GB.UTF-8 SOURCE_DATE_EPOCH=0 \
  QT_QPA_PLATFORM=offscreen "$zelvane" --pdf "$work/table.pdf" || { echo "pdf-golden: FAIL: no PDF"; exit 1; }
pdftoppm -r 300 -png -singlefile "$work/table.pdf" "$work/table" || { echo "pdf-golden: FAIL: pdftoppm"; exit 1; }
if [ "${ZELVANE_UPDATE_GOLDEN:-}" = 1 ]; then
  cp "$work/table.png" "$golden" && echo "pdf-golden: drew $golden anew" && exit 0
fi
n=$(compare -metric AE "$golden" "$work/table.png" "$work/diff.png" 2>&1)
[ "$n" = 0 ] || { echo "pdf-golden: FAIL: $n pixels differ from $golden; see $work/diff.png"; exit 1; }
echo "pdf-golden: the table page at 300 dpi is its golden picture"
