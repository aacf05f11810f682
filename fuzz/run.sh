#!/bin/bash
# Runs one fuzzer of an existing fuzz build for a number of seconds.
# Usage: fuzz/run.sh BUILD_DIR AREA SECONDS [libFuzzer options...]
# AREA is a folder of fuzz/ (gif, recognise) whose targets are AREA_fuzzer
# and AREA_fuzz_seeds. Builds nothing. Writes the seed corpus first when it
# is missing; inputs the fuzzer finds go to BUILD_DIR/fuzz/AREA/corpus,
# crashes to BUILD_DIR/fuzz/AREA/artifacts. Exits non-zero on a finding.
# An input that takes 20 s counts as a finding (the options may set less).
set -euo pipefail
if [[ $# -lt 3 ]]; then
  echo "usage: $0 BUILD_DIR AREA SECONDS [libFuzzer options...]" >&2
  exit 2
fi
build=$(cd "$1" && pwd)
area=$2
seconds=$3
shift 3
dir=$build/fuzz/$area
if [[ ! -x $dir/${area}_fuzzer || ! -x $dir/${area}_fuzz_seeds ]]; then
  echo "$dir has no ${area}_fuzzer: configure with -DTALLYRA_FUZZ=ON (CC=clang CXX=clang++) and build ${area}_fuzzer ${area}_fuzz_seeds" >&2
  exit 2
fi
if [[ ! -d $dir/seeds || -z $(ls -A "$dir/seeds") ]]; then
  "$dir/${area}_fuzz_seeds" "$dir/seeds"
fi
mkdir -p "$dir/corpus" "$dir/artifacts"
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
exec "$dir/${area}_fuzzer" -max_total_time="$seconds" -max_len=65536 -rss_limit_mb=4096 -timeout=20 \
  -print_final_stats=1 -artifact_prefix="$dir/artifacts/" "$@" "$dir/corpus" "$dir/seeds"
