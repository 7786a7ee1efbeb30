#!/usr/bin/env bash
# Real-window smoke test: starts zelvane on a private Xvfb display, checks the
# window, the banner, the table and the Element page by their pixels, then ends
# the program with its Exit button.
#
#   smoke.sh <path to zelvane> [folder for the screenshots]
#
# Exits 77 (reported as skipped by ctest) when xvfb-run, xdotool or ImageMagick
# is missing.
set -u
bin=${1:?usage: smoke.sh <zelvane> [screenshot folder]}
for tool in xvfb-run xauth xdotool import convert dbus-run-session; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "smoke: SKIPPED: $tool is not installed (apt-get install xvfb xauth xdotool imagemagick dbus)"
    exit 77
  fi
done
# In a D-Bus session, as on a desktop: without one, Qt's accessibility bridge
# has libdbus start a bus from a forked copy of the program, which under
# AddressSanitizer can hang on an allocator lock another thread held.
if [ -z "${ZELVANE_SMOKE_DISPLAY:-}" ]; then
  exec xvfb-run -a -s '-screen 0 1024x768x24 -noreset' \
    env ZELVANE_SMOKE_DISPLAY=1 dbus-run-session -- bash "$0" "$@"
fi

shots=${2:-$(mktemp -d)}
mkdir -p "$shots"
name=smoke
source "$(dirname "$0")/lib.sh"

export QT_QPA_PLATFORM=xcb
"$bin" &
app=$!
cleanup() { kill "$app" 2>/dev/null && wait "$app" 2>/dev/null; }
trap cleanup EXIT

wait_window "$app" || exit 1
xdotool mousemove 1000 760   # keep the pointer off the window

# Without a window manager the window is exactly its fixed 800 x 600.
eval "$(xdotool getwindowgeometry --shell "$wid")"
[ "$WIDTH" = 800 ] && [ "$HEIGHT" = 600 ] || fail "window is ${WIDTH} x ${HEIGHT}, not 800 x 600"

# pixel FILE X Y: the colour at window position X,Y as RRGGBB.
pixel() { convert "$1" -format "%[hex:p{$2,$3}]" info: 2>/dev/null | cut -c1-6 | tr a-f A-F; }
expect() { # expect FILE X Y RRGGBB what
  local got
  got=$(pixel "$1" "$2" "$3")
  [ "$got" = "$4" ] || fail "$5: pixel ($2,$3) of $(basename "$1") is #$got, not #$4"
}
shot() { import -window "$wid" "$shots/$1" || fail "no screenshot $1"; }

# The banner sits over the table, at (125,155) in the table picture, itself at
# (2,45) in the window; its background is pale yellow.
sleep 0.5
shot banner.png
for p in "132 203" "140 210" "400 205" "132 330"; do
  expect "$shots/banner.png" $p FFFFC0 "banner background"
done

# After four seconds the banner is gone and the table shows. The cell of the
# element in row r, column c starts at (2 + 44 + 40(c-1), 45 + 42 + 50(r-1)).
sleep 4
shot table.png
expect "$shots/table.png" 132 203 1193D0 "table page where the banner was"
expect "$shots/table.png" 48 100 C0FFFF "hydrogen's cell (non-metal)"
expect "$shots/table.png" 748 100 BC93BC "helium's cell (inert gas)"
expect "$shots/table.png" 48 140 8BD58B "lithium's cell (alkali metal)"
expect "$shots/table.png" 329 262 ABCCDC "iron's cell (transition metal)"

# A click on iron's cell (row 4, column 8) opens the Element page, whose data
# sheet lies on a light grey frame.
xdotool mousemove --window "$wid" 346 262 click 1
sleep 1.5
shot element.png
expect "$shots/element.png" 741 356 E0E0E0 "data sheet background"
expect "$shots/element.png" 445 60 E0E0E0 "data sheet background"
expect "$shots/element.png" 20 70 000000 "atom picture background"

# The Exit button ends the program.
xdotool mousemove --window "$wid" 772 20 click 1
for _ in $(seq 50); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$app" 2>/dev/null; then
  fail "zelvane still runs 5 s after its Exit button was clicked"
else
  wait "$app"; status=$?
  [ "$status" = 0 ] || fail "zelvane exited with status $status"
fi
trap - EXIT

if [ "$failures" -gt 0 ]; then
  echo "smoke: $failures check(s) failed; screenshots in $shots"
  exit 1
fi
echo "smoke: window, banner, table, Element page and exit all as expected"
