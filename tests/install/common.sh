# Shared by the install tests: messages, skipping, the expected file list.
fail() { echo "FAIL: $*" >&2; exit 1; }
skip() { echo "skipped: $*"; exit 77; }
need_tool() { command -v "$1" >/dev/null || skip "$1 missing (package $2)"; }

# The files an installation holds, relative to its prefix, sorted.
expected_files() {
  grep -v '^\s*\(#\|$\)' "$(dirname "${BASH_SOURCE[0]}")/installed_files.txt" | LC_ALL=C sort
}

# Fails unless the two sorted lists given as files are the same.
same_file_lists() {
  local want=$1 got=$2 what=$3
  if ! diff -u "$want" "$got" >&2; then
    fail "$what differ from installed_files.txt (- missing, + unexpected)"
  fi
}

# Width and height of a PNG file, from its IHDR chunk.
png_size() {
  local signature
  signature=$(od -An -tx1 -N8 "$1" | tr -d ' \n')
  [ "$signature" = 89504e470d0a1a0a ] || { echo "not-a-png"; return; }
  local w h
  w=$(od -An -tu1 -j16 -N4 "$1" | awk '{ print $1*16777216 + $2*65536 + $3*256 + $4 }')
  h=$(od -An -tu1 -j20 -N4 "$1" | awk '{ print $1*16777216 + $2*65536 + $3*256 + $4 }')
  echo "${w}x${h}"
}

# The value of a key in the [Desktop Entry] group of a .desktop file.
desktop_value() {
  awk -F= -v key="$2" '
    /^\[/ { in_entry = ($0 == "[Desktop Entry]") }
    in_entry && $1 == key { sub(/^[^=]*=/, ""); print; exit }' "$1"
}
