#!/usr/bin/env bash
# Regenerates the generated files of res/ from Debian packages:
#   res/img/*.jpg                        body maps          (make_maps.py)
#   res/icons/{,dark/,green/}*.svg       tool-button icons  (make_icons.py)
#   res/fonts/SourceCodePro-Regular.ttf  Source Code Pro, OpenType -> TrueType,
#                                        family renamed "Skyvale Mono"
# res/CREDITS and res/fonts/OFL.txt are kept by hand.
#
# Usage: tools/assets/make_assets.sh [maps] [icons] [font]   (default: all)
#
# The source packages (openuniverse-common, stellarium-data, marble-qt-data,
# gmt-gshhg-full, texlive-fonts-extra; about 830 MB) are fetched with
# `apt-get download` and unpacked with `dpkg -x` into $SKYVALE_ASSETS_WORK
# (default /tmp/skyvale-assets); none of them is installed. The tools that run
# here are installed when missing: gmt, fontforge, python3-fonttools,
# python3-pil, python3-numpy, python3-scipy (through sudo when not root). The build never needs any of it.
# The 8k Earth takes a few minutes and about 4 GB of memory; the rasterised
# GSHHG layers are cached in the work folder for later runs.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
root="$(cd "$here/../.." && pwd)"
work="${SKYVALE_ASSETS_WORK:-/tmp/skyvale-assets}"
res="$root/res"

parts=("$@")
[ ${#parts[@]} -eq 0 ] && parts=(maps icons font)
want() { local p; for p in "${parts[@]}"; do [ "$p" = "$1" ] && return 0; done; return 1; }

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"

need_tools() {
  local missing=() p
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  if [ ${#missing[@]} -gt 0 ]; then
    echo "installing ${missing[*]}"
    $sudo apt-get update -qq
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
  fi
}

# fetch PACKAGE: download (once) and unpack into $work/x/PACKAGE.
fetch() {
  local pkg="$1"
  mkdir -p "$work/deb" "$work/x"
  if ! ls "$work/deb/${pkg}"_*.deb >/dev/null 2>&1; then
    echo "downloading $pkg"
    (cd "$work/deb" && apt-get download "$pkg" 2>&1 | grep -v "^W: Download is performed unsandboxed" || true)
    ls "$work/deb/${pkg}"_*.deb >/dev/null 2>&1 || { echo "cannot download $pkg (apt-get update first?)" >&2; exit 1; }
  fi
  if [ ! -d "$work/x/$pkg" ]; then
    dpkg -x "$work/deb/${pkg}"_*.deb "$work/x/$pkg.tmp"
    mv "$work/x/$pkg.tmp" "$work/x/$pkg"
  fi
  echo "  $(basename "$work/deb/${pkg}"_*.deb)"
}

if want maps; then
  echo "== maps"
  need_tools gmt python3-pil python3-numpy python3-scipy
  for p in openuniverse-common stellarium-data marble-qt-data gmt-gshhg-full; do fetch "$p"; done
  mkdir -p "$work/cache"
  nice /usr/bin/python3 "$here/make_maps.py" --src "$work/x" --out "$res/img" --cache "$work/cache"
fi

if want icons; then
  echo "== icons"
  /usr/bin/python3 "$here/make_icons.py" --out "$res/icons"
fi

if want font; then
  echo "== font"
  need_tools fontforge python3-fonttools
  fetch texlive-fonts-extra
  otf="$work/x/texlive-fonts-extra/usr/share/texlive/texmf-dist/fonts/opentype/adobe/sourcecodepro/SourceCodePro-Regular.otf"
  mkdir -p "$res/fonts"
  # Outlines converted from CFF to TrueType; names, metrics and the licence
  # fields are kept. The time stamp of the source makes the output repeatable.
  SOURCE_DATE_EPOCH="$(stat -c %Y "$otf")" fontforge -quiet -lang=ff \
    -c 'Open($1); Generate($2)' "$otf" "$res/fonts/SourceCodePro-Regular.ttf" 2>&1 \
    | grep -v "Ignoring\|ignored by FontForge\|copyUIMethodsToBaseTable\|^Program root\|PythonUI_Init" || true
  # The font licence reserves the name "Source" for the original: a converted
  # file must carry another family name.
  /usr/bin/python3 - "$res/fonts/SourceCodePro-Regular.ttf" <<'PY'
import sys
from fontTools.ttLib import TTFont
font = TTFont(sys.argv[1])
names = {1: "Skyvale Mono", 4: "Skyvale Mono", 6: "SkyvaleMono-Regular",
         3: "2.030;SKYV;SkyvaleMono-Regular",
         5: "Version 2.030;PS 1.0;hotconv 16.6.51;makeotf.lib2.5.65220;renamed for Skyvale"}
for record in font["name"].names:
    if record.nameID in names:
        record.string = names[record.nameID]
font.save(sys.argv[1])
PY
  echo "  SourceCodePro-Regular.ttf: $(stat -c %s "$res/fonts/SourceCodePro-Regular.ttf") bytes"
fi
