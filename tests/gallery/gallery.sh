#!/usr/bin/env bash
# Runs the template gallery under Wine and turns its screenshots into PNG
# files (when ImageMagick is there) in FOLDER. Its exit code is the
# gallery's: 1 when a template has overlapping controls or cut-off text.
#
#   gallery.sh TEMPLATE_GALLERY.EXE FOLDER
#
# Needs WINEPREFIX (scripts/wine-prefix) and DISPLAY (scripts/with-display).
# The dialogs scale with the prefix's screen resolution: to look at them at
# 144 dpi, run it in a prefix where HKCU\Control Panel\Desktop has the DWORD
# LogPixels = 144.
set -u
gallery=$1 folder=$2
scripts=$(cd "$(dirname "$0")/../../scripts" && pwd)
rm -rf "$folder" && mkdir -p "$folder" || exit 1
"$scripts/wine-run" "$gallery" "Z:${folder//\//\\}" | tr -d '\r'
status=${PIPESTATUS[0]}
if command -v convert >/dev/null; then
  for shot in "$folder"/*.bmp; do
    [ -e "$shot" ] || continue
    convert "$shot" "${shot%.bmp}.png" && rm -f "$shot"
  done
fi
echo "screenshots: $folder"
exit "$status"
