#include "fast/AcceleratedProgram.h"

namespace morvane {

AcceleratedProgram::AcceleratedProgram(const ProgramChars& chars, const LineTable& lines)
    : m_chars(&chars), m_lines(&lines), m_decodes(static_cast<std::size_t>(lines.capacity()) + 1),
      m_lineCount(static_cast<LineNumber>(m_decodes.size())) {}

ExpressionEntry* AcceleratedProgram::expression(LineNumber s, Position from, Position to,
                                                ExpressionModeKind mode) {
  LineDecode* decode = line(s);
  if (decode == nullptr) return nullptr;
  // A line has one expression or a few (a FOR line three): they are
  // compared one by one.
  for (const std::unique_ptr<ExpressionEntry>& entry : decode->expressions) {
    if (entry->from == from && entry->to == to && entry->mode == mode) return entry.get();
  }
  // An expression of the line starts within the line's own characters.
  const Position next = m_lines->lineStart(s + 1);
  if (from < m_lines->lineStart(s) || next == 0 || from >= next) return nullptr;
  auto entry = std::make_unique<ExpressionEntry>();
  entry->from = from;
  entry->to = to;
  entry->mode = mode;
  decode->expressions.push_back(std::move(entry));
  return decode->expressions.back().get();
}

}  // namespace morvane
