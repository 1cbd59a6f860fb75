# What the end-to-end tests of corvane.exe share: the example installed in
# a Wine prefix of their own, and runs of the wizard played by the UI
# driver. Sourced, with `me` set, by a test called with BUILD_DIR UIDRIVER
# SHOTS_DIR.
build=$(cd "$1" && pwd) uidriver=$2 shots=$3
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
export LC_ALL=C

failed=0
fail() { echo "$me: $*" >&2; failed=1; }

prefix=$(mktemp -d "/tmp/cvn$me.XXXXXX")
cleanup() { "$root/scripts/wine-prefix" stop "$prefix" >/dev/null 2>&1; rm -rf "$prefix"; }
trap cleanup EXIT
"$root/scripts/install-example" "$prefix" "$build" || exit 1
export WINEPREFIX=$prefix
"$root/scripts/wine-run" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null

app="$prefix/drive_c/Program Files/Skylark/Skylark Notes"
ini="$prefix/drive_c/windows/cvn.ini"
report="$app/skylark.txt"  # the example's ReportName
program='C:\Program Files\Skylark\Skylark Notes\corvane.exe'

win() { local path=$1; printf 'Z:%s' "${path//\//\\}"; }

# Runs corvane.exe through the driver with these answers (and driver
# options): the transcript without the exit line, kept with the screenshots
# (as PNG files) in SHOTS_DIR/NAME. The command line is the program alone,
# or command_line when that is set.
run() {
  local name=$1
  shift
  local answers=() answer
  for answer in "$@"; do
    case $answer in
      --*) answers+=("$answer") ;;  # a driver option
      *) answers+=(--answer "$answer") ;;
    esac
  done
  rm -rf "${shots:?}/$name"
  mkdir -p "$shots/$name"
  transcript=$("$root/scripts/wine-run" "$uidriver" --timeout 120 "${answers[@]}" \
    --screenshot-dir "$(win "$shots/$name")" --cmdline "${command_line:-$program}" | tr -d '\r')
  local status=$?
  "$root/scripts/wine-prefix" wait "$prefix" >/dev/null 2>&1
  [ $status -eq 0 ] || fail "$name: the driver ended with $status: $transcript"
  case "$transcript" in
    *"exit: 0") ;;
    *) fail "$name: corvane.exe did not end with 0: $transcript" ;;
  esac
  transcript=$(printf '%s\n' "$transcript" | grep -v '^exit: ')
  printf '%s\n' "$transcript" >"$shots/$name/transcript.txt"
  as_png "$shots/$name"
}
# The screenshots in folder $1 as PNG files.
as_png() {
  local shot
  for shot in "$1"/*.bmp; do
    [ -e "$shot" ] || continue
    convert "$shot" "${shot%.bmp}.png" && rm -f "$shot"
  done
}
# The headings of the wizard pages the transcript shows, one per line.
headings() { printf '%s\n' "$transcript" | sed -n 's/^page: [^|]*| \(.*\) | buttons: .*/\1/p'; }
ini_value() { tr -d '\r' <"$ini" 2>/dev/null | sed -n "s/^$1=//p"; }
no_intro() { printf '[Skylark Notes]\r\nShowIntro=0\r\n' >"$ini"; }


# A run played with the keyboard alone: `watch NAME` starts corvane.exe with
# the driver only watching (--observe), which keeps the screenshots and
# tells each dialog, page and move of the focus; `expect PATTERN` reads its
# lines until one matches the glob (30 s at most); `keys` types with
# xdotool, as a person at the keyboard would; `watched` waits for the end
# and keeps the transcript with the screenshots.
watch() {
  name=$1
  rm -rf "${shots:?}/$name"
  mkdir -p "$shots/$name"
  transcript=
  coproc WATCH { "$root/scripts/wine-run" "$uidriver" --observe --timeout 300 \
    --screenshot-dir "$(win "$shots/$name")" --cmdline "$program" 2>&1 | sed -u 's/\r$//'; }
  watch_pid=$WATCH_PID
  exec {watch_out}<&"${WATCH[0]}"
}
expect() {
  local line
  while IFS= read -r -t 30 line <&"$watch_out"; do
    transcript+="$line"$'\n'
    case $line in $1) return 0 ;; esac
  done
  fail "$name: no line '$1'; the last ones were:
$(printf '%s' "$transcript" | tail -n 4)"
  return 1
}
keys() { sleep 0.3; xdotool key --delay 150 "$@"; }
typed() { sleep 0.3; xdotool type --delay 60 "$1"; }
watched() {
  local line
  # After a failed expectation the program is ended with the prefix.
  [ "$failed" -eq 0 ] || "$root/scripts/wine-prefix" stop "$prefix" >/dev/null 2>&1
  while IFS= read -r -t 60 line <&"$watch_out"; do transcript+="$line"$'\n'; done
  exec {watch_out}<&-
  wait "$watch_pid" 2>/dev/null
  "$root/scripts/wine-prefix" wait "$prefix" >/dev/null 2>&1
  printf '%s' "$transcript" >"$shots/$name/transcript.txt"
  as_png "$shots/$name"
  case "$transcript" in
    *"exit: 0"*) ;;
    *) fail "$name: corvane.exe did not end with 0" ;;
  esac
  if printf '%s' "$transcript" | grep -E '^focus: .*\[(hidden|disabled)\]' >/dev/null; then
    fail "$name: the focus rested on a control the user cannot use:
$(printf '%s' "$transcript" | grep -E '^focus: .*\[(hidden|disabled)\]' | sort -u)"
  fi
}
