#!/usr/bin/env bash
# Printing the observation report for real: a private CUPS daemon with a PDF
# queue as the default printer, a quake run in the real program, "印刷", and
# the PDF read back with pdftotext -bbox: every text of the page stands where
# the page puts it, relative to "Zemlox". Then, with the queue stopped and
# then removed, "印刷" tells the pupil so and the same page is saved through
# the save dialog, or nothing when the save is cancelled.
source "$(dirname "$0")/lib.sh"
e2e_setup "${1:-build}"
for tool in /usr/sbin/cupsd lpadmin lpstat pdftotext; do
  command -v "$tool" >/dev/null || e2e_fail "$tool is not installed (scripts/install-deps.sh --test)"
done

# --- A CUPS daemon of our own, on a socket in the temporary folder ---------
# Its filters run as another user, so the folder is open to others.
C=$(mktemp -d /tmp/zemlox-cups.XXXXXX)
chmod 755 "$C"
mkdir -p "$C/etc/ppd" "$C/spool/tmp" "$C/state" "$C/cache" "$C/log"
cat >"$C/etc/cupsd.conf" <<CONF
LogLevel warn
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
RequestRoot $C/spool
TempDir $C/spool/tmp
StateDir $C/state
CacheDir $C/cache
ErrorLog $C/log/error_log
AccessLog $C/log/access_log
PageLog $C/log/page_log
SystemGroup root
CONF
export CUPS_SERVER=$C/cups.sock
setsid /usr/sbin/cupsd -f -c "$C/etc/cupsd.conf" -s "$C/etc/cups-files.conf" >"$C/log/stdout" 2>&1 &
CUPSD_PID=$!
stop_cupsd() {
  kill "$CUPSD_PID" 2>/dev/null || true
  wait "$CUPSD_PID" 2>/dev/null || true
  rm -rf "$C"
}
trap 'stop_cupsd; e2e_cleanup' EXIT
for i in $(seq 1 50); do lpstat -r >/dev/null 2>&1 && break; sleep 0.1; done
lpstat -r >/dev/null 2>&1 || e2e_fail "cupsd did not start: $(cat "$C/log/"*)"
lpadmin -p PDF -v cups-pdf:/ -E -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd 2>/dev/null
lpadmin -d PDF
# Without pdftocairo the queue's PDF carries its text as unreadable Type 3 glyphs.
lpadmin -p PDF -o pdftops-renderer-default=pdftocairo
[ "$(lpstat -d)" = "system default destination: PDF" ] || e2e_fail "no default PDF queue"

# The PDF queue writes into the home folder of the job's owner.
out=$(getent passwd "$(id -un)" | cut -d: -f6)/PDF
mkdir -p "$out"
stamp=$E2E_TMP/stamp

# The fallback save dialog proposes a file in the (fresh) home folder.
export HOME=$E2E_TMP/home
mkdir -p "$HOME"
fallback="$HOME/地震観測の記録.pdf"

# Where the page puts every text, in points, for the design layout with the
# markers where they stand at load (station letters on baselines
# 397.75 − epiDist/20); the browser's print test reads the same rows.
expected=$(cd "$(dirname "$0")" && pwd)/report_positions.txt

