#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test twice: in a plain
# build, and in a build with AddressSanitizer and UndefinedBehaviorSanitizer;
# then replays every fuzz target's seeds and saved reproducers and fuzzes each
# briefly (fuzz/smoke.sh).
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
"$top/tools/install-dependencies.sh"
jobs="$(nproc)"
# A compiler cache, where one is installed, makes repeated builds quick; the
# builds are the same with or without it.
if command -v ccache >/dev/null && [ -z "${CMAKE_CXX_COMPILER_LAUNCHER:-}" ]; then
  export CMAKE_CXX_COMPILER_LAUNCHER=ccache
fi

run_suite() {
  local dir="$1"; shift
  cmake -S "$top" -B "$dir" -G Ninja "$@" >/dev/null
  cmake --build "$dir" -j "$jobs"
  ctest --test-dir "$dir" -j "$jobs" --output-on-failure --timeout 300
}

echo "== plain build"
run_suite "$top/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
echo "== sanitizer build (ASan + UBSan)"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  run_suite "$top/build-asan" -DCMAKE_BUILD_TYPE=Debug -DMORVANE_SANITIZE=ON -DMORVANE_BUILD_BENCHMARKS=OFF
echo "== fuzz targets (clang, ASan + UBSan): replay and smoke run"
"$top/fuzz/smoke.sh"
