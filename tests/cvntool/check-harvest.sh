#!/usr/bin/env bash
# cvntool harvest on a machine image: the harvested database is lint-clean
# and its report marks nothing; an older control, a removed Registry value
# and a class registered in another folder are each marked alone; the
# harvest writes nothing but its .cdb and .fdb and replaces them only with
# --force; with two programs it asks for --program.
#   check-harvest.sh CVNTOOL FIXTURE_DIR
set -euo pipefail
tool=$1 fixtures=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
image=$work/image
app=$image/c/APP system=$image/c/WINDOWS/SYSTEM
mkdir -p "$app/DATA" "$system"
cp "$fixtures/ver_fixed.dll" "$app/APP.EXE"          # the program: its company is the vendor
cp "$fixtures/dep_user.dll" "$app/USER.DLL"          # imports ver_fixed.dll
cp "$fixtures/ver_string.dll" "$app/GRID.OCX"        # the control, 2.50.0.17
cp "$fixtures/ver_none.dll" "$app/DATA/PLAIN.DLL"    # no version: known by size and date
printf 'type library' >"$app/grid.tlb"
cp "$fixtures/ver_fixed.dll" "$system/ver_fixed.dll" # imported, the vendor's
cp "$fixtures/ver_fixed.dll" "$system/VENDOR.DRV"    # the vendor's, imported by nothing
cp "$fixtures/ver_product.dll" "$system/OTHER.DLL"   # names no company: not harvested
printf '[Opts]\r\nMode=5\r\nDir=C:\\APP\\DATA\\\r\nPair=a;b, "c"\r\nBlank=\r\n' >"$image/c/WINDOWS/APP.INI"
clsid='{0F1E2D3C-4B5A-6978-8796-A5B4C3D2E1F0}' libid='{1A2B3C4D-5E6F-7081-92A3-B4C5D6E7F809}'
cat >"$image/registry.reg" <<REG
REGEDIT4

[HKEY_LOCAL_MACHINE\\SOFTWARE\\Vendor\\App]
@="the default"
"Path"="C:\\\\APP"
"Count"=dword:0000002a
"Blob"=hex:01,02,ff
"Empty"=""
"Expand"=hex(2):25,54,45,4d,50,25,00

[HKEY_LOCAL_MACHINE\\SOFTWARE\\Vendor\\App\\Options]
"Say"="say \\"hi\\" [now]"

[HKEY_CLASSES_ROOT\\CLSID\\$clsid]
@="Grid Control"

[HKEY_CLASSES_ROOT\\CLSID\\$clsid\\InprocServer32]
@="C:\\\\APP\\\\GRID.OCX"

[HKEY_CLASSES_ROOT\\CLSID\\$clsid\\ProgID]
@="Vendor.Grid.1"

[HKEY_CLASSES_ROOT\\CLSID\\$clsid\\VersionIndependentProgID]
@="Vendor.Grid"

[HKEY_CLASSES_ROOT\\CLSID\\$clsid\\Version]
@="1.0"

[HKEY_CLASSES_ROOT\\CLSID\\$clsid\\TypeLib]
@="$libid"

[HKEY_CLASSES_ROOT\\Vendor.Grid\\CurVer]
@="Vendor.Grid.1"

[HKEY_CLASSES_ROOT\\Vendor.Grid.1\\CLSID]
@="$clsid"

[HKEY_CLASSES_ROOT\\TypeLib\\$libid\\1.0]
@="Grid Controls"

[HKEY_CLASSES_ROOT\\TypeLib\\$libid\\1.0\\0\\win32]
@="C:\\\\APP\\\\grid.tlb"

[HKEY_CLASSES_ROOT\\TypeLib\\$libid\\HelpDir]
@="C:\\\\APP"
REG
cp -a "$image" "$work/pristine"

cdb='C:\APP\APP.CDB'
run() { "$tool" --machine "$image" "$@"; }
harvest() { run harvest 'C:\APP' --out "$cdb" --registry 'HKLM\SOFTWARE\Vendor\App' --ini APP.INI "$@"; }
# The item lines of the report that carry a mark.
marked() {
  run report "$cdb" --out 'C:\REPORT.TXT' >/dev/null 2>&1
  tr -d '\r' <"$image/c/REPORT.TXT" | grep -E '^[*!]  [^ ]' || true
}
# Every file of the image but the harvest's own, with its checksum.
# (Opening an image makes the folder of the running program.)
fingerprint() {
  (cd "$image" && find . -type f ! -iname APP.CDB ! -iname APP.FDB ! -name files.ini ! -path './c/CORVANE/*' |
    sort | xargs md5sum)
}
restore() { rm -rf "$image" && cp -a "$work/pristine" "$image"; }
failed=0
fail() { echo "check-harvest: $*" >&2; failed=1; }

