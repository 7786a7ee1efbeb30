#!/usr/bin/env bash
# The real window under a Wayland compositor: weston's headless backend, with
# its own runtime folder and socket, and zelvane_wayland_window on Qt's Wayland
# platform (see waylandwindow.cpp): the window mapped at 800 x 600, then the
# table printed through it to a PDF file, with no printer installed.
#
#   weston.sh <zelvane_wayland_window> <elementDat.edb> <Qt's plugin folder> [screenshot folder]
#
# Exits 77 (reported as skipped by ctest) when weston or Qt's Wayland platform
# plugin (qt6-wayland) is missing.
set -u
program=${1:?usage: weston.sh <zelvane_wayland_window> <elementDat.edb> <Qt plugin folder> [shots]}
data=${2:?usage: weston.sh <zelvane_wayland_window> <elementDat.edb> <Qt plugin folder> [shots]}
plugins=${3:?usage: weston.sh <zelvane_wayland_window> <elementDat.edb> <Qt plugin folder> [shots]}
shots=${4:-}
if ! command -v weston >/dev/null 2>&1; then
  echo "wayland: SKIPPED: weston is not installed (apt-get install weston)"
  exit 77
fi
if ! ls "$plugins"/platforms/libqwayland-*.so >/dev/null 2>&1; then
  echo "wayland: SKIPPED: Qt's Wayland platform plugin is not in $plugins/platforms (apt-get install qt6-wayland)"
  exit 77
fi
[ -n "$shots" ] && mkdir -p "$shots"

runtime=$(mktemp -d)
chmod 700 "$runtime"
weston_pid=""
cleanup() {
  [ -n "$weston_pid" ] && kill "$weston_pid" 2>/dev/null && wait "$weston_pid" 2>/dev/null
  rm -rf "$runtime"
}
trap cleanup EXIT
socket=zelvane-test
# --debug lets weston-screenshooter take the screen; pixman draws it.
XDG_RUNTIME_DIR=$runtime weston --backend=headless-backend.so --socket="$socket" \
  --width=1024 --height=768 --use-pixman --idle-time=0 --debug >"$runtime/weston.log" 2>&1 &
weston_pid=$!
for _ in $(seq 100); do
  [ -S "$runtime/$socket" ] && break
  kill -0 "$weston_pid" 2>/dev/null || break
  sleep 0.1
done
if [ ! -S "$runtime/$socket" ]; then
  cat "$runtime/weston.log"
  echo "wayland: FAIL: weston did not start"
  exit 1
fi

# No X display and no desktop theme: the Wayland platform only, Qt's own
# dialogs; no print scheduler to ask, so no printer.
env -u DISPLAY -u QT_QPA_PLATFORMTHEME -u XDG_CURRENT_DESKTOP XDG_RUNTIME_DIR="$runtime" \
  WAYLAND_DISPLAY="$socket" QT_QPA_PLATFORM=wayland CUPS_SERVER="$runtime/no-cups" \
  timeout 60 "$program" "$data" "$runtime/table.pdf" "$shots"
status=$?
if [ "$status" -ne 0 ]; then
  tail -n 20 "$runtime/weston.log"
  echo "wayland: FAIL: the window test ended with status $status"
  exit 1
fi
