#!/usr/bin/env bash
# cvntool check as a fleet's detection script, on Skylark Notes installed
# under Wine: it exits 0 on the fresh installation; after skyfmt.dll is
# replaced by an older DLL it exits 1 and names it; after fix --yes it
# exits 0 again. The JSON of check and of report --json validates against
# docs/report-schema.json at each step, and summary counts the broken
# machine's finding.
#
#   tests/cvntool/check-detection.sh BUILD_DIR CVNTOOL_EXE VALIDATE
#
# VALIDATE is the schema validation script (tests/report-json/validate.sh).
set -euo pipefail

[ $# -eq 3 ] || { echo "usage: check-detection.sh BUILD_DIR CVNTOOL_EXE VALIDATE" >&2; exit 2; }
build=$1 cvntool=$2 validate=$3
root=$(cd "$(dirname "$0")/../.." && pwd)

prefix=$(mktemp -d "${TMPDIR:-/tmp}/skylark-check.XXXXXX")
export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY WAYLAND_DISPLAY
cleanup() { "$root/scripts/wine-prefix" stop "$prefix" >/dev/null 2>&1 || true; rm -rf -- "$prefix"; }
trap cleanup EXIT
"$root/scripts/install-example" "$prefix" "$build"
# The installation CD holds the good format DLL that fix copies back.
"$root/examples/insert-cd" "$prefix" "$build"

app="$prefix/drive_c/Program Files/Skylark/Skylark Notes"
cdb='C:\Program Files\Skylark\Skylark Notes\Corvane.cdb'
reports=$prefix/reports
mkdir -p "$reports"
wine_run() { "$root/scripts/wine-run" "$@"; }
winpath() { echo "Z:$(echo "$1" | tr / '\\')"; }

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# Runs check; its output in $checked, its exit code in $code.
check() {
  code=0
  checked=$(wine_run "$cvntool" check "$cdb" "$@" 2>"$prefix/check.err" | tr -d '\r') || code=$?
}
# check --json and report --json of one step, kept for the schema and summary.
keep_json() {
  wine_run "$cvntool" check "$cdb" --json 2>/dev/null >"$reports/$1-check.json" || true
  wine_run "$cvntool" report "$cdb" --json --out "$(winpath "$reports/$1.json")" >/dev/null 2>&1 ||
    fail "report --json exited with $? ($1)"
}

check
[ $code -eq 0 ] || fail "check on the fresh installation exited with $code:
$checked"
[ "$(tail -n 1 <<<"$checked")" = "0 problems, 0 warnings" ] || fail "the fresh installation has findings:
$checked"
keep_json fresh

# An older DLL: the runtime's 1.4.2.0 in place of the format DLL's 2.1.0.37.
cp "$prefix/drive_c/windows/system32/sklkrt32.dll" "$app/skyfmt.dll"
check
[ $code -eq 1 ] || fail "check after breaking skyfmt.dll exited with $code"
grep -q '^\[DLL Info\] skyfmt.dll: level 5: The installed version is older than the required version.$' \
  <<<"$checked" || fail "check does not name skyfmt.dll:
$checked"
[ "$(tail -n 1 <<<"$checked")" = "1 problems, 0 warnings" ] || fail "check counts otherwise:
$checked"
keep_json broken
grep -q '"name": "skyfmt.dll"' "$reports/broken-check.json" || fail "check --json does not name skyfmt.dll"

wine_run "$cvntool" fix "$cdb" --yes >"$prefix/fix.out" 2>&1 || fail "fix --yes exited with $?: $(cat "$prefix/fix.out")"
check
[ $code -eq 0 ] || fail "check after fix --yes exited with $code:
$checked"
keep_json fixed

"$validate" "$root/docs/report-schema.json" "$reports"/*.json || fail "a JSON report does not validate"

summary=$(wine_run "$cvntool" summary "$(winpath "$reports")" 2>&1 | tr -d '\r') || fail "summary exited with $?"
grep -qE '^ +2 +0 \[DLL Info\] skyfmt.dll$' <<<"$summary" ||
  fail "summary does not count skyfmt.dll on the broken step's two reports:
$summary"
grep -q '^reports 6, checked 6, not loaded 0, unreadable 0$' <<<"$summary" || fail "summary heads otherwise:
$summary"

if [ $failures -ne 0 ]; then
  echo "--- cvntool messages"
  cat "$prefix/check.err"
  exit 1
fi
echo "check: 0 installed, 1 naming skyfmt.dll when broken, 0 after fix --yes; JSON valid"
