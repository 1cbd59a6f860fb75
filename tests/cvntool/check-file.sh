#!/usr/bin/env bash
# Runs cvntool file on a fixture DLL that imports another fixture and
# compares what it prints with the expected text. Paths and the system's
# own modules differ between machines, so only the version, the kind and
# the lines of the two fixtures are compared, without their paths.
# BITS in EXPECTED stands for the fixtures' bitness (32 or 64), which
# follows the build's.
#   check-file.sh EXPECTED host CVNTOOL FIXTURE_DIR BITS      (a fresh machine image)
#   check-file.sh EXPECTED wine CVNTOOL.EXE FIXTURE_DIR BITS  (under scripts/wine-run)
set -euo pipefail
expected=$1 mode=$2 tool=$3 fixtures=$4 bits=$5
here=$(cd "$(dirname "$0")/../.." && pwd)

case "$mode" in
  host)
    image=$(mktemp -d)
    trap 'rm -rf "$image"' EXIT
    mkdir -p "$image/c/APP"
    cp "$fixtures/dep_user.dll" "$fixtures/ver_fixed.dll" "$image/c/APP/"
    run() { "$tool" --machine "$image" file 'C:\APP\dep_user.dll'; }
    ;;
  wine)
    windows_path="Z:$(echo "$fixtures/dep_user.dll" | tr / '\\')"
    run() { "$here/scripts/wine-run" "$tool" file "$windows_path"; }
    ;;
  *) echo "unknown mode $mode" >&2; exit 2 ;;
esac

actual=$(run 2>/dev/null | tr -d '\r' |
  grep -E '^(version|kind|dependencies) |"(dep_user|ver_fixed)\.dll"' |
  sed -E -e 's/^(dependencies status=[0-9]+).*/\1/' -e 's/^( *module depth=[0-9]+ "[^"]*").*/\1/')
diff -u <(sed "s/BITS/$bits/" "$expected") <(printf '%s\n' "$actual")
echo "file matches $(basename "$expected")"
