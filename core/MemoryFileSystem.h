#pragma once
// A file system held in memory: directories and files of bytes, and a
// current directory of its own. It answers as the disk does for everything
// a program can ask, so tests and fuzz targets run programs that write,
// delete and rename files without touching the machine's.
//
// Names are cut at "/"; "." and ".." are resolved by the text of the name
// alone. The file system starts with the root "/" as its only directory,
// which is also the current one.

#include <map>
#include <memory>
#include <set>
#include <string>

#include "core/FileSystem.h"

namespace morvane {

class MemoryFileSystem final : public FileSystem {
 public:
  MemoryFileSystem();
  ~MemoryFileSystem() override;
  MemoryFileSystem(const MemoryFileSystem&) = delete;
  MemoryFileSystem& operator=(const MemoryFileSystem&) = delete;

  std::unique_ptr<std::iostream> openFile(const std::string& path, FileMode mode) override;
  std::string currentDirectory() override { return m_current; }
  bool changeDirectory(const std::string& path) override;
  bool makeDirectory(const std::string& path) override;
  bool removeDirectory(const std::string& path) override;
  bool deleteFiles(const std::string& name) override;
  bool copyFile(const std::string& from, const std::string& to) override;
  bool renameFile(const std::string& from, const std::string& to) override;

  // For tests: whether a file or directory of that name exists.
  bool exists(const std::string& path) const;

  // The bytes of one file, shared with the streams open on it.
  struct Contents;

 private:
  // The full name: from the root, without "." and "..", "/" between parts.
  std::string resolve(const std::string& path) const;
  bool isDirectory(const std::string& full) const { return m_directories.count(full) != 0; }
  bool isFile(const std::string& full) const { return m_files.count(full) != 0; }
  bool hasParentDirectory(const std::string& full) const;
  bool hasEntriesIn(const std::string& directory) const;

  std::set<std::string> m_directories;
  std::map<std::string, std::shared_ptr<Contents>> m_files;
  std::string m_current;
};

}  // namespace morvane
