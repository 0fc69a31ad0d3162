#!/usr/bin/env bash
# Builds the Debian package from a finished build, unpacks it into a
# temporary root with dpkg-deb -x, and runs what it holds: zenpa --version,
# a generated puzzle, and the window for two seconds offscreen, with HOME
# in the temporary root so that the per-user directory is made there. The
# desktop entry must pass desktop-file-validate and agree with the window
# (class and icon); the package must pass lintian without errors when
# lintian is installed (its warnings are shown).
#
# Usage: scripts/package_test.sh BUILD_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "package test: $*" >&2; exit 1; }

cpack --config "$build/CPackConfig.cmake" -B "$tmp/out" >"$tmp/cpack.log" 2>&1 ||
  { cat "$tmp/cpack.log" >&2; fail "cpack failed"; }
debs=("$tmp"/out/zenpa_*.deb)
[ -f "${debs[0]}" ] || fail "no .deb in $tmp/out"
deb=${debs[0]}

depends=$(dpkg-deb -f "$deb" Depends)
for lib in libqt6widgets6 libqt6printsupport6 libqt6multimedia6 libc6 fonts-ipafont-gothic \
           qt6-translations-l10n; do
  [[ $depends == *"$lib"* ]] || fail "Depends lacks $lib: $depends"
done

root=$tmp/root
dpkg-deb -x "$deb" "$root"
for f in bin/zenpa bin/zenpa-desktop share/zenpa/pi.wav share/zenpa/po.wav share/zenpa/pp.wav \
         share/zenpa/zenpa.htm share/zenpa/window.png \
         share/applications/zenpa.desktop share/icons/hicolor/scalable/apps/zenpa.svg \
         share/mime/packages/zenpa.xml share/man/man1/zenpa.1.gz \
         share/doc/zenpa/copyright share/doc/zenpa/changelog.Debian.gz; do
  [ -f "$root/usr/$f" ] || fail "the package lacks /usr/$f"
done
for size in 16 22 24 32 48 64 128 256; do
  for icon in apps/zenpa mimetypes/text-x-zenpa-format mimetypes/text-x-zenpa-puzzle; do
    png=$root/usr/share/icons/hicolor/${size}x${size}/$icon.png
    [[ $(file -b "$png" 2>/dev/null) == "PNG image data, $size x $size,"* ]] ||
      fail "the package lacks a $size-pixel PNG of $icon"
  done
done
# The file types name the icons the package holds.
for icon in $(grep -o 'icon name="[^"]*"' "$root/usr/share/mime/packages/zenpa.xml" | cut -d'"' -f2); do
  [ -f "$root/usr/share/icons/hicolor/scalable/mimetypes/$icon.svg" ] ||
    fail "the file types name $icon, which the package lacks"
done
# Every picture the manual shows comes with it.
for picture in $(grep -o 'src="[^"]*"' "$root/usr/share/zenpa/zenpa.htm" | cut -d'"' -f2); do
  [ -f "$root/usr/share/zenpa/$picture" ] || fail "the manual shows $picture, which the package lacks"
done
entry=$root/usr/share/applications/zenpa.desktop
desktop-file-validate "$entry" || fail "the desktop entry is not valid"
# The window's class and icon are those the entry names (see ui/main/desktop.cpp).
[ "$(grep '^StartupWMClass=' "$entry")" = "StartupWMClass=zenpa" ] ||
  fail "the desktop entry's window class is not zenpa"
[ "$(grep '^Icon=' "$entry")" = "Icon=zenpa" ] || fail "the desktop entry's icon is not zenpa"
if command -v lintian >/dev/null; then
  lintian --tag-display-limit 0 "$deb" >"$tmp/lintian.log" 2>&1 || true
  sed 's/^/lintian: /' "$tmp/lintian.log" >&2
  ! grep -q '^E: ' "$tmp/lintian.log" || fail "lintian reports errors"
fi

zenpa=$root/usr/bin/zenpa
version=$("$zenpa" --version)
[ "$version" = "zenpa $(dpkg-deb -f "$deb" Version)" ] || fail "--version says '$version'"
puzzle=$("$zenpa" sudoku generate -n 1 --seed 1 --format 81)
[[ $puzzle =~ ^[0-9.]{81}$ ]] || fail "generate wrote '$puzzle'"

# The window stays up until timeout ends it (status 124).
mkdir "$tmp/home"
status=0
HOME=$tmp/home XDG_DATA_HOME='' QT_QPA_PLATFORM=offscreen \
  timeout 2 "$zenpa" >"$tmp/window.log" 2>&1 || status=$?
[ "$status" -eq 124 ] || { cat "$tmp/window.log" >&2; fail "the window ended with $status"; }
[ -d "$tmp/home/.local/share/zenpa" ] || fail "the window made no per-user directory"
echo "package test: $(basename "$deb") installs and runs"
