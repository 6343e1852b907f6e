#include "exec/FileSystemOperations.h"

#include <filesystem>
#include <system_error>
#include <vector>

namespace morvane {

namespace fs = std::filesystem;

namespace {

constexpr char Separator = '/';
constexpr char AnyRun = '*';
constexpr char AnyOne = '?';
constexpr char HiddenMark = '.';

bool hasWildcard(std::string_view name) {
  return name.find_first_of("*?") != std::string_view::npos;
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

std::string CurrentDirectory() {
  std::error_code error;
  const fs::path path = fs::current_path(error);
  return error ? std::string() : path.string();
}

bool ChangeDirectory(const std::string& path) {
  std::error_code error;
  fs::current_path(path, error);
  return !error;
}

bool MakeDirectory(const std::string& path) {
  std::error_code error;
  return fs::create_directory(path, error) && !error;
}

bool RemoveDirectory(const std::string& path) {
  std::error_code error;
  if (!fs::is_directory(fs::symlink_status(path, error))) return false;
  return fs::remove(path, error) && !error;
}

bool MatchesWildcard(std::string_view pattern, std::string_view name) {
  if (!name.empty() && name.front() == HiddenMark &&
      (pattern.empty() || pattern.front() != HiddenMark)) {
    return false;
  }
  // A walk along both texts. At a "*" the match first takes no characters;
  // when a later character fails, the last "*" takes one character more and
  // the walk resumes after it.
  std::size_t p = 0;
  std::size_t n = 0;
  std::size_t starAt = std::string_view::npos;  // the last "*" met in the pattern
  std::size_t starTakesUpTo = 0;                // where the name resumes after it
  while (n < name.size()) {
    if (p < pattern.size() && pattern[p] == AnyRun) {
      starAt = p++;
      starTakesUpTo = n;
    } else if (p < pattern.size() && (pattern[p] == AnyOne || pattern[p] == name[n])) {
      ++p;
      ++n;
    } else if (starAt != std::string_view::npos) {
      p = starAt + 1;
      n = ++starTakesUpTo;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == AnyRun) ++p;
  return p == pattern.size();
}

bool DeleteFiles(const std::string& name) {
  if (name.empty()) return false;
  const std::size_t slash = name.rfind(Separator);
  const std::string pattern = slash == std::string::npos ? name : name.substr(slash + 1);
  if (!hasWildcard(pattern)) return deleteOneFile(name);

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

bool CopyFile(const std::string& from, const std::string& to) {
  std::error_code error;
  return fs::copy_file(from, to, fs::copy_options::overwrite_existing, error) && !error;
}

bool RenameFile(const std::string& from, const std::string& to) {
  if (nameTaken(to)) return false;
  std::error_code error;
  fs::rename(from, to, error);
  return !error;
}

}  // namespace morvane
