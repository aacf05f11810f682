#!/bin/bash
# Runs the GIF fuzzer of an existing fuzz build for a number of seconds.
# Usage: fuzz/gif/run.sh BUILD_DIR SECONDS [libFuzzer options...]
# Builds nothing. Writes the seed corpus first when it is missing; inputs
# the fuzzer finds go to BUILD_DIR/fuzz/gif/corpus, crashes to
# BUILD_DIR/fuzz/gif/artifacts. Exits non-zero on a finding.
set -euo pipefail
if [[ $# -lt 2 ]]; then
  echo "usage: $0 BUILD_DIR SECONDS [libFuzzer options...]" >&2
  exit 2
fi
build=$(cd "$1" && pwd)
seconds=$2
shift 2
dir=$build/fuzz/gif
if [[ ! -x $dir/gif_fuzzer || ! -x $dir/gif_fuzz_seeds ]]; then
  echo "$dir has no gif_fuzzer: configure with -DTALLYRA_FUZZ=ON (CC=clang CXX=clang++) and build gif_fuzzer gif_fuzz_seeds" >&2
  exit 2
fi
if [[ ! -d $dir/seeds || -z $(ls -A "$dir/seeds") ]]; then
  "$dir/gif_fuzz_seeds" "$dir/seeds"
fi
mkdir -p "$dir/corpus" "$dir/artifacts"
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
exec "$dir/gif_fuzzer" -max_total_time="$seconds" -max_len=65536 -rss_limit_mb=4096 -timeout=20 \
  -print_final_stats=1 -artifact_prefix="$dir/artifacts/" "$@" "$dir/corpus" "$dir/seeds"
