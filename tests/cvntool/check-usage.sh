#!/usr/bin/env bash
# cvntool udb and changes on a fresh machine image: the first run creates
# the usage database, a second run after a changed INI value and a grown
# file adds exactly their two snapshot lines, and changes since the first
# date lists both, with the dates offered first when no date is given.
#   check-usage.sh CVNTOOL
set -euo pipefail
tool=$1
image=$(mktemp -d)
trap 'rm -rf "$image"' EXIT
mkdir -p "$image/c/APP"
printf 'MZ' > "$image/c/APP/APP.EXE"
printf 'data' > "$image/c/APP/B.DAT"
touch -d '1997-01-02 10:30:00 UTC' "$image/c/APP/B.DAT"
printf '[Opt]\r\nWrap=1\r\n' > "$image/c/APP/APP.INI"
printf '[App Info]\nAppName=Use\nAppFileName=APP.EXE\n[Directory Info]\n[DLL Info]\nB.DAT, 1, 1, Y, Y\n[INI Info]\napp\\Opt\\Wrap=\n[0, 1], Y, Y\n[End]\n' \
  > "$image/c/APP/Use.cdb"
at() { printf '[Clock]\nNow=%s\n' "$1" > "$image/machine.ini"; }
tool() { "$tool" --machine "$image" "$@" 2>&1; }

failed=0
check() { [ "$2" = "$3" ] || { printf 'check-usage: %s:\n--- expected\n%s\n--- got\n%s\n' "$1" "$3" "$2" >&2; failed=1; }; }

at '1997-07-01 12:00:00'
check "first udb" "$(tool udb 'C:\APP\Use.cdb')" 'C:\APP\Use.udb
created, 2 snapshot lines added'
printf '[Opt]\r\nWrap=0\r\n' > "$image/c/APP/APP.INI"
printf 'more data' > "$image/c/APP/B.DAT"
touch -d '1997-07-02 08:00:00 UTC' "$image/c/APP/B.DAT"
at '1997-07-02 09:00:00'
check "second udb" "$(tool udb 'C:\APP\Use.cdb')" 'C:\APP\Use.udb
refreshed, 2 snapshot lines added'
check "dates" "$(tool changes 'C:\APP\Use.cdb')" 'date 199707011200 "Tuesday, July 01, 1997 12:00 PM"
date 199707020900 "Wednesday, July 02, 1997 9:00 AM"
differences 0 not-acceptable 0'
check "changes since the first date" "$(tool changes 'C:\APP\Use.cdb' --since 199707011200)" \
  'row "B.DAT" "9 bytes Wednesday, July 02, 1997 8:00 AM" "4 bytes Thursday, January 02, 1997 10:30 AM" "Changed on Tuesday, July 01, 1997 12:00 PM." status=0
row "Wrap" "0" "1" "Changed on Tuesday, July 01, 1997 12:00 PM." status=0
differences 2 not-acceptable 0'
check "a bad date" "$(tool changes 'C:\APP\Use.cdb' --since 1997 >/dev/null; echo $?)" 2
[ $failed -eq 0 ] && echo "udb and changes checked"
exit $failed
