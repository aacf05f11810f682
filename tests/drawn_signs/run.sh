#!/usr/bin/env bash
# Runs the drawn signs' unit tests and self-check; exit 77 when the asset
# tools are not installed.
set -euo pipefail
drawn=$1
python=/usr/bin/python3
"$python" -c 'import fontforge, fontTools, PIL, numpy' 2>/dev/null || { echo "asset tools missing: skipped"; exit 77; }
"$python" -m unittest discover -s "$drawn" -p 'test_*.py'
"$python" "$drawn/check.py"
