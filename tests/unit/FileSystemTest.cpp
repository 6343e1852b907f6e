#include <gtest/gtest.h>

#include "FileSystemPlaces.h"
#include "core/WildcardMatch.h"

namespace morvane {
namespace {


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

template <class Place>
class FileSystemOn : public ::testing::Test {
 protected:
  Place place;
};
TYPED_TEST_SUITE(FileSystemOn, testing::FileSystemPlaces);

TYPED_TEST(FileSystemOn, DeleteMatchesFilesOfTheNamedDirectoryOnly) {
  auto& dir = this->place;
  FileSystem& files = dir.fileSystem();
  const auto at = [&dir](std::string_view name) { return dir / name; };
  dir.write("a.txt", "1");
  dir.write("b.txt", "2");
  dir.write("c.dat", "3");
  dir.write(".hidden.txt", "4");
  dir.makeDirectory("dir.txt");  // a directory that matches the pattern
  dir.makeDirectory("sub");
  dir.write("sub/d.txt", "5");

  EXPECT_TRUE(files.deleteFiles(at("*.txt")));
  EXPECT_FALSE(dir.has("a.txt"));
  EXPECT_FALSE(dir.has("b.txt"));
  EXPECT_TRUE(dir.has("c.dat"));
  EXPECT_TRUE(dir.has(".hidden.txt"));
  EXPECT_TRUE(dir.has("dir.txt"));    // never a directory
  EXPECT_TRUE(dir.has("sub/d.txt"));  // never a subdirectory's files

  // Nothing left to match: refused, and nothing changes.
  EXPECT_FALSE(files.deleteFiles(at("*.txt")));
  EXPECT_TRUE(dir.has("c.dat"));
  EXPECT_TRUE(files.deleteFiles(at("sub/?.txt")));
  EXPECT_FALSE(dir.has("sub/d.txt"));
}

TYPED_TEST(FileSystemOn, DeleteOfOneNameRefusesDirectoriesAndMissingFiles) {
  auto& dir = this->place;
  FileSystem& files = dir.fileSystem();
  const auto at = [&dir](std::string_view name) { return dir / name; };
  dir.write("one.txt", "1");
  dir.makeDirectory("empty");
  EXPECT_TRUE(files.deleteFiles(at("one.txt")));
  EXPECT_FALSE(dir.has("one.txt"));
  EXPECT_FALSE(files.deleteFiles(at("one.txt")));
  EXPECT_FALSE(files.deleteFiles(at("empty")));
  EXPECT_TRUE(dir.has("empty"));
  EXPECT_FALSE(files.deleteFiles(at("empty/")));
  EXPECT_FALSE(files.deleteFiles(""));
  EXPECT_FALSE(files.deleteFiles(at("nowhere/*.txt")));
}

TYPED_TEST(FileSystemOn, DirectoriesAreMadeOnceAndRemovedOnlyWhenEmpty) {
  auto& dir = this->place;
  FileSystem& files = dir.fileSystem();
  const auto at = [&dir](std::string_view name) { return dir / name; };
  EXPECT_TRUE(files.makeDirectory(at("new")));
  EXPECT_FALSE(files.makeDirectory(at("new")));  // exists already
  EXPECT_FALSE(files.makeDirectory(at("missing/parent")));
  dir.write("new/f.txt", "x");
  EXPECT_FALSE(files.removeDirectory(at("new")));
  EXPECT_TRUE(dir.has("new/f.txt"));
  EXPECT_FALSE(files.removeDirectory(at("new/f.txt")));  // a file is never removed by RD
  EXPECT_TRUE(dir.has("new/f.txt"));
  EXPECT_TRUE(files.deleteFiles(at("new/f.txt")));
  EXPECT_TRUE(files.removeDirectory(at("new")));
  EXPECT_FALSE(dir.has("new"));
}

TYPED_TEST(FileSystemOn, ChangingDirectoryShowsInTheCurrentDirectory) {
  auto& dir = this->place;
  FileSystem& files = dir.fileSystem();
  const auto at = [&dir](std::string_view name) { return dir / name; };
  const std::string before = files.currentDirectory();
  EXPECT_TRUE(files.changeDirectory(at("")));
  EXPECT_EQ(files.currentDirectory(), dir.canonicalRoot());
  EXPECT_FALSE(files.changeDirectory(at("missing")));
  EXPECT_EQ(files.currentDirectory(), dir.canonicalRoot());
  // Names without a leading "/" start from the current directory.
  dir.makeDirectory("sub");
  EXPECT_TRUE(files.changeDirectory("sub"));
  EXPECT_TRUE(files.makeDirectory("deeper"));
  EXPECT_TRUE(dir.has("sub/deeper"));
  EXPECT_TRUE(files.changeDirectory(".."));
  EXPECT_EQ(files.currentDirectory(), dir.canonicalRoot());
  EXPECT_TRUE(files.changeDirectory(before));
}

TYPED_TEST(FileSystemOn, RenameNeverReplacesAnExistingFile) {
  auto& dir = this->place;
  FileSystem& files = dir.fileSystem();
  const auto at = [&dir](std::string_view name) { return dir / name; };
  dir.write("a.txt", "A");
  dir.write("b.txt", "B");
  EXPECT_FALSE(files.renameFile(at("a.txt"), at("b.txt")));
  EXPECT_EQ(dir.read("a.txt"), "A");
  EXPECT_EQ(dir.read("b.txt"), "B");
  EXPECT_FALSE(files.renameFile(at("a.txt"), at("a.txt")));
  EXPECT_TRUE(files.renameFile(at("a.txt"), at("c.txt")));
  EXPECT_FALSE(dir.has("a.txt"));
  EXPECT_EQ(dir.read("c.txt"), "A");
}

TYPED_TEST(FileSystemOn, CopyReplacesAFileButNotADirectory) {
  auto& dir = this->place;
  FileSystem& files = dir.fileSystem();
  const auto at = [&dir](std::string_view name) { return dir / name; };
  dir.write("a.txt", "A\r\n\xE9");
  dir.write("b.txt", "B");
  dir.makeDirectory("d");
  EXPECT_TRUE(files.copyFile(at("a.txt"), at("b.txt")));
  EXPECT_EQ(dir.read("b.txt"), "A\r\n\xE9");
  EXPECT_FALSE(files.copyFile(at("a.txt"), at("d")));
  EXPECT_FALSE(files.copyFile(at("a.txt"), at("a.txt")));
  EXPECT_EQ(dir.read("a.txt"), "A\r\n\xE9");
  EXPECT_FALSE(files.copyFile(at("missing.txt"), at("e.txt")));
  EXPECT_FALSE(dir.has("e.txt"));
}

}  // namespace
}  // namespace morvane
