#include "core/MemoryFileSystem.h"

#include <iostream>
#include <sstream>
#include <vector>

#include "core/WildcardMatch.h"

namespace morvane {

struct MemoryFileSystem::Contents {
  std::string bytes;
};

namespace {

constexpr char Separator = '/';
const std::string Root(1, Separator);

// A stream on a file in memory. Reading works on a copy of the bytes taken
// at the opening; what is written goes back into the file when the stream is
// flushed and when it ends. A file deleted meanwhile keeps its bytes until
// its last stream ends, as on the disk.
class MemoryFileBuffer final : public std::stringbuf {
 public:
  MemoryFileBuffer(std::shared_ptr<MemoryFileSystem::Contents> file, std::ios::openmode mode)
      : std::stringbuf(file->bytes, mode), m_file(std::move(file)), m_writes((mode & std::ios::out) != 0) {}
  ~MemoryFileBuffer() override { (void)sync(); }
  MemoryFileBuffer(const MemoryFileBuffer&) = delete;
  MemoryFileBuffer& operator=(const MemoryFileBuffer&) = delete;

 protected:
  int sync() override {
    if (m_writes) m_file->bytes = str();
    return 0;
  }

 private:
  std::shared_ptr<MemoryFileSystem::Contents> m_file;
  bool m_writes;
};

class MemoryFileStream final : public std::iostream {
 public:
  MemoryFileStream(std::shared_ptr<MemoryFileSystem::Contents> file, std::ios::openmode mode)
      : std::iostream(nullptr), m_buffer(std::move(file), mode) {
    rdbuf(&m_buffer);
  }
  ~MemoryFileStream() override { rdbuf(nullptr); }
  MemoryFileStream(const MemoryFileStream&) = delete;
  MemoryFileStream& operator=(const MemoryFileStream&) = delete;

 private:
  MemoryFileBuffer m_buffer;
};

std::ios::openmode openModeFor(FileMode mode) {
  switch (mode) {
    case FileMode::Input:
      return std::ios::in | std::ios::binary;
    case FileMode::Output:
      return std::ios::out | std::ios::binary;
    case FileMode::Append:
      return std::ios::out | std::ios::app | std::ios::binary;
  }
  return std::ios::in | std::ios::binary;
}

// The directory part of a full name: "/" for an entry of the root.
std::string parentOf(const std::string& full) {
  const std::size_t slash = full.rfind(Separator);
  return slash == 0 ? Root : full.substr(0, slash);
}

std::string lastPartOf(const std::string& full) { return full.substr(full.rfind(Separator) + 1); }

}  // namespace

MemoryFileSystem::MemoryFileSystem() : m_directories{Root}, m_current(Root) {}

MemoryFileSystem::~MemoryFileSystem() = default;

std::string MemoryFileSystem::resolve(const std::string& path) const {
  std::vector<std::string> parts;
  const std::string whole = !path.empty() && path.front() == Separator ? path : m_current + Separator + path;
  std::size_t from = 0;
  while (from <= whole.size()) {
    std::size_t to = whole.find(Separator, from);
    if (to == std::string::npos) to = whole.size();
    const std::string part = whole.substr(from, to - from);
    if (part == "..") {
      if (!parts.empty()) parts.pop_back();
    } else if (!part.empty() && part != ".") {
      parts.push_back(part);
    }
    from = to + 1;
  }
  std::string full;
  for (const std::string& part : parts) full += Separator + part;
  return full.empty() ? Root : full;
}

bool MemoryFileSystem::hasParentDirectory(const std::string& full) const {
  return full != Root && isDirectory(parentOf(full));
}

bool MemoryFileSystem::hasEntriesIn(const std::string& directory) const {
  const std::string prefix = directory == Root ? Root : directory + Separator;
  const auto below = [&prefix](const std::string& name) { return name.compare(0, prefix.size(), prefix) == 0; };
  const auto file = m_files.upper_bound(prefix);
  const auto subdirectory = m_directories.upper_bound(prefix);
  return (file != m_files.end() && below(file->first)) ||
         (subdirectory != m_directories.end() && below(*subdirectory));
}

bool MemoryFileSystem::exists(const std::string& path) const {
  const std::string full = resolve(path);
  return isDirectory(full) || isFile(full);
}

std::unique_ptr<std::iostream> MemoryFileSystem::openFile(const std::string& path, FileMode mode) {
  if (path.empty()) return nullptr;
  const std::string full = resolve(path);
  if (isDirectory(full)) return nullptr;
  auto found = m_files.find(full);
  if (found == m_files.end()) {
    if (mode == FileMode::Input || !hasParentDirectory(full)) return nullptr;
    found = m_files.emplace(full, std::make_shared<Contents>()).first;
  }
  if (mode == FileMode::Output) found->second->bytes.clear();
  return std::make_unique<MemoryFileStream>(found->second, openModeFor(mode));
}

bool MemoryFileSystem::changeDirectory(const std::string& path) {
  const std::string full = resolve(path);
  if (!isDirectory(full)) return false;
  m_current = full;
  return true;
}

bool MemoryFileSystem::makeDirectory(const std::string& path) {
  const std::string full = resolve(path);
  if (isDirectory(full) || isFile(full) || !hasParentDirectory(full)) return false;
  m_directories.insert(full);
  return true;
}

bool MemoryFileSystem::removeDirectory(const std::string& path) {
  const std::string full = resolve(path);
  if (full == Root || !isDirectory(full) || hasEntriesIn(full)) return false;
  m_directories.erase(full);
  return true;
}

bool MemoryFileSystem::deleteFiles(const std::string& name) {
  if (name.empty()) return false;
  const std::size_t slash = name.rfind(Separator);
  const std::string pattern = slash == std::string::npos ? name : name.substr(slash + 1);
  // A name that ends in "/" names a directory, never a file.
  if (pattern.empty()) return false;
  if (!HasWildcard(pattern)) return m_files.erase(resolve(name)) != 0;

  const std::string directory =
      resolve(slash == std::string::npos ? "." : slash == 0 ? Root : name.substr(0, slash));
  if (!isDirectory(directory)) return false;
  std::vector<std::string> matches;
  for (const auto& [full, contents] : m_files) {
    if (parentOf(full) == directory && MatchesWildcard(pattern, lastPartOf(full))) matches.push_back(full);
  }
  for (const std::string& match : matches) m_files.erase(match);
  return !matches.empty();
}

bool MemoryFileSystem::copyFile(const std::string& from, const std::string& to) {
  const auto source = m_files.find(resolve(from));
  const std::string target = resolve(to);
  if (source == m_files.end() || source->first == target) return false;
  if (isDirectory(target) || !hasParentDirectory(target)) return false;
  auto& file = m_files[target];
  if (!file) file = std::make_shared<Contents>();
  file->bytes = source->second->bytes;
  return true;
}

bool MemoryFileSystem::renameFile(const std::string& from, const std::string& to) {
  const std::string source = resolve(from);
  const std::string target = resolve(to);
  const auto found = m_files.find(source);
  if (found == m_files.end() || isFile(target) || isDirectory(target) || !hasParentDirectory(target)) {
    return false;
  }
  std::shared_ptr<Contents> contents = found->second;
  m_files.erase(found);
  m_files.emplace(target, std::move(contents));
  return true;
}

}  // namespace morvane
