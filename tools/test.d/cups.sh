# Sourced by "tools/dev test" before ctest runs: gives the real-printing
# test a CUPS server whose default printer is a cups-pdf queue, and stops
# that server by its PID when the test run ends. Where no server can start,
# TABULON_CUPS_SKIP carries the reason and the test reports itself skipped.
#
# Exports for the tests:
#   TABULON_CUPS_READY=1      a scheduler runs with a cups-pdf default queue
#   TABULON_CUPS_OUT=DIR      where cups-pdf puts the PDF of a job
#   TABULON_CUPS_SKIP=REASON  why there is no server

_tabulon_cups_pid=""

_tabulon_cups_skip() {
  export TABULON_CUPS_SKIP="$1"
  unset TABULON_CUPS_READY TABULON_CUPS_OUT
  echo "cups: real-printing test will be skipped: $1"
}

_tabulon_cups_stop() {
  if [ -n "$_tabulon_cups_pid" ] && kill -0 "$_tabulon_cups_pid" 2>/dev/null; then
    kill "$_tabulon_cups_pid" 2>/dev/null || true
    for _ in $(seq 1 50); do
      kill -0 "$_tabulon_cups_pid" 2>/dev/null || break
      sleep 0.1
    done
    echo "cups: stopped cupsd (PID $_tabulon_cups_pid)"
  fi
  _tabulon_cups_pid=""
}

# Where cups-pdf writes: the Out line of its configuration, with the job
# owner's home and name filled in (the tests submit as the current user).
_tabulon_cups_outdir() {
  local out
  out=$(sed -n 's/^[[:space:]]*Out[[:space:]]\+//p' /etc/cups/cups-pdf.conf 2>/dev/null | tail -n 1)
  [ -n "$out" ] || out='${HOME}/PDF'
  out=${out//'${HOME}'/$HOME}
  out=${out//'${USER}'/$(id -un)}
  printf '%s\n' "$out"
}

_tabulon_cups_default_is_pdf() {
  local dest uri
  dest=$(lpstat -d 2>/dev/null | sed -n 's/^system default destination: //p')
  [ -n "$dest" ] || return 1
  uri=$(lpstat -v "$dest" 2>/dev/null | sed -n 's/^device for [^:]*: //p')
  case "$uri" in cups-pdf:*) return 0 ;; *) return 1 ;; esac
}

_tabulon_cups_start() {
  local ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
  if ! command -v lpstat >/dev/null 2>&1 || [ ! -x /usr/sbin/cupsd ]; then
    _tabulon_cups_skip "cupsd or the CUPS client tools are not installed"
    return 0
  fi
  if ! command -v pdfinfo >/dev/null 2>&1; then
    _tabulon_cups_skip "pdfinfo (poppler-utils) is not installed"
    return 0
  fi
  if lpstat -r >/dev/null 2>&1 && lpstat -r 2>/dev/null | grep -q "is running"; then
    # Someone else's scheduler: use it as it is, never reconfigure or stop it.
    if _tabulon_cups_default_is_pdf; then
      export TABULON_CUPS_READY=1 TABULON_CUPS_OUT="$(_tabulon_cups_outdir)"
      unset TABULON_CUPS_SKIP
      echo "cups: using the running scheduler, default printer is a cups-pdf queue"
    else
      _tabulon_cups_skip "a CUPS scheduler already runs without a cups-pdf default printer"
    fi
    return 0
  fi
  if [ "$(id -u)" -ne 0 ]; then
    _tabulon_cups_skip "starting cupsd needs root"
    return 0
  fi
  if [ ! -f "$ppd" ]; then
    _tabulon_cups_skip "the cups-pdf driver (printer-driver-cups-pdf) is not installed"
    return 0
  fi
  mkdir -p /run/cups /var/spool/cups-pdf/SPOOL 2>/dev/null || true
  /usr/sbin/cupsd -f >/dev/null 2>&1 &
  _tabulon_cups_pid=$!
  local ready=""
  for _ in $(seq 1 100); do
    if ! kill -0 "$_tabulon_cups_pid" 2>/dev/null; then
      break
    fi
    if lpstat -r 2>/dev/null | grep -q "is running"; then
      ready=1
      break
    fi
    sleep 0.1
  done
  if [ -z "$ready" ]; then
    _tabulon_cups_stop
    _tabulon_cups_skip "cupsd did not start"
    return 0
  fi
  if ! lpadmin -p PDF -v cups-pdf:/ -E -P "$ppd" >/dev/null 2>&1 || ! lpadmin -d PDF >/dev/null 2>&1; then
    _tabulon_cups_stop
    _tabulon_cups_skip "the cups-pdf queue could not be set up"
    return 0
  fi
  export TABULON_CUPS_READY=1 TABULON_CUPS_OUT="$(_tabulon_cups_outdir)"
  unset TABULON_CUPS_SKIP
  echo "cups: started cupsd (PID $_tabulon_cups_pid), default printer PDF, output in $TABULON_CUPS_OUT"
  # Stop the server when the test run ends, after whatever else was set to
  # run at exit.
  local previous
  previous=$(trap -p EXIT | sed -e "s/^trap -- '//" -e "s/' EXIT\$//")
  trap "_tabulon_cups_stop${previous:+; $previous}" EXIT
}

_tabulon_cups_start
