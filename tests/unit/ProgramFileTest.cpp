#include "exec/ProgramFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace morvane {
namespace {

TEST(ProgramFile, EveryLineEndBecomesCrLf) {
  EXPECT_EQ(WithCrLfLineEnds("A\nB\r\nC"), "A\r\nB\r\nC");
  EXPECT_EQ(WithCrLfLineEnds("\n\n"), "\r\n\r\n");
  EXPECT_EQ(WithCrLfLineEnds("\r\n"), "\r\n");
  EXPECT_EQ(WithCrLfLineEnds(""), "");
}

TEST(ProgramFile, OpensUpTo65534BytesAndRefusesMore) {
  const auto dir = std::filesystem::temp_directory_path() / "morvane-program-file-test";
  std::filesystem::create_directories(dir);
  const auto write = [&](const char* name, std::size_t size) {
    std::ofstream(dir / name, std::ios::binary) << std::string(size, 'x');
    return (dir / name).string();
  };
  std::string text;
  EXPECT_EQ(LoadProgramFile(write("fits.bas", 65534), text), ProgramFileStatus::Loaded);
  EXPECT_EQ(text.size(), 65534u);
  EXPECT_EQ(LoadProgramFile(write("big.bas", 65535), text), ProgramFileStatus::TooBig);
  EXPECT_EQ(LoadProgramFile((dir / "missing.bas").string(), text), ProgramFileStatus::CannotRead);
  EXPECT_EQ(LoadProgramFile(dir.string(), text), ProgramFileStatus::CannotRead);
  std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace morvane
