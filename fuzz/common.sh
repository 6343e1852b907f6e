# Shared by fuzz/run.sh and fuzz/smoke.sh (sourced, not run): builds the fuzz
# targets with clang in their own build folder and gathers their seed inputs
# from the repository's own programs.

shopt -s nullglob
top="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
fuzz_build="${MORVANE_FUZZ_BUILD:-$top/build-fuzz}"
dictionary="$top/fuzz/morvane.dict"
reproducers="$top/fuzz/reproducers"

# Every target, and where its seeds come from.
fuzz_targets() {
  local targets=(program differential command_line number_text)
  [ -x "$fuzz_build/fuzz/fuzz_draw" ] && targets+=(draw)
  echo "${targets[@]}"
}

build_fuzz_targets() {
  local launcher=()
  command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  CC=clang CXX=clang++ cmake -S "$top" -B "$fuzz_build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DMORVANE_FUZZ=ON "${launcher[@]}" >/dev/null
  local wanted=(fuzz_program fuzz_differential fuzz_command_line fuzz_number_text)
  grep -q '^fuzz_draw:' <(ninja -C "$fuzz_build" -t targets all 2>/dev/null) && wanted+=(fuzz_draw)
  nice -n 10 cmake --build "$fuzz_build" -j "$(nproc)" --target "${wanted[@]}"
}

# Seeds: programs for the program and the differential targets, typed-command
# scripts for the command-line target, programs that draw for the drawing
# target, and the hand-made pattern and number texts of fuzz/seeds.
gather_seeds() {
  local seeds="$fuzz_build/seeds"
  rm -rf "$seeds"
  mkdir -p "$seeds"/{program,differential,command_line,draw,number_text}
  local file name
  while IFS= read -r file; do
    name="$(echo "${file#"$top"/}" | tr '/' '_')"
    cp "$file" "$seeds/program/$name"
    cp "$file" "$seeds/differential/$name"
    grep -qi 'DRAW' "$file" && cp "$file" "$seeds/draw/$name"
  done < <(find "$top/tests/programs" "$top/examples" -name '*.bas' | sort)
  while IFS= read -r file; do
    cp "$file" "$seeds/command_line/$(echo "${file#"$top"/}" | tr '/' '_')"
  done < <(find "$top/tests/programs" -name '*.cmd' | sort)
  cp "$top"/fuzz/seeds/number_text/* "$seeds/number_text/"
}
