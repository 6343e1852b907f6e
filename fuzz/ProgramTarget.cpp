// Fuzz target: a program as the editor holds it, through the structure
// check and a run (F5), then once more stepped with Go (F8) in the same
// workspace, so the second run meets what the first left behind: global
// variables, open files, pens and coordinates.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "exec/ProgramFile.h"
#include "fuzz/FuzzSession.h"
#include "graphics/RecordingCanvas.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace morvane;
  // The workbench opens no larger program.
  if (size > static_cast<std::size_t>(LargestProgramFile)) return -1;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);

  RecordingCanvas canvas;
  canvas.setSink([](std::string_view) {});
  fuzz::FuzzSession session(canvas);
  const std::string program = WithCrLfLineEnds(bytes);
  session.run(program, KeyCode::F5Run);
  session.run(program, KeyCode::F8Go);
  return 0;
}
