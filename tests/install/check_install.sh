#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what arrives: exactly
# the files of installed_files.txt (no inspector, no tests), the program as
# built, icons of the sizes their folders name, a desktop entry that starts the
# installed program with the installed icon, and valid desktop and metainfo
# files where their validators are installed.
# Usage: check_install.sh CMAKE BUILD_DIR PROGRAM WORK_DIR
set -euo pipefail
cmake=$1 build=$2 program=$3 work=$4
. "$(dirname "$0")/common.sh"

tmp=$(mktemp -d "$work/install.XXXXXX")
trap 'rm -rf "$tmp"' EXIT
prefix="$tmp/prefix"

"$cmake" --install "$build" --prefix "$prefix" >"$tmp/install.log" 2>&1 \
  || { cat "$tmp/install.log" >&2; fail "cmake --install failed"; }

expected_files >"$tmp/want"
(cd "$prefix" && find . ! -type d | sed 's|^\./||' | LC_ALL=C sort) >"$tmp/got"
same_file_lists "$tmp/want" "$tmp/got" "installed files"

[ -x "$prefix/bin/tallyra" ] || fail "bin/tallyra is not executable"
cmp -s "$program" "$prefix/bin/tallyra" || fail "bin/tallyra is not the program as built"
lines=$(QT_QPA_PLATFORM= DISPLAY= "$prefix/bin/tallyra-text" 1994 | wc -l)
[ "$lines" = 59 ] || fail "bin/tallyra-text 1994 printed $lines lines, not 59"

for png in "$prefix"/share/icons/hicolor/*x*/apps/tallyra.png; do
  folder=$(basename "$(dirname "$(dirname "$png")")")
  size=$(png_size "$png")
  [ "$size" = "$folder" ] || fail "icon in $folder is $size"
done
svg="$prefix/share/icons/hicolor/scalable/apps/tallyra.svg"
grep -q '<svg' "$svg" || fail "the scalable icon is not an SVG"

desktop="$prefix/share/applications/tallyra.desktop"
[ "$(desktop_value "$desktop" Type)" = Application ] || fail "desktop entry: Type is not Application"
[ "$(desktop_value "$desktop" Name)" = Tallyra ] || fail "desktop entry: Name is not Tallyra"
[ "$(desktop_value "$desktop" Terminal)" = false ] || fail "desktop entry: Terminal is not false"
[ -n "$(desktop_value "$desktop" Comment)" ] || fail "desktop entry: no Comment"
exec_command=$(desktop_value "$desktop" Exec | awk '{ print $1 }')
[ -x "$prefix/bin/$exec_command" ] || fail "desktop entry: Exec '$exec_command' is not an installed program"
icon=$(desktop_value "$desktop" Icon)
[ -f "$prefix/share/icons/hicolor/scalable/apps/$icon.svg" ] \
  || fail "desktop entry: Icon '$icon' is not an installed icon"

metainfo="$prefix/share/metainfo/tallyra.metainfo.xml"
grep -q "<launchable type=\"desktop-id\">$(basename "$desktop")</launchable>" "$metainfo" \
  || fail "metainfo does not launch $(basename "$desktop")"

validated=()
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$desktop" || fail "desktop-file-validate rejects the desktop entry"
  validated+=(desktop)
else
  echo "desktop-file-validate missing (package desktop-file-utils): desktop entry not validated"
fi
if command -v appstreamcli >/dev/null; then
  # The component has no reverse-domain id: the project owns no domain to form one.
  appstreamcli validate --no-net --override=cid-desktopapp-is-not-rdns=info "$metainfo" \
    || fail "appstreamcli rejects the metainfo"
  validated+=(metainfo)
else
  echo "appstreamcli missing (package appstream): metainfo not validated"
fi
echo "PASS: $(wc -l <"$tmp/got") files installed; validated: ${validated[*]:-none}"
