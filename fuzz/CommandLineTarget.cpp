// Fuzz target: command lines typed into one window's protocol, one after
// another, each ended with Enter, so each line meets the variables, files
// and history the lines before it left. A line of one control character
// presses a key instead (an arrow, Home, End, Escape, Pause, Ctrl-Break,
// F5, F8), so recalling, resetting and running the editor's program mix
// with the typed commands.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz/FuzzSession.h"
#include "graphics/RecordingCanvas.h"

namespace {

using morvane::KeyCode;

constexpr std::array<KeyCode, 11> Keys = {
    KeyCode::Up,     KeyCode::Down,  KeyCode::Left,      KeyCode::Right, KeyCode::Home, KeyCode::End,
    KeyCode::Escape, KeyCode::Pause, KeyCode::CtrlBreak, KeyCode::F5Run, KeyCode::F8Go};

// What RUN, GO, F5 and F8 find in the editor.
constexpr std::string_view EditorProgram =
    "PRINT \"editor\"; X\r\nX = X + 1\r\nPAUSE\r\nDRAW LINE (0,0) TO (X,X)\r\nEND\r\n";

// More lines than this are not typed: a longer input adds time, not reach.
constexpr std::size_t MaxLines = 64;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace morvane;
  std::string_view rest(reinterpret_cast<const char*>(data), size);

  RecordingCanvas canvas;
  canvas.setSink([](std::string_view) {});
  fuzz::FuzzSession session(canvas);
  session.window().setEditorText(EditorProgram);

  for (std::size_t lines = 0; !rest.empty() && lines < MaxLines; ++lines) {
    const std::size_t end = rest.find('\n');
    std::string_view line = rest.substr(0, end);
    rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);

    const auto first = static_cast<unsigned char>(line.empty() ? ' ' : line.front());
    if (line.size() == 1 && first < ' ') {
      session.pressKey(Keys[first % Keys.size()]);
    } else {
      session.typeLine(line);
    }
  }
  return 0;
}
