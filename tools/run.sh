#!/usr/bin/env bash
# Installs what is missing, builds Morvane, and runs an example program with
# the headless runner. Any arguments are passed to morvane-run instead.
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
"$top/tools/install-dependencies.sh"
cmake -S "$top" -B "$top/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$top/build" --target morvane-run
if [ $# -eq 0 ]; then
  set -- "$top/examples/hello.bas"
fi
exec "$top/build/cli/morvane-run" "$@"
