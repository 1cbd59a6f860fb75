#!/usr/bin/env bash
# corvane.exe under Wine on the installed example, played by the UI driver:
# every section walked with Next to Finish and the report it writes; Skip
# Section, Last Section and Back across section starts without saving the
# answers; the questions walked and saved to cvn.ini; Cancel without a
# report; Shift held at the start; About from the system menu; the
# QuickTime reminder and the requirements' details dialogs. Each page and
# dialog seen is saved as a PNG in SHOTS_DIR/<case>.
#
#   wizard.sh BUILD_DIR UIDRIVER SHOTS_DIR
#
# Needs DISPLAY (scripts/with-display); makes its own Wine prefix.
set -u
me=wizard
. "$(dirname "$0")/wizard-lib.sh"
"$root/scripts/example-history" "$prefix" "$build" || exit 1

# 1. Shift held at the start shows the introduction although it is off.
#    Wine takes the key from the X server when the wizard gets the focus;
#    it runs first, before any window of Wine has seen the keyboard.
no_intro
xdotool keydown Shift_L
run shift ok cancel
xdotool keyup Shift_L
case "$transcript" in
  "dialog: Corvane - Introduction"*) ;;
  *) fail "shift: no introduction: $transcript" ;;
esac

# 2. Every section to Finish, with the default answers: the introduction,
#    a restart reminder for each Don't know of the two restart questions.
rm -f "$ini" "$report"
nexts() { local i; for ((i = 0; i < $1; ++i)); do echo next; done; }
mapfile -t walk < <(
  echo ok; echo next; echo next; echo ok; echo next; echo ok; echo next
  # Yes to "Does the application load successfully?": no DLL load check.
  echo press:1100; nexts 3
  nexts 10       # the configuration check: introduction and nine lists
  nexts 2        # recent changes: introduction and the (seam) list
  nexts 4        # when all else fails, with the Windows NT pages
  echo next; echo "type:1261=Ann Example"; echo next; echo "type:1266=It stops."
  echo next; echo "read:1503"; echo finish; echo ok)
run walk "${walk[@]}"
expected='Describe The Problem
Does restarting Windows change the behavior of the application?
Is the problem consistent and repeatable?
Is this the only application that is misbehaving?
Does the application load successfully?
Does the application load successfully?
Did the application work correctly in the past and just recently start having problems?
What are the symptoms of the problem?
Check Application Configuration
Minimum Requirements
Program Files
DLL Files
Active X/OCX/VBX Files
Driver Files
INI File Settings
Registry Settings
Active X/OCX Registry Settings
Type Library Registry Settings
Check Recent Changes
Show Changes Since:
When All Else Fails
Check the Application'"'"'s Read Me File
Check for General Software Problems
Check for General Hardware and Driver Problems
How to Contact Technical Support
User Information
User Information
Problem Information
Problem Information
For technical support, contact:
For technical support, contact:'
[ "$(headings)" = "$expected" ] || fail "walk: pages were
$(headings)"
case "$transcript" in
  *"read 1503: (555) 010-2210"*) ;;
  *) fail "walk: the contact block shows no phone line" ;;
esac
case "$transcript" in
  *"message: The Corvane Report is complete!  Please check 'c:\\program files\\skylark\\skylark notes\\skylark.txt' for the results. | buttons: OK") ;;
  *) fail "walk: no 10313 at the end: $(printf '%s\n' "$transcript" | tail -n 2)" ;;
esac
[ "$(printf '%s\n' "$transcript" | grep -c '^dialog: Corvane$')" = 2 ] ||
  fail "walk: expected two restart reminders"
grep -q "Ann Example" "$report" 2>/dev/null || fail "walk: the report lacks the user's name"
grep -q "It stops." "$report" 2>/dev/null || fail "walk: the report lacks the problem"
[ "$(ini_value UserName)" = "Ann Example" ] || fail "walk: the user's name is not in cvn.ini"

# 3. Skip Section, Last Section and Back across section starts, then Cancel:
#    no answers saved, no report.
no_intro
rm -f "$report"
run sections click:1005 click:1005 click:1006 back next cancel
expected='Describe The Problem
Check Application Configuration
Check Recent Changes
Check Application Configuration
What are the symptoms of the problem?
Check Application Configuration'
[ "$(headings)" = "$expected" ] || fail "sections: pages were
$(headings)"
[ -z "$(ini_value IsRebootable)" ] || fail "sections: skipping the questions saved the answers"
[ ! -e "$report" ] || fail "sections: Cancel wrote a report"

# 4. Walking the questions with other answers saves them on entering the
#    configuration check.
no_intro
run questions next press:1102 next press:1100 next next next next next cancel
[ "$(ini_value IsRebootable)" = 1 ] || fail "questions: IsRebootable is '$(ini_value IsRebootable)'"
[ "$(ini_value IsConsistent)" = 0 ] || fail "questions: IsConsistent is '$(ini_value IsConsistent)'"
[ ! -e "$report" ] || fail "questions: Cancel wrote a report"

# 5. About from the system menu, then Cancel.
no_intro
run about sysmenu:16 ok cancel
case "$transcript" in
  *"dialog: About Corvane"*) ;;
  *) fail "about: no About box: $transcript" ;;
esac

# 6. With QTRAW.QTC listed, Yes to the QuickTime question shows its
#    reminder; then the details of the minimum requirements: the Windows
#    version, CONFIG.SYS and AUTOEXEC.BAT, the disk space and the video.
no_intro
printf 'FILES=30\r\nBUFFERS=20\r\nDEVICE=C:\\WINDOWS\\HIMEM.SYS\r\n' >"$prefix/drive_c/config.sys"
printf '@ECHO OFF\r\nPATH C:\\WINDOWS;C:\\WINDOWS\\COMMAND\r\n' >"$prefix/drive_c/autoexec.bat"
sed -i -e 's/^\[DLL Info\]$/&\nQTRAW.QTC, S, 1, N, N, 1.0/' -e 's/^AskQuestionsOptions=.*/AskQuestionsOptions=127/' \
  "$app/Corvane.cdb"
run quicktime next next ok next ok next press:1100 next next press:1100 next ok next next \
  rows:1200 select:1200=0 press:1204 ok select:1200=2 press:1204 ok select:1200=4 press:1204 ok \
  select:1200=10 press:1204 ok cancel
# Two restart reminders and the QuickTime one; Windows version, disk and
# video details; the sheet of the two files.
count() { printf '%s\n' "$transcript" | grep -cx "dialog: $1"; }
[ "$(count Corvane)" = 3 ] && [ "$(count 'Configuration Details')" = 3 ] &&
  [ "$(count 'Config.sys and Autoexec.bat Files')" = 1 ] || fail "quicktime: the dialogs were
$(printf '%s\n' "$transcript" | grep '^dialog: ')"

[ $failed -eq 0 ] && echo "wizard: 6 cases passed; screenshots in $shots"
exit $failed
