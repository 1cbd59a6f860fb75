#!/usr/bin/env bash
# Runs cvntool fdb on a database that lists two files found in a release
# folder and one that is not, and compares the .fdb it writes beside the
# .cdb; the missing file must be named on standard error.
#   check-fdb.sh CVNTOOL     (host build, on a fresh machine image)
set -euo pipefail
tool=$1
image=$(mktemp -d)
trap 'rm -rf "$image"' EXIT
mkdir -p "$image/c/REL" "$image/c/VENDOR"
head -c 1500 /dev/zero > "$image/c/REL/APP.EXE"
printf 'hi\n' > "$image/c/REL/lib.dll"
touch -d '1997-01-02 10:30:00 UTC' "$image/c/REL/APP.EXE"
touch -d '1998-12-31 23:59:30 UTC' "$image/c/REL/lib.dll"
printf '[App Info]\nAppFileName=APP.EXE\n[Directory Info]\n[Program Info]\nAPP.EXE, 1, 1, Y, Y\n[DLL Info]\nLIB.DLL, 1, 1, Y, Y\nGONE.DLL, S, 1, Y, Y\napp.exe, 1, 1, Y, Y\n[End]\n' \
  > "$image/c/VENDOR/Vendor.cdb"

out=$("$tool" --machine "$image" fdb --cdb 'C:\VENDOR\Vendor.cdb' 'C:\REL' --app 'C:\REL' 2> "$image/errors")
[ "$out" = 'wrote C:\VENDOR\Vendor.fdb' ] || { echo "unexpected output: $out"; exit 1; }
grep -q '^cvntool: GONE.DLL is not in C:\\REL$' "$image/errors" || { echo "GONE.DLL not named:"; cat "$image/errors"; exit 1; }
diff -u <(printf '%s\n' '; file information for C:\VENDOR\Vendor.cdb' 'APP.EXE, 1500, 199701021030' \
  'LIB.DLL, 3, 199812312359') <(tr -d '\r' < "$image/c/VENDOR/Vendor.fdb")
echo "fdb matches"
