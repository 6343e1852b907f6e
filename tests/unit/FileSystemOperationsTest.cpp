#include "exec/FileSystemOperations.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "ScratchDirectory.h"

namespace morvane {
namespace {

using testing::ScratchDirectory;
namespace fs = std::filesystem;

TEST(Wildcard, StarTakesAnyRunAndQuestionMarkOneCharacter) {
  EXPECT_TRUE(MatchesWildcard("*.txt", "a.txt"));
  EXPECT_FALSE(MatchesWildcard("*.txt", ".txt.txt"));  // hidden
  EXPECT_TRUE(MatchesWildcard("*", "anything"));
  EXPECT_TRUE(MatchesWildcard("a*", "a"));
  EXPECT_TRUE(MatchesWildcard("*a*b*", "xxaYYbZ"));
  EXPECT_TRUE(MatchesWildcard("data?.csv", "data1.csv"));
  EXPECT_FALSE(MatchesWildcard("data?.csv", "data.csv"));
  EXPECT_FALSE(MatchesWildcard("data?.csv", "data12.csv"));
  EXPECT_TRUE(MatchesWildcard("*.t?t", "notes.txt"));
  EXPECT_FALSE(MatchesWildcard("*.txt", "a.txt.bak"));
  EXPECT_TRUE(MatchesWildcard("*aab", "aaaab"));  // the star gives back what it took
  EXPECT_FALSE(MatchesWildcard("a", "ab"));
  EXPECT_FALSE(MatchesWildcard("ab", "a"));
}

TEST(Wildcard, CaseCountsAndHiddenNamesNeedTheirDot) {
  EXPECT_FALSE(MatchesWildcard("*.TXT", "a.txt"));
  EXPECT_TRUE(MatchesWildcard("A.*", "A.txt"));
  EXPECT_FALSE(MatchesWildcard("*", ".profile"));
  EXPECT_FALSE(MatchesWildcard("?profile", ".profile"));
  EXPECT_TRUE(MatchesWildcard(".*", ".profile"));
}

class FileSystemOperations : public ::testing::Test {
 protected:
  ScratchDirectory dir;
  std::string at(std::string_view name) { return dir / name; }
};

TEST_F(FileSystemOperations, DeleteMatchesFilesOfTheNamedDirectoryOnly) {
  dir.write("a.txt", "1");
  dir.write("b.txt", "2");
  dir.write("c.dat", "3");
  dir.write(".hidden.txt", "4");
  fs::create_directory(dir.path() / "dir.txt");  // a directory that matches the pattern
  fs::create_directory(dir.path() / "sub");
  dir.write("sub/d.txt", "5");

  EXPECT_TRUE(DeleteFiles(at("*.txt")));
  EXPECT_FALSE(dir.has("a.txt"));
  EXPECT_FALSE(dir.has("b.txt"));
  EXPECT_TRUE(dir.has("c.dat"));
  EXPECT_TRUE(dir.has(".hidden.txt"));
  EXPECT_TRUE(dir.has("dir.txt"));    // never a directory
  EXPECT_TRUE(dir.has("sub/d.txt"));  // never a subdirectory's files

  // Nothing left to match: refused, and nothing changes.
  EXPECT_FALSE(DeleteFiles(at("*.txt")));
  EXPECT_TRUE(dir.has("c.dat"));
  EXPECT_TRUE(DeleteFiles(at("sub/?.txt")));
  EXPECT_FALSE(dir.has("sub/d.txt"));
}

TEST_F(FileSystemOperations, DeleteOfOneNameRefusesDirectoriesAndMissingFiles) {
  dir.write("one.txt", "1");
  fs::create_directory(dir.path() / "empty");
  EXPECT_TRUE(DeleteFiles(at("one.txt")));
  EXPECT_FALSE(dir.has("one.txt"));
  EXPECT_FALSE(DeleteFiles(at("one.txt")));
  EXPECT_FALSE(DeleteFiles(at("empty")));
  EXPECT_TRUE(dir.has("empty"));
  EXPECT_FALSE(DeleteFiles(at("empty/")));
  EXPECT_FALSE(DeleteFiles(""));
  EXPECT_FALSE(DeleteFiles(at("nowhere/*.txt")));
}

TEST_F(FileSystemOperations, DirectoriesAreMadeOnceAndRemovedOnlyWhenEmpty) {
  EXPECT_TRUE(MakeDirectory(at("new")));
  EXPECT_FALSE(MakeDirectory(at("new")));  // exists already
  EXPECT_FALSE(MakeDirectory(at("missing/parent")));
  dir.write("new/f.txt", "x");
  EXPECT_FALSE(RemoveDirectory(at("new")));
  EXPECT_TRUE(dir.has("new/f.txt"));
  EXPECT_FALSE(RemoveDirectory(at("new/f.txt")));  // a file is never removed by RD
  EXPECT_TRUE(dir.has("new/f.txt"));
  fs::remove(dir.path() / "new/f.txt");
  EXPECT_TRUE(RemoveDirectory(at("new")));
  EXPECT_FALSE(dir.has("new"));
}

TEST_F(FileSystemOperations, ChangingDirectoryShowsInTheCurrentDirectory) {
  const fs::path before = fs::current_path();
  EXPECT_TRUE(ChangeDirectory(dir.path().string()));
  EXPECT_EQ(fs::path(CurrentDirectory()), fs::canonical(dir.path()));
  EXPECT_FALSE(ChangeDirectory(at("missing")));
  EXPECT_EQ(fs::path(CurrentDirectory()), fs::canonical(dir.path()));
  fs::current_path(before);
}

TEST_F(FileSystemOperations, RenameNeverReplacesAnExistingFile) {
  dir.write("a.txt", "A");
  dir.write("b.txt", "B");
  EXPECT_FALSE(RenameFile(at("a.txt"), at("b.txt")));
  EXPECT_EQ(dir.read("a.txt"), "A");
  EXPECT_EQ(dir.read("b.txt"), "B");
  EXPECT_FALSE(RenameFile(at("a.txt"), at("a.txt")));
  EXPECT_TRUE(RenameFile(at("a.txt"), at("c.txt")));
  EXPECT_FALSE(dir.has("a.txt"));
  EXPECT_EQ(dir.read("c.txt"), "A");
}

TEST_F(FileSystemOperations, CopyReplacesAFileButNotADirectory) {
  dir.write("a.txt", "A\r\n\xE9");
  dir.write("b.txt", "B");
  fs::create_directory(dir.path() / "d");
  EXPECT_TRUE(CopyFile(at("a.txt"), at("b.txt")));
  EXPECT_EQ(dir.read("b.txt"), "A\r\n\xE9");
  EXPECT_FALSE(CopyFile(at("a.txt"), at("d")));
  EXPECT_FALSE(CopyFile(at("a.txt"), at("a.txt")));
  EXPECT_EQ(dir.read("a.txt"), "A\r\n\xE9");
  EXPECT_FALSE(CopyFile(at("missing.txt"), at("e.txt")));
  EXPECT_FALSE(dir.has("e.txt"));
}

}  // namespace
}  // namespace morvane
