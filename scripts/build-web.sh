#!/usr/bin/env bash
# Builds the browser edition into build-web/site/: index.html and everything
# it needs, with relative paths, so the folder works opened straight from a
# disk (file://) and from any static web server. Compiles with Debian's
# Emscripten; subsets the bundled fonts; adds the teacher's guide; names
# each file the page loads with its content's hash; lists the files for
# offline use with their checksums.
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
cp ui/web/site/index.html ui/web/site/offline.js "$site/"
cp "$out/cmake/app/zemlox.js" "$out/cmake/app/zemlox.wasm" "$out/cmake/app/zemlox-file.js" \
  "$out/cmake/classroom/qrcodegen.js" "$site/"
# One id for this build in both halves of the program, which the page checks
# before it starts them together.
build_id=$(/usr/bin/python3 scripts/stamp-build.py "$site")
/usr/bin/python3 scripts/bmp-to-png.py assets/menu.bmp "$site/assets/menu.png"
for size in 32 128 256; do cp "assets/icons/zemlox-$size.png" "$site/icons/"; done

# The fonts: a renamed subset of the IPA fonts, with their licence beside
# them. The build stops here when a text the program or page draws has a
# character the subset lacks. The menu's own characters come first, in a
# face of their own: the start waits for nothing else.
rm -rf "$out/fonts"
/usr/bin/python3 scripts/subset-fonts.py "$out/fonts" app ui waves record observe classroom \
  --menu app/frmMain.cpp --page ui/web/site/index.html ui/web/site/offline.js ui/web/page.js ui/web/list_control.js ui/web/print_view.js ui/web/class_page.js >/dev/null
cp "$out"/fonts/*.woff2 "$site/fonts/"
sed -n '/^License: IPA-1$/,/^License:/p' /usr/share/doc/fonts-ipafont-gothic/copyright |
  sed '1d;$d;s/^ //;s/^\.$//' >"$site/fonts/IPA_Font_License_Agreement_v1.0.txt"
cp ui/web/site/fonts-README.txt "$site/fonts/README.txt"
# The windows' family in two faces: the menu's small one for its
# characters, the whole font for every other.
face() { printf '@font-face { font-family: %s; src: url(fonts/%s.woff2) format("woff2"); font-display: block;%s }\n' "$@"; }
{
  face ZemloxPGothic zemlox-pgothic " unicode-range: $(cat "$out/fonts/rest-range.txt");"
  face ZemloxPGothic zemlox-pgothic-menu " unicode-range: $(cat "$out/fonts/menu-range.txt");"
  face ZemloxGothic zemlox-gothic ''
} >"$site/fonts.css"
# The page has the font faces and its style sheet inline: nothing to fetch
# holds its first paint back.
/usr/bin/python3 - "$site/index.html" "$site/fonts.css" ui/web/site/zemlox.css <<'PY'
import pathlib, re, sys
page, fonts, css = (pathlib.Path(p) for p in sys.argv[1:])
link = '<link rel="stylesheet" href="zemlox.css">'
html = page.read_text(encoding='utf-8')
assert link in html, 'index.html has no link to zemlox.css'
inline = f'<style>{fonts.read_text(encoding="utf-8").replace(chr(10), "")}</style>\n<style>\n{css.read_text(encoding="utf-8")}</style>'
# Every picture the site carries is asked for while the program loads: the
# start waits for them as for the font, and the first frame shows them.
pictures = ''.join(f'<link rel="preload" href="assets/{p.name}" as="image">\n'
                   for p in sorted((page.parent / 'assets').glob('*.png')))
html = html.replace(link, pictures + inline)
# The loader's comments stay in the source: every byte of the page comes
# before the menu.
head, sep, rest = html.partition('</script>')
head = re.sub(r'^\s*//.*\n', '', head, flags=re.M)
page.write_text(re.sub(r'^ +', '', head, flags=re.M) + sep + rest, encoding='utf-8')
PY

# The teacher's guide F1 opens and its worksheets, made as the desktop build
# makes them, with the guide's screenshots.
cmake -DOUT_DIR="$site/guide" -P docs/guide_pages.cmake

# Installing and running offline: the manifest, and last of all the
# service worker with the checksum of every file of this build.
cp ui/web/site/manifest.webmanifest "$site/"
# The name and description the desktop entry gives, in the page and the manifest.
/usr/bin/python3 scripts/describe-site.py packaging/jp.zemlox.Zemlox.desktop "$site/index.html" "$site/manifest.webmanifest"
# Each file the page loads under its content's hash: a cache never hands a
# pupil an earlier build's, whatever the server says of its age.
/usr/bin/python3 scripts/version-site.py "$site" >/dev/null
offline=$(/usr/bin/python3 scripts/offline-list.py "$site")
# The ICT notes' figures are this build's.
/usr/bin/python3 scripts/site-figures.py "$site" docs/INSTALL.md
echo "build-web: build $build_id, offline $offline, $(du -sb "$site" | cut -f1) bytes in $site"
