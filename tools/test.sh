#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test:
#   1. the whole suite: widget tests headless, real-window tests under Xvfb,
#      a scripted session under Valgrind, the asset checks where the asset
#      tools are installed;
#   2. the program and its tests again under AddressSanitizer, LeakSanitizer
#      and UndefinedBehaviorSanitizer, with a minute of random number entry;
#   3. the GIF reader's fuzz target for a minute.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
jobs=$(nproc)
"$root/tools/install-deps.sh" build run test

section() { printf '\n==== %s ====\n' "$1"; }

source "$root/tools/xvfb.sh"
trap '[ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true' EXIT

export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}

section "build"
cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$root/build" -j"$jobs"

section "tests"
start_xvfb
ctest --test-dir "$root/build" --output-on-failure -j"$jobs"

section "under AddressSanitizer, LeakSanitizer and UndefinedBehaviorSanitizer"
cmake -S "$root" -B "$root/build-asan" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTALLYRA_CORE_ONLY=OFF -DTALLYRA_SANITIZE=ON >/dev/null
cmake --build "$root/build-asan" -j"$jobs"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 TALLYRA_ENTRY_FUZZ_SECONDS=60 \
  ctest --test-dir "$root/build-asan" --output-on-failure -j"$jobs" -LE "x11|assets|install"

section "fuzzing"
CC=clang CXX=clang++ cmake -S "$root" -B "$root/build-fuzz" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DTALLYRA_CORE_ONLY=ON -DTALLYRA_FUZZ=ON >/dev/null
cmake --build "$root/build-fuzz" -j"$jobs" --target gif_fuzzer gif_fuzz_seeds
ctest --test-dir "$root/build-fuzz" --output-on-failure -L fuzz
