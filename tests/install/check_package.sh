#!/usr/bin/env bash
# Builds the Debian package with CPack and checks it: its control fields and
# declared dependencies (the Qt libraries and the fonts the window asks for by
# name), one well-formed contact in its Maintainer field, changelog and
# copyright file, its file list, that lintian reports no error and no warning
# on it and none of its hardening remarks, that both programs are built with
# Debian's hardening (BIND_NOW, fortified C library calls) and stripped, that man finds each command's page in it by name, and that the
# program extracted from it starts offscreen and stays up.
# Usage: check_package.sh CPACK BUILD_DIR VERSION WORK_DIR SOURCE_DIR
set -euo pipefail
cpack=$1 build=$2 version=$3 work=$4 source=$5
. "$(dirname "$0")/common.sh"
need_tool dpkg-deb dpkg
need_tool dpkg-shlibdeps dpkg-dev
need_tool lintian lintian
need_tool man man-db
[ -f "$build/CPackConfig.cmake" ] \
  || fail "no CPackConfig.cmake in the build: the top-level CMakeLists.txt does not include cmake/Install.cmake"

tmp=$(mktemp -d "$work/package.XXXXXX")
program_pid=
cleanup() {
  [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null
  rm -rf "$tmp"
}
trap cleanup EXIT

"$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$tmp/out" >"$tmp/cpack.log" 2>&1 \
  || { cat "$tmp/cpack.log" >&2; fail "cpack failed"; }
deb="$tmp/out/tallyra_${version}_$(dpkg --print-architecture).deb"
[ -f "$deb" ] || { ls "$tmp/out" >&2; fail "no package $(basename "$deb")"; }

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = tallyra ] || fail "Package is '$(field Package)'"
[ "$(field Version)" = "$version" ] || fail "Version is '$(field Version)', not $version"
maintainer=$(field Maintainer)
contact='^[^<>@]+ <[^<>@ ]+@[^<>@ ]+\.[^<>@ ]+>$'
[[ "$maintainer" =~ $contact ]] || fail "Maintainer '$maintainer' is not 'Name <address>'"
[ "$(field Section)" = education ] || fail "Section is '$(field Section)'"
[ -n "$(field Description)" ] || fail "no Description"
depends=$(field Depends)
for package in libc6 libqt6widgets6 libqt6gui6 libqt6core6 fonts-dejavu-core fonts-urw-base35; do
  tr ',' '\n' <<<"$depends" | awk '{ print $1 }' | grep -qx "$package" \
    || fail "Depends lacks $package: $depends"
done

# Files only (dpkg-deb lists directories with a trailing slash).
dpkg-deb -c "$deb" >"$tmp/contents"
awk '$6 !~ /\/$/ { sub(/^\.\/usr\//, "", $6); print $6 }' "$tmp/contents" | LC_ALL=C sort >"$tmp/got"
expected_files >"$tmp/want"
same_file_lists "$tmp/want" "$tmp/got" "package files"
awk '$2 != "root/root" { print; bad = 1 } END { exit bad }' "$tmp/contents" \
  || fail "package entries not owned by root/root"
grep -q '^-rwxr-xr-x .* \./usr/bin/tallyra$' "$tmp/contents" || fail "usr/bin/tallyra is not mode 0755"

root="$tmp/root"
dpkg-deb -x "$deb" "$root"
check_copyright "$root/usr/share/doc/tallyra/copyright" "$source/resources/fonts/OFL.txt"
grep -qxF "Upstream-Contact: $maintainer" "$root/usr/share/doc/tallyra/copyright" \
  || fail "copyright: the Upstream-Contact is not the Maintainer, $maintainer"
zcat "$root/usr/share/doc/tallyra/changelog.gz" | grep -qF " -- $maintainer  " \
  || fail "changelog: not signed by the Maintainer, $maintainer"

# Debian's checker: info tags are fine, errors and warnings are not.
if ! lintian --no-cfg --fail-on error,warning --display-info "$deb" >"$tmp/lintian.log" 2>&1 \
   || grep -q '^[EW]: ' "$tmp/lintian.log"; then
  cat "$tmp/lintian.log" >&2
  fail "lintian reports errors or warnings on the package"
fi

# Built with Debian's hardening flags and stripped as Debian's tools strip:
# none of lintian's remarks on them, not even as information.
for tag in hardening-no-bindnow hardening-no-fortify-functions hardening-no-relro binary-has-unneeded-section; do
  ! grep -q ": $tag " "$tmp/lintian.log" || { cat "$tmp/lintian.log" >&2; fail "lintian: $tag"; }
done

# Installed, "man COMMAND" shows the command's page.
for command in "$root"/usr/bin/*; do
  name=$(basename "$command")
  [ "$(man -M "$root/usr/share/man" -w "$name")" = "$root/usr/share/man/man1/$name.1.gz" ] \
    || fail "man does not find the page of $name in the package"
  LC_ALL=C.UTF-8 man -M "$root/usr/share/man" "$name" >"$tmp/man.txt" 2>&1 || fail "man $name failed"
  grep -q "^${name^^}(1) " <(head -1 "$tmp/man.txt") || fail "man $name does not show the page $name(1)"
done
program="$root/usr/bin/tallyra"
if command -v readelf >/dev/null; then
  ! readelf -d "$program" | grep -q 'R\(UN\)\?PATH' || fail "the packaged program carries a library search path"
fi
need_tool readelf binutils
for command in "$root"/usr/bin/*; do
  name=$(basename "$command")
  # (grep reads each listing whole: grep -q would end readelf early, which pipefail counts as failing)
  grep '(FLAGS) *BIND_NOW' <(readelf -d "$command") >/dev/null || fail "$name: not linked with -z now (no BIND_NOW)"
  grep GNU_RELRO <(readelf -lW "$command") >/dev/null || fail "$name: not linked with -z relro"
  # The window's command line prints with printf (tallyra-text writes with fwrite, which has no
  # fortified form; lintian's remark above covers it).
  [ "$name" != tallyra ] || grep ' UND __[a-z_]*_chk@' <(readelf --dyn-syms -W "$command") >/dev/null \
    || fail "$name: calls no fortified C library function (_FORTIFY_SOURCE)"
  ! grep -E ' \.(comment|note) ' <(readelf -SW "$command") >/dev/null || fail "$name: keeps the .comment or .note section"
done
if command -v file >/dev/null; then
  file "$program" | grep -q ', stripped' || fail "the packaged program is not stripped"
fi

# Started as a user would, without a display; it must come up and stay up.
mkdir -m 0700 "$tmp/runtime"
QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$tmp/runtime" "$program" >"$tmp/program.log" 2>&1 &
program_pid=$!
for _ in $(seq 20); do
  sleep 0.1
  if ! kill -0 "$program_pid" 2>/dev/null; then
    status=0; wait "$program_pid" || status=$?
    program_pid=
    cat "$tmp/program.log" >&2
    fail "the packaged program ended by itself at start (exit status $status)"
  fi
done
kill -TERM "$program_pid"
status=0; wait "$program_pid" || status=$?
program_pid=
[ "$status" -eq 143 ] || { cat "$tmp/program.log" >&2; fail "the packaged program did not end by SIGTERM (status $status)"; }
echo "PASS: $(basename "$deb"), $(wc -l <"$tmp/got") files, Depends: $depends; ran 2 s offscreen;" \
  "lintian: $(grep -c '^I: ' "$tmp/lintian.log") info tags, no error or warning"
