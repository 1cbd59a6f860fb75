#!/usr/bin/env bash
# cvntool harvest under Wine on the installed example, with its Corvane.cdb
# and Corvane.fdb moved away: the harvest with the example's Registry keys
# and INI file lists every file, setting and registration item of the
# shipped examples/skylark/Corvane.cdb (compared through cvntool dump), is
# lint-clean, and its report marks nothing.
#   check-harvest-example.sh BUILD_DIR CVNTOOL_EXE
set -euo pipefail
[ $# -eq 2 ] || { echo "usage: check-harvest-example.sh BUILD_DIR CVNTOOL_EXE" >&2; exit 2; }
build=$1 cvntool=$2
root=$(cd "$(dirname "$0")/../.." && pwd)

prefix=$(mktemp -d "${TMPDIR:-/tmp}/skylark-harvest.XXXXXX")
export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY WAYLAND_DISPLAY
cleanup() { "$root/scripts/wine-prefix" stop "$prefix" >/dev/null 2>&1 || true; rm -rf -- "$prefix"; }
trap cleanup EXIT
"$root/scripts/install-example" "$prefix" "$build"

app_dir="$prefix/drive_c/Program Files/Skylark/Skylark Notes"
mkdir -p "$prefix/drive_c/shipped"
mv "$app_dir/Corvane.cdb" "$app_dir/Corvane.fdb" "$prefix/drive_c/shipped/"
app='C:\Program Files\Skylark\Skylark Notes'
cdb="$app\\Corvane.cdb"
tool() { "$root/scripts/wine-run" "$cvntool" "$@" | tr -d '\r'; }

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

summary=$(tool harvest "$app" --out "$cdb" --fdb --cd-label SKYLARK21 --cd-folder SKYLARK \
  --registry 'HKEY_LOCAL_MACHINE\SOFTWARE\Skylark\Skylark Notes' \
  --registry 'HKEY_CURRENT_USER\Software\Skylark\Skylark Notes' \
  --registry 'HKEY_CLASSES_ROOT\SkylarkNotes.Note' --ini skylark.ini 2>"$prefix/warnings") ||
  fail "harvest exited with $?: $(cat "$prefix/warnings")"
echo "$summary"
[ -f "$app_dir/Corvane.fdb" ] || fail "--fdb wrote no Corvane.fdb"

# One line per item of the file, setting and registration sections: its
# section and what names it (files also by folder, classes and type
# libraries by identifier, server file and folder), in lower case.
items() {
  tool dump "$1" --app "$app" 2>/dev/null | awk '
    function field(name) { return match($0, " " name "=(\"[^\"]*\"|[^ ]*)") ? substr($0, RSTART + 1, RLENGTH - 1) : "" }
    /^section / { split($0, q, "\""); section = q[2]; next }
    /^  (file|ini|registry|server|typelib) / {
      split($0, q, "\""); key = q[2]
      if ($1 == "file") key = key " " field("folder")
      if ($1 == "server") key = field("clsid") " " field("file") " " field("folder")
      if ($1 == "typelib") key = field("libid") " " field("file") " " field("folder")
      print tolower("[" section "] " key)
    }' | sort -u
}
shipped=$(items 'C:\shipped\Corvane.cdb')
harvested=$(items "$cdb")
[ "$(grep -c . <<<"$shipped")" -ge 14 ] || fail "the shipped database dumps too few items: $shipped"
missing=$(comm -23 <(echo "$shipped") <(echo "$harvested"))
[ -z "$missing" ] || fail "the harvest lacks these items of the shipped database:
$missing"

lint=$(tool lint "$cdb") || fail "lint exited with $?"
[ "$(tail -n 1 <<<"$lint")" = "0 errors, 0 warnings" ] || fail "lint found: $lint"
report_file="$prefix/report.txt"
tool report "$cdb" --out "Z:$(echo "$report_file" | tr / '\\')" >/dev/null 2>&1 || fail "report exited with $?"
marks=$(tr -d '\r' <"$report_file" | grep -E '^[*!]  [^ ]' || true)
[ -z "$marks" ] || fail "the harvested database's report marks: $marks"

if [ $failures -ne 0 ]; then
  echo "--- warnings"; cat "$prefix/warnings"
  echo "--- harvested"; echo "$harvested"
  exit 1
fi
echo "harvest covers the shipped Corvane.cdb, lint-clean, nothing marked"
