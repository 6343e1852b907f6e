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
#   benchmarks/side-by-side.sh [--runs N] [--build DIR] [--shared DIR] [--no-workbench]
#
# Missing peers are installed with apt-get (as root, or through sudo).
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
top="$(cd "$here/.." && pwd)"
runs=3
build="$top/build"
workbench=yes
shared="$top/../shared/bench"
while [ $# -gt 0 ]; do
  case "$1" in
    --runs) runs="$2"; shift 2 ;;
    --build) build="$(cd "$2" && pwd)"; shift 2 ;;
    --shared) shared="$2"; shift 2 ;;
    --no-workbench) workbench=no; shift ;;
    *) echo "usage: $0 [--runs N] [--build DIR] [--shared DIR] [--no-workbench]" >&2; exit 2 ;;
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
# Best wall-clock time of $runs runs, in seconds with three decimals.
best_of() {
  local best="" start end elapsed
  for ((i = 0; i < runs; i++)); do
    start=$(date +%s%N)
    "$@" >/dev/null 2>&1 </dev/null || true
    end=$(date +%s%N)
    elapsed=$(( (end - start) / 1000 ))
    if [ -z "$best" ] || [ "$elapsed" -lt "$best" ]; then best=$elapsed; fi
  done
  awk -v us="$best" 'BEGIN { printf "%.3f", us / 1e6 }'
}

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.2f", a / b; else printf "-" }'; }

# Output with blanks at the line ends and CRs taken off: the languages
# differ only there.
normalised() { "$@" 2>&1 </dev/null | tr -d '\r' | sed 's/^ *//; s/ *$//' | md5sum | cut -c1-32; }

# Peak resident memory of one run, in MB.
peak_mb() {
  /usr/bin/time -f '%M' "$@" 2>&1 >/dev/null </dev/null | tail -1 | awk '{ printf "%.1f", $1 / 1024 }'
}

# ---- The machine ----------------------------------------------------------------
cpu="$(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ *//')"
echo "Measured $(date -u '+%Y-%m-%d %H:%M UTC') on $(nproc) cores of $cpu, $(uname -sr),"
echo "load average $(cut -d' ' -f1-3 /proc/loadavg) at the start; best of $runs runs, seconds."
echo "$(yabasic --version 2>&1 | head -1 | tr -s ' '); $($python --version 2>&1); $(lua5.4 -v 2>&1 | cut -d' ' -f1-2)."
echo

startup_file="$(mktemp --suffix=.bas)"
trap 'rm -f "$startup_file"' EXIT
printf 'PRINT 0\r\n' >"$startup_file"
startup_runs=$(( runs * 5 ))
saved_runs=$runs
runs=$startup_runs
echo "Start-up, PRINT 0 (best of $startup_runs): morvane-run $(best_of "$runner" "$startup_file") s," \
     "yabasic $(printf 'print 0\n' >"$startup_file.yab"; best_of yabasic "$startup_file.yab") s;" \
     "peak memory $(peak_mb "$runner" "$startup_file") MB"
rm -f "$startup_file.yab"
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
    m="$(best_of "$runner" "$program")"
    y="$(best_of yabasic "$yab")"
    p="$(best_of "$python" "$py")"
    l="$(best_of lua5.4 "$lua")"
    row="| $name${check:+ (output differs:$check)} | $m | $y | $p | $l | $(ratio "$m" "$y") | $(ratio "$m" "$p") | $(ratio "$m" "$l") | $(peak_mb "$runner" "$program") |"
    if [ "$with_workbench" = yes ]; then
      wb="$(QT_QPA_PLATFORM=offscreen "$workbench_benchmark" --runs "$runs" "$program" 2>/dev/null | awk '{ print $2 }')"
      row="$row ${wb:--} | $(ratio "${wb:-0}" "$m") |"
    fi
    echo "$row"
  done
  echo
}

table "$here/side-by-side" "Programs of benchmarks/side-by-side/:"
if [ -d "$shared/morvane" ]; then
  table "$(cd "$shared" && pwd)" "Programs of ../shared/bench/:"
fi
