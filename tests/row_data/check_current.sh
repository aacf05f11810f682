#!/bin/sh
# check_current.sh TOOL COMMITTED: fails, showing the difference, when the
# committed file is not what TOOL writes.
tool=$1
committed=$2
if ! "$tool" | diff -u "$committed" -; then
    echo "$committed is stale; regenerate it: $(basename "$tool") > $committed" >&2
    exit 1
fi
