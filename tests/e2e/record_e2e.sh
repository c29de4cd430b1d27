#!/usr/bin/env bash
# The real program under Xvfb: "地震計の記録" in the menu opens the seismograph
# record, the pen draws it to the end with its markers and explanations,
# "もう一度" wipes it and draws a new one, "閉じる" closes it again.
source "$(dirname "$0")/lib.sh"
e2e_setup "${1:-build}"
e2e_start

# Gray level 0..1 of the darkest pixel in a rectangle given in twips.
darkest() {
  local shot=$1 x=$2 y=$3 w=$4 h=$5
  convert "$shot" -crop "$((w / 15))x$((h / 15))+$((x / 15))+$((y / 15))" +repage \
    -colorspace Gray -format '%[fx:minima]' info:
}
# "r,g,b" of the pixel at (x, y) twips.
pixel() {
  convert "$1" -format '%[fx:int(255*p{'$(($2 / 15))','$(($3 / 15))'}.r)],%[fx:int(255*p{'$(($2 / 15))','$(($3 / 15))'}.g)],%[fx:int(255*p{'$(($2 / 15))','$(($3 / 15))'}.b)]' info:
}
is_dark() { awk -v v="$1" 'BEGIN { exit !(v < 0.4) }'; }
# The marker lines' light red, blended with the strip where they fall between pixels.
is_marker() { awk -F, -v c="$1" 'BEGIN { split(c, v, ","); exit !(v[1] > 200 && v[2] < 230) }'; }

# The record is complete when the trace reaches the strip's right margin and
# the duration marker (Line3, y 1320) and explanation (5) are on screen.
record_complete() {
  local shot=$1
  is_dark "$(darkest "$shot" 10875 855 30 2265)" &&
    is_marker "$(pixel "$shot" 2000 1320)" &&
    is_dark "$(darkest "$shot" 1680 4320 3000 255)"
}

wait_for_record() {
  local shot=$1 i
  for i in $(seq 1 120); do
    e2e_shot "$rec" "$shot"
    record_complete "$shot" && return 0
    sleep 0.25
  done
  e2e_fail "the record did not complete within 30 s"
}

menu=$(e2e_window "Zemlox")
# "地震計の記録" is Command4 of Frame1 (3480, 120) in the menu; aim at its middle.
e2e_click "$menu" $((3480 + 240 + 1147)) $((120 + 360 + 187))
rec=$(e2e_window "地震計の記録")
start=$(date +%s.%N)
wait_for_record "$E2E_TMP/first.png"
took=$(awk -v a="$start" -v b="$(date +%s.%N)" 'BEGIN { printf "%.1f", b - a }')
[ "$(pixel "$E2E_TMP/first.png" 9000 1000)" = "255,255,192" ] || e2e_fail "strip is not pale yellow"

# "もう一度": at most a few ticks later the old trace, the markers and (5) are gone.
e2e_click "$rec" $((9600 + 607)) $((3240 + 187))
e2e_shot "$rec" "$E2E_TMP/replay.png"
is_dark "$(darkest "$E2E_TMP/replay.png" 10875 855 30 2265)" && e2e_fail "old trace still shown after もう一度"
[ "$(pixel "$E2E_TMP/replay.png" 2000 1320)" = "255,255,192" ] || e2e_fail "duration marker still shown after もう一度"
is_dark "$(darkest "$E2E_TMP/replay.png" 1680 4320 3000 255)" && e2e_fail "(5) still shown after もう一度"
is_dark "$(darkest "$E2E_TMP/replay.png" 675 1920 450 135)" || e2e_fail "the new record has not started"
wait_for_record "$E2E_TMP/second.png"
cmp -s "$E2E_TMP/first.png" "$E2E_TMP/second.png" && e2e_fail "the second record is the same as the first"

e2e_click "$rec" $((10320 + 487)) $((240 + 187))
e2e_window_gone "地震計の記録"
e2e_click "$menu" $((3480 + 240 + 1147)) $((120 + 3120 + 187))
e2e_expect_exit0
echo "record e2e: record drawn in ${took}s, replayed with a different trace, closed; program ended with status 0"
