# A private CUPS daemon for the printing tests, and the check of a printed
# page against where the report puts its texts. Source it after lib.sh and
# e2e_setup. Everything the daemon uses lives in one temporary folder; it
# listens on a socket there and on no network port, and its PDF queue writes
# into that folder too, so several can run at once.

for tool in /usr/sbin/cupsd lpadmin lpstat pdftotext unshare; do
  command -v "$tool" >/dev/null || e2e_fail "$tool is not installed (scripts/install-deps.sh --test)"
done

# Starts the daemon; sets CUPS_DIR and exports CUPS_SERVER. Its programs are
# the system's, plus the backends the test installs with cups_queue. The PDF
# backend (cups-pdf) writes into $CUPS_DIR/pdf: the daemon runs in a
# mount namespace of its own where the backend's fixed configuration file
# is this daemon's, so it never writes into a home folder shared with
# anything else printing on the machine.
cups_start() {
  C=$(mktemp -d /tmp/zemlox-cups.XXXXXX)
  CUPS_DIR=$C
  # Its filters run as another user, so the folder is open to others.
  chmod 755 "$C"
  mkdir -p "$C/etc/ppd" "$C/spool/tmp" "$C/spool/pdf" "$C/state" "$C/cache" "$C/log" \
    "$C/bin/backend" "$C/out" "$C/pdf"
  cat >"$C/cups-pdf.conf" <<CONF
Out $C/pdf
AnonDirName $C/pdf
Spool $C/spool/pdf
Grp root
Log $C/log
CONF
  local d
  for d in /usr/lib/cups/*; do
    [ "$(basename "$d")" = backend ] || ln -s "$d" "$C/bin/"
  done
  ln -s /usr/lib/cups/backend/* "$C/bin/backend/"
  cat >"$C/etc/cupsd.conf" <<CONF
LogLevel ${CUPS_LOGLEVEL:-warn}
Listen $C/cups.sock
Browsing No
WebInterface No
IdleExitTimeout 0
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  JobPrivateAccess default
  JobPrivateValues default
  SubscriptionPrivateAccess default
  SubscriptionPrivateValues default
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
CONF
  cat >"$C/etc/cups-files.conf" <<CONF
ServerRoot $C/etc
ServerBin $C/bin
RequestRoot $C/spool
TempDir $C/spool/tmp
StateDir $C/state
CacheDir $C/cache
ErrorLog $C/log/error_log
AccessLog $C/log/access_log
PageLog $C/log/page_log
SystemGroup root
FileDevice Yes
CONF
  export CUPS_SERVER=$C/cups.sock
  local pdfconf=/etc/cups/cups-pdf.conf
  [ -e "$pdfconf" ] || pdfconf=
  # unshare and sh exec into cupsd, so CUPSD_PID is the daemon's own.
  setsid unshare --mount --propagation private sh -c \
    '[ -z "$2" ] || mount --bind "$1" "$2" || exit 1; shift 2; exec "$@"' sh "$C/cups-pdf.conf" "$pdfconf" \
    /usr/sbin/cupsd -f -c "$C/etc/cupsd.conf" -s "$C/etc/cups-files.conf" >"$C/log/stdout" 2>&1 &
  CUPSD_PID=$!
  trap 'cups_stop; e2e_cleanup' EXIT
  # lpstat -r succeeds whether or not the scheduler is up: what it prints says.
  local i answer=
  for i in $(seq 1 100); do
    answer=$(lpstat -r 2>&1 || true)
    [ "$answer" = "scheduler is running" ] && return 0
    kill -0 "$CUPSD_PID" 2>/dev/null || break
    sleep 0.1
  done
  e2e_fail "cupsd did not start (lpstat -r: $answer): $(cat "$C/log/"* 2>/dev/null)"
}

cups_stop() {
  # A daemon the test stopped must go on to see its SIGTERM.
  kill -CONT "$CUPSD_PID" 2>/dev/null || true
  kill "$CUPSD_PID" 2>/dev/null || true
  wait "$CUPSD_PID" 2>/dev/null || true
  rm -rf "$CUPS_DIR"
}

# lpadmin, failing with what it said.
cups_admin() {
  local said
  said=$(lpadmin "$@" 2>&1) || e2e_fail "lpadmin $* failed: $said"
}

# Installs a backend NAME whose body is the given shell script, and a raw
# queue QUEUE printing through it (no filters: the backend gets the PDF as
# the program sent it). The backend runs as root, being private to its owner.
cups_queue() {
  local queue=$1 backend=$2
  printf '#!/bin/sh\n[ $# -eq 0 ] && exit 0\n%s\n' "$3" >"$CUPS_DIR/bin/backend/$backend"
  chmod 700 "$CUPS_DIR/bin/backend/$backend"
  shift 3
  cups_admin -p "$queue" -v "$backend:/" -E "$@"
}

# Where the page puts every text, in points, for the design layout with the
# markers where they stand at load (station letters on baselines
# 397.75 − epiDist/20); the browser's print test reads the same rows.
cups_expected=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/report_positions.txt

# Checks a PDF against the expected rows; prints the largest deviation.
check_pdf() {
  local pdf=$1
  pdftotext -bbox "$pdf" - >"$E2E_TMP/words.html" || e2e_fail "pdftotext cannot read $pdf"
  awk -v rows="$cups_expected" '
    BEGIN { while ((getline line < rows) > 0) { split(line, f, " "); n++; t[n] = f[1]; ex[n] = f[2]; ey[n] = f[3] } }
    /<word / {
      match($0, /xMin="[0-9.]+"/); x = substr($0, RSTART + 6, RLENGTH - 7) + 0
      match($0, /yMin="[0-9.]+"/); y = substr($0, RSTART + 6, RLENGTH - 7) + 0
      w = $0; sub(/^.*">/, "", w); sub(/<\/word>.*$/, "", w)
      k = ++count[w]; wx[w, k] = x; wy[w, k] = y
    }
    END {
      if (count["Zemlox"] != 1) { print "no single Zemlox in the PDF"; exit 1 }
      zx = wx["Zemlox", 1]; zy = wy["Zemlox", 1]; worst = 0; bad = 0
      for (i = 1; i <= n; i++) {
        best = 1e9
        for (k = 1; k <= count[t[i]]; k++) {
          dx = wx[t[i], k] - zx - (ex[i] - 10); dy = wy[t[i], k] - zy - (ey[i] - 29)
          d = (dx < 0 ? -dx : dx) > (dy < 0 ? -dy : dy) ? (dx < 0 ? -dx : dx) : (dy < 0 ? -dy : dy)
          if (d < best) best = d
        }
        if (best > 1) { printf "%s is %s pt off (or missing)\n", t[i], best; bad = 1 }
        if (best > worst) worst = best
      }
      printf "%d texts, largest deviation %.3f pt\n", n, worst
      exit bad
    }' "$E2E_TMP/words.html"
}

# Presses a key in the window with this exact title.
key_in() {
  local id
  id=$(e2e_window "$1")
  sleep 0.3
  xdotool windowfocus --sync "$id" 2>/dev/null || true
  xdotool key --clearmodifiers "$2"
}


# Answers the message "印刷" and saves the offered page under the name the
# save dialog proposes (the file given); checks the page and removes it.
save_offered_pdf() {
  local file=$1 i
  key_in "印刷" Return
  key_in "PDFファイルとして保存" Return
  e2e_window_gone "PDFファイルとして保存"
  for i in $(seq 1 50); do [ -s "$file" ] && break; sleep 0.1; done
  [ -s "$file" ] || e2e_fail "no PDF saved at $file"
  check_pdf "$file" || e2e_fail "the saved page does not match"
  rm -f "$file"
}

# Answers the message "印刷" and cancels the save; nothing may be written.
decline_offered_pdf() {
  key_in "印刷" Return
  key_in "PDFファイルとして保存" Escape
  e2e_window_gone "PDFファイルとして保存"
  [ ! -e "$1" ] || e2e_fail "a cancelled save wrote $1"
}

# Waits for the message box "印刷" (up to $2 seconds, default 120) and
# prints its text (selected and copied as a user can); says on stderr how
# long it took since $3 (a $SECONDS value, default now); saves a screenshot
# of the screen as $PRINT_SHOTS/$1.png when PRINT_SHOTS is set.
message_text() {
  local id since=${3:-$SECONDS}
  id=$(e2e_window "印刷" "${2:-120}")
  echo "print e2e: the message ($1) came after $((SECONDS - since)) s" >&2
  sleep 0.5
  if [ -n "${PRINT_SHOTS:-}" ]; then
    mkdir -p "$PRINT_SHOTS"
    import -window root "$PRINT_SHOTS/$1.png"
  fi
  e2e_copy_text "$id"
}
