#include "core/DiskFileSystem.h"

#include <filesystem>
#include <fstream>
#include <system_error>
#include <vector>

#include "core/WildcardMatch.h"

namespace morvane {

namespace fs = std::filesystem;

namespace {

constexpr char Separator = '/';

std::ios::openmode openModeFor(FileMode mode) {
  switch (mode) {
    case FileMode::Input:
      return std::ios::in | std::ios::binary;
    case FileMode::Output:
      return std::ios::out | std::ios::trunc | std::ios::binary;
    case FileMode::Append:
      return std::ios::out | std::ios::app | std::ios::binary;
  }
  return std::ios::in | std::ios::binary;
}

// Whether something of that name exists, a dangling link included.
bool nameTaken(const fs::path& path) {
  std::error_code error;
  return fs::exists(fs::symlink_status(path, error));
}

bool isDirectory(const fs::path& path) {
  std::error_code error;
  return fs::is_directory(path, error);
}

// Deletes one file; a directory, or a name that names nothing, is refused.
bool deleteOneFile(const fs::path& path) {
  if (!nameTaken(path) || isDirectory(path)) return false;
  std::error_code error;
  return fs::remove(path, error) && !error;
}

}  // namespace

std::unique_ptr<std::iostream> DiskFileSystem::openFile(const std::string& path, FileMode mode) {
  // A directory is no text file, though the platform would let it be
  // "opened" for reading.
  if (path.empty() || isDirectory(path)) return nullptr;
  auto file = std::make_unique<std::fstream>(path, openModeFor(mode));
  if (!file->is_open()) return nullptr;
  return file;
}

std::string DiskFileSystem::currentDirectory() {
  std::error_code error;
  const fs::path path = fs::current_path(error);
  return error ? std::string() : path.string();
}

bool DiskFileSystem::changeDirectory(const std::string& path) {
  std::error_code error;
  fs::current_path(path, error);
  return !error;
}

bool DiskFileSystem::makeDirectory(const std::string& path) {
  std::error_code error;
  return fs::create_directory(path, error) && !error;
}

bool DiskFileSystem::removeDirectory(const std::string& path) {
  std::error_code error;
  if (!fs::is_directory(fs::symlink_status(path, error))) return false;
  return fs::remove(path, error) && !error;
}

bool DiskFileSystem::deleteFiles(const std::string& name) {
  if (name.empty()) return false;
  const std::size_t slash = name.rfind(Separator);
  const std::string pattern = slash == std::string::npos ? name : name.substr(slash + 1);
  if (!HasWildcard(pattern)) return deleteOneFile(name);

  // The directory part as written ("/" for the root, "." for none).
  const fs::path directory = slash == std::string::npos ? fs::path(".")
                             : slash == 0               ? fs::path("/")
                                                        : fs::path(name.substr(0, slash));

  // The matches are gathered first, so the directory does not change while
  // it is read.
  std::vector<fs::path> matches;
  std::error_code error;
  for (fs::directory_iterator entry(directory, error), end; !error && entry != end;
       entry.increment(error)) {
    const std::string fileName = entry->path().filename().string();
    if (!MatchesWildcard(pattern, fileName)) continue;
    if (isDirectory(entry->path())) continue;
    matches.push_back(entry->path());
  }
  if (error || matches.empty()) return false;

  for (const fs::path& match : matches) {
    if (!deleteOneFile(match)) return false;
  }
  return true;
}

bool DiskFileSystem::copyFile(const std::string& from, const std::string& to) {
  std::error_code error;
  return fs::copy_file(from, to, fs::copy_options::overwrite_existing, error) && !error;
}

bool DiskFileSystem::renameFile(const std::string& from, const std::string& to) {
  if (nameTaken(to)) return false;
  std::error_code error;
  fs::rename(from, to, error);
  return !error;
}

}  // namespace morvane
