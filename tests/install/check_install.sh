#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what arrives: exactly
# the files of installed_files.txt (no inspector, no tests), the program as
# built, icons of the sizes their folders name, a desktop entry that starts the
# installed program with the installed icon, metainfo with the licence, the
# developer and a release for the program's version, a copyright file that
# names the licence of every part and quotes the fonts' licence, a changelog
# whose latest entry is the program's version and the metainfo's release,
# documents compressed with gzip -9n, a manual page for each command that man
# renders without a warning and that describes every option --help lists, and
# valid desktop and metainfo files where their validators are installed, the
# metainfo listing the translations.
# Usage: check_install.sh CMAKE BUILD_DIR PROGRAM WORK_DIR SOURCE_DIR
set -euo pipefail
cmake=$1 build=$2 program=$3 work=$4 source=$5
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
rows=$(( $(wc -l <"$source/tools/fonts/rows.tsv") - 1 ))  # the row table, as tallyra-row-data writes it
[ "$lines" = "$rows" ] || fail "bin/tallyra-text 1994 printed $lines lines, not one for each of the $rows rows"

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
grep -q '<project_license>GPL-3.0-or-later</project_license>' "$metainfo" \
  || fail "metainfo: the project licence is not GPL-3.0-or-later"
grep -q '<developer_name>The Tallyra developers</developer_name>' "$metainfo" \
  || fail "metainfo: no developer name 'The Tallyra developers'"
# The metainfo lists the program's translations: Qt's catalogue "tallyra" and
# each language of translations/, no other.
grep -q '<translation type="qt">tallyra</translation>' "$metainfo" || fail "metainfo: no Qt translation 'tallyra'"
translated=$(find "$source/translations" -name 'tallyra_*.ts' | sed 's/.*tallyra_\(.*\)\.ts$/\1/' | LC_ALL=C sort)
listed=$(grep -o '<lang percentage="100">[^<]*</lang>' "$metainfo" | sed 's/<[^>]*>//g' | LC_ALL=C sort)
[ -n "$translated" ] && [ "$listed" = "$translated" ] \
  || fail "metainfo: languages '$(echo $listed)', translations/ has '$(echo $translated)'"

# The release the metainfo announces is the version the program reports.
version=$(env -u DISPLAY -u QT_QPA_PLATFORM "$prefix/bin/tallyra" --version | awk '{ print $2 }')
[ -n "$version" ] || fail "the installed program does not tell its version"
release=$(grep -Eo "<release version=\"${version//./\\.}\" date=\"[0-9]{4}-[0-9]{2}-[0-9]{2}\">" "$metainfo") \
  || fail "metainfo: no dated release entry for version $version"

# The changelog's latest entry is this version, signed on the metainfo's release date.
changelog="$prefix/share/doc/tallyra/changelog.gz"
latest=$(zcat "$changelog" | head -1)
[[ "$latest" == "tallyra ($version) "* ]] || fail "changelog: the latest entry is not version $version: $latest"
signed=$(zcat "$changelog" | awk '/^ -- / { sub(/^.*>  /, ""); print; exit }')
[[ "$release" == *"date=\"$(date -u -d "$signed" +%F)\""* ]] \
  || fail "changelog: version $version is dated $signed, the metainfo says $release"
while IFS= read -r -d '' compressed; do
  check_gzip_9n "$compressed"
done < <(find "$prefix" -name '*.gz' -print0)

need_tool man man-db
for command in "$prefix"/bin/*; do
  check_manual_page "$prefix/share/man/man1/$(basename "$command").1.gz" "$command"
done
zgrep -q "window's $lines rows" "$prefix/share/man/man1/tallyra-text.1.gz" || fail "tallyra-text(1) does not say it prints $lines rows"

check_copyright "$prefix/share/doc/tallyra/copyright" "$source/resources/fonts/OFL.txt"

validated=()
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$desktop" || fail "desktop-file-validate rejects the desktop entry"
  validated+=(desktop)
else
  echo "desktop-file-validate missing (package desktop-file-utils): desktop entry not validated"
fi
if command -v appstreamcli >/dev/null; then
  # The component has no reverse-domain id: the project owns no domain to form
  # one. That warning is the only remark allowed, even a pedantic one.
  report=$(appstreamcli validate --pedantic --no-net "$metainfo" 2>&1 || true)
  remarks=$(grep -E '^[EWIP]: ' <<<"$report" | grep -Ev '^W: tallyra:[0-9]+: cid-desktopapp-is-not-rdns tallyra$' || true)
  [ -z "$remarks" ] || { echo "$report" >&2; fail "appstreamcli validate --pedantic has remarks on the metainfo"; }
  grep -q 'cid-desktopapp-is-not-rdns' <<<"$report" || echo "note: appstreamcli no longer remarks on the id"
  validated+=(metainfo)
else
  echo "appstreamcli missing (package appstream): metainfo not validated"
fi
echo "PASS: $(wc -l <"$tmp/got") files installed; validated: ${validated[*]:-none}"
