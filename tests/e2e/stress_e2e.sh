#!/usr/bin/env bash
# The real program under 2,000 random real pointer events: clicks and moves
# (and a few drags) over the menu and whichever lesson window is open, with
# the menu's lesson buttons and the lessons' close buttons clicked now and
# then. Afterwards it must still be running and answering: the menu is
# found by its title, a lesson opens and closes, and "終わる" ends it with
# status 0. "終わる" and "印刷" are left out of the random clicks: one would
# end the program, the other opens the printer's dialogs.
#   bash tests/e2e/stress_e2e.sh BUILD_DIR [EVENTS] [SEED]
source "$(dirname "$0")/lib.sh"
e2e_setup "${1:-build}"
events=${2:-2000}
RANDOM=${3:-4242}
export HOME=$E2E_TMP/home
mkdir -p "$HOME"
e2e_start
menu=$(e2e_window "Zemlox")
eval "$(xdotool getwindowgeometry --shell "$menu")"
MX=$X MY=$Y MW=$WIDTH MH=$HEIGHT
lessons='^(縦波|横波|地震計の記録)'

# Lesson buttons of the menu, centres in twips of its client area.
menu_buttons=("$((3480 + 1387)) $((120 + 547))" "$((3480 + 787)) $((120 + 1147))"
              "$((3480 + 1987)) $((120 + 1147))" "$((3480 + 1387)) $((120 + 1627))"
              "$((3480 + 1387)) $((120 + 2107))" "$((3480 + 1387)) $((120 + 2707))")

# Controls worth hitting on purpose, centres in twips: in the observation
# window the station and hypocentre labels (which pick up and drop), 地震発生,
# 一時停止 and 再スタート; in the record window もう一度.
kansoku_targets=("$((120 + 1447)) $((1080 + 3127))" "$((120 + 1447)) $((1080 + 2527))"
                 "$((120 + 1447)) $((1080 + 1927))" "$((120 + 1447)) $((1080 + 1327))"
                 "$((120 + 1447)) $((1080 + 727))" "$((120 + 1687)) $((4680 + 847))"
                 "3487 6787" "3487 6787" "4567 6787" "5647 6787")
record_targets=("10207 3427")

# The open lesson window, if any: sets LX LY LW LH and KANSOKU.
find_lesson() {
  local id
  id=$(xdotool search --onlyvisible --name "$lessons" 2>/dev/null | head -n 1 || true)
  LESSON=$id
  [ -n "$id" ] || return 0
  eval "$(xdotool getwindowgeometry --shell "$id")"
  LX=$X LY=$Y LW=$WIDTH LH=$HEIGHT
  KANSOKU=0
  [ "$LH" -gt 500 ] && KANSOKU=1  # the observation window is the tallest
  return 0
}

# Screen rectangles no random click may hit, even when the window under the
# pointer has changed since the batch was planned: the menu's "終わる" and
# the observation window's "印刷" (both windows open centred on the screen).
CX=$((MX + MW / 2)) CY=$((MY + MH / 2))
QUIT=($((MX + 3700 / 15)) $((MY + 3220 / 15)) $((MX + 6040 / 15)) $((MY + 3640 / 15)))
KX=$((CX - 11070 / 30)) KY=$((CY - 7935 / 30))
PRINT=($((KX + 4040 / 15)) $((KY + 7040 / 15)) $((KX + 5100 / 15)) $((KY + 7500 / 15)))
forbidden() {
  { [ "$1" -ge "${QUIT[0]}" ] && [ "$1" -le "${QUIT[2]}" ] && [ "$2" -ge "${QUIT[1]}" ] && [ "$2" -le "${QUIT[3]}" ]; } ||
  { [ "$1" -ge "${PRINT[0]}" ] && [ "$1" -le "${PRINT[2]}" ] && [ "$2" -ge "${PRINT[1]}" ] && [ "$2" -le "${PRINT[3]}" ]; }
}

# A point (pixels on the screen) to click in window X Y W H.
click_point() {
  local x y
  while :; do
    x=$(($1 + RANDOM % $3)) y=$(($2 + RANDOM % $4))
    forbidden $x $y || { echo "$x $y"; return; }
  done
}

