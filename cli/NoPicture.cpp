// The runner built without Qt has no picture to save.

#include "cli/Picture.h"

namespace morvane {

bool CanMakePictures() { return false; }

std::unique_ptr<Picture> CreatePicture(PixelSize, const char*) { return nullptr; }

}  // namespace morvane
