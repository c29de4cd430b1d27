#!/usr/bin/env bash
# Installs the Debian packages Zemlox needs to build, run, test and print.
# Both ./run.sh and ./test.sh call this; it does nothing when all are present.
# Options: --test (tests, the package check and the browser edition's tests),
# --web (building the browser edition), --package, --assets.
set -euo pipefail

build_pkgs=(cmake g++ ninja-build pkg-config qt6-base-dev qt6-qpa-plugins libcups2-dev
            libqt6printsupport6 libgl-dev googletest libgtest-dev libbenchmark-dev
            fonts-ipafont-gothic qt6-translations-l10n cmark-gfm libqrcodegencpp-dev)
test_pkgs=(xvfb xdotool x11-utils xclip imagemagick poppler-utils clang libclang-rt-dev
           cups cups-client cups-bsd printer-driver-cups-pdf
           lintian appstream desktop-file-utils fonts-noto-cjk zbar-tools)
# scripts/build-deb.sh: dpkg-shlibdeps and dpkg-buildflags; CPack runs file.
package_pkgs=(dpkg-dev file)
# scripts/build-web.sh: Emscripten, and fontTools (with Brotli for WOFF2) to subset the bundled fonts.
web_pkgs=(emscripten python3-fonttools python3-brotli fonts-ipafont-gothic)
# The browser tests: Chromium and Firefox ESR driven by puppeteer-core, and
# WebKit (WebKitGTK's MiniBrowser with WebKitWebDriver) by selenium-webdriver,
# both from npm; WebKit runs on Xvfb.
web_test_pkgs=(chromium firefox-esr webkit2gtk-driver)
# tests/web/servers.test.mjs: the web servers whose settings docs/INSTALL.md
# gives, run on 127.0.0.1 from copies of their own configuration.
server_pkgs=(nginx apache2 lighttpd lighttpd-mod-deflate)
# scripts/render-assets.sh: SVG to PNG and BMP.
assets_pkgs=(librsvg2-bin imagemagick)

want=("${build_pkgs[@]}")
case "${1:-}" in
  --test) want+=("${test_pkgs[@]}" "${package_pkgs[@]}" "${web_pkgs[@]}" "${web_test_pkgs[@]}" "${server_pkgs[@]}") ;;
  --web) want+=("${web_pkgs[@]}") ;;
  --package) want+=("${package_pkgs[@]}") ;;
  --assets) want+=("${assets_pkgs[@]}") ;;
esac

missing=()
for p in "${want[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
# Node and npm may come from elsewhere than Debian; only fetch them when absent.
if [ "${1:-}" = --test ]; then
  command -v node >/dev/null || missing+=(nodejs)
  command -v npm >/dev/null || missing+=(npm)
fi

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -qq
  # The web servers would start serving every address of the machine as
  # they install: no service starts during the install.
  policy=""
  if [ ! -e /usr/sbin/policy-rc.d ]; then
    policy=/usr/sbin/policy-rc.d
    printf '#!/bin/sh\nexit 101\n' | $sudo tee "$policy" >/dev/null
    $sudo chmod 755 "$policy"
  fi
  $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null || { [ -z "$policy" ] || $sudo rm -f "$policy"; exit 1; }
  [ -z "$policy" ] || $sudo rm -f "$policy"
fi

# The QR library the browser edition bundles, pinned in classroom/web/package-lock.json.
if [ "${1:-}" = --test ] || [ "${1:-}" = --web ]; then
  command -v npm >/dev/null || { $sudo apt-get update -qq; $sudo apt-get install -y -qq --no-install-recommends npm >/dev/null; }
  qr=$(cd "$(dirname "$0")/../classroom/web" && pwd)
  if ! cmp -s "$qr/package-lock.json" "$qr/node_modules/.installed-lock.json" 2>/dev/null; then
    (cd "$qr" && npm ci --no-audit --no-fund --loglevel=error >/dev/null)
    cp "$qr/package-lock.json" "$qr/node_modules/.installed-lock.json"
  fi
fi

# puppeteer-core and selenium-webdriver at the versions pinned in tests/web/package-lock.json.
if [ "${1:-}" = --test ]; then
  web=$(cd "$(dirname "$0")/../tests/web" && pwd)
  if ! cmp -s "$web/package-lock.json" "$web/node_modules/.installed-lock.json" 2>/dev/null; then
    echo "Installing the browser tests' npm packages"
    (cd "$web" && npm ci --no-audit --no-fund --loglevel=error >/dev/null)
    cp "$web/package-lock.json" "$web/node_modules/.installed-lock.json"
  fi
fi
