#!/usr/bin/env bash
# The real program under Xvfb: the menu opens the observation window, station
# A is carried with two clicks and the pointer, the earthquake is set off,
# "印刷" appears at the end, and the record shows five traces whose shaking
# starts further right the further the station is.
# Optional: OBSERVE_SHOT=file.png keeps a screenshot of the finished run.
source "$(dirname "$0")/lib.sh"
e2e_setup "${1:-build}"
e2e_start
win=$(e2e_open_observation)
menu=$(e2e_window "Zemlox")

# The colour of the pixel at (x, y) twips of the window, as rrggbb.
pixel() {
  convert "$1" -format "%[hex:p{$(($2 / 15)),$(($3 / 15))}]" info: | tail -c 7 | tr 'A-F' 'a-f'
}

shot=$E2E_TMP/observe.png
# The plan view starts at (120, 1080); station A's label at (1020, 2950) in it.
e2e_click "$win" $((120 + 1020 + 300)) $((1080 + 2950 + 120))
sleep 0.3
e2e_move "$win" $((120 + 1500)) $((1080 + 3300))
sleep 0.3
e2e_shot "$win" "$shot"
# Carried: the marker (left 1450, top 3250) is white; the old place is bare.
[ "$(pixel "$shot" $((120 + 1517)) $((1080 + 3317)))" = ffffff ] || e2e_fail "station A did not follow the pointer"
# (Sampled beside the grid lines that cross the marker's centre.)
[ "$(pixel "$shot" $((120 + 1120)) $((1080 + 3050)))" = ffffc0 ] || e2e_fail "station A's old place is not bare"
e2e_click "$win" $((120 + 1500)) $((1080 + 3300))
sleep 0.3
e2e_shot "$win" "$shot"
[ "$(pixel "$shot" $((120 + 1517)) $((1080 + 3317)))" = c0c0ff ] || e2e_fail "station A was not dropped"
[ "$(e2e_colours "$shot" 4080 7080 975 375)" -eq 1 ] || e2e_fail "印刷 shown before any run"

e2e_run_quake "$win" "$shot"
[ -n "${OBSERVE_SHOT:-}" ] && cp "$shot" "$OBSERVE_SHOT"

# The record area starts at (6360, 120); its time axis at y 7560, and every
# trace's baseline lies its epicentral distance above it. Station A now stands
# 430 twips right of the hypocentre and 297.5 above the surface line.
baselines=$(awk 'BEGIN { d[0] = sqrt(430 * 430 + 297.5 * 297.5);
  for (i = 1; i < 5; i++) d[i] = 587.5 + 600 * i;
  for (i = 0; i < 5; i++) printf "%.2f ", (120 + 7560 - d[i]) / 15 }')
starts=$(convert "$shot" -crop "$((4100 / 15))x$((7695 / 15))+$(((6360 + 300) / 15))+$((120 / 15))" \
           +repage -depth 8 txt:- |
  awk -v base="$baselines" -v x0=$(((6360 + 300) / 15)) -v y0=$((120 / 15)) '
    BEGIN { n = split(base, b, " ") }
    NR > 1 {
      split($1, xy, /[,:]/); gsub(/[()]/, "", $2); split($2, c, ",")
      if (c[3] - c[1] <= 60 || c[3] - c[2] <= 60) next
      x = xy[1] + x0; y = xy[2] + y0 + 0.5
      for (i = 1; i <= n; i++) {
        d = y - b[i]; if (d < 0) d = -d
        if (d < 1) seen[i] = 1
        if (d >= 1.25 && d < 25 && (!(i in first) || x < first[i])) first[i] = x
      }
    }
    END { for (i = 1; i <= n; i++) printf "%s ", ((i in seen) && (i in first)) ? first[i] : "none" }')
echo "observe e2e: shaking starts at pixel x $starts (A to E)"
prev=0
for s in $starts; do
  [ "$s" != none ] || e2e_fail "a trace is missing from the record: $starts"
  [ "$s" -gt "$prev" ] || e2e_fail "traces do not start at increasing x: $starts"
  prev=$s
done

e2e_click "$win" $((5160 + 487)) $((7080 + 187))
e2e_window_gone "地震計の記録"
e2e_click "$menu" $((3480 + 240 + 1147)) $((120 + 3120 + 187))
e2e_expect_exit0
echo "observe e2e: station moved, run finished with 印刷 shown, five traces in distance order"
