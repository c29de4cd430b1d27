#!/usr/bin/env bash
# The release a teacher downloads: scripts/release.sh, reusing the test build
# and the site when built, writes the zip, the Debian package and SHA256SUMS.
# The sums hold for both, and the zip's one folder (zemlox/, whatever the
# version), unzipped fresh onto a web server's root, starts in Chromium at its
# own address up to the menu.
set -euo pipefail
src=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "${1:-build}" && pwd)
fail() { echo "release e2e: $*" >&2; exit 1; }
tmp=$(mktemp -d /tmp/zemlox-release.XXXXXX)
trap 'rm -rf "$tmp"' EXIT

"$src/scripts/release.sh" --deb-build "$build" --dist "$tmp/dist" >"$tmp/release.log" 2>&1 \
  || { cat "$tmp/release.log"; fail "scripts/release.sh failed"; }
version=$(sed -n 's/^project(zemlox VERSION \([0-9.]*\).*/\1/p' "$src/CMakeLists.txt")
folder=zemlox
names=$(cut -d' ' -f3 "$tmp/dist/SHA256SUMS")
if [ "$(wc -l <<<"$names")" -ne 2 ] || ! grep -qx "zemlox-web-$version.zip" <<<"$names" \
   || ! grep -qx "zemlox_${version}_.*\.deb" <<<"$names"; then
  fail "SHA256SUMS lists $(tr '\n' ' ' <<<"$names")"
fi
(cd "$tmp/dist" && sha256sum --check --strict --quiet SHA256SUMS) || fail "SHA256SUMS does not match the files"
# Only the zip downloaded, checked as docs/INSTALL.md says.
mkdir "$tmp/zip-only" && cp "$tmp/dist/zemlox-web-$version.zip" "$tmp/dist/SHA256SUMS" "$tmp/zip-only/"
(cd "$tmp/zip-only" && sha256sum --ignore-missing --check --quiet SHA256SUMS) || fail "the zip alone does not check"

/usr/bin/python3 - "$tmp/dist/zemlox-web-$version.zip" "$tmp/host" "$folder/" <<'PY' || fail "the zip is not one folder $folder/"
import sys, zipfile
z = zipfile.ZipFile(sys.argv[1])
if any(not n.startswith(sys.argv[3]) for n in z.namelist()): sys.exit(1)
z.extractall(sys.argv[2])
PY
cd "$src/tests/web" && node release_zip.mjs "$tmp/host" "$folder/"
