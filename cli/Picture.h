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

// Whether this runner was built with Qt and can paint pictures.
bool CanMakePictures();

// A white picture of the given size at 96 dots per inch; nullptr when the
// runner was built without Qt.
std::unique_ptr<Picture> CreatePicture(PixelSize size, const char* programName);

}  // namespace morvane
