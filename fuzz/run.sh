#!/usr/bin/env bash
# Runs every fuzz target for SECONDS each (60 unless given), one after the
# other. New inputs that reach new code are kept in build-fuzz/corpus/TARGET
# and start the next run from where this one ended. A crash, hang or
# exhausted memory is minimised into fuzz/reproducers/TARGET/, which the
# test command replays from then on. Ends with the executions and coverage
# of each target; the status is 1 when anything was found.
set -euo pipefail
source "$(dirname "$0")/common.sh"
seconds="${1:-60}"

build_fuzz_targets
gather_seeds
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:allocator_may_return_null=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$top/fuzz/lsan.supp:print_suppressions=0"

found=0
report="$fuzz_build/run-report.txt"
printf '%-14s %12s %8s %8s %s\n' target executions coverage features findings | tee "$report"
for target in $(fuzz_targets); do
  binary="$fuzz_build/fuzz/fuzz_$target"
  corpus="$fuzz_build/corpus/$target"
  findings="$fuzz_build/findings/$target"
  log="$fuzz_build/logs/$target.log"
  mkdir -p "$corpus" "$findings" "$(dirname "$log")"
  rm -f "$findings"/*
  # The corpus folder comes first: new inputs go there; the seeds are read only.
  nice -n 10 "$binary" -max_total_time="$seconds" -dict="$dictionary" -timeout=10 \
    -rss_limit_mb=2560 -max_len=4096 -print_final_stats=1 -artifact_prefix="$findings/" \
    "$corpus" "$fuzz_build/seeds/$target" >"$log" 2>&1 || true

  executions="$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)"
  coverage="$(grep -o 'cov: [0-9]*' "$log" | tail -1 | cut -d' ' -f2)"
  features="$(grep -o 'ft: [0-9]*' "$log" | tail -1 | cut -d' ' -f2)"
  count=0
  for artifact in "$findings"/*; do
    [ -e "$artifact" ] || continue
    count=$((count + 1))
    mkdir -p "$reproducers/$target"
    kept="$reproducers/$target/$(basename "$artifact")"
    # A crash is cut down to its smallest form; a hang or a lack of memory
    # is kept as it was found.
    case "$(basename "$artifact")" in
      crash-*)
        nice -n 10 "$binary" -minimize_crash=1 -max_total_time=120 -timeout=10 \
          -exact_artifact_path="$kept" "$artifact" >>"$log" 2>&1 || true
        [ -e "$kept" ] || cp "$artifact" "$kept" ;;
      *) cp "$artifact" "$kept" ;;
    esac
    echo "finding of $target: $kept (log: $log)" >&2
  done
  [ "$count" -gt 0 ] && found=1
  printf '%-14s %12s %8s %8s %s\n' "$target" "${executions:-?}" "${coverage:-?}" "${features:-?}" "$count" \
    | tee -a "$report"
done
exit "$found"
