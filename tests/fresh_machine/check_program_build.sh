#!/usr/bin/env bash
# Usage: check_program_build.sh SOURCE_DIR WORK_DIR [CMAKE_ARGUMENT...]
# 1. tools/build-program.sh (what tools/run.sh runs) configures a fresh cache
#    and builds the program with giflib and Google Benchmark hidden;
# 2. a configure that asks for the tests with one of them hidden fails and
#    names the Debian package to install.
# The program's objects stay in WORK_DIR between runs; only the cache is new.
set -uo pipefail
source=$1 work=$2
shift 2
hidden=(-DCMAKE_DISABLE_FIND_PACKAGE_GIF=ON -DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON)
fail() { echo "FAIL: $*" >&2; exit 1; }

"$source/tools/build-program.sh" "$work/program" --fresh "${hidden[@]}" "$@" \
  || fail "the program does not build without the test packages"
[ -x "$work/program/app/tallyra" ] || fail "no program after the build"
[ -x "$work/program/app/tallyra-text" ] || fail "no tallyra-text after the build"

# Expects the configure of the tests with PACKAGE hidden to stop, naming DEBIAN_PACKAGE.
expect_refusal() {
  local package=$1 debian_package=$2 log
  log=$(cmake -S "$source" -B "$work/tests-without-$package" --fresh -DTALLYRA_TESTS=ON \
          -DCMAKE_DISABLE_FIND_PACKAGE_"$package"=ON 2>&1) \
    && fail "the tests were configured with $package hidden"
  grep -q "$debian_package" <<<"$log" || fail "the refusal does not name $debian_package: $log"
}
expect_refusal GIF libgif-dev
expect_refusal benchmark libbenchmark-dev
echo "the program builds without the test packages; the tests refuse to configure without them"
