#!/usr/bin/env bash
# How long one earthquake of the observation window lasts on this machine at
# each speed (速, 中, 遅), from the click on 地震発生 until 印刷 shows, in the
# real program under Xvfb; printed beside the 410 ticks × interval the window's
# timer asks for. The teacher's guide quotes these figures.
#   bench/observe_run_time.sh [BUILD_DIR]
source "$(dirname "$0")/../tests/e2e/lib.sh"
e2e_setup "${1:-build}"
e2e_start
printf '%-4s %10s %10s\n' speed measured nominal
for pick in Up none Down; do
  win=$(e2e_open_observation)
  # The speed list shows 中; one arrow press on it picks 速 (Up) or 遅 (Down).
  if [ "$pick" != none ]; then
    e2e_click "$win" $((1680 + 200)) $((6840 + 150))
    xdotool key "$pick"
  fi
  case $pick in Up) name=速 ms=10 ;; none) name=中 ms=20 ;; Down) name=遅 ms=50 ;; esac
  start=$(date +%s.%N)
  e2e_run_quake "$win" "$E2E_TMP/run.png"
  end=$(date +%s.%N)
  awk -v n="$name" -v a="$start" -v b="$end" -v ms="$ms" \
    'BEGIN { printf "%-4s %9.1fs %9.1fs\n", n, b - a, 410 * ms / 1000 }'
  e2e_click "$win" $((5160 + 487)) $((7080 + 187))
  e2e_window_gone "地震計の記録"
done
