#!/usr/bin/env bash
# Runs uidriver.exe on the probe under Wine and checks what it did: its
# transcript against an expected file, its exit status, and one screenshot
# for each dialog it saw.
#
#   check-probe.sh UIDRIVER PROBE EXPECTED STATUS SHOTS_DIR PROBE_ARGS [DRIVER_ARG...]
#
# Needs WINEPREFIX (scripts/wine-prefix) and DISPLAY (scripts/with-display).
set -u

me=check-probe
if [ $# -lt 6 ]; then
  echo "usage: $me UIDRIVER PROBE EXPECTED STATUS SHOTS_DIR PROBE_ARGS [DRIVER_ARG...]" >&2
  exit 2
fi
uidriver=$1 probe=$2 expected=$3 want_status=$4 shots=$5 probe_args=$6
shift 6
scripts=$(cd "$(dirname "$0")/../../scripts" && pwd)
wine_run=$scripts/wine-run

# Wine maps drive Z: to the root of the Unix file system.
windows_path() { local path=$1; printf 'Z:%s' "${path//\//\\}"; }

# The button texts of Wine's dialogs are English in the C locale.
export LC_ALL=C

# Wine's desktop process, shared by the prefix's programs, takes the display
# of the program that starts it. Let one left from an earlier test end, so
# this test's programs start one on this display; and let it end before the
# display does. The waits are bounded in case other programs hold the prefix.
wait_for_prefix() { "$scripts/wine-prefix" wait "$WINEPREFIX"; }
wait_for_prefix

# Windows that no window manager manages: Wine draws their frames itself, so
# the screenshots show them, and a closing window does not wait two seconds
# for a window manager to withdraw it.
"$wine_run" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null || exit 1

rm -rf "$shots" && mkdir -p "$shots" || exit 1
transcript=$(mktemp)
trap 'rm -f "$transcript"' EXIT

"$wine_run" "$uidriver" --screenshot-dir "$(windows_path "$shots")" "$@" \
  --cmdline "$(windows_path "$probe")${probe_args:+ $probe_args}" | tr -d '\r' >"$transcript"
status=${PIPESTATUS[0]}

failed=0
fail() { echo "$me: $*" >&2; failed=1; }

# The driver ends the program on a timeout; nothing of the test may stay.
wait_for_prefix || fail "Wine programs still ran 20 s after the driver ended"

if ! diff -u "$expected" "$transcript" >&2; then
  fail "the transcript differs from $expected (- expected, + seen)"
fi
[ "$status" = "$want_status" ] || fail "uidriver exited with $status, expected $want_status"

# One screenshot per dialog line, numbered in order: a BMP file whose header
# gives its size, with pixels that are not all black (a failed copy of the
# screen leaves them so).
is_bmp() {
  [ "$(head -c 2 "$1")" = BM ] &&
    [ "$(od -An -tu4 -j2 -N4 "$1" | tr -d ' ')" = "$(stat -c %s "$1")" ]
}
has_picture() { [ -n "$(tail -c +55 "$1" | tr -d '\000' | head -c 1)" ]; }
kinds=$(sed -n 's/^\(message\|open-file\|dialog\|page\): .*/\1/p' "$transcript")
n=0
for kind in $kinds; do
  n=$((n + 1))
  shot=$(printf '%s/%02d-%s.bmp' "$shots" "$n" "$kind")
  if [ ! -f "$shot" ]; then
    fail "no screenshot $shot"
  elif ! is_bmp "$shot"; then
    fail "$shot is not a BMP file"
  elif ! has_picture "$shot"; then
    fail "$shot is all black"
  fi
done
saved=$(find "$shots" -name '*.bmp' | wc -l)
[ "$saved" -eq "$n" ] || fail "$saved screenshots for $n dialogs"

exit $failed
