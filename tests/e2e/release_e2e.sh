#!/usr/bin/env bash
# The release a teacher downloads: scripts/release.sh, packaging the build
# folder's program and the browser edition (both reused when already built),
# writes the zip, the Debian package and SHA256SUMS. The sums hold, the zip
# holds one folder, and that folder, unzipped fresh onto a web server's root,
# starts in Chromium at its own address up to the menu window.
set -euo pipefail
src=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "${1:-build}" && pwd)
fail() { echo "release e2e: $*" >&2; exit 1; }
tmp=$(mktemp -d /tmp/zemlox-release.XXXXXX)
trap 'rm -rf "$tmp"' EXIT

"$src/scripts/release.sh" --deb-build "$build" --dist "$tmp/dist" >"$tmp/release.log" 2>&1 \
  || { cat "$tmp/release.log"; fail "scripts/release.sh failed"; }
version=$(sed -n 's/^project(zemlox VERSION \([0-9.]*\).*/\1/p' "$src/CMakeLists.txt")
zip=zemlox-web-$version.zip
deb=zemlox_${version}_$(dpkg --print-architecture).deb
[ "$(ls "$tmp/dist" | sort)" = "$(printf '%s\n' SHA256SUMS "$deb" "$zip" | sort)" ] \
  || fail "dist holds $(ls "$tmp/dist" | tr '\n' ' ')"
[ "$(cut -d' ' -f3 "$tmp/dist/SHA256SUMS" | sort)" = "$(printf '%s\n' "$deb" "$zip" | sort)" ] \
  || fail "SHA256SUMS lists $(cut -d' ' -f3 "$tmp/dist/SHA256SUMS" | tr '\n' ' ')"
(cd "$tmp/dist" && sha256sum --check --strict --quiet SHA256SUMS) || fail "SHA256SUMS does not match the files"

names=$(/usr/bin/python3 -c 'import sys, zipfile; print("\n".join(zipfile.ZipFile(sys.argv[1]).namelist()))' "$tmp/dist/$zip")
if grep -v "^zemlox-web-$version/" <<<"$names"; then fail "the zip has entries outside zemlox-web-$version/"; fi
mkdir "$tmp/host"
/usr/bin/python3 -m zipfile -e "$tmp/dist/$zip" "$tmp/host"
cd "$src/tests/web" && node release_zip.mjs "$tmp/host" "zemlox-web-$version/"
