#!/usr/bin/env bash
# Random pupil input on real X windows: the seeded events of ui/random_input.h
# replayed through the Qt windows shown on a private Xvfb (the host fuzz on
# the xcb platform), with every rule of the fuzz checked after each event and
# tick. The same rules without a display are ctest's host_fuzz_seed*; this
# run adds the X server's windows, focus and popups.
#   bash tests/e2e/stress_e2e.sh BUILD_DIR [EVENTS] [SEED]
source "$(dirname "$0")/lib.sh"
e2e_setup "${1:-build}"
fuzz=$(dirname "$ZEMLOX")/../tests/hostfuzz/zemlox_host_fuzz
[ -x "$fuzz" ] || e2e_fail "no host fuzz at $fuzz"
export HOME=$E2E_TMP/home
mkdir -p "$HOME"
QT_QPA_PLATFORM=xcb "$fuzz" --seed "${3:-4242}" --count "${2:-4000}" ||
  e2e_fail "a rule broke under random input on X (the lines above replay it)"
echo "stress e2e: every rule held on the X windows"
