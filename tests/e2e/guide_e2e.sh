#!/usr/bin/env bash
# F1 opens the teacher's guide page that the build made from the Markdown,
# from the menu and from a lesson window. The desktop's opener is replaced by
# one that writes down what it was asked to open. With no opener at all, F1
# says where the page is, to open it by hand (its screenshot goes to
# $GUIDE_SHOTS when that is set).
source "$(dirname "$0")/lib.sh"
build=${1:-build}
e2e_setup "$build"
mkdir "$E2E_TMP/bin"
cat >"$E2E_TMP/bin/xdg-open" <<OPENER
#!/bin/sh
echo "\$1" >>"$E2E_TMP/opened"
OPENER
chmod +x "$E2E_TMP/bin/xdg-open"
export PATH=$E2E_TMP/bin:$PATH

guide=$(cd "$build/docs" && pwd)/teacher-guide.html
grep -q '<h1>Zemlox 先生用ガイド</h1>' "$guide" || e2e_fail "no guide page at $guide"
# A line break of the Markdown between two Japanese characters would show as
# a blank in the browser: the page has none left.
left=$(perl -CSD -0777 -ne '
  my $w = qr/[\p{Han}\p{Hiragana}\p{Katakana}\x{3000}-\x{303F}\x{FF00}-\x{FFEF}]/;
  print "$1 " while /(.{0,6}$w\n$w.{0,6})/g' "$guide")
[ -z "$left" ] || e2e_fail "line breaks between Japanese characters in the guide page: $left"
grep -qF '地震計の記録を画面で見せる' "$guide" || e2e_fail "the guide's first sentence is broken up"

expect_opened() {
  local n=$1 i
  for i in $(seq 1 100); do
    [ "$(wc -l <"$E2E_TMP/opened" 2>/dev/null || echo 0)" -ge "$n" ] && break
    sleep 0.05
  done
  [ "$(wc -l <"$E2E_TMP/opened" 2>/dev/null || echo 0)" -eq "$n" ] || e2e_fail "F1 opened $(cat "$E2E_TMP/opened" 2>/dev/null) (wanted $n)"
  [ "$(tail -n 1 "$E2E_TMP/opened")" = "file://$guide" ] || e2e_fail "F1 opened $(tail -n 1 "$E2E_TMP/opened")"
}

e2e_start
menu=$(e2e_window "Zemlox")
sleep 0.3
xdotool windowactivate --sync "$menu" 2>/dev/null || xdotool windowfocus "$menu"
xdotool key F1
expect_opened 1
e2e_click "$menu" $((3480 + 240 + 547)) $((120 + 960 + 187))
pwave=$(e2e_window "縦波(Ｐ波)のシミュレーション ")
sleep 0.3
xdotool key F1
expect_opened 2
e2e_click "$pwave" $((10320 + 487)) $((240 + 187))
e2e_window_gone "縦波(Ｐ波)のシミュレーション "
e2e_click "$menu" $((3480 + 240 + 1147)) $((120 + 3120 + 187))
e2e_expect_exit0

mkdir "$E2E_TMP/empty"
PATH=$E2E_TMP/empty e2e_start
menu=$(e2e_window "Zemlox")
sleep 0.3
xdotool windowactivate --sync "$menu" 2>/dev/null || xdotool windowfocus "$menu"
xdotool key F1
told=$(e2e_window "先生用ガイド")
sleep 0.5
[ -z "${GUIDE_SHOTS:-}" ] || e2e_shot "$told" "$GUIDE_SHOTS/guide-message.png"
text=$(e2e_copy_text "$told")
grep -qF "$guide" <<<"$text" || e2e_fail "the message does not give the guide's path: $text"
for s in "先生用ガイドを自動で開くことができませんでした。" "ブラウザーのアドレス欄" "ファイルマネージャー"; do
  grep -qF "$s" <<<"$text" || e2e_fail "the message lacks '$s': $text"
done
[ "$(wc -l <"$E2E_TMP/opened")" -eq 2 ] || e2e_fail "F1 found the replaced opener off PATH"
xdotool key Return
e2e_window_gone "先生用ガイド"
e2e_click "$menu" $((3480 + 240 + 1147)) $((120 + 3120 + 187))
e2e_expect_exit0
echo "guide e2e: F1 opened the guide page from the menu and from a lesson, and gave its path with no opener"
