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

void BreakpointLines::onContentsChange(int position, int charsRemoved, int charsAdded) {
  const int oldBlocks = m_blockCount;
  const int oldCharacters = m_characterCount;
  m_blockCount = m_document->blockCount();
  m_characterCount = m_document->characterCount();
  // A replacement of the whole text (setPlainText) empties the document,
  // then fills it: the breakpoints keep their numbers through both, also
  // those beyond a shorter text (RUN shows its instruction file in the
  // editor, then gives the program back).
  if (m_characterCount <= 1 || oldCharacters <= 1) return;
  const QTextBlock block = m_document->findBlock(position);
  // Whole lines inserted at the start of a line push that line's text down.
  const bool movesDown = charsRemoved == 0 && charsAdded > 0 && block.position() == position;
  linesChanged(block.blockNumber(), m_blockCount - oldBlocks, movesDown);
}

}  // namespace morvane
