#!/usr/bin/env bash
# corvane.exe under Wine: it loads a database named on the command line
# (quoted or not) or found alone beside it, shows 10072 for one it cannot
# load, asks when the choice is open, and registers the three document
# types only after a successful load.
#
#   startup.sh CORVANE.EXE UIDRIVER.EXE
#
# Needs WINEPREFIX (scripts/wine-prefix) and DISPLAY (scripts/with-display).
set -u
corvane=$1 uidriver=$2
scripts=$(cd "$(dirname "$0")/../../scripts" && pwd)
wine_run=$scripts/wine-run
export LC_ALL=C

work=$(mktemp -d /tmp/cvnstart.XXXXXX)
trap 'rm -rf "$work"' EXIT
win() { local path=$1; printf 'Z:%s' "${path//\//\\}"; }

database='[App Info]\r\nAppName=Start-up Test\r\nAppFileName=corvane.exe\r\n[Directory Info]\r\n[End]\r\n'
mkdir -p "$work/alone" "$work/two" "$work/data dir"
for folder in alone two; do cp "$corvane" "$work/$folder/corvane.exe"; done
printf "$database" >"$work/alone/Sample.cdb"
printf "$database" >"$work/two/One.cdb"
printf "$database" >"$work/two/Two.cdb"
printf "$database" >"$work/data dir/Chosen.cdb"
program=$(win "$work/alone/corvane.exe")

failed=0
fail() { echo "startup: $*" >&2; failed=1; }

forget_types() {
  for key in Corvane.cdb Corvane.udb Corvane.fdb .cdb .udb .fdb; do
    "$wine_run" reg delete "HKCR\\$key" /f >/dev/null 2>&1
  done
}
# The default value of a key under HKEY_CLASSES_ROOT, or nothing.
class_default() {
  "$wine_run" reg query "HKCR\\$1" /ve 2>/dev/null | tr -d '\r' |
    sed -n 's/^ *(Default) *REG_SZ *//p'
}
# Runs corvane.exe through the driver; the transcript without the exit line.
run() {
  local name=$1 cmdline=$2
  shift 2
  forget_types
  transcript=$("$wine_run" "$uidriver" --timeout 60 "$@" --cmdline "$cmdline" | tr -d '\r')
  status=$?
  "$scripts/wine-prefix" wait "$WINEPREFIX"
  case "$transcript" in
    *"exit: 0") ;;
    *) fail "$name: corvane.exe did not end with 0: $transcript" ;;
  esac
  [ $status -eq 0 ] || fail "$name: the driver ended with $status"
  transcript=$(printf '%s\n' "$transcript" | grep -v '^exit: ')
}
expect_registered() {
  local name=$1 command
  command=$(class_default 'Corvane.cdb\shell\open\command')
  # The program's long path in quotes, then "%1".
  case "$command" in
    '"'*'\corvane.exe" "%1"') ;;
    *) fail "$name: open command is '$command'" ;;
  esac
  local program_path=${command#\"}
  program_path=${program_path%%\"*}
  [ "$(class_default Corvane.cdb)" = "Corvane Database" ] || fail "$name: .cdb class not registered"
  [ "$(class_default .udb)" = "Corvane.udb" ] || fail "$name: .udb not registered"
  [ "$(class_default 'Corvane.fdb\DefaultIcon')" = "$program_path,3" ] ||
    fail "$name: .fdb icon is '$(class_default 'Corvane.fdb\DefaultIcon')'"
}
expect_unregistered() {
  [ -z "$(class_default Corvane.cdb)" ] || fail "$1: document types were registered"
}
expect_transcript() {
  [ "$transcript" = "$2" ] || fail "$1: transcript '$transcript', expected '$2'"
}
# A loaded database opens the wizard: the introduction, then the first page,
# which the run cancels.
wizard=(--answer ok --answer cancel)
expect_wizard() {
  case "$transcript" in
    "dialog: Corvane - Introduction"$'\n'"page: Corvane - Describe The Problem | Describe The Problem | "*) ;;
    *) fail "$1: no wizard: '$transcript'" ;;
  esac
}

# Wine's desktop process takes the display of the program that starts it:
# let a server left from an earlier test (maybe without a display) end first.
"$scripts/wine-prefix" wait "$WINEPREFIX"
"$wine_run" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null

run alone "$program" "${wizard[@]}"
expect_wizard alone
expect_registered alone

chosen=$(win "$work/data dir/Chosen.cdb")
run quoted "\"$program\" \"$chosen\"" "${wizard[@]}"
expect_wizard quoted
expect_registered quoted

run unquoted "$program $chosen" "${wizard[@]}"
expect_wizard unquoted
expect_registered unquoted

missing=$(win "$work/data dir/Missing.CDB")
lower=$(printf '%s' "$missing" | tr 'A-Z' 'a-z')
run missing "$program $missing" --answer ok --answer ok
expect_transcript missing "message: Unable to open Configuration Database file '$lower'. | buttons: OK
message: Unable to load Configuration Database file '$lower'. | buttons: OK"
expect_unregistered missing

run two-beside "$(win "$work/two/corvane.exe")" --answer cancel
case "$transcript" in
  "open-file: "*"| filter: Configuration Database (*.cdb)") ;;
  *) fail "two-beside: no Open-file dialog for the database: '$transcript'" ;;
esac
expect_unregistered two-beside

run chosen-in-dialog "$(win "$work/two/corvane.exe")" --answer "file:$chosen" "${wizard[@]}"
expect_registered chosen-in-dialog

[ $failed -eq 0 ] && echo "start-up: 6 cases passed"
exit $failed
