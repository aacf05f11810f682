#!/usr/bin/env bash
# take_sign_by_sign_screenshots.sh PROGRAM OUT_DIR [SCALE [CAPTION...]]
# Starts the program on $DISPLAY (with QT_SCALE_FACTOR=SCALE, default 1) on
# a session bus with the accessibility bus up, shows 46363, opens the "Sign
# by Sign" view of eight rows from the keyboard, composes a numeral of
# three signs in each (or of the rows named) and writes the view:
# OUT_DIR/sign-by-sign-<row>.png (with SCALE 2: -2x.png). Closes each view
# and the program with Esc.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
[ $# -ge 2 ] || { echo "usage: $0 PROGRAM OUT_DIR [SCALE]" >&2; exit 2; }
program=$1 out=$2 scale=${3:-1}
shift $(( $# < 3 ? $# : 3 ))
mkdir -p "$out"
export QT_SCALE_FACTOR=$scale QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
exec "$here/../row_access/with_atspi_bus.sh" /usr/bin/python3 "$here/sign_by_sign_shots.py" "$program" "$out" "$scale" "$@"
