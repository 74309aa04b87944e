#!/usr/bin/env bash
# The program's command line, run as a user runs it: program_options_test.sh PROGRAM VERSION
set -uo pipefail
program=$1
version=$2
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
# Settings of their own: none of the user's, none left behind.
export XDG_CONFIG_HOME=$out/config
failures=0

fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

# run NAME ENV... -- ARGS: runs the program, keeps its status and both streams.
run() {
  local name=$1; shift
  local env=()
  while [ "$1" != "--" ]; do env+=("$1"); shift; done
  shift
  timeout 60 env "${env[@]}" "$program" "$@" >"$out/$name.out" 2>"$out/$name.err"
  echo $? >"$out/$name.rc"
}
expect_rc() { [ "$(cat "$out/$1.rc")" = "$2" ] || fail "$1: exit status $(cat "$out/$1.rc"), expected $2; stderr: $(cat "$out/$1.err")"; }
expect_in() { grep -qF -- "$3" "$out/$1.$2" || fail "$1: '$3' missing from std$2: $(cat "$out/$1.$2")"; }

# No display at all: help and version are texts and must still work.
nodisplay=(-u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM)
run help "${nodisplay[@]}" -- --help
expect_rc help 0
for text in "--quit-after-show" "--version" "--help" "DATEI" "Aufruf:"; do expect_in help out "$text"; done

run version "${nodisplay[@]}" -- --version
expect_rc version 0
[ "$(cat "$out/version.out")" = "fluvara $version" ] || fail "version: '$(cat "$out/version.out")'"

run helpall "${nodisplay[@]}" -- --help-all
expect_rc helpall 0
expect_in helpall out "-platform"

# A wrong command line is told with status 1, on a screen as without one; Qt's own options are no mistake.
offscreen=(QT_QPA_PLATFORM=offscreen)
for screen in offscreen nodisplay; do
  declare -n env_of_screen=$screen
  run "unknown-$screen" "${env_of_screen[@]}" -- --schnell
  expect_rc "unknown-$screen" 1
  expect_in "unknown-$screen" err "Unbekannte Option 'schnell'"
  [ ! -s "$out/unknown-$screen.out" ] || fail "unknown option wrote to stdout"

  run "twofiles-$screen" "${env_of_screen[@]}" -- a.fluvara b.fluvara
  expect_rc "twofiles-$screen" 1
  expect_in "twofiles-$screen" err "nur eine Projektdatei"

  run "qtoption-$screen" "${env_of_screen[@]}" -- -style Fusion --schnell
  expect_rc "qtoption-$screen" 1
  expect_in "qtoption-$screen" err "Unbekannte Option 'schnell'"
done
# Another platform named on the command line cannot bring the display back for a text.
run platformhelp "${nodisplay[@]}" -- -platform xcb --help
expect_rc platformhelp 0
expect_in platformhelp out "Aufruf:"

run show "${offscreen[@]}" -- --quit-after-show
expect_rc show 0

run file "${offscreen[@]}" -- --quit-after-show "Netz Süd.fluvara"
expect_rc file 0
expect_in file err "Netz Süd.fluvara"

exit $((failures > 0))
