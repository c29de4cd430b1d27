#!/usr/bin/env bash
# Writes a release into dist/: the browser edition as zemlox-web-<version>.zip
# (one folder zemlox/ to unzip onto a static web server or a USB stick: the
# same name in every version, so that an update is copied over the last one),
# the Debian package, and SHA256SUMS. The version is the one CMake's
# project() declares. Every time stamp comes from the commit, so two runs
# from one commit give the same bytes.
#   scripts/release.sh [--deb-build DIR] [--dist DIR]
#     --deb-build DIR  package the desktop build in DIR as it is configured
#                      (default build-deb: a release build made for this)
#     --dist DIR       write there instead of dist/ (the tests do)
set -euo pipefail
deb_build=build-deb
dist=dist
while [ $# -gt 0 ]; do
  case $1 in
    --deb-build) deb_build=$(realpath -m "$2"); shift 2 ;;
    --dist) dist=$(realpath -m "$2"); shift 2 ;;
    *) echo "usage: scripts/release.sh [--deb-build DIR] [--dist DIR]" >&2; exit 2 ;;
  esac
done
cd "$(dirname "$0")/.."

version=$(sed -n 's/^project(zemlox VERSION \([0-9][0-9.]*\)[ )].*/\1/p' CMakeLists.txt)
[ -n "$version" ] || { echo "release: no version in CMakeLists.txt's project()" >&2; exit 1; }
if git rev-parse --git-dir >/dev/null 2>&1; then
  SOURCE_DATE_EPOCH=$(git log -1 --format=%ct)
  if [ -n "$(git status --porcelain --untracked-files=no)" ]; then
    echo "release: warning: the tree has uncommitted changes; these files are not the commit's" >&2
  fi
fi
[ -n "${SOURCE_DATE_EPOCH:-}" ] || { echo "release: not a git checkout; set SOURCE_DATE_EPOCH" >&2; exit 1; }
# The font subsetter and CPack take their time stamps from it.
export SOURCE_DATE_EPOCH
# Installed files and folders get their permissions from the umask.
umask 022
export LC_ALL=C.UTF-8 TZ=UTC
# A shared machine: two compile jobs unless told otherwise.
export CMAKE_BUILD_PARALLEL_LEVEL=${CMAKE_BUILD_PARALLEL_LEVEL:-2}

./scripts/build-web.sh
# build-deb.sh ends with the package's path; its build log goes on showing.
deb=$(./scripts/build-deb.sh "$deb_build" | tee >(cat >&2) | tail -n 1)

rm -rf "$dist"
mkdir -p "$dist"
name=zemlox-web-$version
/usr/bin/python3 scripts/zip-folder.py build-web/site zemlox "$SOURCE_DATE_EPOCH" "$dist/$name.zip"
cp "$deb" "$dist/"
(cd "$dist" && sha256sum "$name.zip" "$(basename "$deb")" >SHA256SUMS)
echo "release $version (commit time $SOURCE_DATE_EPOCH) in $dist/:"
(cd "$dist" && ls -l --time-style=+ "$name.zip" "$(basename "$deb")" && cat SHA256SUMS)
