#!/bin/sh
# check-style.sh: whether every C++ source of the repository is laid out as
# .clang-format says (exit 1 and the places if not). To lay a file out:
#   clang-format -i FILE
cd "$(dirname "$0")/.." || exit 2
git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror
