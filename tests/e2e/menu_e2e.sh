#!/usr/bin/env bash
# The real program under Xvfb: the menu opens, "縦波（Ｐ波）" opens the P-wave
# window, "閉じる" closes it, "終わる" ends the program with status 0.
source "$(dirname "$0")/lib.sh"
e2e_setup "${1:-build}"
e2e_start
menu=$(e2e_window "Zemlox")
# The keyboard works from the start: the focus is on "地震計の記録".
sleep 0.3
xdotool windowactivate --sync "$menu" 2>/dev/null || xdotool windowfocus "$menu"
xdotool key space
record=$(e2e_window "地震計の記録")
sleep 0.3
e2e_click "$record" $((10320 + 487)) $((240 + 187))
e2e_window_gone "地震計の記録"
# Menu buttons sit in Frame1 at (3480, 120); each click aims at a button's middle.
e2e_click "$menu" $((3480 + 240 + 547)) $((120 + 960 + 187))
pwave=$(e2e_window "縦波(Ｐ波)のシミュレーション ")
sleep 0.3
e2e_click "$pwave" $((10320 + 487)) $((240 + 187))
e2e_window_gone "縦波(Ｐ波)のシミュレーション "
e2e_click "$menu" $((3480 + 240 + 1147)) $((120 + 3120 + 187))
e2e_expect_exit0
echo "menu e2e: P-wave window opened and closed; program ended with status 0"
