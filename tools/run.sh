#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$root/tools/install-deps.sh" build run
"$root/tools/build-program.sh" "$root/build"
exec "$root/build/app/tallyra" "$@"
