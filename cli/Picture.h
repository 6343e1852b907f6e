#pragma once
// The runner's picture: a raster canvas painted as in the workbench, saved as
// a PNG file after the run. It brings the application object that drawing
// text needs, on the offscreen platform unless QT_QPA_PLATFORM says
// otherwise.

#include <memory>
#include <string>

#include "graphics/Canvas.h"

namespace morvane {

class Picture {
 public:
  virtual ~Picture() = default;
  virtual Canvas& canvas() = 0;
  // Writes the picture as a PNG file; false when it cannot be written.
  [[nodiscard]] virtual bool save(const std::string& path) = 0;
};

// Pictures are painted by a module of their own (cli/PictureModule), loaded
// only when a picture is needed, so that a run which draws nothing starts
// without Qt. Whether the module is there to be loaded.
bool CanMakePictures();

// A white picture of the given size at 96 dots per inch; nullptr when the
// module is missing or cannot be loaded.
std::unique_ptr<Picture> CreatePicture(PixelSize size, const char* programName);

// The module's one entry point, a C function so that it can be found by
// name: a new picture, owned by the caller, or nullptr.
constexpr const char* CreatePictureEntry = "morvane_create_picture";
using CreatePictureFunction = Picture* (*)(int width, int height, const char* programName);

}  // namespace morvane
