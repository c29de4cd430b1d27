#!/usr/bin/env bash
# Whole-program CPU under Xvfb (block lesson; observation run at 速) beside a
# bare Qt window drawing the same primitives at the same rate
# (build/bench/floor_window), both running at once: % of one core over the
# same span. A benchmark, not a test: it asserts nothing; its last line names
# every figure over its budget of 1.0 x the floor.
#   bash bench/cpu_usage.sh [build-dir] [seconds]
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(cd "${1:-build}" && pwd)
seconds=${2:-8}
source tests/e2e/lib.sh
e2e_setup "$build"

# CPU seconds (user + system) a process has used so far.
cpu_seconds() {
  awk -v hz="$(getconf CLK_TCK)" '{ print ($14 + $15) / hz }' "/proc/$1/stat"
}

# Percent of one core each of two processes uses over the same next $3
# seconds, as "program floor": measured side by side, both see the same load
# from the rest of the machine.
cpu_percents() {
  local a=$1 b=$2 span=$3 a0 b0 a1 b1
  a0=$(cpu_seconds "$a"); b0=$(cpu_seconds "$b")
  sleep "$span"
  a1=$(cpu_seconds "$a"); b1=$(cpu_seconds "$b")
  awk -v a0="$a0" -v a1="$a1" -v b0="$b0" -v b1="$b1" -v s="$span" \
    'BEGIN { printf "%.1f %.1f", 100 * (a1 - a0) / s, 100 * (b1 - b0) / s }'
}

# Starts the floor window in the given mode; its pid in FLOOR_PID.
start_floor() {
  "$build/bench/floor_window" "$1" >"$E2E_TMP/floor.log" 2>&1 &
  FLOOR_PID=$!
  E2E_PIDS+=($FLOOR_PID)
  e2e_window "floor-$1" >/dev/null
}

e2e_start
menu=$(e2e_window "Zemlox")
# 縦波と横波の比較（立体） in Frame1.
e2e_click "$menu" $((3480 + 240 + 1147)) $((120 + 1920 + 187))
blocks=$(e2e_window "縦波（Ｐ波）・横波(Ｓ波)の比較")
start_floor blocks
sleep 1
read -r program_blocks floor_blocks <<<"$(cpu_percents "$ZEMLOX_PID" "$FLOOR_PID" "$seconds")"
kill "$FLOOR_PID"
e2e_click "$blocks" $((10320 + 487)) $((240 + 187))
e2e_window_gone "縦波（Ｐ波）・横波(Ｓ波)の比較"

observation=$(e2e_open_observation)
# Picks 速, the first item of the speed list, from its open drop-down.
e2e_click "$observation" $((1680 + 560)) $((6840 + 150))
sleep 0.5
e2e_click "$observation" $((1680 + 300)) $((6840 + 300 + 130))
sleep 0.5
start_floor observe
# Runs at 速 last 4.1 s: several are set off and each measured while it runs,
# the floor (which sets its run off again by itself) over the same spans.
sum_p=0
sum_f=0
runs=$(( (seconds + 2) / 3 ))
for _ in $(seq 1 "$runs"); do
  e2e_click "$observation" $((3000 + 487)) $((6600 + 187))
  sleep 0.3
  read -r p f <<<"$(cpu_percents "$ZEMLOX_PID" "$FLOOR_PID" 3)"
  sum_p=$(awk -v t="$sum_p" -v x="$p" 'BEGIN { print t + x }')
  sum_f=$(awk -v t="$sum_f" -v x="$f" 'BEGIN { print t + x }')
  sleep 1.2
done
program_observe=$(awk -v t="$sum_p" -v n="$runs" 'BEGIN { printf "%.1f", t / n }')
floor_observe=$(awk -v t="$sum_f" -v n="$runs" 'BEGIN { printf "%.1f", t / n }')
kill "$FLOOR_PID" "$ZEMLOX_PID"

budget=1.0
over=()
printf '%-34s %8s %8s %7s\n' "CPU, % of one core (Xvfb)" program floor ratio
for row in "block lesson (12 ms ticks)|$program_blocks|$floor_blocks" \
           "observation run at 速 (10 ms ticks)|$program_observe|$floor_observe"; do
  IFS='|' read -r name p f <<<"$row"
  ratio=$(awk -v p="$p" -v f="$f" 'BEGIN { printf "%.2f", (f > 0 ? p / f : 0) }')
  awk -v n="$name" -v p="$p" -v f="$f" -v r="$ratio" 'BEGIN { printf "%-34s %8.1f %8.1f %7s\n", n, p, f, r }'
  # Judged on the ratio as printed.
  if awk -v r="$ratio" -v b="$budget" 'BEGIN { exit !(r > b) }'; then over+=("$name ${ratio}×"); fi
done
last=$(IFS=,; echo "${over[*]:-none}")
echo "over budget (${budget}× floor): ${last//,/, }"
