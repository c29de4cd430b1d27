#!/usr/bin/env bash
# Printing the observation report for real: a private CUPS daemon with a PDF
# queue as the default printer, a quake run in the real program, "印刷", and
# the PDF read back with pdftotext -bbox: every text of the page stands where
# the page puts it, relative to "Zemlox". Then, with the queue stopped and
# then removed, "印刷" tells the pupil so and the same page is saved through
# the save dialog, or nothing when the save is cancelled.
source "$(dirname "$0")/lib.sh"
e2e_setup "${1:-build}"
source "$(dirname "$0")/print_lib.sh"

cups_start
cups_admin -p PDF -v cups-pdf:/ -E -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd
cups_admin -d PDF
# Without pdftocairo the queue's PDF carries its text as unreadable Type 3 glyphs.
cups_admin -p PDF -o pdftops-renderer-default=pdftocairo
[ "$(lpstat -d)" = "system default destination: PDF" ] || e2e_fail "no default PDF queue"

# The PDF queue writes into this daemon's own folder.
out=$CUPS_DIR/pdf
stamp=$E2E_TMP/stamp

# The fallback save dialog proposes a file in the (fresh) home folder.
export HOME=$E2E_TMP/home
mkdir -p "$HOME"
fallback="$HOME/地震観測の記録.pdf"

# Waits for a file in the queue's folder newer than the stamp, complete
# once no job is left.
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
[ -z "${PRINT_PDF:-}" ] || cp "$pdf" "$PRINT_PDF"
check_pdf "$pdf" || e2e_fail "the printed page does not match"
rm -f "$pdf"
sleep 0.3
e2e_shot "$win" "$E2E_TMP/after-print.png"
same_views "$E2E_TMP/before-print.png" "$E2E_TMP/after-print.png" || e2e_fail "printing changed the views"

# --- A stopped printer: the pupil is told instead of a job left waiting -------
cupsdisable PDF
e2e_click "$win" $((4080 + 487)) $((7080 + 187))
decline_offered_pdf "$fallback"
[ -z "$(lpstat -o)" ] || e2e_fail "a job was left on the stopped printer: $(lpstat -o)"

# --- No printer: the pupil is told, and the page is saved as a PDF -----------
cups_admin -x PDF
e2e_click "$win" $((4080 + 487)) $((7080 + 187))
save_offered_pdf "$fallback"

# Cancelling the save writes nothing and leaves the run on screen.
e2e_click "$win" $((4080 + 487)) $((7080 + 187))
decline_offered_pdf "$fallback"
sleep 0.3
e2e_shot "$win" "$E2E_TMP/after-cancel.png"
same_views "$E2E_TMP/before-print.png" "$E2E_TMP/after-cancel.png" ||
  e2e_fail "the failed print changed the views"

e2e_click "$win" $((5160 + 487)) $((7080 + 187))
e2e_window_gone "地震計の記録"
e2e_click "$menu" $((3480 + 240 + 1147)) $((120 + 3120 + 187))
e2e_expect_exit0
echo "print e2e: printed through CUPS, and saved through the fallback with no printer"
