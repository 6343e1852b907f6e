#pragma once
// The program's character store: the text as an array of single characters,
// addressed by 1-based positions (0 means "no position"). Statements are never
// copied out of it; positions travel between the interpreter's parts instead.
//
// A program store ends with two CRs and a command store with CR LF, so every
// routine that looks up to two characters ahead stays inside the store. As a
// second line of defence a read outside the store answers CR, which ends every
// scan, so no input of any shape can read beyond the text.

#include <cstdint>
#include <string>
#include <string_view>

#include "prepare/Characters.h"

namespace morvane {

using Position = std::int32_t;

class ProgramChars {
 public:
  ProgramChars() = default;
  explicit ProgramChars(std::string text) : m_text(std::move(text)) {}

  // The store for running an editor program: the text, then CR, then CR.
  static ProgramChars forProgram(std::string_view editorText) {
    std::string text;
    text.reserve(editorText.size() + 2);
    text.append(editorText);
    text.push_back(CR);
    text.push_back(CR);
    return ProgramChars(std::move(text));
  }

  Position size() const { return static_cast<Position>(m_text.size()); }

  char at(Position p) const {
    return (p >= 1 && p <= size()) ? m_text[static_cast<std::size_t>(p - 1)] : CR;
  }
  char operator[](Position p) const { return at(p); }
  char upperAt(Position p) const { return upperChar(at(p)); }

  void set(Position p, char c) {
    if (p >= 1 && p <= size()) m_text[static_cast<std::size_t>(p - 1)] = c;
  }

  // The characters from `from` to `to` (inclusive), clipped to the store.
  std::string_view range(Position from, Position to) const {
    if (from < 1) from = 1;
    if (to > size()) to = size();
    if (from > to) return {};
    return std::string_view(m_text).substr(static_cast<std::size_t>(from - 1),
                                           static_cast<std::size_t>(to - from + 1));
  }

  const std::string& text() const { return m_text; }

 private:
  std::string m_text;
};

}  // namespace morvane
