#!/usr/bin/env bash
# Builds Zemlox (installing what is missing first) and opens the main menu.
# With --web: builds the browser edition and serves it on http://127.0.0.1:8000/.
set -euo pipefail
cd "$(dirname "$0")"
if [ "${1:-}" = --web ]; then
  ./scripts/build-web.sh
  echo "Zemlox in the browser: http://127.0.0.1:8000/  (Ctrl+C stops the server)"
  exec /usr/bin/python3 -m http.server 8000 --bind 127.0.0.1 --directory build-web/site
fi
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "run.sh: no display (DISPLAY and WAYLAND_DISPLAY are unset): run it on a desktop, or under a virtual one with: xvfb-run -a ./run.sh" >&2
  exit 2
fi
./scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target zemlox
exec ./build/app/zemlox
