#!/usr/bin/env bash
# Configures BUILD_DIR for the program alone (no tests, no benchmarks: their
# libraries are not needed) and builds the installed programs: the window and
# tallyra-text. Further arguments go to
# the configure. Used by tools/run.sh, and by tools/test.sh with the test
# libraries hidden, as on a machine without them.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${1:?usage: build-program.sh BUILD_DIR [CMAKE_ARGUMENT...]}
shift
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTALLYRA_TESTS=OFF "$@" >/dev/null
cmake --build "$build" --target tallyra tallyra-text -j"$(nproc)"
