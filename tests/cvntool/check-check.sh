#!/usr/bin/env bash
# cvntool check's exit codes on a machine image: 0 with nothing wrong, 0
# with a warning alone, 1 with a problem (each finding named), 2 for a
# usage error, 3 when the database cannot be loaded; its --json, report
# --json and the document of a database that cannot be loaded validate
# against the schema, and summary counts the machines.
#   check-check.sh CVNTOOL VALIDATE SCHEMA
set -euo pipefail
tool=$1 validate=$2 schema=$3
image=$(mktemp -d)
out=$(mktemp -d)
trap 'rm -rf "$image" "$out"' EXIT
mkdir -p "$image/c/APP"
printf 'MZ' >"$image/c/APP/APP.EXE"
printf 'MZ' >"$image/c/APP/MYLIB.DLL"
# OPTION.DLL is not required: missing, it is a warning.
printf '%s\n' '[App Info]' 'AppName=App' 'AppFileName=APP.EXE' '[Directory Info]' \
  '[DLL Info]' 'MYLIB.DLL, 1, 1, Y, N' 'OPTION.DLL, 1, 1, N, N' '[End]' >"$image/c/APP/APP.CDB"

failed=0
fail() { echo "check-check: $*" >&2; failed=1; }
# Runs check; its output in $printed, its exit code in $code.
check() {
  code=0
  printed=$("$tool" --machine "$image" check "$@" 2>/dev/null) || code=$?
}

check 'C:\APP\APP.CDB' --app 'C:\APP'
[ $code -eq 0 ] || fail "a warning alone exited with $code"
[ "$printed" = "[DLL Info] OPTION.DLL: level 3: The file was not found.  This file is not required.
0 problems, 1 warnings" ] || fail "with a warning printed:
$printed"
"$tool" --machine "$image" check 'C:\APP\APP.CDB' --app 'C:\APP' --json >"$out/warning.json" 2>/dev/null

printf 'MZ' >"$image/c/APP/OPTION.DLL"
check 'C:\APP\APP.CDB' --app 'C:\APP'
[ $code -eq 0 ] && [ "$printed" = "0 problems, 0 warnings" ] || fail "a healthy machine exited with $code:
$printed"

rm "$image/c/APP/MYLIB.DLL"
check 'C:\APP\APP.CDB' --app 'C:\APP'
[ $code -eq 1 ] || fail "a missing required DLL exited with $code"
grep -qx '\[DLL Info\] MYLIB.DLL: level 5: The file was not found.' <<<"$printed" || fail "MYLIB.DLL not named:
$printed"
"$tool" --machine "$image" check 'C:\APP\APP.CDB' --app 'C:\APP' --json >"$out/problem.json" 2>/dev/null || true
"$tool" --machine "$image" report 'C:\APP\APP.CDB' --app 'C:\APP' --json >/dev/null 2>&1 ||
  fail "report --json exited with $?"
# Beside the text report: the application folder, the report's name with .json.
cp "$image/c/APP/corvane.json" "$out/report.json" || fail "report --json wrote no c:\\app\\corvane.json"
[ ! -e "$image/c/APP/corvane.txt" ] || fail "report --json also wrote the text report"

check
[ $code -eq 2 ] || fail "a missing operand exited with $code"
check 'C:\APP\NONE.CDB' --json
[ $code -eq 3 ] || fail "a database that cannot be loaded exited with $code"
printf '%s' "$printed" >"$out/unloaded.json"
grep -q '"loaded": false' "$out/unloaded.json" || fail "the unloaded document says otherwise:
$printed"

"$validate" "$schema" "$out"/*.json >/dev/null || fail "a document does not validate: $("$validate" "$schema" "$out"/*.json)"

printf 'not json' >"$out/garbled.json"
summary=$("$tool" summary "$out")
[ "$summary" = "reports 5, checked 3, not loaded 1, unreadable 1
problems warnings item
       2        0 [DLL Info] MYLIB.DLL
       0        1 [DLL Info] OPTION.DLL
not loaded: unloaded (the database or the machine could not be loaded)
unreadable: garbled (an unknown word at byte 0)" ] || fail "summary printed:
$summary"
[ $failed -eq 0 ] && echo "check exit codes, JSON and summary checked"
exit $failed
