#!/usr/bin/env bash
# Takes the README's picture of the debugger: builds
# morvane-debugger-screenshot and runs it under Xvfb with a program stopped
# at a breakpoint inside a recursive function.
#   tools/screenshot-debugger.sh [PROGRAM.bas LINE [OUTPUT.png]]
# (MORVANE_BUILD_DIR names another build directory than build/.)
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
program="${1:-$top/docs/pictures/debugger.bas}"
line="${2:-15}"
output="${3:-$top/docs/pictures/debugger.png}"
build="${MORVANE_BUILD_DIR:-$top/build}"
if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
cmake --build "$build" --target morvane-debugger-screenshot
runtime="$(mktemp -d)"
chmod 700 "$runtime"
XDG_RUNTIME_DIR="$runtime" xvfb-run --auto-servernum --server-args="-screen 0 1280x800x24" \
  "$build/tools/screenshot/morvane-debugger-screenshot" "$program" "$line" "$output"
rm -rf "$runtime"
echo "wrote $output"
