#!/usr/bin/env bash
# Times whole programs through morvane-run beside the same programs in
# yabasic, python3 and Lua 5.4, side by side in one run, and prints a table
# ready to paste into the README: the best time of several runs for each,
# and the runner's time divided by each peer's (below 1: the runner is
# faster). Every program's output is checked against the others'.
#
# Programs: benchmarks/side-by-side/ and, when it is there, ../shared/bench/
# beside the checkout; both hold morvane/*.bas, yabasic/*.yab, python/*.py
# and lua/*.lua of the same names. With the workbench built, each program
# also runs with F5 in an offscreen document window (workbench_benchmark),
# set beside the runner's time.
#
#   benchmarks/side-by-side.sh [--runs N] [--build DIR] [--shared DIR] [--no-workbench] [--wall]
#
# Missing peers are installed with apt-get (as root, or through sudo).
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
top="$(cd "$here/.." && pwd)"
runs=3
build="$top/build"
workbench=yes
wall=no
shared="$top/../shared/bench"
while [ $# -gt 0 ]; do
  case "$1" in
    --runs) runs="$2"; shift 2 ;;
    --build) build="$(cd "$2" && pwd)"; shift 2 ;;
    --shared) shared="$2"; shift 2 ;;
    --no-workbench) workbench=no; shift ;;
    --wall) wall=yes; shift ;;
    *) echo "usage: $0 [--runs N] [--build DIR] [--shared DIR] [--no-workbench] [--wall]" >&2; exit 2 ;;
  esac
done
runner="$build/cli/morvane-run"
workbench_benchmark="$build/benchmarks/workbench_benchmark"
[ -x "$runner" ] || { echo "no runner at $runner: build first (tools/run.sh or tools/test.sh)" >&2; exit 2; }

# ---- Peers ------------------------------------------------------------------
missing=()
command -v yabasic >/dev/null || missing+=(yabasic)
command -v lua5.4 >/dev/null || missing+=(lua5.4)
[ -x /usr/bin/python3 ] || missing+=(python3)
[ -x /usr/bin/time ] || missing+=(time)
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo=sudo
  $sudo apt-get update -qq
  $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
# Debian's python3, not a wrapper script of a version manager that would
# add its own start-up to every run.
python=/usr/bin/python3

# ---- Measuring ----------------------------------------------------------------
# The machine is often shared, and a busy machine stretches the elapsed time
# of every program alike but not their processor time: the table shows the
# processor time (user + system) unless --wall asks for the elapsed time.
#
# One line "elapsed processor peak_kb" for the best of $runs runs of a
# command (its output thrown away): the times from the kernel's account of
# the child, the peak memory from GNU time (a child spawned from python
# would report python's memory as its own peak).
measure() {
  "$python" - "$runs" "$@" <<'PY'
import os, sys, time
runs, command = int(sys.argv[1]), sys.argv[2:]
quiet = [(os.POSIX_SPAWN_OPEN, 0, "/dev/null", os.O_RDONLY, 0),
         (os.POSIX_SPAWN_OPEN, 1, "/dev/null", os.O_WRONLY, 0),
         (os.POSIX_SPAWN_OPEN, 2, "/dev/null", os.O_WRONLY, 0)]
best = None
for _ in range(runs):
    start = time.perf_counter()
    pid = os.posix_spawnp(command[0], command, os.environ, file_actions=quiet)
    _, _, usage = os.wait4(pid, 0)
    run = (time.perf_counter() - start, usage.ru_utime + usage.ru_stime)
    best = run if best is None else (min(best[0], run[0]), min(best[1], run[1]))
print("%.3f %.3f" % best[:2], end=" ")
PY
  /usr/bin/time -f '%M' "$@" 2>&1 >/dev/null </dev/null | tail -1
}

# The chosen time of a measure line, and its peak memory in MB.
time_of() { if [ "$wall" = yes ]; then echo "$1" | cut -d' ' -f1; else echo "$1" | cut -d' ' -f2; fi; }
peak_of() { echo "$1" | awk '{ printf "%.1f", $3 / 1024 }'; }

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.2f", a / b; else printf "-" }'; }

# Output with blanks at the line ends and CRs taken off: the languages
# differ only there.
normalised() { "$@" 2>&1 </dev/null | tr -d '\r' | sed 's/^ *//; s/ *$//' | md5sum | cut -c1-32; }

