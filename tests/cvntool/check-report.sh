#!/usr/bin/env bash
# cvntool report on a fresh machine image: it writes the report where --out
# says, prints that path, marks the missing files and settings, and writes
# nothing else (no answers file, no document types).
#   check-report.sh CVNTOOL CDB
set -euo pipefail
tool=$1 cdb=$2
image=$(mktemp -d)
trap 'rm -rf "$image"' EXIT
mkdir -p "$image/c/DATA" "$image/c/OUT"
cp "$cdb" "$image/c/DATA/"

printed=$("$tool" --machine "$image" report "C:\\DATA\\$(basename "$cdb")" --app 'C:\Every' \
  --out 'C:\OUT\support.txt' 2>/dev/null)
failed=0
fail() { echo "check-report: $*" >&2; failed=1; }
[ "$printed" = 'C:\OUT\support.txt' ] || fail "printed '$printed'"
report=$(tr -d '\r' <"$image/c/OUT/support.txt")
for line in 'Corvane Report' '*  EVERY.EXE' '*  every32.dll' '   Windows Version '; do
  grep -qF -- "$line" <<<"$report" || fail "the report lacks '$line'"
done
[ ! -e "$image/c/WINDOWS/cvn.ini" ] || fail "cvn.ini was written"
! grep -qi 'Corvane.cdb' "$image/registry.reg" 2>/dev/null || fail "document types were registered"
[ $failed -eq 0 ] && echo "report written and checked"
exit $failed
