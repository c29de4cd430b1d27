# Shared helpers for the end-to-end tests: a private Xvfb, the real zemlox
# binary, windows found by title, clicks placed in twips of a window.
# Source it; call e2e_setup BUILD_DIR first.

set -Eeuo pipefail
# A command that ends the script says which one it was, never silently.
trap 'e2e_rc=$?; echo "e2e: ${0##*/} line $LINENO: \"$BASH_COMMAND\" failed (status $e2e_rc)" >&2' ERR

E2E_PIDS=()
e2e_cleanup() {
  for p in "${E2E_PIDS[@]}"; do kill "$p" 2>/dev/null || true; done
  wait 2>/dev/null || true
}
trap e2e_cleanup EXIT

e2e_fail() { echo "e2e: $*" >&2; exit 1; }

# Starts Xvfb on a free display and exports DISPLAY; sets ZEMLOX to the binary.
e2e_setup() {
  local build=${1:-build}
  ZEMLOX=$(cd "$build" && pwd)/app/zemlox
  [ -x "$ZEMLOX" ] || e2e_fail "no binary at $ZEMLOX"
  E2E_TMP=$(mktemp -d /tmp/zemlox-e2e.XXXXXX)
  export XDG_RUNTIME_DIR=$E2E_TMP/xdg
  mkdir -m 700 "$XDG_RUNTIME_DIR"
  # Xvfb takes a free display itself and says which once it is ready, so
  # tests started side by side never share one.
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -noreset -nolisten tcp \
    3>"$E2E_TMP/display" >"$E2E_TMP/xvfb.log" 2>&1 &
  E2E_PIDS+=($!)
  local i n
  for i in $(seq 1 100); do
    n=$(tr -d '\n' <"$E2E_TMP/display" 2>/dev/null || true)
    if [ -n "$n" ]; then
      export DISPLAY=:$n
      xdpyinfo >/dev/null 2>&1 && return 0
    fi
    sleep 0.1
  done
  e2e_fail "could not start Xvfb"
}

# Starts the program in the background; its pid in ZEMLOX_PID.
e2e_start() {
  "$ZEMLOX" >"$E2E_TMP/zemlox.log" 2>&1 &
  ZEMLOX_PID=$!
  E2E_PIDS+=($ZEMLOX_PID)
}

# Prints the id of the visible window with exactly this title; waits up to
# $2 seconds (default 10).
e2e_window() {
  local title=$1 limit=${2:-10} i id
  local pattern="^$(printf '%s' "$title" | sed 's/[][\.*^$()+?{}|]/\\&/g')\$"
  for i in $(seq 1 $((limit * 20))); do
    id=$(xdotool search --onlyvisible --name "$pattern" 2>/dev/null | head -n 1 || true)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.05
  done
  e2e_fail "no window titled '$title' after ${limit}s"
}

# Waits until no visible window has this title.
e2e_window_gone() {
  local title=$1 limit=${2:-10} i
  local pattern="^$(printf '%s' "$title" | sed 's/[][\.*^$()+?{}|]/\\&/g')\$"
  for i in $(seq 1 $((limit * 20))); do
    xdotool search --onlyvisible --name "$pattern" >/dev/null 2>&1 || return 0
    sleep 0.05
  done
  e2e_fail "window '$title' still there after ${limit}s"
}

# Moves the pointer to (x, y) twips of the window's client area.
e2e_move() {
  local id=$1 x=$2 y=$3 X Y WIDTH HEIGHT SCREEN WINDOW
  eval "$(xdotool getwindowgeometry --shell "$id")"
  xdotool mousemove $((X + x / 15)) $((Y + y / 15))
}

# Clicks at (x, y) twips of the window's client area.
e2e_click() {
  e2e_move "$@"
  sleep 0.05
  xdotool click 1
}

# Saves a screenshot of one window.
e2e_shot() { import -window "$1" "$2"; }

# Prints the text of the message window with this id, read as a teacher would
# copy it: clicked into, selected and copied.
e2e_copy_text() {
  local X Y WIDTH HEIGHT SCREEN WINDOW
  command -v xclip >/dev/null || e2e_fail "xclip is not installed (scripts/install-deps.sh --test)"
  printf '' | xclip -selection clipboard
  eval "$(xdotool getwindowgeometry --shell "$1")"
  xdotool mousemove $((X + WIDTH / 2)) $((Y + 20)) click 1
  sleep 0.3
  xdotool key ctrl+a ctrl+c
  sleep 0.3
  xclip -o -selection clipboard
}

# Waits for the program to end; fails unless it exits with status 0.
e2e_expect_exit0() {
  local limit=${1:-10} i
  for i in $(seq 1 $((limit * 20))); do
    if ! kill -0 "$ZEMLOX_PID" 2>/dev/null; then
      local rc=0
      wait "$ZEMLOX_PID" || rc=$?
      [ "$rc" -eq 0 ] || e2e_fail "zemlox exited with status $rc"
      return 0
    fi
    sleep 0.05
  done
  e2e_fail "zemlox still running after ${limit}s"
}

# Opens the observation window from the menu ("地震観測シミュレーション" in
# Frame1 at (3480, 120)) and prints its id; its caption is "地震計の記録".
e2e_open_observation() {
  local menu
  menu=$(e2e_window "Zemlox")
  e2e_click "$menu" $((3480 + 240 + 1147)) $((120 + 2520 + 187))
  e2e_window "地震計の記録"
  sleep 0.5
}

# Number of colours in a rectangle of a screenshot given in twips (x y w h):
# one for bare window face, more once a button or drawing shows there.
e2e_colours() {
  convert "$1" -crop "$(($4 / 15))x$(($5 / 15))+$(($2 / 15))+$(($3 / 15))" +repage -format %k info:
}

# In the observation window: clicks "地震発生" and waits until the run has
# ended and "印刷" shows; leaves the last screenshot in the given file.
e2e_run_quake() {
  local win=$1 shot=$2 i
  e2e_click "$win" $((3000 + 487)) $((6600 + 187))
  for i in $(seq 1 300); do
    sleep 0.1
    e2e_shot "$win" "$shot"
    [ "$(e2e_colours "$shot" 4080 7080 975 375)" -gt 3 ] && return 0
  done
  e2e_fail "印刷 did not appear within 30 s"
}
