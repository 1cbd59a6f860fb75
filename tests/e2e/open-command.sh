#!/usr/bin/env bash
# corvane.exe under Wine, installed with the example in a folder with
# blanks, is started as the shell starts it for a double-clicked .cdb: by
# the open command it registered, which names it by its long path in
# quotes. The command's database, in another folder with blanks, is loaded.
#
#   open-command.sh BUILD_DIR UIDRIVER SHOTS_DIR
#
# Needs DISPLAY (scripts/with-display); makes its own Wine prefix.
set -u
me=open-command
. "$(dirname "$0")/wizard-lib.sh"

# The first run registers the document types.
no_intro
run register cancel
command=$("$root/scripts/wine-run" reg query 'HKCR\Corvane.cdb\shell\open\command' /ve 2>/dev/null |
  tr -d '\r' | sed -n 's/^ *(Default) *REG_SZ *//p')
[ "$command" = "\"$program\" \"%1\"" ] || fail "the open command is '$command'"

# A copy of the database elsewhere, opened through that command.
copies="$prefix/drive_c/My Documents/Skylark Copies"
mkdir -p "$copies"
cp "$app/Corvane.cdb" "$copies/Notes copy.cdb"
cp -p "$app/Corvane.fdb" "$copies/Notes copy.fdb"
command_line=${command/\%1/C:\\My Documents\\Skylark Copies\\Notes copy.cdb}
run opened cancel
case "$transcript" in
  "page: Corvane - Describe The Problem | Describe The Problem | "*) ;;
  *) fail "opened: no wizard: $transcript" ;;
esac
ls "$copies"/*.udb >/dev/null 2>&1 || fail "opened: the copy was not loaded (no usage database beside it)"

[ $failed -eq 0 ] && echo "open-command: the registered command opens a .cdb by the long path"
exit $failed
