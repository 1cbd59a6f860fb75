#!/usr/bin/env bash
# Runs cvntool lint once on every .cdb of a folder (with the .fdb beside it,
# if any) and compares each file's part of the output with NAME.expected,
# the path replaced by the file name; the exit code must be 1 as an error is
# expected, and 1 or 0 for one database with and one without an error.
# Then each CLEAN database must give no finding at all, and lint without a
# file must be a usage error. One run for many files, since each start of a
# program costs a second under Wine.
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
    given() { echo "C:\\DATA\\$(basename "$1")"; }
    lint() {  # lint [CDB...]: runs the tool on copies of the databases
      local cdb paths=()
      mkdir -p "$image/c/DATA"
      rm -f "$image"/c/DATA/*
      for cdb in "$@"; do
        cp "$cdb" "$image/c/DATA/"
        [ ! -f "${cdb%.cdb}.fdb" ] || cp "${cdb%.cdb}.fdb" "$image/c/DATA/"
        paths+=("$(given "$cdb")")
      done
      "$tool" --machine "$image" lint ${paths[@]+"${paths[@]}"}
    }
    ;;
  wine)
    given() { echo "Z:$(echo "$1" | tr / '\\')"; }
    lint() {
      local cdb paths=()
      for cdb in "$@"; do paths+=("$(given "$cdb")"); done
      "$here/scripts/wine-run" "$tool" lint ${paths[@]+"${paths[@]}"}
    }
    ;;
  *) echo "unknown mode $mode" >&2; exit 2 ;;
esac

failed=0
fail() { echo "check-lint: $*" >&2; failed=1; }

# Runs lint on the databases given: its standard output, each given path
# made the file name, goes to $actual and its exit code to $status.
run() {
  local raw cdb
  raw=$(lint "$@" 2>/dev/null)
  status=$?
  raw=${raw//$'\r'/}
  for cdb in "$@"; do raw=${raw//"$(given "$cdb")"/$(basename "$cdb")}; done
  actual=$raw
}

summary='^[0-9]* errors, [0-9]* warnings$'
cdbs=("$dir"/*.cdb)
run "${cdbs[@]}"
want=0
# The output holds each file's findings and then its summary line, in order.
rest=$actual
for cdb in "${cdbs[@]}"; do
  expected=${cdb%.cdb}.expected
  part=$(printf '%s\n' "$rest" | sed -n "1,/$summary/p")
  rest=$(printf '%s\n' "$rest" | sed "1,/$summary/d")
  diff -u "$expected" <(printf '%s\n' "$part") || fail "$(basename "$cdb") differs"
  grep -q ': error: ' "$expected" && want=1
done
[ -z "$rest" ] || fail "lint printed more than its files: $rest"
[ "$status" -eq "$want" ] || fail "lint of every file exited $status, not $want"

# One database with an error and one without, each alone, for the exit code.
with_error=$(grep -l ': error: ' "$dir"/*.expected | head -1)
without=$(grep -L ': error: ' "$dir"/*.expected | head -1)
run "${with_error%.expected}.cdb"
[ "$status" -eq 1 ] || fail "$(basename "$with_error" .expected) alone exited $status, not 1"
run "${without%.expected}.cdb"
[ "$status" -eq 0 ] || fail "$(basename "$without" .expected) alone exited $status, not 0"

for cdb in "$@"; do
  run "$cdb"
  [ "$actual" = "0 errors, 0 warnings" ] && [ "$status" -eq 0 ] || fail "$cdb is not clean ($status): $actual"
done

lint >/dev/null 2>&1
code=$?
[ "$code" -eq 2 ] || fail "lint without a file exited $code, not 2"

[ $failed -eq 0 ] && echo "lint output matches in ${#cdbs[@]} files"
exit $failed
