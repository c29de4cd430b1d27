#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: unit and host tests
# through ctest, then each end-to-end script in tests/e2e/ under Xvfb.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh --test
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build
(cd build && ctest --output-on-failure -j2)
# The unit and fuzz tests again under the address, undefined-behaviour and
# leak sanitizers, in build-asan.
./scripts/sanitize.sh build-asan
failed=0
for t in tests/e2e/*_e2e.sh; do
  echo "== $t"
  if bash "$t" build; then echo "ok: $t"; else echo "FAILED: $t"; failed=$((failed + 1)); fi
done
[ "$failed" -eq 0 ] || { echo "$failed end-to-end test(s) failed"; exit 1; }
