#!/usr/bin/env bash
# Builds Zemlox (installing what is missing first) and opens the main menu.
set -euo pipefail
cd "$(dirname "$0")"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "run.sh: no display (DISPLAY and WAYLAND_DISPLAY are unset): run it on a desktop, or under a virtual one with: xvfb-run -a ./run.sh" >&2
  exit 2
fi
./scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target zemlox
exec ./build/app/zemlox
