#!/usr/bin/env bash
# A Wayland platform asked for (QT_QPA_PLATFORM=wayland) that cannot serve,
# on a desktop with an X display (as XWayland gives): zelvane falls back to X11
# and shows its window, without a word on standard error,
#   - when the Qt Wayland plugin is not installed (a copy of the program whose
#     Qt plugin folder lacks it, through a qt.conf beside it);
#   - when no Wayland compositor answers.
#
#   display.sh <path to zelvane> <Qt's plugin folder>
#
# Exits 77 (reported as skipped by ctest) when xvfb-run, xauth, xdotool or
# dbus-run-session is missing.
set -u
bin=${1:?usage: display.sh <zelvane> <Qt plugin folder>}
plugins=${2:?usage: display.sh <zelvane> <Qt plugin folder>}
for tool in xvfb-run xauth xdotool dbus-run-session; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "display: SKIPPED: $tool is not installed (apt-get install xvfb xauth xdotool dbus)"
    exit 77
  fi
done
# In a D-Bus session, as on a desktop (see smoke.sh).
if [ -z "${ZELVANE_DISPLAY_SESSION:-}" ]; then
  exec xvfb-run -a -s '-screen 0 1024x768x24 -noreset' \
    env ZELVANE_DISPLAY_SESSION=1 dbus-run-session -- bash "$0" "$@"
fi
name=display
source "$(dirname "$0")/lib.sh"

work=$(mktemp -d)
app=""
cleanup() { [ -n "$app" ] && kill "$app" 2>/dev/null && wait "$app" 2>/dev/null; rm -rf "$work"; }
trap cleanup EXIT
unset WAYLAND_DISPLAY QT_QPA_PLATFORMTHEME
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"

# The program beside a Qt plugin folder like the machine's, less Wayland.
mkdir -p "$work/lone/plugins/platforms"
for entry in "$plugins"/*; do
  [ "$(basename "$entry")" = platforms ] || ln -s "$entry" "$work/lone/plugins/"
done
for plugin in "$plugins"/platforms/*; do
  case "$(basename "$plugin")" in
    *wayland*) ;;
    *) ln -s "$plugin" "$work/lone/plugins/platforms/" ;;
  esac
done
printf '[Paths]\nPlugins=plugins\n' >"$work/lone/qt.conf"
cp "$bin" "$work/lone/zelvane"
cp "$(dirname "$bin")/elementDat.edb" "$work/lone/"

# shows WHAT PROGRAM [VAR=value...]: the window shows, and nothing is said.
shows() {
  local what=$1 program=$2
  shift 2
  env "$@" "$program" 2>"$work/said" &
  app=$!
  wait_window "$app" || fail "$what: $(cat "$work/said")"
  kill "$app" 2>/dev/null && wait "$app" 2>/dev/null
  app=""
  [ -s "$work/said" ] && fail "$what: it said: $(cat "$work/said")"
}
shows "no Qt Wayland plugin" "$work/lone/zelvane" QT_QPA_PLATFORM=wayland
shows "no Wayland compositor" "$bin" QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=zelvane-none

if [ "$failures" -gt 0 ]; then
  echo "display: $failures check(s) failed"
  exit 1
fi
echo "display: with Wayland asked for and unable to serve, the window showed on X, silently"
