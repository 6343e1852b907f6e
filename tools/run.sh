#!/usr/bin/env bash
# Installs what is missing, builds Morvane and starts the workbench with an
# example program open (press F5 to run it). Files named as arguments are
# opened instead. Without a display (no DISPLAY or WAYLAND_DISPLAY), the
# program runs in the headless runner instead, which writes what it prints
# to the terminal and what it draws into a picture in the build folder
# (build/NAME.png), and says where that is.
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
"$top/tools/install-dependencies.sh"
cmake -S "$top" -B "$top/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$top/build" --target morvane morvane-run
if [ $# -eq 0 ]; then
  set -- "$top/examples/house.bas"
fi
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  exec "$top/build/workbench/morvane" "$@"
fi
picture="$top/build/$(basename "${1%.*}").png"
echo "No display: running $1 with the headless runner (morvane-run)." >&2
rm -f "$picture"
status=0
"$top/build/cli/morvane-run" --canvas "$picture" "$1" || status=$?
if [ -f "$picture" ]; then
  echo "What the program drew is in $picture" >&2
fi
exit "$status"
