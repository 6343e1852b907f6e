#pragma once
// The breakpoints of one document window: editor lines (0-based, as the
// editor's blocks count) on which a free run of the window's program enters
// single step. They live only while the window is open, are saved nowhere,
// and move with the text: lines inserted above a breakpoint push it down,
// lines deleted above pull it up, and a breakpoint whose line is deleted
// goes with it. A replacement of the whole text (Undo, the editor giving
// back the program after RUN) keeps them at their numbers.

#include <set>

#include <QObject>

class QTextDocument;

namespace morvane {

class BreakpointLines final : public QObject {
  Q_OBJECT

 public:
  explicit BreakpointLines(QObject* parent = nullptr) : QObject(parent) {}

  // Follows the changes of this document from now on.
  void follow(QTextDocument* document);

  void toggle(int line);
  bool contains(int line) const { return m_lines.count(line) > 0; }
  bool isEmpty() const { return m_lines.empty(); }
  const std::set<int>& lines() const { return m_lines; }

  // The text changed at `changedLine`: `delta` lines were added (or, when
  // negative, removed) after it. When the change inserted whole lines
  // before the text of `changedLine`, that line's text moved down with them.
  void linesChanged(int changedLine, int delta, bool changedLineMoves);

 Q_SIGNALS:
  void changed();

 private:
  void onContentsChange(int position, int charsRemoved, int charsAdded);

  std::set<int> m_lines;
  QTextDocument* m_document = nullptr;
  int m_blockCount = 1;
  int m_characterCount = 1;
};

}  // namespace morvane
