#!/bin/bash
# Runs the recogniser's fuzzer of an existing fuzz build for a number of
# seconds. A linear recogniser reads the longest input in milliseconds, so
# the timeout of 10 s finds a quadratic path.
# Usage: fuzz/recognise/run.sh BUILD_DIR SECONDS [libFuzzer options...]
# Builds nothing. Writes the seed corpus first when it is missing; inputs
# the fuzzer finds go to BUILD_DIR/fuzz/recognise/corpus, crashes to
# BUILD_DIR/fuzz/recognise/artifacts. Exits non-zero on a finding.
set -euo pipefail
if [[ $# -lt 2 ]]; then
  echo "usage: $0 BUILD_DIR SECONDS [libFuzzer options...]" >&2
  exit 2
fi
build=$(cd "$1" && pwd)
seconds=$2
shift 2
dir=$build/fuzz/recognise
if [[ ! -x $dir/recognise_fuzzer || ! -x $dir/recognise_fuzz_seeds ]]; then
  echo "$dir has no recognise_fuzzer: configure with -DTALLYRA_FUZZ=ON (CC=clang CXX=clang++) and build recognise_fuzzer recognise_fuzz_seeds" >&2
  exit 2
fi
if [[ ! -d $dir/seeds || -z $(ls -A "$dir/seeds") ]]; then
  "$dir/recognise_fuzz_seeds" "$dir/seeds"
fi
mkdir -p "$dir/corpus" "$dir/artifacts"
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
exec "$dir/recognise_fuzzer" -max_total_time="$seconds" -max_len=65536 -rss_limit_mb=4096 -timeout=10 \
  -print_final_stats=1 -artifact_prefix="$dir/artifacts/" "$@" "$dir/corpus" "$dir/seeds"
