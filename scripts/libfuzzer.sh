#!/usr/bin/env bash
# Coverage-guided fuzzing of the whole program with libFuzzer (clang, with
# AddressSanitizer and UndefinedBehaviorSanitizer), in build-libfuzzer. The
# input bytes become events (22 bytes each) played through the window layer
# with every rule checked; a broken rule prints the shortest reproducer and
# the failing input is saved in build-libfuzzer/crashes/. Inputs run up to
# 300 events from the start (no slow ramp of the length).
#   scripts/libfuzzer.sh [SECONDS]   (default 60; extra libFuzzer flags after it)
set -euo pipefail
cd "$(dirname "$0")/.."
secs=${1:-60}
shift || true
build=build-libfuzzer
flags="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZEMLOX_GUI=OFF \
  -DZEMLOX_BENCH=OFF -DZEMLOX_LIBFUZZER=ON -DCMAKE_CXX_FLAGS="$flags" \
  -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" >/dev/null
cmake --build "$build" -j 2 --target zemlox_libfuzzer
mkdir -p "$build/corpus" "$build/crashes"
exec "$build/tests/fuzz/zemlox_libfuzzer" -max_total_time="$secs" -max_len=6600 -len_control=0 -timeout=60 \
  -artifact_prefix="$build/crashes/" "$@" "$build/corpus"
