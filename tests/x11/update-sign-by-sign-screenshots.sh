#!/usr/bin/env bash
# update-sign-by-sign-screenshots.sh BUILD_DIR
# Rebuilds the program in BUILD_DIR, starts a private Xvfb with a screen
# large enough for the views at twice the pixel density, and writes the
# "Sign by Sign" views of eight rows at scales 1 and 2 into docs/screenshots
# (sign-by-sign-<row>.png and -2x.png, see take_sign_by_sign_screenshots.sh).
# Look at every changed picture before committing it.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root=$(cd "$here/../.." && pwd)
[ $# -ge 1 ] || { echo "usage: $0 BUILD_DIR" >&2; exit 2; }
cmake --build "$1" --target tallyra -j2 >/dev/null

work=$(mktemp -d)
xvfb_pid=
cleanup() {
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
source "$root/tools/xvfb.sh"
start_xvfb 3840x2400
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
for scale in 1 2; do
  "$here/take_sign_by_sign_screenshots.sh" "$1/app/tallyra" "$work" "$scale"
done
mkdir -p "$root/docs/screenshots"
for shot in "$work"/sign-by-sign-*.png; do
  cp "$shot" "$root/docs/screenshots/"
  echo "wrote docs/screenshots/$(basename "$shot")"
done
