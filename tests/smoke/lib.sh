# Shared by the real-window scripts: sourced after they set name (the prefix of
# their messages).
failures=0
fail() { echo "$name: FAIL: $*"; failures=$((failures + 1)); }

# wait_window PID: waits up to 15 s for the visible window titled Zelvane of the
# program started as PID; sets wid to it.
wait_window() {
  wid=""
  for _ in $(seq 150); do
    wid=$(xdotool search --onlyvisible --name '^Zelvane$' 2>/dev/null | head -n 1)
    [ -n "$wid" ] && return 0
    kill -0 "$1" 2>/dev/null || { fail "zelvane ended before its window showed"; return 1; }
    sleep 0.1
  done
  fail "no visible window titled Zelvane within 15 s"; return 1
}
