#!/usr/bin/env bash
# Printing when the print system misbehaves, against a private CUPS daemon:
# stopped (SIGSTOP, as a hung server behaves) before 印刷, the windows still
# answer and the pupil is told within the outer bound; stopped while a job
# is followed, the pupil is told and the job is cancelled once the daemon
# answers again, so it never comes out after all; a queue that rejects jobs
# says so in its own sentence; the daemon killed with its backend mid-job,
# the pupil is told; and with no print system, saving onto a full disk says
# so, asks again and leaves no file. Screenshots go to $PRINT_SHOTS when set.
source "$(dirname "$0")/lib.sh"
e2e_setup "${1:-build}"
source "$(dirname "$0")/print_lib.sh"

cups_start
out=$CUPS_DIR/out
cups_queue OK zsave "cat \"\$6\" >$out/ok-\$1.pdf"
# Holds its job a long while; cancelled, it writes nothing.
cups_queue HOLD zhold "trap 'exit 0' TERM; sleep 60 & wait \$!; cat \"\$6\" >$out/hold-\$1.pdf"
cups_queue REJ zsave2 "cat \"\$6\" >$out/rej-\$1.pdf"
cupsreject REJ

# The save dialog proposes the home folder: a small filesystem of its own,
# filled up before the last case.
full=$E2E_TMP/full
mkdir -p "$full"
mount -t tmpfs -o size=1m zemlox-full "$full" || e2e_fail "cannot mount a tmpfs at $full (needs root)"
trap 'cups_stop; e2e_cleanup; umount "$full" 2>/dev/null || true' EXIT
export HOME=$full

headline="印刷できませんでした。"
silent="印刷システムから10秒たっても応答がありません。"
offer="「OK」を押すと、同じページをPDFファイルとして保存する画面が開きます。"

e2e_start
win=$(e2e_open_observation)
e2e_run_quake "$win" "$E2E_TMP/observe.png"
print_report() { e2e_click "$win" $((4080 + 487)) $((7080 + 187)); }
size_of() { xdotool getwindowgeometry "$1" | sed -n 's/.*Geometry: //p'; }
# Fails unless the message text holds every one of the given sentences.
says_all() {
  local what=$1 text=$2 s
  shift 2
  for s in "$@"; do grep -qF "$s" <<<"$text" || e2e_fail "$what lacks '$s': $text"; done
}
# The pupil reads the message, then cancels the save.
close_and_decline() {
  key_in "印刷" Return
  key_in "PDFファイルとして保存" Escape
  e2e_window_gone "PDFファイルとして保存"
}

# --- Stopped before 印刷: the windows answer, the pupil is told -------------
cups_admin -d OK
kill -STOP "$CUPSD_PID"
started=$SECONDS
print_report
before=$(size_of "$win")
key_in "地震計の記録" ctrl+equal
for i in $(seq 1 20); do [ "$(size_of "$win")" != "$before" ] && break; sleep 0.1; done
zoomed=$(size_of "$win")
[ "$zoomed" != "$before" ] || e2e_fail "a zoom key did nothing within 2 s while the print system hung"
echo "print fault e2e: zoomed from $before to $zoomed while the print system hung"
key_in "地震計の記録" ctrl+0
for i in $(seq 1 50); do [ "$(size_of "$win")" = "$before" ] && break; sleep 0.1; done
[ "$(size_of "$win")" = "$before" ] || e2e_fail "Ctrl+0 did not return to $before"
text=$(message_text hung-before 15 "$started")
says_all "the hung print system's message" "$text" "$headline" "$silent" "$offer"
close_and_decline
kill -CONT "$CUPSD_PID"
sleep 2
[ -z "$(ls "$out")" ] || e2e_fail "a page came out after the pupil was told it failed: $(ls "$out")"

# --- Stopped while a job is followed: told, and the job withdrawn ----------
cups_admin -d HOLD
print_report
for i in $(seq 1 100); do [ -n "$(lpstat -o HOLD)" ] && break; sleep 0.1; done
[ -n "$(lpstat -o HOLD)" ] || e2e_fail "the job did not reach the queue"
sleep 1
kill -STOP "$CUPSD_PID"
started=$SECONDS
text=$(message_text hung-following 15 "$started")
says_all "the followed job's message" "$text" "$headline" "$silent" "$offer"
close_and_decline
kill -CONT "$CUPSD_PID"
for i in $(seq 1 300); do [ -z "$(lpstat -o HOLD)" ] && break; sleep 0.1; done
[ -z "$(lpstat -o HOLD)" ] || e2e_fail "the failed job was not withdrawn: $(lpstat -o HOLD)"
sleep 1
[ -z "$(ls "$out")" ] || e2e_fail "the withdrawn job printed: $(ls "$out")"

# --- A queue that rejects jobs says so in its own sentence ------------------
cups_admin -d REJ
started=$SECONDS
print_report
text=$(message_text rejecting 15 "$started")
grep -qF "このプリンターは今、印刷を受け付けていません。（Rejecting Jobs）" <<<"$text" ||
  e2e_fail "the rejecting queue is not named: $text"
close_and_decline

# --- Killed with its backend mid-job: the pupil is told ---------------------
cups_admin -d HOLD
print_report
for i in $(seq 1 100); do [ -n "$(ps -o pid= --ppid "$CUPSD_PID")" ] && break; sleep 0.1; done
children=$(ps -o pid= --ppid "$CUPSD_PID")
[ -n "$children" ] || e2e_fail "the job's backend did not start"
sleep 1
# Only this test's own daemon and what it started (the shell's note of the
# death is not news).
{ kill -KILL "$CUPSD_PID" $children; wait "$CUPSD_PID"; } 2>/dev/null || true
started=$SECONDS
text=$(message_text killed 30 "$started")
says_all "the lost job's message" "$text" "$headline" "$silent" "$offer"
close_and_decline

# --- No print system, and a full disk to save on ----------------------------
dd if=/dev/zero of="$full/filler" bs=64k >/dev/null 2>&1 || true
listing() { (cd "$full" && find . | sort); }
held=$(listing)
started=$SECONDS
print_report
text=$(message_text none 15 "$started")
says_all "the message without a print system" "$text" "$headline" "このコンピューターでは印刷システムが動いていません。"
key_in "印刷" Return
key_in "PDFファイルとして保存" Return
text=$(message_text full 15)
grep -qF "PDFファイルを書き込めませんでした。" <<<"$text" || e2e_fail "the full disk was not reported: $text"
key_in "印刷" Return
# Asked again: this time the pupil cancels.
key_in "PDFファイルとして保存" Escape
e2e_window_gone "PDFファイルとして保存"
[ "$(listing)" = "$held" ] || e2e_fail "the failed save left files: $(listing)"

e2e_shot "$win" "$E2E_TMP/end.png"
[ "$(e2e_colours "$E2E_TMP/end.png" 4080 7080 975 375)" -gt 3 ] || e2e_fail "印刷 is no longer shown"
echo "print fault e2e: hung, followed, rejecting, killed and full-disk prints all told the pupil"
