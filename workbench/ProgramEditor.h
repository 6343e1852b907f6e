#pragma once
// Text1, the program editor. It keeps the toggling Undo snapshot, reports
// the caret's line, column and the text's length whenever the text or the
// caret changes, and passes the run keys (F5, F8, Pause, Ctrl-Break, Escape) to
// the protocol's key handler. While a program runs it is locked against
// typing, and the line waiting in single step shows selected.

#include <QPlainTextEdit>

#include "exec/KeyCode.h"
#include "workbench/EditorText.h"
#include "workbench/UndoSnapshot.h"

namespace morvane {

class LineNumberGutter;

// An editor line in view: its 0-based number and where it stands, in the
// coordinates of the editor's viewport (which the gutter shares).
struct VisibleLine {
  int number;
  int top;
  int height;
};

class ProgramEditor final : public QPlainTextEdit {
  Q_OBJECT

 public:
  explicit ProgramEditor(QWidget* parent = nullptr);

  // The text with '\n' line ends (no-break spaces kept).
  QString programText() const;
  // Replaces the whole text (Open, Undo, Oops).
  void setProgramText(const QString& text);

  // The text as the interpreter reads it, and selecting in its offsets.
  std::string interpreterText() const;
  void selectInterpreterRange(std::int64_t start, std::int64_t length);

  EditorState editorState() const;
  void setEditorState(const EditorState& state);
  qsizetype selectionStart() const;
  qsizetype selectionLength() const;
  void select(qsizetype start, qsizetype length);

  // Undo of the Edit menu.
  void undoToSnapshot();
  // Edit > Delete: the selection, or the character after the caret (a line
  // end as a whole).
  void deleteSelectionOrCharacter();

  // Text1_Click: the read-outs and the Undo snapshot follow the editor.
  void noteClick();

  const UndoSnapshot& undoSnapshot() const { return m_undo; }

  // The gutter of line numbers beside the text; the editor keeps it in place.
  void attachGutter(LineNumberGutter* gutter);
  LineNumberGutter* gutter() const { return m_gutter; }
  QList<VisibleLine> visibleLines() const;

  // Tints the 0-based editor line that holds a fault, scrolls it into view
  // and marks it in the gutter; -1 takes the tint away.
  void setFaultLine(int line);
  int faultLine() const { return m_faultLine; }

 Q_SIGNALS:
  // The caret's line and column and the text's length changed.
  void readoutChanged(const morvane::StatusReadout& readout);
  // A run key pressed in the editor.
  void runKey(morvane::KeyCode code, int shift);
  // The text was changed by an edit.
  void edited();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void onTextChanged();
  void showReadout();

  void placeGutter();

  UndoSnapshot m_undo;
  LineNumberGutter* m_gutter = nullptr;
  int m_faultLine = -1;
};

}  // namespace morvane
