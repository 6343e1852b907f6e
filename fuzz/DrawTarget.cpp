// Fuzz target: drawing programs (DRAW settings and shapes among any other
// statements) run against the recording canvas, which logs every call with
// fixed metrics, in front of the raster canvas, which paints them into a
// picture as the workbench does.

#include <QGuiApplication>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "exec/ProgramFile.h"
#include "fuzz/FuzzSession.h"
#include "graphics/RecordingCanvas.h"
#include "platform/RasterCanvas.h"

namespace {

// Drawing loops cost more than counting ones: a smaller budget keeps each
// input short.
constexpr int DrawingStepBudget = 500;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  // Text is drawn through the window system's fonts, which need an
  // application object; it lives as long as the process.
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  static QGuiApplication application(*argc, *argv);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace morvane;
  if (size > static_cast<std::size_t>(LargestProgramFile)) return -1;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);

  RasterCanvas picture(QSize(640, 480));
  RecordingCanvas canvas(picture);
  canvas.setSink([](std::string_view) {});
  fuzz::FuzzSession session(canvas, DrawingStepBudget);
  session.run(WithCrLfLineEnds(bytes), KeyCode::F5Run);
  return 0;
}
