#!/usr/bin/env bash
# Prints through a real print scheduler: starts a private CUPS scheduler on a
# socket of its own, whose default queue hands each job on as a PDF file, and
# runs the RealPrinter tests against it.
#
#   cups.sh <zelvane_print_tests> <ppd>
#
# Exits 77 (reported as skipped by ctest) when CUPS or pdftoppm is missing or
# the scheduler cannot start.
set -u
tests=${1:?usage: cups.sh <zelvane_print_tests> <ppd>}
ppd=${2:?usage: cups.sh <zelvane_print_tests> <ppd>}
skip() { echo "cups: SKIPPED: $*"; exit 77; }
for tool in /usr/sbin/cupsd lpadmin pdftoppm; do
  command -v "$tool" >/dev/null 2>&1 || skip "$tool is not installed (apt-get install cups poppler-utils)"
done

dir=$(mktemp -d /tmp/zelvane-cups.XXXXXX)
mkdir -p "$dir/spool/tmp" "$dir/cache" "$dir/log" "$dir/state" "$dir/out"
# The filters run as the scheduler's own user, which must reach these folders.
chmod -R a+rwx "$dir"
cat > "$dir/cupsd.conf" <<CONF
Listen $dir/cups.sock
LogLevel info
WebInterface No
Browsing No
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
CONF
cat > "$dir/cups-files.conf" <<CONF
ServerRoot $dir
RequestRoot $dir/spool
TempDir $dir/spool/tmp
CacheDir $dir/cache
StateDir $dir/state
ErrorLog $dir/log/error_log
AccessLog $dir/log/access_log
PageLog $dir/log/page_log
FileDevice Yes
ServerBin /usr/lib/cups
DataDir /usr/share/cups
CONF

/usr/sbin/cupsd -f -c "$dir/cupsd.conf" -s "$dir/cups-files.conf" &
cupsd=$!
cleanup() { kill "$cupsd" 2>/dev/null; wait "$cupsd" 2>/dev/null; rm -rf "$dir"; }
trap cleanup EXIT
for _ in $(seq 50); do [ -S "$dir/cups.sock" ] && break; sleep 0.1; done
[ -S "$dir/cups.sock" ] || skip "the scheduler did not start: $(tail -n 3 "$dir/log/error_log" 2>/dev/null)"

export CUPS_SERVER="$dir/cups.sock"
lpadmin -p zelvane-test -E -v "file://$dir/out/page.pdf" -P "$ppd" 2>/dev/null ||
  skip "the scheduler took no queue"
lpadmin -d zelvane-test
ZELVANE_PRINTER_OUTPUT="$dir/out/page.pdf" QT_QPA_PLATFORM=offscreen \
  "$tests" --gtest_filter='RealPrinter.*'
status=$?
[ "$status" = 0 ] || tail -n 20 "$dir/log/error_log"
exit "$status"
