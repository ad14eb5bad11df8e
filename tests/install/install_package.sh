#!/usr/bin/env bash
# What a desktop and a package manager read of Skyvale: an install into a
# temporary prefix (menu entry, AppStream data, icon, man page, licences),
# --help and --version without a display, and the Debian package built by
# CPack (dependencies from the binary, its files and nothing else).
# Usage: install_package.sh <build dir>
set -euo pipefail
build=$(cd "$1" && pwd)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FAILED: $*"; exit 1; }
id=org.skyvale.Skyvale
files="bin/skyvale share/applications/$id.desktop share/metainfo/$id.metainfo.xml
  share/icons/hicolor/scalable/apps/$id.svg share/man/man1/skyvale.1
  share/doc/skyvale/LICENSE share/doc/skyvale/CREDITS share/doc/skyvale/OFL.txt share/doc/skyvale/copyright"

cmake --install "$build" --prefix "$tmp/usr" --component skyvale > /dev/null
cd "$tmp/usr"
for f in $files; do [ -s "$f" ] || fail "not installed: $f"; done
desktop-file-validate "share/applications/$id.desktop" || fail "desktop entry"
appstreamcli validate-tree --no-net "$tmp" || fail "AppStream metainfo"
# The menu entry must find what it names.
entry() { sed -n "s/^$1=//p" "share/applications/$id.desktop"; }
[ -x "bin/$(entry Exec)" ] || fail "Exec=$(entry Exec) is not the installed program"
[ -s "share/icons/hicolor/scalable/apps/$(entry Icon).svg" ] || fail "Icon=$(entry Icon) not installed"

# Answered before Qt starts: no display, no platform, no settings written.
nodisplay() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM HOME="$tmp/home" XDG_CONFIG_HOME="$tmp/cfg" \
    timeout 10 bin/skyvale "$@"; }
help=$(nodisplay --help) || fail "--help exit code $?"
version=$(nodisplay --version) || fail "--version exit code $?"
for want in "--__log_level 0..4" "4 trace" "--version" "$tmp/cfg/skyvale.org/skyvale.conf"; do
    grep -qF -- "$want" <<< "$help" || fail "--help lacks '$want': $help"
done
[ ! -e "$tmp/cfg" ] && [ ! -e "$tmp/home" ] || fail "--help wrote files"
[[ $version =~ ^Skyvale\ ([0-9][0-9.]*)$ ]] || fail "--version printed '$version'"
v=${BASH_REMATCH[1]}
grep -q "<release version=\"$v\"" "share/metainfo/$id.metainfo.xml" || fail "no AppStream release $v"

cpack -G DEB -B "$tmp/pkg" --config "$build/CPackConfig.cmake" > "$tmp/cpack.log" || { cat "$tmp/cpack.log"; fail cpack; }
deb=$(ls "$tmp"/pkg/skyvale_"$v"_*.deb) || fail "no package of version $v"
info=$(dpkg-deb --info "$deb")
for want in "Package: skyvale" "Section: science" "Maintainer: " "Description: " \
            "libqt6widgets6 (>=" "libqt6opengl6 (>=" "libc6 (>=" "libqt6svg6"; do
    grep -qF -- "$want" <<< "$info" || fail "control lacks '$want': $info"
done
# Exactly the installed files, under /usr, nothing else of the build.
dpkg-deb --contents "$deb" | awk '$1 !~ /^d/ {print $6}' | sort > "$tmp/deb.txt"
for f in $files; do echo "./usr/$f"; done | sort | diff - "$tmp/deb.txt" || fail "package contents differ"
echo "installed $(wc -w <<< "$files") files; package $(basename "$deb") holds the same"
