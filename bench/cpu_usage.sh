#!/usr/bin/env bash
# Whole-program CPU under Xvfb, side by side with its floor: the program's
# block lesson animating, and an observation run at 速, against a bare Qt
# window of the same size drawing the same primitives at the same rate
# (build/bench/floor_window). Percent of one core, measured from the
# process's own CPU time over a fixed wall time. A benchmark, not a test:
# it prints its figures and asserts nothing.
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

# Percent of one core a process uses over the next $2 seconds.
cpu_percent() {
  local pid=$1 span=$2 a b
  a=$(cpu_seconds "$pid")
  sleep "$span"
  b=$(cpu_seconds "$pid")
  awk -v a="$a" -v b="$b" -v s="$span" 'BEGIN { printf "%.1f", 100 * (b - a) / s }'
}

# The floor window in the given mode; prints its CPU percent.
floor_percent() {
  "$build/bench/floor_window" "$1" >"$E2E_TMP/floor.log" 2>&1 &
  local pid=$!
  E2E_PIDS+=($pid)
  e2e_window "floor-$1" >/dev/null
  sleep 1
  cpu_percent "$pid" "$seconds"
  kill "$pid"
  wait "$pid" 2>/dev/null || true
}

e2e_start
menu=$(e2e_window "Zemlox")
# 縦波と横波の比較（立体） in Frame1.
e2e_click "$menu" $((3480 + 240 + 1147)) $((120 + 1920 + 187))
blocks=$(e2e_window "縦波（Ｐ波）・横波(Ｓ波)の比較")
sleep 1
program_blocks=$(cpu_percent "$ZEMLOX_PID" "$seconds")
e2e_click "$blocks" $((10320 + 487)) $((240 + 187))
e2e_window_gone "縦波（Ｐ波）・横波(Ｓ波)の比較"

observation=$(e2e_open_observation)
# Picks 速, the first item of the speed list, from its open drop-down.
e2e_click "$observation" $((1680 + 560)) $((6840 + 150))
sleep 0.5
e2e_click "$observation" $((1680 + 300)) $((6840 + 300 + 130))
sleep 0.5
# Runs at 速 last 4.1 s: several are set off and each measured while it runs.
total=0
runs=$(( (seconds + 2) / 3 ))
for _ in $(seq 1 "$runs"); do
  e2e_click "$observation" $((3000 + 487)) $((6600 + 187))
  sleep 0.3
  total=$(awk -v t="$total" -v p="$(cpu_percent "$ZEMLOX_PID" 3)" 'BEGIN { print t + p }')
  sleep 1.2
done
program_observe=$(awk -v t="$total" -v n="$runs" 'BEGIN { printf "%.1f", t / n }')
kill "$ZEMLOX_PID"

floor_blocks=$(floor_percent blocks)
floor_observe=$(floor_percent observe)

printf '%-34s %8s %8s %7s\n' "CPU, % of one core (Xvfb)" program floor ratio
for row in "block lesson (12 ms ticks)|$program_blocks|$floor_blocks" \
           "observation run at 速 (10 ms ticks)|$program_observe|$floor_observe"; do
  IFS='|' read -r name p f <<<"$row"
  awk -v n="$name" -v p="$p" -v f="$f" 'BEGIN { printf "%-34s %8.1f %8.1f %7.2f\n", n, p, f, (f > 0 ? p / f : 0) }'
done
echo "target: program <= 1.25 x floor"
