#include "workbench/debug/BreakpointLines.h"

#include <QTextBlock>
#include <QTextDocument>

namespace morvane {

void BreakpointLines::follow(QTextDocument* document) {
  m_document = document;
  m_blockCount = document->blockCount();
  m_characterCount = document->characterCount();
  connect(document, &QTextDocument::contentsChange, this, &BreakpointLines::onContentsChange);
}

void BreakpointLines::toggle(int line) {
  if (line < 0) return;
  if (!m_lines.erase(line)) m_lines.insert(line);
  Q_EMIT changed();
}

void BreakpointLines::linesChanged(int changedLine, int delta, bool changedLineMoves) {
  if (delta == 0 || m_lines.empty()) return;
  std::set<int> moved;
  for (int line : m_lines) {
    if (line < changedLine || (line == changedLine && !changedLineMoves)) {
      moved.insert(line);
    } else if (delta > 0) {
      moved.insert(line + delta);
    } else if (line > changedLine - delta) {
      moved.insert(line + delta);
    }
    // Otherwise the line was one of those deleted.
  }
  m_lines = std::move(moved);
  Q_EMIT changed();
}

void BreakpointLines::keepWithin(int lineCount) {
  const auto beyond = m_lines.lower_bound(lineCount);
  if (beyond == m_lines.end()) return;
  m_lines.erase(beyond, m_lines.end());
  Q_EMIT changed();
}

void BreakpointLines::onContentsChange(int position, int charsRemoved, int charsAdded) {
  const int oldBlocks = m_blockCount;
  const int oldCharacters = m_characterCount;
  m_blockCount = m_document->blockCount();
  m_characterCount = m_document->characterCount();
  if (position == 0 && charsRemoved >= oldCharacters - 1 && oldCharacters > 1) {
    // The whole text was replaced: the breakpoints keep their numbers.
    keepWithin(m_blockCount);
    return;
  }
  const QTextBlock block = m_document->findBlock(position);
  // Whole lines inserted at the start of a line push that line's text down.
  const bool movesDown = charsRemoved == 0 && charsAdded > 0 && block.position() == position;
  linesChanged(block.blockNumber(), m_blockCount - oldBlocks, movesDown);
}

}  // namespace morvane
