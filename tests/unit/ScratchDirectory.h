#pragma once
// A fresh empty directory for one test, removed with everything in it when
// the test ends. Its name holds the process id and the test's name, so tests
// that run at the same time never share one.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace morvane::testing {

class ScratchDirectory {
 public:
  ScratchDirectory() {
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = "morvane-";
    name += test != nullptr ? std::string(test->test_suite_name()) + "-" + test->name() : "test";
    name += "-" + std::to_string(::getpid());
    m_path = std::filesystem::temp_directory_path() / name;
    std::filesystem::remove_all(m_path);
    std::filesystem::create_directories(m_path);
  }
  ~ScratchDirectory() {
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
  }
  ScratchDirectory(const ScratchDirectory&) = delete;
  ScratchDirectory& operator=(const ScratchDirectory&) = delete;

  const std::filesystem::path& path() const { return m_path; }
  // The full name of an entry of the directory.
  std::string operator/(std::string_view name) const { return (m_path / name).string(); }

  void write(std::string_view name, std::string_view bytes) const {
    std::ofstream(m_path / name, std::ios::binary) << bytes;
  }
  std::string read(std::string_view name) const {
    std::ifstream in(m_path / name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  bool has(std::string_view name) const { return std::filesystem::exists(m_path / name); }

 private:
  std::filesystem::path m_path;
};

}  // namespace morvane::testing
