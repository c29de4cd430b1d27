#!/usr/bin/env bash
# Builds the window layer, the lessons and their unit and fuzz tests (no Qt,
# no benchmarks) under AddressSanitizer + UndefinedBehaviorSanitizer in a
# build folder of their own, and runs them there. The leak checker runs at
# the exit of every test binary, so the test that opens and closes every
# window a thousand times fails on any leak. The million-tick runs are left
# to the plain build, where they take seconds rather than minutes, and the
# fixed fuzz seeds play their first 5,000 events each (100,000 in all).
#   scripts/sanitize.sh [BUILD_DIR]   (default build-asan)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-asan}
flags="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZEMLOX_GUI=OFF -DZEMLOX_BENCH=OFF \
  -DCMAKE_CXX_FLAGS="-O1 $flags" -DCMAKE_EXE_LINKER_FLAGS="$flags" >/dev/null
cmake --build "$build" -j 2
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:strict_string_checks=1:detect_stack_use_after_return=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export ZEMLOX_FUZZ_EVENTS=${ZEMLOX_FUZZ_EVENTS:-5000}
(cd "$build" && ctest --output-on-failure -j2 -E 'MillionTicks')
