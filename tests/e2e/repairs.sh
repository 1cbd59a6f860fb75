#!/usr/bin/env bash
# Repairs through corvane.exe under Wine, played by the UI driver on the
# installed example: the first start creates Corvane.udb; WordWrap is
# changed and skyfmt.dll replaced by an older DLL; on the next start the
# Recent Changes list, on the first date, shows both as cvntool changes
# does, and Revert writes the old WordWrap back; then the DLL Files page
# lists skyfmt.dll as a serious problem, Details opens its file sheet, Fix
# replaces it from the installation CD keeping a numbered backup, the list
# refills clean, both retry pages follow, and Finish writes a report of the
# fixed state. Each page and dialog seen is saved as a PNG in
# SHOTS_DIR/<case>.
#
#   repairs.sh BUILD_DIR UIDRIVER SHOTS_DIR
#
# Needs DISPLAY (scripts/with-display); makes its own Wine prefix.
set -u
me=repairs
. "$(dirname "$0")/wizard-lib.sh"
"$root/examples/insert-cd" "$prefix" "$build" || exit 1
release=$build/examples/release
udb="$app/Corvane.udb"
skylark_ini="$prefix/drive_c/windows/skylark.ini"
cdb='C:\Program Files\Skylark\Skylark Notes\Corvane.cdb'
# No introduction, and "Does the application load successfully?" answered
# Yes, so that no DLL load check runs.
printf '[Skylark Notes]\r\nShowIntro=0\r\nIsLoadProblem=0\r\n' >"$ini"

# 1. The first start creates the usage database.
run first cancel
[ -f "$udb" ] || fail "first: Corvane.udb was not created"
first_date=$(tr -d '\r' <"$udb" | sed -n 's/^LastCheck=//p')

# 2. A day later WordWrap is off and skyfmt.dll is the runtime's older DLL.
sed -i 's/^LastCheck=[0-9]*/LastCheck=199001010000/' "$udb"
sed -i 's/^WordWrap=.*/WordWrap=0\r/' "$skylark_ini"
cp "$prefix/drive_c/windows/system32/sklkrt32.dll" "$app/skyfmt.dll"
run recorded cancel
changes=$("$root/scripts/wine-run" "$build/tools/cvntool/cvntool.exe" changes "$cdb" --since "$first_date" |
  tr -d '\r')

# 3. Recent changes first (both sections skipped to), Revert of WordWrap,
#    back to the configuration check, Fix of skyfmt.dll, then on to Finish.
nexts() { local i; for ((i = 0; i < $1; ++i)); do echo next; done; }
mapfile -t walk < <(
  echo click:1005; echo click:1005; echo next
  echo pick:1259=0; echo rows:1200
  echo select:1200=1; echo press:1204; echo ok; echo press:1205; echo ok; echo rows:1200
  echo next; echo back; echo back; echo click:1006
  nexts 3
  echo rows:1200; echo select:1200=0; echo press:1204; echo ok; echo press:1205; echo ok
  echo rows:1200; echo read:1201
  nexts 7        # the other lists, then the configuration check's retry page
  nexts 3        # the recent changes again, to their retry page
  nexts 5        # when all else fails, then the contact section
  echo next; echo "type:1261=Ann Example"; echo next; echo "type:1266=It stops."
  echo next; echo finish; echo ok)
run repair "${walk[@]}"

# The recent changes as the page listed them, against cvntool changes.
page_rows=$(printf '%s\n' "$transcript" | sed -n 's/^row: //p')
first_rows=$(printf '%s\n' "$page_rows" | head -n 2)
tool_rows=$(printf '%s\n' "$changes" | sed -n 's/^row "\(.*\)" "\(.*\)" "\(.*\)" "\(.*\)" status=\([0-9]*\)$/\1 | \2 | \3 | \4 | image: \5/p')
[ -n "$tool_rows" ] && [ "$first_rows" = "$tool_rows" ] || fail "repair: the page listed
$first_rows
and cvntool changes
$changes"
grep -q '^skyfmt.dll | 1.4.2.0 | 2.1.0.37 | Changed on ' <<<"$first_rows" || fail "repair: skyfmt.dll not listed"
grep -q '^WordWrap | 0 | 1 | Changed on ' <<<"$first_rows" || fail "repair: WordWrap not listed"
# After the Revert, WordWrap is listed as reverted (image 10), now with
# the value of the second start as the one that differs.
printf '%s\n' "$page_rows" | sed -n 3,4p | grep -q '^WordWrap | 1 | 0 | .* | image: 10$' ||
  fail "repair: WordWrap is not shown reverted: $page_rows"
tr -d '\r' <"$skylark_ini" | grep -qx 'WordWrap=1' || fail "repair: Revert did not write WordWrap=1 back"

# The DLL Files page before and after the Fix.
grep -q '^skyfmt.dll | 1.4.2.0 | 2.1.0.37 | .* | image: 5$' <<<"$page_rows" ||
  fail "repair: skyfmt.dll is not listed as a serious problem: $page_rows"
case "$transcript" in
  *"dialog: File Details"*) ;;
  *) fail "repair: Details opened no file sheet" ;;
esac
case "$transcript" in
  *"row: skyfmt.dll | 2.1.0.37 | 2.1.0.37 |  | image: 0"*"read 1201: Problems found: none"*) ;;
  *) fail "repair: the DLL list did not refill clean" ;;
esac
cmp -s "$release/skyfmt.dll" "$app/skyfmt.dll" || fail "repair: skyfmt.dll is not the CD's copy"
cmp -s "$release/sklkrt32.dll" "$app/backup/skyfmt.dll.001" || fail "repair: no backup\\skyfmt.dll.001"
for section_end in 'Type Library Registry Settings' 'Show Changes Since:'; do
  headings | grep -A1 -x "$section_end" | grep -qx 'Retry the Application Now' ||
    fail "repair: no retry page after $section_end"
done
tr -d '\r' <"$report" 2>/dev/null | grep -q '^ *skyfmt.dll *2\.1\.0\.37' ||
  fail "repair: the report does not show skyfmt.dll fixed"

[ $failed -eq 0 ] && echo "repairs: revert and fix through the wizard passed; screenshots in $shots"
exit $failed
