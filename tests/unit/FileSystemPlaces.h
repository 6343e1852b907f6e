#pragma once
// A scratch directory on each kind of file system, so one test runs against
// the disk and against memory alike: the memory file system must answer as
// the disk does. A place names its entries (place / "a.txt") and puts and
// reads bytes there without the file system under test.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <string_view>

#include "ScratchDirectory.h"
#include "core/DiskFileSystem.h"
#include "core/MemoryFileSystem.h"

namespace morvane::testing {

class DiskPlace {
 public:
  FileSystem& fileSystem() { return m_files; }
  std::string operator/(std::string_view name) const { return m_dir / name; }
  // The scratch directory as the file system's current directory shows it.
  std::string canonicalRoot() const { return std::filesystem::canonical(m_dir.path()).string(); }
  void write(std::string_view name, std::string_view bytes) const { m_dir.write(name, bytes); }
  std::string read(std::string_view name) const { return m_dir.read(name); }
  bool has(std::string_view name) const { return m_dir.has(name); }
  void makeDirectory(std::string_view name) const { std::filesystem::create_directory(m_dir.path() / name); }

 private:
  DiskFileSystem m_files;
  ScratchDirectory m_dir;
};

class MemoryPlace {
 public:
  MemoryPlace() { m_files.makeDirectory(Root); }
  FileSystem& fileSystem() { return m_files; }
  std::string operator/(std::string_view name) const { return Root + "/" + std::string(name); }
  std::string canonicalRoot() const { return Root; }
  void write(std::string_view name, std::string_view bytes) {
    const auto stream = m_files.openFile(*this / name, FileMode::Output);
    ASSERT_TRUE(stream);
    stream->write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  }
  std::string read(std::string_view name) {
    std::string bytes;
    m_files.readWholeFile(*this / name, bytes);
    return bytes;
  }
  bool has(std::string_view name) const { return m_files.exists(*this / name); }
  void makeDirectory(std::string_view name) { m_files.makeDirectory(*this / name); }

 private:
  inline static const std::string Root = "/scratch";
  MemoryFileSystem m_files;
};

using FileSystemPlaces = ::testing::Types<DiskPlace, MemoryPlace>;

}  // namespace morvane::testing
