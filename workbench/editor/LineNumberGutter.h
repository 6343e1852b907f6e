#pragma once
// The gutter beside the program editor: each editor line's number, counted
// from 1 as the messages count them, and the marks of the line: a
// breakpoint (a red dot), the line waiting in single step (a yellow arrow)
// and the line a run or the structure check stopped on with a fault (the
// number on red). A click beside a line asks to toggle its breakpoint.

#include <QWidget>

namespace morvane {

class BreakpointLines;
class ProgramEditor;

class LineNumberGutter final : public QWidget {
  Q_OBJECT

 public:
  LineNumberGutter(ProgramEditor& editor, const BreakpointLines& breakpoints);

  // The lines are 0-based editor lines; -1 marks none.
  void setCurrentLine(int line);
  void setFaultLine(int line);
  int currentLine() const { return m_currentLine; }
  int faultLine() const { return m_faultLine; }

  // The width the numbers of the editor's lines need, with room for the marks.
  int neededWidth() const;
  // The editor line at a height of the gutter, -1 below the last line.
  int lineAt(int y) const;

  QSize sizeHint() const override { return {neededWidth(), 0}; }

 Q_SIGNALS:
  void lineClicked(int line);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  ProgramEditor& m_editor;
  const BreakpointLines& m_breakpoints;
  int m_currentLine = -1;
  int m_faultLine = -1;
};

}  // namespace morvane
