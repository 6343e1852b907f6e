// The runner built without Qt has no picture to save.

#include "cli/Picture.h"

namespace morvane {

std::unique_ptr<Picture> CreatePicture(PixelSize, const char*) { return nullptr; }

}  // namespace morvane
