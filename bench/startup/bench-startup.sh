#!/usr/bin/env bash
# Start-up, memory and animation figures of Zelvane beside a bare Qt Widgets
# window of the same size (and gperiodic where it is installed), under a private
# Xvfb display with no window manager and a D-Bus session.
#
#   bench/startup/bench-startup.sh BUILD_DIR [RUNS, default 21] [RSS_RUNS, default 5]
#
# Start-up: median over RUNS alternating runs of the time from exec to the
# first MapNotify of a top-level window (mapwait), each program ended soon
# after. On a shared machine single start-ups swing by several milliseconds,
# so many short runs give a steadier median than a few long ones. RSS: VmRSS
# at 5 s, median over RSS_RUNS alternating runs; it barely varies.
# CPU: utime + stime from /proc/PID/stat over 10 s as a share of one core,
# with oganesson's page shown and the animation at the default and the fastest
# speed, off, and with the table page shown.
set -u
build=$(cd "${1:?usage: bench-startup.sh BUILD_DIR [RUNS] [RSS_RUNS]}" && pwd)
runs=${2:-21}
rss_runs=${3:-5}
if [ -z "${ZELVANE_BENCH_DISPLAY:-}" ]; then
  for c in Xvfb xdotool xdpyinfo dbus-run-session; do
    command -v $c >/dev/null || { echo "bench-startup: $c is missing (tools/install-deps.sh --bench)" >&2; exit 2; }
  done
  disp=":$((200 + RANDOM % 100))"
  Xvfb "$disp" -screen 0 1700x1300x24 -noreset -nolisten tcp >/dev/null 2>&1 &
  xpid=$!
  trap 'kill $xpid 2>/dev/null; wait $xpid 2>/dev/null' EXIT
  for _ in $(seq 50); do DISPLAY=$disp xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
  runtime=$(mktemp -d /tmp/bench-startup.XXXXXX)
  trap 'kill $xpid 2>/dev/null; wait $xpid 2>/dev/null; rm -rf "$runtime"' EXIT
  # dbus-daemon's notice that it may not raise its file limit says nothing here.
  DISPLAY=$disp XDG_RUNTIME_DIR=$runtime ZELVANE_BENCH_DISPLAY=1 dbus-run-session -- bash "$0" "$@" \
    2> >(grep -v 'Failed to set fd limit' >&2)
  exit $?
fi
export QT_QPA_PLATFORM=xcb
mapwait=$build/bench/mapwait
names=(bare zelvane)
cmds=("$build/bench/barewindow" "$build/zelvane")
if command -v gperiodic >/dev/null; then names+=(gperiodic); cmds+=("$(command -v gperiodic)"); fi

echo "bench-startup: $(nproc) cores, load average $(cut -d' ' -f1-3 /proc/loadavg) before," \
  "$runs start-up runs and $rss_runs memory runs each"
declare -A times rss
# measure SECONDS ARRAY COUNT: COUNT rounds, each program once per round.
measure() {
  local r i out
  for ((r = 1; r <= $3; r++)); do
    for i in "${!names[@]}"; do
      out=$("$mapwait" "$1" ${cmds[$i]} 2>/dev/null) || { echo "bench-startup: ${names[$i]} failed" >&2; exit 1; }
      if [ "$2" = times ]; then times[${names[$i]}]+="${out% *} "; else rss[${names[$i]}]+="${out#* } "; fi
    done
  done
}
measure 0.3 times "$runs"
measure 5 rss "$rss_runs"
median() { tr ' ' '\n' | grep . | sort -g | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR+1)/2] : (a[NR/2] + a[NR/2+1]) / 2}'; }
printf '%-10s %12s %10s   %s\n' program start-up RSS "runs (ms)"
for n in "${names[@]}"; do
  t=$(echo "${times[$n]}" | median); m=$(echo "${rss[$n]}" | median)
  declare "t_$n=$t" "m_$n=$m"
  printf '%-10s %9.1f ms %7.1f MB   %s\n' "$n" "$t" "$(echo "$m / 1024" | bc -l)" "${times[$n]}"
done
printf 'zelvane over the bare window: start-up %+.1f ms, RSS %+.1f MB (%+.0f kB)\n' \
  "$(echo "$t_zelvane - $t_bare" | bc -l)" "$(echo "($m_zelvane - $m_bare) / 1024" | bc -l)" \
  "$(echo "$m_zelvane - $m_bare" | bc -l)"
if [ -n "${t_gperiodic:-}" ]; then
  printf 'zelvane against gperiodic: start-up %+.1f ms\n' "$(echo "$t_zelvane - $t_gperiodic" | bc -l)"
fi

# CPU shares, all in one run of the program.
"$build/zelvane" --element og &
app=$!
trap 'kill $app 2>/dev/null' EXIT
name=bench-startup
source "$(dirname "$0")/../../tests/smoke/lib.sh"
wait_window "$app" || exit 1
ticks() { awk '{print $14 + $15}' "/proc/$app/stat"; }
hz=$(getconf CLK_TCK)
share() {
  local a b; xdotool mousemove 1690 1290; sleep 1
  a=$(ticks); sleep 10; b=$(ticks)
  printf 'CPU over 10 s, %-34s %5.1f %% of a core\n' "$1:" "$(echo "($b - $a) * 100 / $hz / 10" | bc -l)"
}
sleep 5                                                   # the banner goes, oganesson shows
share "oganesson, animation off"
xdotool mousemove --window "$wid" 317 486 click 1         # animation on, default speed
share "oganesson, default speed"
xdotool mousemove --window "$wid" 337 525 click --repeat 80 --delay 10 1  # speed bar to its fastest
share "oganesson, fastest speed"
xdotool mousemove --window "$wid" 24 28 click 1           # the table page
share "table page (animation on)"

# The animation at a screen scale of 2, where every picture has four times the
# pixels: oganesson at the default speed (the window's points doubled).
kill $app 2>/dev/null; wait $app 2>/dev/null
QT_SCALE_FACTOR=2 "$build/zelvane" --element og &
app=$!
wait_window "$app" || exit 1
sleep 5
xdotool mousemove --window "$wid" 634 972 click 1
share "oganesson, default speed, at 2x"
