#!/usr/bin/env bash
# The program keeps nothing between runs: under a fresh home folder, a run
# that prints through a private CUPS queue, then finds no printer and saves
# the offered page through the save dialog, leaves the chosen PDF in the
# home folder and nothing else.
source "$(dirname "$0")/lib.sh"
e2e_setup "${1:-build}"
source "$(dirname "$0")/print_lib.sh"

cups_start
out=$CUPS_DIR/out
cups_queue OK zsave "cat \"\$6\" >$out/job-\$1.pdf"
cups_admin -d OK

export HOME=$E2E_TMP/home
mkdir -p "$HOME"
# Whatever a library keeps per user then lands under $HOME.
unset XDG_CONFIG_HOME XDG_CACHE_HOME XDG_DATA_HOME XDG_STATE_HOME
home_list() { (cd "$HOME" && find . -mindepth 1 | LC_ALL=C sort); }
before=$(home_list)

e2e_start
win=$(e2e_open_observation)
menu=$(e2e_window "Zemlox")
e2e_run_quake "$win" "$E2E_TMP/observe.png"
print_report() { e2e_click "$win" $((4080 + 487)) $((7080 + 187)); }

print_report
for i in $(seq 1 100); do
  ls "$out"/job-*.pdf >/dev/null 2>&1 && [ -z "$(lpstat -o OK)" ] && break
  sleep 0.1
done
ls "$out"/job-*.pdf >/dev/null 2>&1 || e2e_fail "the queue printed nothing ($(cat "$CUPS_DIR/log/error_log" 2>/dev/null))"

# No printer left: the pupil is told, and saves the page where the dialog
# proposes. The default queue that goes is not the one that printed: the
# program follows its printed job until it sees it done, and removing that
# queue would take the job's record with it, which reads as a page lost.
cups_queue LAST zsave2 "cat \"\$6\" >$out/last-\$1.pdf"
cups_admin -d LAST
cups_admin -x LAST
[ "$(lpstat -d 2>&1)" = "no system default destination" ] || e2e_fail "a default queue is left: $(lpstat -d 2>&1)"
print_report
saved="$HOME/地震観測の記録.pdf"
key_in "印刷" Return
key_in "PDFファイルとして保存" Return
e2e_window_gone "PDFファイルとして保存"
for i in $(seq 1 50); do [ -s "$saved" ] && break; sleep 0.1; done
[ -s "$saved" ] || e2e_fail "no PDF saved at $saved"

e2e_click "$win" $((5160 + 487)) $((7080 + 187))
e2e_window_gone "地震計の記録"
e2e_click "$menu" $((3480 + 240 + 1147)) $((120 + 3120 + 187))
e2e_expect_exit0

after=$(home_list)
wanted=$(printf '%s\n%s\n' "$before" "./地震観測の記録.pdf" | sed '/^$/d' | LC_ALL=C sort)
[ "$after" = "$wanted" ] ||
  e2e_fail "the run left in \$HOME: $(diff <(echo "$wanted") <(echo "$after") | grep '^>' | tr '\n' ' ')"
echo "home e2e: printed, failed to print, saved a PDF; \$HOME holds that PDF and nothing else"
