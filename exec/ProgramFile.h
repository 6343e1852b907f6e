#pragma once
// Reading a program file as the workbench's Open does: the bytes as they are
// (single-byte code page), LF-only and CR LF line ends both accepted and
// held as CR LF, at most 65,534 bytes.

#include <cstdint>
#include <string>

namespace morvane {

constexpr std::int64_t LargestProgramFile = 65'534;

enum class ProgramFileStatus { Loaded, CannotRead, TooBig };

// Every line end becomes CR LF: a lone LF gets its CR, a CR LF stays as it is.
std::string WithCrLfLineEnds(std::string_view text);

ProgramFileStatus LoadProgramFile(const std::string& path, std::string& text);

}  // namespace morvane
