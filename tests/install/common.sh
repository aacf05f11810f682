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

# Checks a copyright file in Debian's machine-readable format: the format
# line, GPL-3+ for all files, a stand-alone licence paragraph for every
# licence a Files paragraph names, and the fonts' licence quoted in full
# from OFL (the file the fonts carry in the source tree).
check_copyright() {
  local copyright=$1 ofl=$2
  [ -f "$copyright" ] || fail "no copyright file"
  head -1 "$copyright" | grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/$' \
    || fail "copyright: not in the machine-readable format"
  awk '/^Files: \*$/ { all = 1; next } all && /^License:/ { print; exit }' "$copyright" | grep -qx 'License: GPL-3+' \
    || fail "copyright: Files: * is not under GPL-3+"
  local name
  for name in $(awk '/^Files:/ { files = 1 } files && /^License:/ { print $2; files = 0 }' "$copyright" | sort -u); do
    awk -v name="$name" '/^$/ { start = 1; next } start && $0 == "License: " name { found = 1 } { start = 0 }
                         END { exit !found }' "$copyright" \
      || fail "copyright: no licence paragraph for $name"
  done
  # The OFL paragraph, unindented (" ." is an empty line), is OFL.txt.
  awk '/^License: OFL-1.1$/ && last == "" { on = 1; next } on && !/^ / { exit }
       on { sub(/^ /, ""); if ($0 == ".") $0 = ""; print } { last = $0 }' "$copyright" >"$tmp/ofl-quoted"
  sed -e 's/[[:space:]]*$//' "$ofl" | sed -e :a -e '/^\n*$/{$d;N;ba' -e '}' >"$tmp/ofl-source"
  diff -q "$tmp/ofl-source" "$tmp/ofl-quoted" >/dev/null || fail "copyright: the OFL paragraph is not $ofl"
}

# Fails unless FILE was compressed with gzip -9n: no file name and no time in
# its header (the same source gives the same bytes) and maximum compression.
check_gzip_9n() {
  local file=$1 header
  gzip -t "$file" 2>/dev/null || fail "$file is not gzip data"
  header=$(od -An -tx1 -N10 "$file" | tr -d ' \n')  # ID1 ID2 CM FLG MTIME(4) XFL OS
  [ "${header:6:2}" = 00 ] || fail "$file: the gzip header carries a name or more (flags ${header:6:2})"
  [ "${header:8:8}" = 00000000 ] || fail "$file: the gzip header carries a time"
  [ "${header:16:2}" = 02 ] || fail "$file is not compressed with -9"
}

# The options a program's --help lists ("-h", "--help", "--row" ...), one a line.
help_options() {
  env -u DISPLAY -u QT_QPA_PLATFORM "$1" --help | sed -n '/^Options:$/,/^$/p' \
    | sed -E '1d; s/^ +//; s/  .*//' | tr ',' '\n' | awk '$1 ~ /^-/ { print $1 }'
}

# The options the OPTIONS section of a rendered manual page describes: the
# first word of each name in its items' tags ("-h, --help", "--row CAPTION").
page_options() {
  awk '/^[^ ]/ { options = ($0 == "OPTIONS"); next }
       options && /^       -/ { n = split($0, names, ", "); for (i = 1; i <= n; i++) { split(names[i], w, " "); print w[1] } }' "$1"
}

# Checks the manual page of PROGRAM: man renders it without a warning, and
# its OPTIONS section describes every option --help lists. The pages hold
# numerals in their own scripts, so they are read in a UTF-8 locale.
check_manual_page() {
  local page=$1 program=$2 name warnings options missing
  name=$(basename "$program")
  [ -f "$page" ] || fail "no manual page for $name"
  warnings=$(LC_ALL=C.UTF-8 man --warnings -l "$page" 2>&1 >/dev/null) || fail "man cannot render $page"
  [ -z "$warnings" ] || { echo "$warnings" >&2; fail "man --warnings has remarks on $name's manual page"; }
  LC_ALL=C.UTF-8 MANWIDTH=80 man -l "$page" >"$tmp/$name.txt"
  head -1 "$tmp/$name.txt" | grep -q "^${name^^}(1) " || fail "$page is not the page $name(1)"
  options=$(help_options "$program" | LC_ALL=C sort -u)
  [ -n "$options" ] || fail "$name --help lists no options"
  missing=$(LC_ALL=C comm -23 <(echo "$options") <(page_options "$tmp/$name.txt" | LC_ALL=C sort -u))
  [ -z "$missing" ] || fail "$name(1) does not describe the options" $missing
}
