#!/usr/bin/env bash
# Installs the Debian packages Zemlox needs to build, run, test and print.
# Both ./run.sh and ./test.sh call this; it does nothing when all are present.
# Options: --test (tests and the package check), --package, --assets.
set -euo pipefail

build_pkgs=(cmake g++ ninja-build pkg-config qt6-base-dev qt6-qpa-plugins libcups2-dev
            libqt6printsupport6 libgl-dev googletest libgtest-dev libbenchmark-dev
            fonts-ipafont-gothic qt6-translations-l10n cmark)
test_pkgs=(xvfb xdotool x11-utils xclip imagemagick poppler-utils clang libclang-rt-dev
           cups cups-client cups-bsd printer-driver-cups-pdf
           lintian appstream desktop-file-utils)
# scripts/build-deb.sh: dpkg-shlibdeps and dpkg-buildflags; CPack runs file.
package_pkgs=(dpkg-dev file)
# scripts/render-assets.sh: SVG to PNG and BMP.
assets_pkgs=(librsvg2-bin imagemagick)

want=("${build_pkgs[@]}")
case "${1:-}" in
  --test) want+=("${test_pkgs[@]}" "${package_pkgs[@]}") ;;
  --package) want+=("${package_pkgs[@]}") ;;
  --assets) want+=("${assets_pkgs[@]}") ;;
esac

missing=()
for p in "${want[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
