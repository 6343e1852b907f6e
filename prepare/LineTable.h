#pragma once
// The line table: three parallel 1-based arrays indexed by logical line
// number, and the count of logical lines. Dimensioned before a check (1 to
// the capacity its text suggests) and grown by the split when a single-line
// IF, cut at THEN and ELSE, makes more logical lines than that.

#include <algorithm>
#include <cstdint>
#include <limits>
#include <vector>

#include "prepare/ProgramChars.h"

namespace morvane {

using LineNumber = std::int32_t;

class LineTable {
 public:
  LineTable() = default;
  explicit LineTable(LineNumber capacity) { dimension(capacity); }

  // Redimensions the three arrays to 1..capacity, all entries 0.
  void dimension(LineNumber capacity) {
    if (capacity < 0) capacity = 0;
    const auto entries = static_cast<std::size_t>(capacity) + 1;
    m_lineStart.assign(entries, 0);
    m_blockLink.assign(entries, 0);
    m_sourceLine.assign(entries, 0);
    lastLine = 0;
  }

  // Grows the three arrays (new entries 0) so that line s fits, with room to
  // spare so that a long split grows them only a few times. False when s can
  // never be a line.
  [[nodiscard]] bool makeRoomFor(LineNumber s) {
    if (contains(s)) return true;
    if (s < 1 || s == std::numeric_limits<LineNumber>::max()) return false;
    const std::int64_t wanted = std::max<std::int64_t>(std::int64_t{s} + 1, 2 * std::int64_t{capacity()});
    const auto entries = static_cast<std::size_t>(
        std::min<std::int64_t>(wanted, std::numeric_limits<LineNumber>::max()) + 1);
    m_lineStart.resize(entries, 0);
    m_blockLink.resize(entries, 0);
    m_sourceLine.resize(entries, 0);
    return true;
  }

  LineNumber capacity() const { return static_cast<LineNumber>(m_lineStart.size()) - 1; }
  bool contains(LineNumber s) const { return s >= 1 && s <= capacity(); }

  // Reads outside the table answer 0 ("no such line").
  Position lineStart(LineNumber s) const { return contains(s) ? m_lineStart[idx(s)] : 0; }
  LineNumber blockLink(LineNumber s) const { return contains(s) ? m_blockLink[idx(s)] : 0; }
  LineNumber sourceLine(LineNumber s) const { return contains(s) ? m_sourceLine[idx(s)] : 0; }

  // Writes outside the table are refused: they answer false and change nothing.
  [[nodiscard]] bool setLineStart(LineNumber s, Position p) { return put(m_lineStart, s, p); }
  [[nodiscard]] bool setBlockLink(LineNumber s, LineNumber target) { return put(m_blockLink, s, target); }
  [[nodiscard]] bool setSourceLine(LineNumber s, LineNumber line) { return put(m_sourceLine, s, line); }

  // The number of logical lines, the final empty one included.
  LineNumber lastLine = 0;

 private:
  static std::size_t idx(LineNumber s) { return static_cast<std::size_t>(s); }
  bool put(std::vector<std::int32_t>& column, LineNumber s, std::int32_t v) {
    if (!contains(s)) return false;
    column[idx(s)] = v;
    return true;
  }

  std::vector<std::int32_t> m_lineStart{0};
  std::vector<std::int32_t> m_blockLink{0};
  std::vector<std::int32_t> m_sourceLine{0};
};

// The capacity a check starts with for an editor text: 10 plus the number of
// CR and ":" characters in it (enough unless single-line IFs are cut).
LineNumber lineTableCapacity(std::string_view editorText);

}  // namespace morvane
