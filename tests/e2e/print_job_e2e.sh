#!/usr/bin/env bash
# Print jobs that the queue accepts and the printer then fails, against a
# private CUPS daemon with queues of our own: a healthy one prints and nothing
# is said; one whose backend always fails, and one that stops its printer,
# lead to the Japanese message with the printer's reason, and the page the
# pupil then saves is the report page. Closing the window while a job is
# followed says nothing, and quitting does not wait for the printer.
# Screenshots of the messages go to $PRINT_SHOTS when it is set.
source "$(dirname "$0")/lib.sh"
e2e_setup "${1:-build}"
source "$(dirname "$0")/print_lib.sh"

cups_start
out=$CUPS_DIR/out
cups_queue OK zsave "cat \"\$6\" >$out/job-\$1.pdf"
cups_queue FAIL zfail 'echo "STATE: +media-empty-error" >&2; echo "ERROR: out of paper" >&2; exit 1' \
  -o printer-error-policy=abort-job
cups_queue STOP zstop 'echo "ERROR: switched off" >&2; exit 4'
cups_queue SLOW zslow 'sleep 4; exit 1' -o printer-error-policy=abort-job

export HOME=$E2E_TMP/home
mkdir -p "$HOME"
fallback="$HOME/地震観測の記録.pdf"
headline="印刷できませんでした。"

e2e_start
win=$(e2e_open_observation)
menu=$(e2e_window "Zemlox")
e2e_run_quake "$win" "$E2E_TMP/observe.png"
print_report() { e2e_click "$win" $((4080 + 487)) $((7080 + 187)); }

# "印刷" is still shown: the button's place is not bare window face.
print_still_shown() {
  e2e_shot "$win" "$E2E_TMP/now.png"
  [ "$(e2e_colours "$E2E_TMP/now.png" 4080 7080 975 375)" -gt 3 ] || e2e_fail "印刷 is no longer shown"
}

# --- A healthy queue: the page arrives and nothing is said ---------------
cups_admin -d OK
print_report
for i in $(seq 1 100); do
  ls "$out"/job-*.pdf >/dev/null 2>&1 && [ -z "$(lpstat -o OK)" ] && break
  sleep 0.1
done
pdf=$(ls "$out"/job-*.pdf 2>/dev/null | head -n 1)
[ -n "$pdf" ] || e2e_fail "the healthy queue printed nothing ($(cat "$CUPS_DIR/log/error_log" 2>/dev/null))"
check_pdf "$pdf" || e2e_fail "the printed page does not match"
sleep 2
! xdotool search --onlyvisible --name '^印刷$' >/dev/null 2>&1 || e2e_fail "a printed job was reported"

# --- A backend that fails: the job is aborted, the pupil is told ----------
cups_admin -d FAIL
print_report
text=$(message_text failed)
grep -qF "$headline" <<<"$text" || e2e_fail "no failure message: $text"
grep -qF "プリンターに用紙がありません。" <<<"$text" || e2e_fail "the printer's reason is missing: $text"
grep -qF "「OK」を押すと、同じページをPDFファイルとして保存する画面が開きます。" <<<"$text" || e2e_fail "no PDF offered: $text"
save_offered_pdf "$fallback"
[ "$(ls "$out" | wc -l)" -eq 1 ] || e2e_fail "the failing queue printed"
print_still_shown

# --- A printer that stops: the job stays queued, the pupil is told --------
cups_admin -d STOP
print_report
text=$(message_text stopped)
grep -qF "$headline" <<<"$text" || e2e_fail "no failure message: $text"
grep -qF "プリンターが停止しています。" <<<"$text" || e2e_fail "the stop is not named: $text"
decline_offered_pdf "$fallback"
cancel -a STOP
# Still stopped: told at once, and no job is left waiting.
print_report
text=$(message_text stopped-before)
grep -qF "プリンターが停止しています。" <<<"$text" || e2e_fail "the stop is not named: $text"
decline_offered_pdf "$fallback"
[ -z "$(lpstat -o STOP)" ] || e2e_fail "a job was left on the stopped printer: $(lpstat -o STOP)"
print_still_shown

# --- Closing the window while a job is followed: nothing is said ----------
cups_admin -d SLOW
print_report
sleep 0.5
e2e_click "$win" $((5160 + 487)) $((7080 + 187))
e2e_window_gone "地震計の記録"
for i in $(seq 1 60); do [ -n "$(lpstat -o SLOW)" ] || break; sleep 0.1; done
sleep 1.5
! xdotool search --onlyvisible --name '^印刷$' >/dev/null 2>&1 || e2e_fail "a closed window's job was reported"

# --- Quitting does not wait for a job on its way ----------------------------
win=$(e2e_open_observation)
e2e_run_quake "$win" "$E2E_TMP/observe.png"
print_report
sleep 0.5
e2e_click "$win" $((5160 + 487)) $((7080 + 187))
e2e_window_gone "地震計の記録"
e2e_click "$menu" $((3480 + 240 + 1147)) $((120 + 3120 + 187))
e2e_expect_exit0 3
echo "print job e2e: printed, failed, stopped and closed jobs behave"
