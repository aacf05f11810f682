#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test:
#   1. the program built as on a machine without the test packages (hidden
#      from the configure, as tools/run.sh builds it), then in the same tree
#      the tests and benchmarks, and the whole suite: widget tests headless,
#      real-window tests under Xvfb, a scripted session under Valgrind, the
#      asset checks;
#   2. the program and its tests again under AddressSanitizer, LeakSanitizer
#      and UndefinedBehaviorSanitizer, with half a minute of random number
#      entry (not the checks of every row's text over every number, label
#      "exhaustive", which would take minutes there: the session, the random
#      entry and the recogniser's fuzzer run the same code sanitized; such
#      tests are not even built there);
#   3. the fuzz targets (the GIF reader, the recogniser), half a minute each,
#      side by side.
# The first build goes without debug information and the sanitized one with
# line tables only: what a failure's report needs, in less build time; each
# library compiles in a few large units (TALLYRA_UNITY_BUILD).
# Every build treats warnings as errors, and a check that would be skipped
# for want of a tool fails: every package group is installed first.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
jobs=$(nproc)
"$root/tools/install-deps.sh" --all
strict=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DTALLYRA_TESTS=ON -DTALLYRA_WERROR=ON -DTALLYRA_STRICT_CHECKS=ON
        -DTALLYRA_UNITY_BUILD=ON)

section() { printf '\n==== %s (%s) ====\n' "$1" "$(date +%T)"; }

# ctest, failing also when it reports a test that did not run.
run_ctest() {
  local log status=0
  log=$(mktemp)
  ctest "$@" 2>&1 | tee "$log" || status=$?
  if grep -q "tests did not run" "$log"; then
    echo "a check did not run: every check must run under the test command" >&2
    status=1
  fi
  rm -f "$log"
  return "$status"
}

source "$root/tools/xvfb.sh"
trap '[ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true' EXIT

export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}

section "build"
flags=(-DTALLYRA_WERROR=ON -DTALLYRA_UNITY_BUILD=ON -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 -DNDEBUG")
"$root/tools/build-program.sh" "$root/build" "${flags[@]}" \
  -DCMAKE_DISABLE_FIND_PACKAGE_GIF=ON -DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON
echo "the program builds without the test packages"
cmake -S "$root" -B "$root/build" "${strict[@]}" "${flags[@]}" -DTALLYRA_BENCH=ON \
  -DCMAKE_DISABLE_FIND_PACKAGE_GIF=OFF -DCMAKE_DISABLE_FIND_PACKAGE_benchmark=OFF >/dev/null
cmake --build "$root/build" -j"$jobs"

section "tests"
start_xvfb
run_ctest --test-dir "$root/build" --output-on-failure -j"$jobs"

section "under AddressSanitizer, LeakSanitizer and UndefinedBehaviorSanitizer"
cmake -S "$root" -B "$root/build-asan" "${strict[@]}" -DTALLYRA_CORE_ONLY=OFF -DTALLYRA_SANITIZE=ON \
  -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g1 -DNDEBUG" >/dev/null
cmake --build "$root/build-asan" -j"$jobs"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 TALLYRA_ENTRY_FUZZ_SECONDS=30 \
  run_ctest --test-dir "$root/build-asan" --output-on-failure -j"$jobs" -LE "x11|assets|install|exhaustive"

section "fuzzing"
CC=clang CXX=clang++ cmake -S "$root" -B "$root/build-fuzz" "${strict[@]}" \
  -DTALLYRA_CORE_ONLY=ON -DTALLYRA_FUZZ=ON >/dev/null
cmake --build "$root/build-fuzz" -j"$jobs" --target gif_fuzzer gif_fuzz_seeds recognise_fuzzer recognise_fuzz_seeds
run_ctest --test-dir "$root/build-fuzz" --output-on-failure -j"$jobs" -L fuzz
section "done"