sent=0 clicks=0 moves=0 in_lesson=0 batches=0
while [ $sent -lt "$events" ]; do
  if ! kill -0 "$ZEMLOX_PID" 2>/dev/null; then
    rc=0
    wait "$ZEMLOX_PID" || rc=$?
    e2e_fail "zemlox ended with status $rc after $sent events (log: $(tail -5 "$E2E_TMP/zemlox.log"))"
  fi
  find_lesson
  if [ -n "$LESSON" ]; then
    in_lesson=$((in_lesson + 1))
    WX=$LX WY=$LY WW=$LW WH=$LH
  else
    WX=$MX WY=$MY WW=$MW WH=$MH
  fi
  batch=()
  batches=$((batches + 1))
  for i in $(seq 1 40); do
    r=$((RANDOM % 100))
    if [ $r -lt 35 ]; then
      batch+=(mousemove $(click_point $WX $WY $WW $WH) mousedown 1 mouseup 1); clicks=$((clicks + 1))
    elif [ $r -lt 70 ]; then
      batch+=(mousemove $((WX - 40 + RANDOM % (WW + 80))) $((WY - 40 + RANDOM % (WH + 80)))); moves=$((moves + 1))
    elif [ $r -lt 80 ]; then
      batch+=(mousemove $((RANDOM % 1280)) $((RANDOM % 1024))); moves=$((moves + 1))
    elif [ $r -lt 84 ]; then
      batch+=(mousemove $(click_point $WX $WY $WW $WH) mousedown 1
              mousemove $(click_point $WX $WY $WW $WH) mouseup 1); clicks=$((clicks + 1))
    elif [ $r -lt 92 ] && [ -n "$LESSON" ]; then
      if [ "$KANSOKU" = 1 ]; then t=${kansoku_targets[$((RANDOM % 10))]}; else t=${record_targets[0]}; fi
      batch+=(mousemove $((LX + ${t% *} / 15)) $((LY + ${t#* } / 15)) mousedown 1 mouseup 1
              mousemove $(click_point $WX $WY $WW $WH)); clicks=$((clicks + 1))
    elif [ $r -lt 96 ]; then
      b=${menu_buttons[$((RANDOM % 6))]}
      batch+=(mousemove $((MX + ${b% *} / 15)) $((MY + ${b#* } / 15)) mousedown 1 mouseup 1); clicks=$((clicks + 1))
    elif [ -n "$LESSON" ]; then
      if [ "$KANSOKU" = 1 ]; then cx=5647 cy=7267; else cx=10807 cy=427; fi
      batch+=(mousemove $((LX + cx / 15)) $((LY + cy / 15)) mousedown 1 mouseup 1); clicks=$((clicks + 1))
    else
      batch+=(sleep 0.05)
    fi
    batch+=(sleep 0.01)
    sent=$((sent + 1))
  done
  xdotool "${batch[@]}"
done
sleep 0.5
kill -0 "$ZEMLOX_PID" 2>/dev/null || e2e_fail "zemlox died during the stress run"
# STRESS_SHOT=file.png keeps a picture of the screen as the stress left it.
[ -z "${STRESS_SHOT:-}" ] || import -window root "$STRESS_SHOT"
echo "stress e2e: $sent events sent ($clicks clicks, $moves pointer moves); a lesson window was open for $in_lesson of $batches batches"
[ "$in_lesson" -gt 0 ] || e2e_fail "no lesson window was ever opened"

# Still answering: close any lesson, open and close the P-wave window, quit.
e2e_window "Zemlox" 5 >/dev/null
find_lesson
if [ -n "$LESSON" ]; then
  if [ "$KANSOKU" = 1 ]; then e2e_click "$LESSON" 5647 7267; else e2e_click "$LESSON" 10807 427; fi
  sleep 0.5
  find_lesson
  [ -z "$LESSON" ] || e2e_fail "the open lesson window did not close after the stress run"
fi
e2e_click "$menu" $((3480 + 787)) $((120 + 1147))
pwave=$(e2e_window "縦波(Ｐ波)のシミュレーション " 10)
e2e_click "$pwave" 10807 427
e2e_window_gone "縦波(Ｐ波)のシミュレーション "
e2e_click "$menu" $((3480 + 1387)) $((120 + 3427))
e2e_expect_exit0
echo "stress e2e: the program still answered and ended with status 0"
