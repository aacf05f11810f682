#!/usr/bin/env bash
# Runs the program as a user would from a terminal without any display:
# --help and --version answer and end with status 0, an unknown option is
# named on the error output and ends with status 1, and none of them waits
# for a window (each run is bounded by a timeout).
# Usage: check_command_line.sh PROGRAM VERSION
set -uo pipefail
program=$1 version=$2
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# run ARGS...: the program without a display; sets status, out and err.
run() {
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u QT_SCALE_FACTOR \
    timeout 10 "$program" "$@" >"$tmp/out" 2>"$tmp/err"
  status=$?
  out=$(cat "$tmp/out") err=$(cat "$tmp/err")
}

# expect ARGS -- STATUS STDOUT-PATTERN STDERR-PATTERN (grep -E, empty: must be empty)
expect() {
  local args=()
  while [ "$1" != -- ]; do args+=("$1"); shift; done
  shift
  local want_status=$1 want_out=$2 want_err=$3
  run "${args[@]}"
  local what="tallyra ${args[*]}"
  [ "$status" -eq "$want_status" ] || fail "$what: status $status, expected $want_status ($err)"
  if [ -z "$want_out" ]; then
    [ -z "$out" ] || fail "$what: unexpected output: $out"
  else
    grep -Eq -- "$want_out" <<<"$out" || fail "$what: output lacks /$want_out/: $out"
  fi
  if [ -z "$want_err" ]; then
    [ -z "$err" ] || fail "$what: unexpected error output: $err"
  else
    grep -Eq -- "$want_err" <<<"$err" || fail "$what: error output lacks /$want_err/: $err"
  fi
}

version_line="^Tallyra ${version//./\\.}\$"
expect --version -- 0 "$version_line" ""
expect -v -- 0 "$version_line" ""
expect --help -- 0 "^Usage: .*tallyra \[options\]" ""
expect -h -- 0 "-v, --version" ""
expect --help -- 0 "-h, --help" ""
# Qt's own options are the application object's, not unknown ones.
expect -platform offscreen --version -- 0 "$version_line" ""
expect -style fusion -reverse --version -- 0 "$version_line" ""
expect --bogus -- 1 "" "^Tallyra: Unknown option 'bogus'\.\$"
expect -x -- 1 "" "Unknown option 'x'\."
expect --version=2 -- 1 "" "Unexpected value after '--version'"

[ "$failures" -eq 0 ] || exit 1
echo "PASS: help, version and unknown options answered without a display"
