#!/usr/bin/env bash
# The Debian package: builds it from the build folder, unpacks it into a fresh
# root folder, checks what a desktop needs (entry, icons, metadata, guide) and
# the dependencies, runs lintian, hears what the installed program says with
# no display, then starts it under Xvfb and sees its menu window, with an
# icon, until "終わる" ends it.
source "$(dirname "$0")/lib.sh"
build=${1:-build}
src=$(cd "$(dirname "$0")/../.." && pwd)

deb=$("$src/scripts/build-deb.sh" "$build" | tail -n 1)
[ -f "$deb" ] || e2e_fail "no package built"
case $(basename "$deb") in
  zemlox_1.4.0_"$(dpkg --print-architecture)".deb) ;;
  *) e2e_fail "package named $(basename "$deb")" ;;
esac

root=$(mktemp -d /tmp/zemlox-root.XXXXXX)
E2E_ROOT=$root
trap 'e2e_cleanup; rm -rf "$E2E_ROOT"' EXIT
dpkg-deb -x "$deb" "$root"

for f in usr/bin/zemlox usr/share/applications/jp.zemlox.Zemlox.desktop \
         usr/share/metainfo/jp.zemlox.Zemlox.metainfo.xml \
         usr/share/icons/hicolor/16x16/apps/zemlox.png \
         usr/share/icons/hicolor/48x48/apps/zemlox.png \
         usr/share/icons/hicolor/256x256/apps/zemlox.png \
         usr/share/icons/hicolor/scalable/apps/zemlox.svg \
         usr/share/doc/zemlox/teacher-guide.md usr/share/doc/zemlox/teacher-guide.html \
         usr/share/doc/zemlox/worksheet.html usr/share/doc/zemlox/worksheet-furigana.html \
         usr/share/doc/zemlox/copyright \
         usr/share/man/man1/zemlox.1.gz; do
  [ -s "$root/$f" ] || e2e_fail "package lacks $f"
done
[[ $(file "$root/usr/share/icons/hicolor/48x48/apps/zemlox.png") == *"48 x 48"* ]] \
  || e2e_fail "48x48 icon has another size"

desktop=$root/usr/share/applications/jp.zemlox.Zemlox.desktop
grep -qx 'Exec=zemlox' "$desktop" || e2e_fail "desktop entry does not start plain zemlox"
# One main category, or some menus list the program twice.
grep -qx 'Categories=Education;Geoscience;' "$desktop" || e2e_fail "desktop entry categories"
grep -q '^Name\[ja\]=' "$desktop" && grep -q '^Comment\[ja\]=' "$desktop" \
  || e2e_fail "desktop entry has no Japanese name or comment"
checked=$(desktop-file-validate "$desktop" || true)
if grep -i 'error\|more than one main category' <<<"$checked"; then e2e_fail "desktop entry invalid"; fi
# Checks the metadata together with the desktop entry and icons it points to.
appstreamcli validate-tree --no-net "$root" >/dev/null || e2e_fail "AppStream metadata invalid"

# Every dependency must be known and installed here, where the program runs.
depends=$(dpkg-deb -f "$deb" Depends)
for want in fonts-ipafont-gothic libqt6widgets6 libc6; do
  grep -q "\b$want\b" <<<"$depends" || e2e_fail "Depends lacks $want: $depends"
done
for dep in $(tr ',' '\n' <<<"$depends" | sed 's/(.*)//; s/|.*//' | tr -d ' '); do
  dpkg-query -W -f='${Status}' "$dep" 2>/dev/null | grep -q 'install ok installed' \
    || e2e_fail "dependency $dep is not installed"
done

# F1 opens the guide through xdg-open.
grep -q '\bxdg-utils\b' <<<"$(dpkg-deb -f "$deb" Recommends)" || e2e_fail "Recommends lacks xdg-utils"

lint=$(lintian "$deb" 2>/dev/null || true)
[ -z "$lint" ] || echo "$lint"
if grep -q '^[EW]:' <<<"$lint"; then e2e_fail "lintian reports errors or warnings"; fi

# Without a display the installed program says how to start it, and names
# nothing that only a source tree has.
rc=0
nodisplay=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$root/usr/bin/zemlox" 2>&1) || rc=$?
[ "$rc" -eq 2 ] || e2e_fail "without a display zemlox exited with $rc"
grep -q 'デスクトップ' <<<"$nodisplay" || e2e_fail "no advice without a display: $nodisplay"
if grep -q 'run\.sh' <<<"$nodisplay"; then e2e_fail "an installed program points to run.sh: $nodisplay"; fi

e2e_setup "$build"
ZEMLOX=$root/usr/bin/zemlox
e2e_start
menu=$(e2e_window "Zemlox")
icons=$(xprop -id "$menu" _NET_WM_ICON)
[[ $icons == *"Icon (16 x 16)"* && $icons == *"Icon (128 x 128)"* ]] || e2e_fail "menu window has no icon"
# The menu picture is compiled in: its pale yellow shows inside Picture1.
sleep 0.3
e2e_shot "$menu" "$E2E_TMP/menu.png"
pixel=$(convert "$E2E_TMP/menu.png" -format '%[pixel:p{43,83}]' info:)
[[ $pixel == "srgb(251,251,196)" ]] || e2e_fail "menu picture background is $pixel"
e2e_click "$menu" $((3480 + 240 + 1147)) $((120 + 3120 + 187))
e2e_expect_exit0
echo "package e2e: $(basename "$deb") unpacked, lintian clean of errors, installed program opened its menu"
