#pragma once
// The characters of the interpreter's single-byte code page, Windows-1252:
// Latin-1, with printable characters in 0x80..0x9F. Whatever shows the
// interpreter's text to a person (the canvas's TEXT) reads its bytes here.

#include <array>

namespace morvane {

// The characters of bytes 0x80..0x9F; the five bytes the code page leaves
// unassigned stand for the control characters of the same number.
constexpr std::array<char16_t, 32> CodePageHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80..87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88..8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90..97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98..9F
};

// The character (UTF-16 code unit) a byte of the code page stands for.
constexpr char16_t CodePageCharacter(unsigned char byte) {
  if (byte >= 0x80 && byte <= 0x9F) return CodePageHighControls[byte - 0x80u];
  return byte;
}

}  // namespace morvane
