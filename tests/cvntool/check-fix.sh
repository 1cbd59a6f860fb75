#!/usr/bin/env bash
# cvntool fix on a machine image: it lists a missing DLL (with the copy in
# the system backup folder as its source) and a wrong INI value, changes
# nothing until --yes, then repairs both, marks "ChangesMade" and finds
# nothing on a second run; an --item that names no item exits 1, a missing
# operand 2.
#   check-fix.sh CVNTOOL
set -euo pipefail
tool=$1
image=$(mktemp -d)
trap 'rm -rf "$image"' EXIT
mkdir -p "$image/c/APP" "$image/c/WINDOWS/SYSBCKUP"
printf 'MZ' >"$image/c/APP/APP.EXE"
printf 'MZ good copy' >"$image/c/WINDOWS/SYSBCKUP/MYLIB.DLL"
printf '[Opts]\r\nMode=5\r\n' >"$image/c/WINDOWS/APP.INI"
printf '%s\n' '[App Info]' 'AppName=App' 'AppFileName=APP.EXE' '[Directory Info]' \
  '[DLL Info]' 'MYLIB.DLL, 1, 1, Y, N' '[INI Info]' 'app\Opts\Mode=' '[0, 1], Y, N, , ' '[End]' \
  >"$image/c/APP/APP.CDB"

fix() { "$tool" --machine "$image" fix 'C:\APP\APP.CDB' --app 'C:\APP' "$@" 2>/dev/null; }
failed=0
fail() { echo "check-fix: $*" >&2; failed=1; }

listing=$(fix) || fail "listing exited with $?"
[ "$listing" = "[DLL Info] MYLIB.DLL: copy to c:\\app\\mylib.dll from c:\\windows\\sysbckup\\mylib.dll
[INI Info] app\\Opts\\Mode: write '0'" ] || fail "listed:
$listing"
[ ! -e "$image/c/APP/MYLIB.DLL" ] || fail "listing copied the DLL"

repairs=$(fix --yes) || fail "fix --yes exited with $?"
[ "$repairs" = "[DLL Info] MYLIB.DLL: fixed
[INI Info] app\\Opts\\Mode: fixed" ] || fail "repaired:
$repairs"
cmp -s "$image/c/WINDOWS/SYSBCKUP/MYLIB.DLL" "$image/c/APP/MYLIB.DLL" || fail "MYLIB.DLL was not copied"
grep -q '^Mode=0' "$image/c/WINDOWS/APP.INI" || fail "Mode was not written"
tr -d '\r' <"$image/c/WINDOWS/cvn.ini" | grep -qx 'ChangesMade=1' || fail "ChangesMade was not marked"

[ "$(fix --yes)" = "nothing to fix" ] || fail "the second run found something"
status=0
fix --item NOSUCH.DLL >/dev/null || status=$?
[ $status -eq 1 ] || fail "an unknown --item exited with $status"
status=0
"$tool" --machine "$image" fix >/dev/null 2>&1 || status=$?
[ $status -eq 2 ] || fail "a missing operand exited with $status"
[ $failed -eq 0 ] && echo "fix listed, repaired and checked"
exit $failed