# Checks a PDF against the expected rows; prints the largest deviation.
check_pdf() {
  local pdf=$1
  pdftotext -bbox "$pdf" - >"$E2E_TMP/words.html" || e2e_fail "pdftotext cannot read $pdf"
  awk -v rows="$expected" '
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

# Waits for a file in the queue's folder newer than the stamp (a fresh
# daemon numbers its jobs from 1 again, so names repeat), complete once no
# job is left.
wait_for_queue_pdf() {
  local i f=""
  for i in $(seq 1 300); do
    f=$(find "$out" -maxdepth 1 -name '*.pdf' -newer "$stamp" | head -n 1)
    if [ -n "$f" ] && [ -z "$(lpstat -o 2>/dev/null)" ]; then
      sleep 0.5
      echo "$f"
      return 0
    fi
    sleep 0.1
  done
  e2e_fail "no PDF from the queue within 30 s (jobs: $(lpstat -o); log: $(cat "$C/log/error_log" 2>/dev/null))"
}

# --- Run a quake and print it -------------------------------------------------
e2e_start
win=$(e2e_open_observation)
menu=$(e2e_window "Zemlox")
# The plan and section views and the record area are the same in two shots
# (the buttons may differ: focus and pointer).
same_views() {
  local crop
  for crop in "$((6135 / 15))x$((5430 / 15))+$((120 / 15))+$((1080 / 15))" \
              "$((4575 / 15))x$((7695 / 15))+$((6360 / 15))+$((120 / 15))"; do
    cmp -s <(convert "$1" -crop "$crop" +repage rgb:-) <(convert "$2" -crop "$crop" +repage rgb:-) ||
      return 1
  done
}
shot=$E2E_TMP/observe.png
e2e_run_quake "$win" "$shot"
e2e_shot "$win" "$E2E_TMP/before-print.png"

touch "$stamp"
sleep 1
e2e_click "$win" $((4080 + 487)) $((7080 + 187))
pdf=$(wait_for_queue_pdf)
echo "print e2e: the queue wrote $pdf"
check_pdf "$pdf" || e2e_fail "the printed page does not match"
[ -n "${PRINT_PDF:-}" ] && cp "$pdf" "$PRINT_PDF"
rm -f "$pdf"
sleep 0.3
e2e_shot "$win" "$E2E_TMP/after-print.png"
same_views "$E2E_TMP/before-print.png" "$E2E_TMP/after-print.png" || e2e_fail "printing changed the views"

# Presses a key in the window with this exact title.
key_in() {
  local id
  id=$(e2e_window "$1")
  sleep 0.3
  xdotool windowfocus --sync "$id" 2>/dev/null || true
  xdotool key --clearmodifiers "$2"
}

# --- A stopped printer: the pupil is told instead of a job left waiting -------
cupsdisable PDF
e2e_click "$win" $((4080 + 487)) $((7080 + 187))
key_in "印刷" Return
key_in "PDFファイルとして保存" Escape
e2e_window_gone "PDFファイルとして保存"
[ -z "$(lpstat -o)" ] || e2e_fail "a job was left on the stopped printer: $(lpstat -o)"

# --- No printer: the pupil is told, and the page is saved as a PDF -----------
lpadmin -x PDF
e2e_click "$win" $((4080 + 487)) $((7080 + 187))
key_in "印刷" Return
key_in "PDFファイルとして保存" Return
e2e_window_gone "PDFファイルとして保存"
for i in $(seq 1 50); do [ -s "$fallback" ] && break; sleep 0.1; done
[ -s "$fallback" ] || e2e_fail "no PDF saved at $fallback"
check_pdf "$fallback" || e2e_fail "the saved page does not match"
rm -f "$fallback"

# Cancelling the save writes nothing and leaves the run on screen.
e2e_click "$win" $((4080 + 487)) $((7080 + 187))
key_in "印刷" Return
key_in "PDFファイルとして保存" Escape
e2e_window_gone "PDFファイルとして保存"
[ ! -e "$fallback" ] || e2e_fail "a cancelled save wrote $fallback"
sleep 0.3
e2e_shot "$win" "$E2E_TMP/after-cancel.png"
same_views "$E2E_TMP/before-print.png" "$E2E_TMP/after-cancel.png" ||
  e2e_fail "the failed print changed the views"

e2e_click "$win" $((5160 + 487)) $((7080 + 187))
e2e_window_gone "地震計の記録"
e2e_click "$menu" $((3480 + 240 + 1147)) $((120 + 3120 + 187))
e2e_expect_exit0
echo "print e2e: printed through CUPS, and saved through the fallback with no printer"
