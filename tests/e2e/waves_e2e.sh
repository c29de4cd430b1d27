#!/usr/bin/env bash
# The real program under Xvfb: "横波(Ｓ波)", "縦波と横波の比較（点）" and
# "縦波と横波の比較（立体）" each open their lesson from the menu, which shows
# its band and keeps moving, and "閉じる" closes it; then "終わる" ends the
# program with status 0.
source "$(dirname "$0")/lib.sh"
e2e_setup "${1:-build}"
e2e_start

# "r,g,b" of the pixel at (x, y) twips.
pixel() {
  convert "$1" -format '%[fx:int(255*p{'$(($2 / 15))','$(($3 / 15))'}.r)],%[fx:int(255*p{'$(($2 / 15))','$(($3 / 15))'}.g)],%[fx:int(255*p{'$(($2 / 15))','$(($3 / 15))'}.b)]' info:
}

# True once a screenshot of the window differs from the first one. The
# animations repeat themselves (the block comparison every 240 ms), so one
# second shot taken a whole cycle later can match the first: shots are taken
# at short, uneven steps for up to 2 s instead.
moves() {
  local win=$1 first=$2 next=$3 i
  for i in $(seq 1 40); do
    sleep "0.0$((i % 7 + 1))"
    e2e_shot "$win" "$next"
    cmp -s "$first" "$next" || return 0
  done
  return 1
}

# Opens a lesson with the menu button at (x, y) twips of Frame1, checks it,
# and closes it with its own "閉じる". The two comparisons share a title; the
# block's top back edge (y 1387.5, pixel row 92) tells them apart.
lesson() {
  local name=$1 title=$2 x=$3 y=$4 bandX=$5 bandY=$6 edge=$7 win
  e2e_click "$menu" $((3480 + x)) $((120 + y))
  win=$(e2e_window "$title")
  sleep 0.3
  e2e_shot "$win" "$E2E_TMP/$name-1.png"
  [ "$(pixel "$E2E_TMP/$name-1.png" "$bandX" "$bandY")" = "255,255,192" ] ||
    e2e_fail "$name: no pale yellow band at ($bandX, $bandY)"
  local at_edge
  at_edge=$(pixel "$E2E_TMP/$name-1.png" 6000 1385)
  if [ "$edge" = yes ]; then
    [ "$at_edge" = "255,255,192" ] && e2e_fail "$name: no top back edge"
  else
    [ "$at_edge" = "255,255,192" ] || e2e_fail "$name: something at the block's top back edge"
  fi
  moves "$win" "$E2E_TMP/$name-1.png" "$E2E_TMP/$name-2.png" || e2e_fail "$name: the picture does not move"
  e2e_click "$win" $((10320 + 487)) $((240 + 187))
  e2e_window_gone "$title"
  echo "  $name: opened, band shown, animating, closed"
}

menu=$(e2e_window "Zemlox")
# Button middles inside Frame1: Command1 (1440, 960), Command3 (240, 1440),
# Command6 (240, 1920).
lesson swave "横波(Ｓ波)のシミュレーション " $((1440 + 547)) $((960 + 187)) 9000 1000 no
lesson wave "縦波（Ｐ波）・横波(Ｓ波)の比較" $((240 + 1147)) $((1440 + 187)) 9000 3450 no
lesson wave2 "縦波（Ｐ波）・横波(Ｓ波)の比較" $((240 + 1147)) $((1920 + 187)) 9000 3450 yes
e2e_click "$menu" $((3480 + 240 + 1147)) $((120 + 3120 + 187))
e2e_expect_exit0
[ -n "${KEEP_SHOTS:-}" ] && cp "$E2E_TMP"/*.png "$KEEP_SHOTS"/
echo "waves e2e: three wave lessons opened and closed from the menu; program ended with status 0"
