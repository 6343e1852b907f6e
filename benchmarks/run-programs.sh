#!/usr/bin/env bash
# Times the headless runner on the programs beside this script: the whole
# interpreter (line loop, statements, evaluator) as a user meets it. Build
# first (tools/run.sh or tools/test.sh); the timings are for people to read.
#   benchmarks/run-programs.sh [path/to/morvane-run]
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
runner="${1:-$here/../build/cli/morvane-run}"
for program in "$here"/programs/*.bas; do
  start=$(date +%s%N)
  "$runner" "$program" > /dev/null
  end=$(date +%s%N)
  printf '%-20s %6d ms\n' "$(basename "$program")" $(( (end - start) / 1000000 ))
done
