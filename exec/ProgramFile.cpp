#include "exec/ProgramFile.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

namespace morvane {

std::string WithCrLfLineEnds(std::string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 16);
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) out.push_back('\r');
    out.push_back(text[i]);
  }
  return out;
}

ProgramFileStatus LoadProgramFile(const std::string& path, std::string& text) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return ProgramFileStatus::CannotRead;
  const auto size = std::filesystem::file_size(path, error);
  if (error) return ProgramFileStatus::CannotRead;
  if (static_cast<std::int64_t>(size) > LargestProgramFile) return ProgramFileStatus::TooBig;
  std::ifstream file(path, std::ios::binary);
  if (!file) return ProgramFileStatus::CannotRead;
  std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  if (file.bad()) return ProgramFileStatus::CannotRead;
  text = WithCrLfLineEnds(bytes);
  return ProgramFileStatus::Loaded;
}

}  // namespace morvane
