#include "exec/FileTable.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "FileSystemPlaces.h"

namespace morvane {
namespace {

template <class Place>
class FileTableOn : public ::testing::Test {
 protected:
  Place place;
  FileTable table{place.fileSystem()};
};
TYPED_TEST_SUITE(FileTableOn, testing::FileSystemPlaces);

// Reads every line of a file opened under number 1.
std::vector<std::string> linesOf(FileTable& files, const std::string& path) {
  std::vector<std::string> lines;
  EXPECT_TRUE(files.open(1, path, FileMode::Input));
  std::string line;
  while (files.readLine(1, line) == LineRead::Read) lines.push_back(line);
  EXPECT_TRUE(files.close(1));
  return lines;
}

TYPED_TEST(FileTableOn, OutputStartsAfreshAppendAddsAndBytesStayUnchanged) {
  auto& dir = this->place;
  auto& files = this->table;
  dir.write("t.txt", "old contents");
  ASSERT_TRUE(files.open(1, dir / "t.txt", FileMode::Output));
  EXPECT_EQ(dir.read("t.txt"), "");  // emptied on opening
  const std::string eightBit = "caf\xE9 \x80\r\n";
  ASSERT_TRUE(files.write(1, eightBit));
  ASSERT_TRUE(files.close(1));
  EXPECT_EQ(dir.read("t.txt"), eightBit);

  ASSERT_TRUE(files.open(2, dir / "t.txt", FileMode::Append));
  ASSERT_TRUE(files.write(2, "more"));
  ASSERT_TRUE(files.close(2));
  EXPECT_EQ(dir.read("t.txt"), eightBit + "more");

  ASSERT_TRUE(files.open(3, dir / "new.txt", FileMode::Append));  // created when missing
  ASSERT_TRUE(files.close(3));
  EXPECT_TRUE(dir.has("new.txt"));
}

TYPED_TEST(FileTableOn, ReadingTakesCrLfAndLfLinesAndALastLineWithoutEnd) {
  auto& dir = this->place;
  auto& files = this->table;
  dir.write("mixed.txt", "one\r\ntwo\nthree");
  EXPECT_EQ(linesOf(files, dir / "mixed.txt"), (std::vector<std::string>{"one", "two", "three"}));
  dir.write("blank.txt", "\r\n\nend\r\n");
  EXPECT_EQ(linesOf(files, dir / "blank.txt"), (std::vector<std::string>{"", "", "end"}));
  // A CR inside a line is part of it; only the one before the LF goes.
  dir.write("cr.txt", "a\rb\r\r\n");
  EXPECT_EQ(linesOf(files, dir / "cr.txt"), (std::vector<std::string>{"a\rb\r"}));
  dir.write("empty.txt", "");
  EXPECT_TRUE(linesOf(files, dir / "empty.txt").empty());
}

TYPED_TEST(FileTableOn, ReadingPastTheEndAndTheWrongDirectionAreTold) {
  auto& dir = this->place;
  auto& files = this->table;
  dir.write("in.txt", "only\r\n");
  std::string line;
  EXPECT_EQ(files.readLine(5, line), LineRead::NotReadable);  // not open
  EXPECT_FALSE(files.write(5, "x"));
  ASSERT_TRUE(files.open(5, dir / "in.txt", FileMode::Input));
  EXPECT_FALSE(files.write(5, "x"));
  EXPECT_FALSE(files.flush(5));
  EXPECT_EQ(files.readLine(5, line), LineRead::Read);
  EXPECT_EQ(line, "only");
  EXPECT_EQ(files.readLine(5, line), LineRead::EndOfFile);
  EXPECT_EQ(files.readLine(5, line), LineRead::EndOfFile);
  EXPECT_TRUE(files.close(5));  // a read past the end does not spoil the close

  ASSERT_TRUE(files.open(6, dir / "out.txt", FileMode::Output));
  EXPECT_EQ(files.readLine(6, line), LineRead::NotReadable);
}

TYPED_TEST(FileTableOn, ProgramsUseTheNumbersOneToHundred) {
  auto& dir = this->place;
  auto& files = this->table;
  EXPECT_FALSE(files.open(0, dir / "a.txt", FileMode::Output));
  EXPECT_FALSE(files.open(101, dir / "a.txt", FileMode::Output));
  EXPECT_FALSE(files.open(-1, dir / "a.txt", FileMode::Output));
  EXPECT_FALSE(dir.has("a.txt"));
  EXPECT_TRUE(files.open(100, dir / "a.txt", FileMode::Output));
  EXPECT_TRUE(files.isOpen(100));
  EXPECT_FALSE(files.isOpen(7));
  EXPECT_TRUE(files.close(7));       // closing a number that is not open does nothing
  EXPECT_TRUE(files.close(100000));  // nor does a number no program can open
  EXPECT_FALSE(files.isOpen(101));
}

TYPED_TEST(FileTableOn, OpeningAnOpenNumberAgainClosesItsFileFirst) {
  auto& dir = this->place;
  auto& files = this->table;
  ASSERT_TRUE(files.open(1, dir / "first.txt", FileMode::Output));
  ASSERT_TRUE(files.write(1, "kept"));
  ASSERT_TRUE(files.open(1, dir / "second.txt", FileMode::Output));
  EXPECT_EQ(dir.read("first.txt"), "kept");
  ASSERT_TRUE(files.write(1, "two"));
  ASSERT_TRUE(files.close(1));
  EXPECT_EQ(dir.read("second.txt"), "two");
  EXPECT_EQ(dir.read("first.txt"), "kept");
}

TYPED_TEST(FileTableOn, FlushedTextIsReadableWhileTheFileStaysOpen) {
  auto& dir = this->place;
  auto& files = this->table;
  ASSERT_TRUE(files.open(1, dir / "log.txt", FileMode::Output));
  ASSERT_TRUE(files.write(1, "first\r\n"));
  ASSERT_TRUE(files.flush(1));
  EXPECT_EQ(dir.read("log.txt"), "first\r\n");
  // A second number reads the same file while the first still writes.
  ASSERT_TRUE(files.open(2, dir / "log.txt", FileMode::Input));
  std::string line;
  EXPECT_EQ(files.readLine(2, line), LineRead::Read);
  EXPECT_EQ(line, "first");
  EXPECT_TRUE(files.isOpen(1));
}

TYPED_TEST(FileTableOn, TheEndOfTheTableWritesOutWhatIsBuffered) {
  auto& dir = this->place;
  {
    FileTable files(dir.fileSystem());
    ASSERT_TRUE(files.open(1, dir / "a.txt", FileMode::Output));
    ASSERT_TRUE(files.open(2, dir / "b.txt", FileMode::Append));
    ASSERT_TRUE(files.write(1, "never closed"));
    ASSERT_TRUE(files.write(2, "nor this"));
  }
  EXPECT_EQ(dir.read("a.txt"), "never closed");
  EXPECT_EQ(dir.read("b.txt"), "nor this");
}

TYPED_TEST(FileTableOn, WhatCannotBeOpenedIsRefused) {
  auto& dir = this->place;
  auto& files = this->table;
  dir.makeDirectory("sub");
  EXPECT_FALSE(files.open(1, dir / "missing.txt", FileMode::Input));
  EXPECT_FALSE(files.open(1, dir / "sub", FileMode::Input));  // a directory is no text file
  EXPECT_FALSE(files.open(1, dir / "sub", FileMode::Output));
  EXPECT_FALSE(files.open(1, dir / "no/such/dir.txt", FileMode::Output));
  EXPECT_FALSE(files.open(1, "", FileMode::Output));
  EXPECT_FALSE(files.isOpen(1));
}

TYPED_TEST(FileTableOn, TheSystemReadsWholeFilesUnderItsOwnNumbers) {
  auto& dir = this->place;
  auto& files = this->table;
  dir.write("prog.bas", "PRINT 1\r\nEND");
  ASSERT_TRUE(files.openForReading(SystemFile::InstructionFile, dir / "prog.bas"));
  EXPECT_EQ(files.length(SystemFile::InstructionFile), 12);
  std::string content;
  ASSERT_TRUE(files.readAll(SystemFile::InstructionFile, content));
  EXPECT_EQ(content, "PRINT 1\r\nEND");
  // A program's numbers never reach the system's files.
  EXPECT_FALSE(files.isOpen(101));
  std::string line;
  EXPECT_EQ(files.readLine(101, line), LineRead::NotReadable);
  EXPECT_TRUE(files.close(101));
  EXPECT_EQ(files.length(SystemFile::InstructionFile), 12);  // still open

  files.close(SystemFile::InstructionFile);
  EXPECT_EQ(files.length(SystemFile::InstructionFile), -1);
  EXPECT_FALSE(files.readAll(SystemFile::InstructionFile, content));
  EXPECT_FALSE(files.openForReading(SystemFile::ExistenceTest, dir / "missing.txt"));
  EXPECT_FALSE(files.openForReading(SystemFile::ExistenceTest, dir / ""));
}

TEST(FileTable, FileNumbersAreRoundedDownAndNeverOverflow) {
  EXPECT_EQ(FileNumberOf(1.0), 1);
  EXPECT_EQ(FileNumberOf(1.99), 1);
  EXPECT_EQ(FileNumberOf(100.5), 100);
  EXPECT_EQ(FileNumberOf(-0.5), -1);
  EXPECT_EQ(FileNumberOf(0.999), 0);
  EXPECT_EQ(FileNumberOf(1e300), 0);
  EXPECT_EQ(FileNumberOf(-1e300), 0);
  EXPECT_EQ(FileNumberOf(std::numeric_limits<double>::quiet_NaN()), 0);
  EXPECT_EQ(FileNumberOf(std::numeric_limits<double>::infinity()), 0);
}

}  // namespace
}  // namespace morvane