before=$(fingerprint)
summary=$(harvest --fdb 2>"$work/warnings") || fail "harvest exited with $?: $(cat "$work/warnings")"
[ "$summary" = "wrote $cdb: 6 files, 8 settings, 2 registrations
wrote C:\\APP\\APP.fdb" ] || fail "harvest printed: $summary"
[ "$(fingerprint)" = "$before" ] || fail "the harvest changed the machine"
for left in Empty Expand Blank; do
  grep -q "\\\\$left .*: left out" "$work/warnings" || fail "$left is not named as left out: $(cat "$work/warnings")"
done
db=$(tr -d '\r' <"$app/APP.CDB")
for line in 'AppName=Corvane Fixtures' 'AppFileName=APP.EXE' 'SignatureFileName=USER.DLL' \
  'ver_fixed.dll, S, S, Y, N, 1.2.3.4' 'VENDOR.DRV, S, S, Y, N, 1.2.3.4' 'PLAIN.DLL, A, A, Y, Y' \
  'GRID.OCX, 1, 1, Y, N, 2.50.0.17' '"1|DATA", Y, Y, Reinstall' '"a;b, \"c\"", Y, Y, Reinstall' \
  '"1|", Y, Y, Reinstall' '"0x0000002a", Y, Y, Reinstall' '"say \"hi\" [now]", Y, Y, Reinstall' \
  '"Grid Control", GRID.OCX, 1, Vendor.Grid.1, 1.0, Y, N, N,' "Y, $libid"; do
  grep -Fqx -- "$line" <<<"$db" || fail "the database lacks the line: $line"
done
grep -qi 'OTHER.DLL' <<<"$db" && fail "a file of no company was harvested"
lint=$(run lint "$cdb") || fail "lint exited with $?"
[ "$(tail -n 1 <<<"$lint")" = "0 errors, 0 warnings" ] || fail "lint found: $lint"
[ -z "$(marked)" ] || fail "the harvested database's report marks: $(marked)"

status=0
harvest >/dev/null 2>&1 || status=$?
[ $status -eq 1 ] || fail "a second harvest without --force exited with $status"
harvest --force >/dev/null 2>&1 || fail "a harvest with --force failed"

# Each broken item, and only it, is marked.
check_marks() {
  local what=$1 expected=$2 marks
  marks=$(marked)
  [ "$(grep -c . <<<"$marks")" -eq 1 ] && grep -q -- "$expected" <<<"$marks" ||
    fail "$what: expected one mark for $expected, found: ${marks:-none}"
}
cp "$fixtures/ver_fixed.dll" "$app/GRID.OCX"
check_marks "an older control" '^\*  GRID.OCX'
cp "$work/pristine/c/APP/GRID.OCX" "$app/GRID.OCX"
sed -i '/"Count"=/d' "$image/registry.reg"
check_marks "a removed value" 'Count'
sed -i "s/^\"Count\".*//; s/\\[HKEY_LOCAL_MACHINE\\\\SOFTWARE\\\\Vendor\\\\App\\]/&\\n\"Count\"=dword:0000002a/" "$image/registry.reg"
sed -i 's/^@="C:\\\\APP\\\\GRID.OCX"/@="C:\\\\WINDOWS\\\\GRID.OCX"/' "$image/registry.reg"
check_marks "a class registered elsewhere" '^\*  Grid Control'

status=0
run harvest 'C:\APP' >/dev/null 2>&1 || status=$?
[ $status -eq 2 ] || fail "a harvest without --out exited with $status"
# With two programs, the harvest names both until --program picks one.
restore
cp "$fixtures/ver_none.dll" "$app/TOOL.EXE"
status=0
harvest 2>"$work/warnings" >/dev/null || status=$?
[ $status -eq 1 ] && grep -q '^  APP.EXE$' "$work/warnings" && grep -q '^  TOOL.EXE$' "$work/warnings" ||
  fail "two programs: exit $status, $(cat "$work/warnings")"
harvest --program tool.exe >/dev/null 2>&1 || fail "--program did not pick TOOL.EXE"
grep -q '^AppFileName=TOOL.EXE' "$app/APP.CDB" || fail "--program TOOL.EXE is not the AppFileName"
[ $failed -eq 0 ] && echo "harvest: lint-clean, nothing marked, each break marked alone"
exit $failed
