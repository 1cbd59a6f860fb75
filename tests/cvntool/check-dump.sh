#!/usr/bin/env bash
# Runs cvntool dump on a database and compares its sections and items with
# the expected text. The lines before the first section (the path) and
# from "application" on (this machine's folders) are left out.
#   check-dump.sh EXPECTED host CVNTOOL CDB       (a fresh machine image)
#   check-dump.sh EXPECTED wine CVNTOOL.EXE CDB   (under scripts/wine-run)
set -euo pipefail
expected=$1 mode=$2 tool=$3 cdb=$4
here=$(cd "$(dirname "$0")/../.." && pwd)

case "$mode" in
  host)
    image=$(mktemp -d)
    trap 'rm -rf "$image"' EXIT
    mkdir -p "$image/c/DATA"
    cp "$cdb" "$image/c/DATA/"
    run() { "$tool" --machine "$image" dump "C:\\DATA\\$(basename "$cdb")" --app 'C:\Every'; }
    ;;
  wine)
    windows_path="Z:$(echo "$cdb" | tr / '\\')"
    run() { "$here/scripts/wine-run" "$tool" dump "$windows_path" --app 'C:\Every'; }
    ;;
  *) echo "unknown mode $mode" >&2; exit 2 ;;
esac

actual=$(run 2>/dev/null | tr -d '\r' | sed -n '/^section /,/^application /p' | sed '$d')
diff -u "$expected" <(printf '%s\n' "$actual")
echo "dump matches $(basename "$expected")"
