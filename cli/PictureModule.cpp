// Finds and loads the picture module. Qt takes tens of milliseconds and
// megabytes to load, and most runs draw nothing: the runner links no Qt
// itself and loads the module (which does) only for the first picture.
//
// The module is looked for relative to the runner's own file, so that the
// build tree and an installed copy both work without a search path:
//   <bin>/../lib/morvane/morvane-picture.so   (installed: bin/ and lib/)
//   <bin>/morvane-picture.so                  (the build tree)

#include <dlfcn.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <string>
#include <vector>

#include "cli/Picture.h"

namespace morvane {

namespace {

constexpr const char* ModuleName = "morvane-picture.so";

// The folder of the running executable, with its final "/".
std::string executableFolder() {
  std::array<char, 4096> path{};
  const ssize_t length = readlink("/proc/self/exe", path.data(), path.size() - 1);
  if (length <= 0) return {};
  const std::string file(path.data(), static_cast<std::size_t>(length));
  return file.substr(0, file.rfind('/') + 1);
}

// Where the module may be, the installed place first.
std::vector<std::string> candidatePaths() {
  const std::string folder = executableFolder();
  if (folder.empty()) return {};
  return {folder + "../lib/morvane/" + ModuleName, folder + ModuleName};
}

std::string modulePath() {
  for (const std::string& path : candidatePaths()) {
    struct stat info {};
    if (stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode)) return path;
  }
  return {};
}

// The module's entry point, loaded once; the module stays loaded until the
// process ends (Qt does not expect to be unloaded).
CreatePictureFunction loadModule() {
  static CreatePictureFunction entry = [] () -> CreatePictureFunction {
    const std::string path = modulePath();
    if (path.empty()) return nullptr;
    void* module = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (module == nullptr) {
      std::fprintf(stderr, "morvane-run: %s\n", dlerror());
      return nullptr;
    }
    return reinterpret_cast<CreatePictureFunction>(dlsym(module, CreatePictureEntry));
  }();
  return entry;
}

}  // namespace

bool CanMakePictures() { return !modulePath().empty(); }

std::unique_ptr<Picture> CreatePicture(PixelSize size, const char* programName) {
  const CreatePictureFunction create = loadModule();
  if (create == nullptr) return nullptr;
  return std::unique_ptr<Picture>(create(size.width, size.height, programName));
}

}  // namespace morvane
