#include "core/MemoryFileSystem.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <ostream>
#include <string>

#include "FakeHosts.h"
#include "exec/RunControl.h"

namespace morvane {
namespace {

using testing::FakeDocumentHost;
using testing::FakeSystem;

std::string contentsOf(MemoryFileSystem& files, const std::string& path) {
  std::string bytes;
  EXPECT_TRUE(files.readWholeFile(path, bytes)) << path;
  return bytes;
}

TEST(MemoryFileSystem, NamesResolveByTheirTextFromTheCurrentDirectory) {
  MemoryFileSystem files;
  EXPECT_EQ(files.currentDirectory(), "/");
  EXPECT_TRUE(files.makeDirectory("a"));
  EXPECT_TRUE(files.makeDirectory("/a/b"));
  EXPECT_TRUE(files.changeDirectory("a//b/."));
  EXPECT_EQ(files.currentDirectory(), "/a/b");
  EXPECT_TRUE(files.changeDirectory("../../../.."));  // never above the root
  EXPECT_EQ(files.currentDirectory(), "/");
  EXPECT_FALSE(files.makeDirectory("x/y"));  // no parent
  EXPECT_FALSE(files.removeDirectory("/"));
  EXPECT_FALSE(files.removeDirectory("a"));  // holds b
  EXPECT_TRUE(files.removeDirectory("a/b"));
  EXPECT_TRUE(files.removeDirectory("a"));
  EXPECT_FALSE(files.exists("a"));
}

TEST(MemoryFileSystem, AFileDeletedWhileOpenIsStillWrittenButStaysGone) {
  MemoryFileSystem files;
  auto writer = files.openFile("log.txt", FileMode::Output);
  ASSERT_TRUE(writer);
  *writer << "first";
  writer->flush();
  EXPECT_EQ(contentsOf(files, "log.txt"), "first");
  EXPECT_TRUE(files.deleteFiles("log.txt"));
  *writer << " second";
  writer.reset();
  EXPECT_FALSE(files.exists("log.txt"));
  // A renamed file keeps its bytes and its open writers.
  writer = files.openFile("a.txt", FileMode::Append);
  *writer << "kept";
  writer->flush();
  EXPECT_TRUE(files.renameFile("a.txt", "b.txt"));
  *writer << " and more";
  writer.reset();
  EXPECT_EQ(contentsOf(files, "b.txt"), "kept and more");
}

// A program run in a workspace on a memory file system reaches its files
// there and never the disk's.
TEST(MemoryFileSystem, ProgramsOfAWorkspaceWriteIntoItAlone) {
  FakeSystem system;
  FakeDocumentHost window;
  MemoryFileSystem files;
  Workspace workspace(system, files);
  RunControl control(workspace, workspace.openDocument(window));
  window.program =
      "MD \"store\"\r\nCD store\r\nOPEN \"inside.txt\" FOR OUTPUT AS #1\r\nPRINT #1, \"x\"\r\nCLOSE #1\r\n"
      "COPY inside.txt, copy.txt\r\nDEL inside.txt\r\nCD ..\r\nPRINT FILE(\"store/copy.txt\")\r\nEND\r\n";
  control.Text2_KeyDown(KeyCode::F5Run);

  // PRINT follows each item with a blank, in the file as in the protocol.
  EXPECT_EQ(contentsOf(files, "/store/copy.txt"), "x \r\n");
  EXPECT_EQ(control.document().protocol.text(), "Run\r\nx \r\n \r\nEnd\r\n");
  EXPECT_FALSE(files.exists("/store/inside.txt"));
  EXPECT_EQ(files.currentDirectory(), "/");
  EXPECT_FALSE(std::filesystem::exists("store"));
}

}  // namespace
}  // namespace morvane
