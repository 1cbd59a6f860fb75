#!/usr/bin/env bash
# The item details and fix confirmation dialogs on the installed example,
# with WordWrap=7 in skylark.ini so that a setting differs: item_dialogs.exe
# shows them, the UI driver dismisses each and saves it as a PNG in
# SHOTS_DIR. Fails when the driver or the program fails or no dialog shows.
#
#   item-dialogs.sh BUILD_DIR ITEM_DIALOGS.EXE UIDRIVER SHOTS_DIR
#
# Needs DISPLAY (scripts/with-display); makes its own Wine prefix.
set -u
build=$(cd "$1" && pwd) program=$2 uidriver=$3 shots=$4
root=$(cd "$(dirname "$0")/../.." && pwd)
export LC_ALL=C

prefix=$(mktemp -d /tmp/cvnitems.XXXXXX)
cleanup() { "$root/scripts/wine-prefix" stop "$prefix" >/dev/null 2>&1; rm -rf "$prefix"; }
trap cleanup EXIT
"$root/scripts/install-example" "$prefix" "$build" || exit 1
export WINEPREFIX=$prefix
sed -i 's/^WordWrap=.*/WordWrap=7\r/' "$prefix/drive_c/windows/skylark.ini"

win() { local path=$1; printf 'Z:%s' "${path//\//\\}"; }
rm -rf "$shots" && mkdir -p "$shots" || exit 1
cdb='C:\Program Files\Skylark\Skylark Notes\Corvane.cdb'
transcript=$("$root/scripts/wine-run" "$uidriver" --timeout 180 --walk \
  --screenshot-dir "$(win "$shots")" --cmdline "$(win "$program") \"$cdb\"" | tr -d '\r')
status=$?
printf '%s\n' "$transcript"
for shot in "$shots"/*.bmp; do
  [ -e "$shot" ] || continue
  convert "$shot" "${shot%.bmp}.png" && rm -f "$shot"
done
[ $status -eq 0 ] || { echo "item-dialogs: the driver ended with $status" >&2; exit 1; }
case "$transcript" in
  *"exit: 0") ;;
  *) echo "item-dialogs: item_dialogs.exe did not end with 0" >&2; exit 1 ;;
esac
shown=$(ls "$shots"/*.png 2>/dev/null | wc -l)
[ "$shown" -gt 0 ] || { echo "item-dialogs: no dialog was shown" >&2; exit 1; }
echo "screenshots: $shots ($shown)"
