#!/usr/bin/env bash
# The browser edition end to end: builds the site (scripts/build-web.sh) and
# runs every tests/web/*.test.mjs: in headless Chromium with puppeteer-core,
# and engines.test.mjs, start.test.mjs and update.test.mjs in Firefox ESR and
# in WebKit too, the latter on Xvfb.
# The desktop build directory gives the image host the pixel comparison uses.
set -euo pipefail
cd "$(dirname "$0")/../.."
ZEMLOX_BUILD=$(cd "${1:-build}" && pwd)
export ZEMLOX_BUILD
./scripts/build-web.sh >/dev/null
failed=()
logs=$(mktemp -d)
trap 'rm -rf "$logs"' EXIT
for t in tests/web/*.test.mjs; do
  case "$t" in
    */engines.test.mjs | */start.test.mjs | */update.test.mjs | */class.test.mjs) run=(xvfb-run -a -s "-screen 0 1600x1200x24" node "$t") ;;
    *) run=(node "$t") ;;
  esac
  name=$(basename "$t")
  "${run[@]}" 2>&1 | tee "$logs/$name" || failed+=("$name")
done
# The failures again at the end, where a log cut to its tail still shows them.
for name in "${failed[@]}"; do echo "== $name, last lines:"; tail -n 8 "$logs/$name"; done
[ ${#failed[@]} -eq 0 ] || { echo "web e2e: failed: ${failed[*]}"; exit 1; }
echo "web e2e: every browser test passed"
