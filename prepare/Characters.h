#pragma once
// Character classes of the program text. The text is 8-bit in the single-byte
// (Windows-1252) code page; every test here looks at the unsigned code.

namespace morvane {

constexpr char CR = '\r';
constexpr char LF = '\n';
constexpr char Quote = '"';
constexpr char CommentMark = '\'';

constexpr unsigned codeOf(char c) { return static_cast<unsigned char>(c); }

// A blank is any character of code 32 or less: space, tab, CR, LF, controls.
constexpr bool isBlank(char c) { return codeOf(c) <= 32; }
constexpr bool isSignificant(char c) { return codeOf(c) > 32; }

// Upper case in the single-byte code page: ASCII letters, the accented
// letters of Latin-1 and the few letters Windows-1252 keeps at 0x9A..0xFF.
constexpr char upperChar(char c) {
  const unsigned u = codeOf(c);
  if (u >= 'a' && u <= 'z') return static_cast<char>(u - 32);
  if (u >= 0xE0 && u <= 0xFE && u != 0xF7) return static_cast<char>(u - 32);
  switch (u) {
    case 0x9A: return static_cast<char>(0x8A);
    case 0x9C: return static_cast<char>(0x8C);
    case 0x9E: return static_cast<char>(0x8E);
    case 0xFF: return static_cast<char>(0x9F);
    default: return c;
  }
}

constexpr bool isLetterAtoZ(char c) { return c >= 'A' && c <= 'Z'; }
constexpr bool isDigit(char c) { return c >= '0' && c <= '9'; }

// "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ_": the characters that continue a
// variable name or a label once upper-cased.
constexpr bool isNameChar(char upper) {
  return isDigit(upper) || isLetterAtoZ(upper) || upper == '_';
}

}  // namespace morvane
