#!/usr/bin/env bash
# Builds the Debian package zemlox_<version>_<arch>.deb and prints its path.
#   scripts/build-deb.sh [BUILD_DIR]     (default: build-deb)
# A new BUILD_DIR is configured as a release build with Debian's hardening
# flags and without tests; an existing one is packaged as it is configured.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-deb}
./scripts/install-deps.sh --package

if [ ! -f "$build/CMakeCache.txt" ]; then
  eval "$(DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --export=sh)"
  # CMake reads CXXFLAGS and LDFLAGS but not CPPFLAGS (fortify lives there).
  export CXXFLAGS="$CPPFLAGS $CXXFLAGS"
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DZEMLOX_TESTS=OFF -DZEMLOX_BENCH=OFF >/dev/null
fi
cmake --build "$build" -j "${ZEMLOX_JOBS:-2}"
rm -f "$build"/package/zemlox_*.deb
(cd "$build" && cpack -G DEB >cpack.log 2>&1) || { cat "$build/cpack.log"; exit 1; }
deb=$(ls "$build"/package/zemlox_*.deb)
echo "$deb"
