#include "core/FileSystem.h"

#include <istream>
#include <iterator>

namespace morvane {

bool FileSystem::readWholeFile(const std::string& path, std::string& content) {
  const std::unique_ptr<std::iostream> file = openFile(path, FileMode::Input);
  if (!file) return false;
  std::string text{std::istreambuf_iterator<char>(*file), std::istreambuf_iterator<char>()};
  if (file->bad()) return false;
  content = std::move(text);
  return true;
}

}  // namespace morvane