# ---- The machine ----------------------------------------------------------------
kind="processor time (user + system)"
[ "$wall" = no ] || kind="elapsed time"
cpu="$(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ *//')"
echo "Measured $(date -u '+%Y-%m-%d %H:%M UTC') on $(nproc) cores of $cpu, $(uname -sr),"
echo "load average $(cut -d' ' -f1-3 /proc/loadavg) at the start; $kind in seconds, best of $runs runs."
echo "$(yabasic --version 2>&1 | head -1 | cut -d, -f1); $($python --version 2>&1); $(lua5.4 -v 2>&1 | cut -d' ' -f1-2)."
echo

scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
printf 'PRINT 0\r\n' >"$scratch/start.bas"
printf 'print 0\n' >"$scratch/start.yab"
saved_runs=$runs
runs=$(( runs * 5 ))
m="$(measure "$runner" "$scratch/start.bas")"
y="$(measure yabasic "$scratch/start.yab")"
echo "Start-up, PRINT 0 (best of $runs runs): morvane-run $(echo "$m" | awk '{ printf "%.1f ms elapsed, %.1f ms processor", $1 * 1000, $2 * 1000 }')," \
     "peak memory $(peak_of "$m") MB; yabasic $(echo "$y" | awk '{ printf "%.1f ms elapsed, %.1f ms processor", $1 * 1000, $2 * 1000 }')," \
     "peak memory $(peak_of "$y") MB."
runs=$saved_runs
echo

with_workbench=no
if [ "$workbench" = yes ] && [ -x "$workbench_benchmark" ]; then with_workbench=yes; fi

# ---- One table per folder of programs ---------------------------------------------------
table() {
  local folder="$1" title="$2"
  echo "$title"
  echo
  local header="| program | morvane-run | yabasic | python3 | lua5.4 | vs yabasic | vs python3 | vs lua5.4 | peak MB |"
  local rule="|---|---|---|---|---|---|---|---|---|"
  if [ "$with_workbench" = yes ]; then
    header="$header workbench F5 | workbench / runner |"
    rule="$rule---|---|"
  fi
  echo "$header"
  echo "$rule"
  local program name m y p l row check wb
  for program in "$folder"/morvane/*.bas; do
    name="$(basename "$program" .bas)"
    local yab="$folder/yabasic/$name.yab" py="$folder/python/$name.py" lua="$folder/lua/$name.lua"
    # The same output from all four, or the row says which differ.
    check=""
    local expected
    expected="$(normalised "$runner" "$program")"
    [ "$(normalised yabasic "$yab")" = "$expected" ] || check="$check yabasic"
    [ "$(normalised "$python" "$py")" = "$expected" ] || check="$check python3"
    [ "$(normalised lua5.4 "$lua")" = "$expected" ] || check="$check lua5.4"
    m="$(measure "$runner" "$program")"
    y="$(measure yabasic "$yab")"
    p="$(measure "$python" "$py")"
    l="$(measure lua5.4 "$lua")"
    local mt yt pt lt
    mt="$(time_of "$m")"; yt="$(time_of "$y")"; pt="$(time_of "$p")"; lt="$(time_of "$l")"
    row="| $name${check:+ (output differs:$check)} | $mt | $yt | $pt | $lt | $(ratio "$mt" "$yt") | $(ratio "$mt" "$pt") | $(ratio "$mt" "$lt") | $(peak_of "$m") |"
    if [ "$with_workbench" = yes ]; then
      # One window per process, started three times: a process that lands on
      # a core slowed by other work keeps that core for all its runs.
      wb=""
      for _ in 1 2 3; do
        wb="$wb$(QT_QPA_PLATFORM=offscreen "$workbench_benchmark" --runs "$runs" "$program" 2>/dev/null | cut -d' ' -f2-)"$'\n'
      done
      wb="$(time_of "$(awk 'NF == 2 { if (!n++ || $1 < e) e = $1; if (n == 1 || $2 < p) p = $2 } END { if (n) print e, p }' <<<"$wb")")"
      row="$row ${wb:--} | $(ratio "${wb:-0}" "$mt") |"
    fi
    echo "$row"
  done
  echo
}

table "$here/side-by-side" "Programs of benchmarks/side-by-side/:"
if [ -d "$shared/morvane" ]; then
  table "$(cd "$shared" && pwd)" "Programs of ../shared/bench/:"
fi
