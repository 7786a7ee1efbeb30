#!/usr/bin/env bash
# The real program read through the accessibility bus (AT-SPI), as a screen
# reader reads it: on a private Xvfb display and D-Bus session, checks the named
# buttons and table cells, then opens iron with a click on its cell and reads
# the data sheet, then goes back to the table, chooses the density view with
# the keyboard and reads the chooser and iron's cell.
#
#   atspi.sh <path to zelvane>
#
# Exits 77 (reported as skipped by ctest) when a tool is missing.
set -u
bin=${1:?usage: atspi.sh <zelvane>}
here=$(cd "$(dirname "$0")" && pwd)
skip() { echo "atspi: SKIPPED: $1 is not installed (apt-get install $2)"; exit 77; }
for tool in xvfb-run xauth xdotool dbus-run-session; do
  command -v "$tool" >/dev/null 2>&1 || skip "$tool" "xvfb xauth xdotool dbus"
done
# pyatspi comes with the system's Python, whatever python3 is first on the path.
py=/usr/bin/python3
[ -x "$py" ] || py=python3
launcher=/usr/libexec/at-spi-bus-launcher
[ -x "$launcher" ] || skip at-spi-bus-launcher at-spi2-core
"$py" -c 'import pyatspi' 2>/dev/null || skip pyatspi python3-pyatspi
if [ -z "${ZELVANE_ATSPI_SESSION:-}" ]; then
  exec xvfb-run -a -s '-screen 0 1024x768x24 -noreset' \
    env ZELVANE_ATSPI_SESSION=1 dbus-run-session -- bash "$0" "$@"
fi

name=atspi
source "$here/lib.sh"

"$launcher" --launch-immediately >/dev/null 2>&1 &
bus=$!
export QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
"$bin" &
app=$!
cleanup() { kill "$app" 2>/dev/null && wait "$app" 2>/dev/null; kill "$bus" 2>/dev/null; }
trap cleanup EXIT
started=$(date +%s%N)

wait_window "$app" || exit 1
xdotool mousemove 1000 760   # keep the pointer off the window
timeout 20 "$py" "$here/atspi.py" controls || fail "the controls as read through AT-SPI"

# The banner locks the table for its first four seconds; then typing "fe" and
# Return on the table opens iron's page.
left=$(( 4500 - ($(date +%s%N) - started) / 1000000 ))
[ "$left" -gt 0 ] && sleep "$(printf '%d.%03d' $((left / 1000)) $((left % 1000)))"
xdotool type --window "$wid" --delay 50 fe
xdotool key --window "$wid" Return
sleep 0.5
timeout 20 "$py" "$here/atspi.py" sheet || fail "the data sheet as read through AT-SPI"

# Back to the table with a click on its tab; Alt+V reaches the view chooser,
# four steps down is density. Keys with Alt go through the input focus.
xdotool mousemove --window "$wid" 24 28 click 1 mousemove 1000 760
sleep 0.3
xdotool windowfocus --sync "$wid"
xdotool key alt+v Down Down Down Down
sleep 0.5
timeout 20 "$py" "$here/atspi.py" density || fail "the density view as read through AT-SPI"

[ "$failures" -gt 0 ] && { echo "atspi: $failures check(s) failed"; exit 1; }
echo "atspi: buttons, table cells, data sheet and density view all read as expected"
