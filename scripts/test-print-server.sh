# Sourced by scripts/test.sh: a CUPS server of its own for the printing tests, with a
# private configuration and socket (the machine's CUPS is left alone), and two raw
# queues, the sheet printer and the documents printer, whose jobs the capture backend
# copies unchanged into a folder, with a third that refuses every job. The tests find them through CUPS_SERVER and the
# VELORAST_* variables; stop_test_print_server removes the queues and stops the server.

start_test_print_server() {
  local here
  here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
  if [ "$(id -u)" -ne 0 ] || ! command -v cupsd >/dev/null; then
    echo "test print server: needs root and cupsd; the printing tests that need it will skip"
    return 0
  fi
  VELORAST_CUPS_DIR=$(mktemp -d /tmp/velorast-cups.XXXXXX)
  chmod 755 "$VELORAST_CUPS_DIR"
  local d=$VELORAST_CUPS_DIR
  mkdir -p "$d/conf" "$d/spool/tmp" "$d/cache" "$d/state" "$d/log" "$d/bin/backend" "$d/capture"
  for f in /usr/lib/cups/*; do
    [ "$(basename "$f")" = backend ] || ln -s "$f" "$d/bin/$(basename "$f")"
  done
  # Mode 0700: CUPS runs the backend as root, so that it may write the capture folder.
  install -m 0700 "$here/velorast-capture" "$d/bin/backend/velorast-capture"
  cat > "$d/conf/cupsd.conf" <<CONF
Listen $d/cups.sock
LogLevel warn
Browsing No
WebInterface No
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
  cat > "$d/conf/cups-files.conf" <<CONF
ServerRoot $d/conf
ServerBin $d/bin
RequestRoot $d/spool
TempDir $d/spool/tmp
CacheDir $d/cache
StateDir $d/state
ErrorLog $d/log/error_log
AccessLog $d/log/access_log
PageLog $d/log/page_log
SystemGroup root
User lp
Group lp
CONF
  cupsd -f -c "$d/conf/cupsd.conf" -s "$d/conf/cups-files.conf" >"$d/log/cupsd.out" 2>&1 &
  VELORAST_CUPSD_PID=$!
  export CUPS_SERVER=$d/cups.sock
  local i
  for i in $(seq 1 100); do
    lpstat -r 2>/dev/null | grep -q "scheduler is running" && break
    sleep 0.1
  done
  if ! lpstat -r 2>/dev/null | grep -q "scheduler is running"; then
    echo "test print server: cupsd did not start" >&2
    cat "$d/log/cupsd.out" "$d/log/error_log" >&2 2>/dev/null
    return 1
  fi
  export VELORAST_TEST_PRINTER_FISA=Velorast_Fisa
  export VELORAST_TEST_PRINTER_ACTE=Velorast_Acte
  export VELORAST_PRINT_CAPTURE_DIR=$d/capture
  local q
  for q in "$VELORAST_TEST_PRINTER_FISA" "$VELORAST_TEST_PRINTER_ACTE"; do
    lpadmin -p "$q" -E -v "velorast-capture:$VELORAST_PRINT_CAPTURE_DIR" -m raw 2>/dev/null || return 1
  done
  lpadmin -d "$VELORAST_TEST_PRINTER_ACTE" || return 1
  # A queue that refuses every job, for the tests of a print that fails.
  export VELORAST_TEST_PRINTER_REFUSING=Velorast_Refuza
  lpadmin -p "$VELORAST_TEST_PRINTER_REFUSING" -E -v "velorast-capture:$VELORAST_PRINT_CAPTURE_DIR" -m raw \
    2>/dev/null || return 1
  cupsreject "$VELORAST_TEST_PRINTER_REFUSING" || return 1
  echo "test print server: queues $VELORAST_TEST_PRINTER_FISA, $VELORAST_TEST_PRINTER_ACTE and $VELORAST_TEST_PRINTER_REFUSING (refusing jobs) on $CUPS_SERVER"
}

stop_test_print_server() {
  [ -n "${VELORAST_CUPSD_PID:-}" ] || return 0
  lpadmin -x "$VELORAST_TEST_PRINTER_FISA" 2>/dev/null || true
  lpadmin -x "$VELORAST_TEST_PRINTER_ACTE" 2>/dev/null || true
  lpadmin -x "$VELORAST_TEST_PRINTER_REFUSING" 2>/dev/null || true
  kill "$VELORAST_CUPSD_PID" 2>/dev/null || true
  wait "$VELORAST_CUPSD_PID" 2>/dev/null || true
  rm -rf "$VELORAST_CUPS_DIR"
  VELORAST_CUPSD_PID=
}
