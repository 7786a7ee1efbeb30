#!/usr/bin/env bash
# Soak run: shows oganesson with the animation on at the fastest speed on a
# private Xvfb display for a while and reports the program's resident memory
# (VmRSS) at the start, every minute and at the end.
#
#   tools/soak.sh <path to zelvane> [seconds, default 600]
set -u
bin=${1:?usage: soak.sh <zelvane> [seconds]}
seconds=${2:-600}
if [ -z "${ZELVANE_SOAK_DISPLAY:-}" ]; then
  exec xvfb-run -a -s '-screen 0 1024x768x24 -noreset' env ZELVANE_SOAK_DISPLAY=1 bash "$0" "$@"
fi
export QT_QPA_PLATFORM=xcb
"$bin" &
app=$!
trap 'kill $app 2>/dev/null' EXIT
name=soak
source "$(dirname "$0")/../tests/smoke/lib.sh"
wait_window "$app" || exit 1
rss() { awk '/^VmRSS/ {print $2}' "/proc/$app/status"; }
sleep 5                                                   # the banner goes after 4 s
xdotool mousemove --window "$wid" 746 412 click 1         # Og: row 7, column 18
sleep 1
xdotool mousemove --window "$wid" 317 486 click 1         # animation on
sleep 0.5
xdotool mousemove --window "$wid" 337 525 click --repeat 300 --delay 10 1  # speed bar's left arrow
xdotool mousemove 1000 760
# The atom picture must change between two looks, or nothing is animating.
tmp=$(mktemp -d)
import -window "$wid" -crop 400x400+13+58 +repage "$tmp/a.png"
sleep 0.3
import -window "$wid" -crop 400x400+13+58 +repage "$tmp/b.png"
changed=$(compare -metric AE "$tmp/a.png" "$tmp/b.png" /dev/null 2>&1 | cut -d' ' -f1)
rm -rf "$tmp"
[ "${changed:-0}" != 0 ] || { echo "soak: the atom does not move; is the animation on?" >&2; exit 1; }
echo "soak: animation running ($changed pixels changed in 0.3 s)"
sleep 10
start=$(rss); began=$(date +%s)
echo "soak: VmRSS at start ${start} kB"
while [ $(( $(date +%s) - began )) -lt "$seconds" ]; do
  sleep 60
  kill -0 "$app" 2>/dev/null || { echo "soak: zelvane ended during the run" >&2; exit 1; }
  echo "soak: $(( $(date +%s) - began )) s: VmRSS $(rss) kB, CPU $(ps -o cputime= -p $app)"
done
end=$(rss)
echo "soak: VmRSS at start ${start} kB, at end ${end} kB, growth $(( end - start )) kB"
