#!/usr/bin/env bash
# Installs the Debian packages of the given groups (see debian-packages.txt)
# that are not installed yet; --all: every group the file names. Uses sudo
# when not root. Idempotent.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
list="$here/debian-packages.txt"
[ $# -gt 0 ] || { echo "usage: $0 GROUP... | --all" >&2; exit 2; }

groups=("$@")
if [ "$1" = "--all" ]; then
  mapfile -t groups < <(grep -v '^\s*\(#\|$\)' "$list" | awk '{ print $1 }' | sort -u)
fi

wanted=()
for group in "${groups[@]}"; do
  while read -r g pkg; do
    [ "$g" = "$group" ] && wanted+=("$pkg")
  done < <(grep -v '^\s*\(#\|$\)' "$list")
done

missing=()
for pkg in "${wanted[@]}"; do
  status=$(dpkg-query -W -f='${db:Status-Status}' "$pkg" 2>/dev/null || true)
  [ "$status" = "installed" ] || missing+=("$pkg")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
