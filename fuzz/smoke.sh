#!/usr/bin/env bash
# The test command's fuzz step. First every target replays its seeds and
# every reproducer ever saved: deterministic, and any crash fails the step.
# Then each target fuzzes for SECONDS (20 unless given) from its seeds; what
# such a short run finds is reported, with its input, but does not fail the
# step, since another run might not find it: fuzz/run.sh keeps it.
set -euo pipefail
source "$(dirname "$0")/common.sh"
seconds="${1:-20}"

build_fuzz_targets
gather_seeds
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:allocator_may_return_null=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$top/fuzz/lsan.supp:print_suppressions=0"

replay_failed=0
for target in $(fuzz_targets); do
  binary="$fuzz_build/fuzz/fuzz_$target"
  inputs=("$fuzz_build/seeds/$target"/*)
  [ -d "$reproducers/$target" ] && inputs+=("$reproducers/$target"/*)
  echo "== fuzz replay: $target (${#inputs[@]} inputs)"
  if ! "$binary" -timeout=30 -rss_limit_mb=2560 "${inputs[@]}" >"$fuzz_build/replay-$target.log" 2>&1; then
    tail -40 "$fuzz_build/replay-$target.log"
    echo "fuzz replay of $target FAILED (log: $fuzz_build/replay-$target.log)"
    replay_failed=1
  fi
done

for target in $(fuzz_targets); do
  binary="$fuzz_build/fuzz/fuzz_$target"
  scratch="$(mktemp -d)"
  rm -f "$fuzz_build"/smoke-"$target"-*
  echo "== fuzz smoke run: $target, $seconds s"
  if ! "$binary" -max_total_time="$seconds" -dict="$dictionary" -timeout=10 -rss_limit_mb=2560 \
      -max_len=4096 -artifact_prefix="$fuzz_build/smoke-$target-" "$scratch" "$fuzz_build/seeds/$target" \
      >"$fuzz_build/smoke-$target.log" 2>&1; then
    tail -40 "$fuzz_build/smoke-$target.log"
    echo "NEW FINDING of $target (not failing the build): $(ls "$fuzz_build"/smoke-"$target"-* 2>/dev/null | tr '\n' ' ')"
  else
    grep -o 'cov: [0-9]* ft: [0-9]*' "$fuzz_build/smoke-$target.log" | tail -1 | sed "s/^/$target: /"
  fi
  rm -rf "$scratch"
done
exit "$replay_failed"
