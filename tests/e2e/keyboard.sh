#!/usr/bin/env bash
# corvane.exe under Wine on the installed example, played with the keyboard
# alone, the keys typed by xdotool: Return through every page and dialog to
# Finish and the report, with Tab, Space, the arrow keys and Alt+letters on
# the way, and Escape out of a dialog and out of the wizard. The UI driver
# only watches: it keeps a screenshot of every page and dialog (in
# SHOTS_DIR/<case>) and tells where the keyboard focus goes, which must never
# be a hidden or disabled control. With DPI values, the walk runs once at
# each of them (Wine's LogPixels), its screenshots in SHOTS_DIR/walk-<dpi>.
#
#   keyboard.sh BUILD_DIR UIDRIVER SHOTS_DIR [DPI...]
#
# Needs DISPLAY (scripts/with-display) and xdotool; makes its own Wine prefix.
set -u
me=keyboard
. "$(dirname "$0")/wizard-lib.sh"
shift 3
dpis=("$@")
[ ${#dpis[@]} -gt 0 ] || dpis=(96)
command -v xdotool >/dev/null || { echo "$me: xdotool not found (scripts/setup installs it)" >&2; exit 1; }
"$root/scripts/example-history" "$prefix" "$build" || exit 1

# The screen's dots per inch, for the programs started next.
set_dpi() {
  "$root/scripts/wine-prefix" stop "$prefix" >/dev/null 2>&1
  local key
  for key in 'HKCU\Control Panel\Desktop' 'HKCC\Software\Fonts'; do
    "$root/scripts/wine-run" reg add "$key" /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null
  done
}

page() { expect "page: * | $1 | buttons: *"; }
# Return, and the page it leads to.
next_page() { keys Return && page "$1"; }

# The whole example, Return by Return. The keys stop at the first page that
# does not come.
walk() {
  rm -f "$ini" "$report"
  watch "$1"
  expect 'dialog: Corvane - Introduction' && keys Return || return
  page 'Describe The Problem' || return
  # The restart question: Alt+Y answers Yes, so no reminder follows.
  next_page 'Does restarting Windows change the behavior of the application?' && keys alt+y || return
  # Don't know: Return brings the restart reminder, whose OK is Return too.
  next_page 'Is the problem consistent and repeatable?' && keys alt+d || return
  keys Return && expect 'dialog: Corvane' && keys Return || return
  # Each page puts the focus on its first control, here the chosen answer,
  # Don't know; Down goes round the group to Yes.
  page 'Is this the only application that is misbehaving?' && keys Down || return
  next_page 'Does the application load successfully?' && keys alt+y || return
  next_page 'Did the application work correctly in the past and just recently start having problems?' &&
    keys alt+o || return
  # Space ticks the focused first check box; Alt+P ticks "&Printing isn't right".
  next_page 'What are the symptoms of the problem?' && keys space alt+p || return
  next_page 'Check Application Configuration' || return
  # The list has the focus; Down selects its first row, the Windows
  # version, Alt+D opens its details and Return closes them. The focus is
  # back on Details, so Alt+N goes on.
  next_page 'Minimum Requirements' && keys Down alt+d || return
  expect 'dialog: Configuration Details' && keys Return && expect 'focus: Button 1204 *' || return
  keys alt+n && page 'Program Files' || return
  local heading
  for heading in 'DLL Files' 'Active X/OCX/VBX Files' 'Driver Files' 'INI File Settings' \
      'Registry Settings' 'Active X/OCX Registry Settings' 'Type Library Registry Settings' \
      'Check Recent Changes' 'Show Changes Since:' 'When All Else Fails' \
      "Check the Application's Read Me File" 'Check for General Software Problems' \
      'Check for General Hardware and Driver Problems' 'How to Contact Technical Support'; do
    next_page "$heading" || return
  done
  # The page starts in the user's name; Alt+E reaches the e-mail, Alt+U
  # the name again, Tab the company; Return goes on.
  next_page 'User Information' && keys alt+e && expect 'focus: Edit 1507*' || return
  keys alt+u && expect 'focus: Edit 1261*' && typed 'Ann Example' || return
  keys Tab && expect 'focus: Edit 1500*' || return
  # The description takes Return as a line break; Alt+N is Next.
  next_page 'Problem Information' && keys alt+d && expect 'focus: Edit 1266*' || return
  typed 'It stops.' && keys Return && typed 'Every time.' && keys alt+n || return
  page 'For technical support, contact:' || return
  # The last page: Return is Finish, and Return closes the report's message.
  keys Return && expect 'message: The Corvane Report is complete!*' && keys Return || return
}

check_walk() {
  grep -q "Ann Example" "$report" 2>/dev/null || fail "$name: the report lacks the user's name"
  grep -q "It stops." "$report" 2>/dev/null || fail "$name: the report lacks the problem"
  [ "$(ini_value IsRebootable)" = 0 ] || fail "$name: Alt+Y did not answer Yes: '$(ini_value IsRebootable)'"
  [ "$(ini_value IsConsistent)" = 2 ] || fail "$name: Alt+D did not answer Don't know"
  [ "$(ini_value IsOnlyAppWithProblem)" = 0 ] || fail "$name: Down did not move to Yes"
  [ "$(ini_value IsRecentProblem)" = 1 ] || fail "$name: Alt+O did not answer No"
  [ "$(ini_value Symptoms)" = 17 ] || fail "$name: Space and Alt+P ticked '$(ini_value Symptoms)', not crashes and printing"
}

for dpi in "${dpis[@]}"; do
  set_dpi "$dpi"
  walk "walk-$dpi"
  watched
  check_walk
done
set_dpi 96

# Escape closes a dialog, then cancels the wizard: no report.
no_intro
rm -f "$report"
escape() {
  watch escape
  page 'Describe The Problem' && keys alt+s && page 'Check Application Configuration' || return
  next_page 'Minimum Requirements' && keys Down alt+d || return
  expect 'dialog: Configuration Details' && keys Escape && expect 'focus: Button 1204 *' || return
  keys Escape
}
escape
watched
[ ! -e "$report" ] || fail "escape: Escape wrote a report"

[ $failed -eq 0 ] && echo "keyboard: the walk at ${dpis[*]} DPI and Escape passed; screenshots in $shots"
exit $failed
