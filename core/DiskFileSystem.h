#pragma once
// The file system of the machine, through the standard library. The current
// directory is the process's own, shared by everything in it.

#include "core/FileSystem.h"

namespace morvane {

class DiskFileSystem final : public FileSystem {
 public:
  std::unique_ptr<std::iostream> openFile(const std::string& path, FileMode mode) override;
  std::string currentDirectory() override;
  bool changeDirectory(const std::string& path) override;
  bool makeDirectory(const std::string& path) override;
  bool removeDirectory(const std::string& path) override;
  bool deleteFiles(const std::string& name) override;
  bool copyFile(const std::string& from, const std::string& to) override;
  bool renameFile(const std::string& from, const std::string& to) override;
};

}  // namespace morvane
