#!/bin/sh
# Runs many random programs through both engines and compares them (the
# test suite runs a few hundred). Usage: tools/differential.sh [PROGRAMS [SEED]]
#   build/tests/unit/fast_tests must be built.
set -e
cd "$(dirname "$0")/.."
programs=${1:-5000}
seed=${2:-$(date +%s)}
echo "differential: $programs programs, seed $seed"
MORVANE_DIFFERENTIAL_PROGRAMS=$programs MORVANE_DIFFERENTIAL_SEED=$seed \
  build/tests/unit/fast_tests --gtest_filter='DifferentialTest.Random*:DifferentialTest.Typed*'
