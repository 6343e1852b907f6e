#!/usr/bin/env bash
# Takes the README's picture of the help pane: builds morvane-help-screenshot
# and runs it under Xvfb with a program whose caret stands on a keyword.
#   tools/help-screenshot.sh [PROGRAM.bas LINE COLUMN [OUTPUT.png]]
# (MORVANE_BUILD_DIR names another build directory than build/.)
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
program="${1:-$top/docs/pictures/help.bas}"
line="${2:-5}"
column="${3:-10}"
output="${4:-$top/docs/pictures/help-pane.png}"
build="${MORVANE_BUILD_DIR:-$top/build}"
if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
cmake --build "$build" --target morvane-help-screenshot
runtime="$(mktemp -d)"
chmod 700 "$runtime"
XDG_RUNTIME_DIR="$runtime" xvfb-run --auto-servernum --server-args="-screen 0 1280x800x24" \
  "$build/tools/screenshot/morvane-help-screenshot" "$program" "$line" "$column" "$output"
rm -rf "$runtime"
echo "wrote $output"
