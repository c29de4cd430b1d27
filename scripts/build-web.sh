#!/usr/bin/env bash
# Builds the browser edition into build-web/site/: index.html and everything
# it needs, with relative paths, so the folder works opened straight from a
# disk (file://) and from any static web server. Compiles with Debian's
# Emscripten; subsets the bundled fonts; adds the teacher's guide; lists the
# files for offline use.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh --web
# Emscripten's tools need Debian's acorn, which sits outside the installed node's own path.
export NODE_PATH=/usr/share/nodejs
out=build-web
site=$out/site
cmake -S . -B "$out/cmake" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$(em-config EMSCRIPTEN_ROOT)/cmake/Modules/Platform/Emscripten.cmake" \
  -DZEMLOX_GUI=OFF -DZEMLOX_TESTS=OFF -DZEMLOX_BENCH=OFF >/dev/null
cmake --build "$out/cmake" --target zemlox_site zemlox_site_file

rm -rf "$site"
mkdir -p "$site/assets" "$site/icons" "$site/fonts"
cp ui/web/site/index.html ui/web/site/zemlox.css ui/web/site/offline.js "$site/"
cp "$out/cmake/app/zemlox.js" "$out/cmake/app/zemlox.wasm" "$out/cmake/app/zemlox-file.js" "$site/"
# One id for this build in both halves of the program, which the page checks
# before it starts them together.
build_id=$(/usr/bin/python3 scripts/stamp-build.py "$site")
/usr/bin/python3 scripts/bmp-to-png.py assets/menu.bmp "$site/assets/menu.png"
for size in 32 128 256; do cp "assets/icons/zemlox-$size.png" "$site/icons/"; done

# The fonts: a renamed subset of the IPA fonts, with their licence beside
# them. The build stops here when a text the program or page draws has a
# character the subset lacks.
/usr/bin/python3 scripts/subset-fonts.py "$out/fonts" app ui waves record observe \
  --page ui/web/site/index.html ui/web/page.js ui/web/list_control.js ui/web/print_view.js >/dev/null
cp "$out"/fonts/*.woff2 "$site/fonts/"
sed -n '/^License: IPA-1$/,/^License:/p' /usr/share/doc/fonts-ipafont-gothic/copyright |
  sed '1d;$d;s/^ //;s/^\.$//' >"$site/fonts/IPA_Font_License_Agreement_v1.0.txt"
cp ui/web/site/fonts-README.txt "$site/fonts/README.txt"
{
  for f in pgothic:ZemloxPGothic gothic:ZemloxGothic; do
    printf '@font-face { font-family: %s; src: url(fonts/zemlox-%s.woff2) format("woff2"); font-display: block; }\n' \
      "${f#*:}" "${f%%:*}"
  done
} >"$site/fonts.css"
# The page has the font faces inline, one request fewer before its first paint.
fonts_css=$(tr -d '\n' <"$site/fonts.css")
sed -i "s|<link rel=\"stylesheet\" href=\"zemlox.css\">|<style>$fonts_css</style>\n&|" "$site/index.html"

# The teacher's guide F1 opens, made as the desktop build makes it, with its screenshots.
mkdir -p "$site/guide"
cmake -DIN=docs/teacher-guide.md -DOUT="$site/guide/teacher-guide.html" -P docs/guide_html.cmake
cp -r docs/screenshots "$site/guide/"

# Installing and running offline: the manifest, and a service worker that
# keeps every file of this build (its cache named after their checksum),
# but the single-file program, which only a folder opened from disk loads.
cp ui/web/site/manifest.webmanifest "$site/"
files=$(cd "$site" && find . -type f ! -name sw.js ! -name zemlox-file.js | sed 's|^\./||' | sort)
stamp=$(cd "$site" && cat $files | sha256sum | cut -c1-16)
{
  echo "const VERSION = 'zemlox-$stamp';"
  printf 'const FILES = ['; printf "'./',"; for f in $files; do printf "'%s'," "$f"; done; echo '];'
  cat ui/web/site/sw.js
} >"$site/sw.js"
echo "build-web: build $build_id, $(du -sb "$site" | cut -f1) bytes in $site"
