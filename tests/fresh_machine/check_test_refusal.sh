#!/usr/bin/env bash
# Usage: check_test_refusal.sh SOURCE_DIR WORK_DIR
# A configure that asks for the tests with one of their packages hidden
# fails and names the Debian package to install. (That the program itself
# builds with those packages hidden, as tools/run.sh builds it, the test
# command shows first: it builds the program so before the tests.)
set -uo pipefail
source=$1 work=$2
fail() { echo "FAIL: $*" >&2; exit 1; }

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
echo "the tests refuse to configure without their packages"
