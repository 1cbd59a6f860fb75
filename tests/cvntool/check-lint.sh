#!/usr/bin/env bash
# Runs cvntool lint on every .cdb of a folder (with the .fdb beside it, if
# any) and compares the output with NAME.expected, the path replaced by the
# file name; the exit code must be 1 when an error is expected, else 0.
# Then each CLEAN database must give no finding at all, and lint without a
# file must be a usage error.
#   check-lint.sh host CVNTOOL DIR [CLEAN.cdb ...]      (a fresh machine image)
#   check-lint.sh wine CVNTOOL.EXE DIR [CLEAN.cdb ...]  (under scripts/wine-run)
set -uo pipefail
mode=$1 tool=$2 dir=$3
shift 3
here=$(cd "$(dirname "$0")/../.." && pwd)

case "$mode" in
  host)
    image=$(mktemp -d)
    trap 'rm -rf "$image"' EXIT
    lint() {  # lint [CDB]: prints the path it gave and runs the tool
      mkdir -p "$image/c/DATA"
      rm -f "$image"/c/DATA/*
      [ $# -eq 0 ] || cp "$1" "${1%.cdb}.fdb" "$image/c/DATA/" 2>/dev/null
      "$tool" --machine "$image" lint ${1:+"C:\\DATA\\$(basename "$1")"}
    }
    given() { echo "C:\\DATA\\$(basename "$1")"; }
    ;;
  wine)
    lint() { "$here/scripts/wine-run" "$tool" lint ${1:+"Z:$(echo "$1" | tr / '\\')"}; }
    given() { echo "Z:$(echo "$1" | tr / '\\')"; }
    ;;
  *) echo "unknown mode $mode" >&2; exit 2 ;;
esac

failed=0
fail() { echo "check-lint: $*" >&2; failed=1; }

# Runs lint on $1: its standard output, with the given path made the file
# name, goes to $actual and its exit code to $status.
run() {
  local prefix raw
  prefix=$(given "$1")
  raw=$(lint "$1" 2>/dev/null)
  status=$?
  raw=${raw//$'\r'/}
  actual=${raw//"$prefix"/$(basename "$1")}
}

for cdb in "$dir"/*.cdb; do
  run "$cdb"
  expected=${cdb%.cdb}.expected
  diff -u "$expected" <(printf '%s\n' "$actual") || fail "$(basename "$cdb") differs"
  want=0
  grep -q ': error: ' "$expected" && want=1
  [ "$status" -eq "$want" ] || fail "$(basename "$cdb") exited $status, not $want"
done

for cdb in "$@"; do
  run "$cdb"
  [ "$actual" = "0 errors, 0 warnings" ] && [ "$status" -eq 0 ] || fail "$cdb is not clean ($status): $actual"
done

lint >/dev/null 2>&1
code=$?
[ "$code" -eq 2 ] || fail "lint without a file exited $code, not 2"

[ $failed -eq 0 ] && echo "lint output matches in $(ls "$dir"/*.cdb | wc -l) files"
exit $failed
