#include "workbench/ProgramEditor.h"

#include <QKeyEvent>
#include <QTextBlock>

#include "workbench/KeyTranslation.h"
#include "workbench/editor/LineNumberGutter.h"

namespace morvane {

ProgramEditor::ProgramEditor(QWidget* parent) : QPlainTextEdit(parent) {
  setObjectName(QStringLiteral("Text1"));
  // The Edit menu's Undo replaces the widget's own.
  setUndoRedoEnabled(false);
  setLineWrapMode(QPlainTextEdit::NoWrap);
  // The line waiting in single step stays visible while another pane has
  // the focus.
  QPalette colours = palette();
  colours.setColor(QPalette::Inactive, QPalette::Highlight, colours.color(QPalette::Active, QPalette::Highlight));
  colours.setColor(QPalette::Inactive, QPalette::HighlightedText,
                   colours.color(QPalette::Active, QPalette::HighlightedText));
  setPalette(colours);
  connect(this, &QPlainTextEdit::textChanged, this, &ProgramEditor::onTextChanged);
  // Whatever moves the caret (keys, clicks, the toolbar's Cut and Paste, a
  // search) shows in the read-outs.
  connect(this, &QPlainTextEdit::cursorPositionChanged, this, &ProgramEditor::showReadout);
}

QString ProgramEditor::programText() const { return EditorText::fromDocument(*document()); }

void ProgramEditor::setProgramText(const QString& text) { setPlainText(text); }

std::string ProgramEditor::interpreterText() const { return EditorText::toInterpreter(programText()); }

void ProgramEditor::selectInterpreterRange(std::int64_t start, std::int64_t length) {
  const WidgetSelection selection = EditorText::toWidgetSelection(programText(), start, length);
  select(selection.start, selection.length);
  ensureCursorVisible();
  noteClick();
}

qsizetype ProgramEditor::selectionStart() const { return textCursor().selectionStart(); }

qsizetype ProgramEditor::selectionLength() const {
  const QTextCursor cursor = textCursor();
  return cursor.selectionEnd() - cursor.selectionStart();
}

void ProgramEditor::select(qsizetype start, qsizetype length) {
  const int end = static_cast<int>(document()->characterCount() - 1);
  QTextCursor cursor(document());
  cursor.setPosition(std::clamp(static_cast<int>(start), 0, end));
  cursor.setPosition(std::clamp(static_cast<int>(start + length), 0, end), QTextCursor::KeepAnchor);
  setTextCursor(cursor);
}

EditorState ProgramEditor::editorState() const { return {programText(), selectionStart(), selectionLength()}; }

void ProgramEditor::setEditorState(const EditorState& state) {
  setPlainText(state.text);
  select(state.selectionStart, state.selectionLength);
}

void ProgramEditor::undoToSnapshot() {
  if (isReadOnly()) return;
  const EditorState previous = m_undo.undo(editorState());
  setEditorState(previous);
}

void ProgramEditor::deleteSelectionOrCharacter() {
  if (isReadOnly()) return;
  QTextCursor cursor = textCursor();
  if (!cursor.hasSelection()) {
    if (cursor.atEnd()) return;
    // One character; a line end goes as a whole (CR and LF together).
    cursor.movePosition(QTextCursor::NextCharacter, QTextCursor::KeepAnchor);
  }
  cursor.removeSelectedText();
  setTextCursor(cursor);
}

void ProgramEditor::noteClick() {
  showReadout();
  m_undo.clicked(editorState());
}

void ProgramEditor::showReadout() { Q_EMIT readoutChanged(ReadoutAt(programText(), textCursor().position())); }

void ProgramEditor::onTextChanged() {
  m_undo.textChanged(selectionStart(), selectionLength());
  // Every change of the text shows in the read-outs, also one that leaves
  // the caret where it was.
  showReadout();
  Q_EMIT edited();
}

void ProgramEditor::keyPressEvent(QKeyEvent* event) {
  const TranslatedKey key = TranslateKey(*event);
  if (key.keyDown && IsRunKey(*key.keyDown)) {
    event->accept();
    Q_EMIT runKey(*key.keyDown, event->modifiers().testFlag(Qt::ShiftModifier) ? 1 : 0);
    return;
  }
  if (event->matches(QKeySequence::Undo)) {
    event->accept();
    undoToSnapshot();
    return;
  }
  // A typed key's change leaves the Undo snapshot as it is.
  m_undo.keyTyped();
  QPlainTextEdit::keyPressEvent(event);
}

void ProgramEditor::keyReleaseEvent(QKeyEvent* event) {
  QPlainTextEdit::keyReleaseEvent(event);
  showReadout();
}

void ProgramEditor::mouseReleaseEvent(QMouseEvent* event) {
  QPlainTextEdit::mouseReleaseEvent(event);
  noteClick();
}

// ---- Gutter and fault -----------------------------------------------------------

namespace {
const QColor FaultTint(255, 205, 205);
}  // namespace

void ProgramEditor::attachGutter(LineNumberGutter* gutter) {
  m_gutter = gutter;
  connect(this, &QPlainTextEdit::blockCountChanged, this, [this] { placeGutter(); });
  connect(this, &QPlainTextEdit::updateRequest, this, [this](const QRect& rect, int dy) {
    if (dy != 0) {
      m_gutter->scroll(0, dy);
    } else {
      m_gutter->update(0, rect.y(), m_gutter->width(), rect.height());
    }
  });
  placeGutter();
}

void ProgramEditor::placeGutter() {
  if (m_gutter == nullptr) return;
  const int width = m_gutter->neededWidth();
  setViewportMargins(width, 0, 0, 0);
  const QRect inside = contentsRect();
  m_gutter->setGeometry(inside.left(), inside.top(), width, inside.height());
  m_gutter->update();
}

void ProgramEditor::resizeEvent(QResizeEvent* event) {
  QPlainTextEdit::resizeEvent(event);
  placeGutter();
}

QList<VisibleLine> ProgramEditor::visibleLines() const {
  QList<VisibleLine> lines;
  QTextBlock block = firstVisibleBlock();
  const QPointF offset = contentOffset();
  const int bottom = viewport()->height();
  while (block.isValid()) {
    const QRectF shape = blockBoundingGeometry(block).translated(offset);
    if (shape.top() > bottom) break;
    if (block.isVisible()) {
      lines.append({block.blockNumber(), static_cast<int>(shape.top()), static_cast<int>(shape.height())});
    }
    block = block.next();
  }
  return lines;
}

void ProgramEditor::setFaultLine(int line) {
  m_faultLine = line;
  QList<QTextEdit::ExtraSelection> tints;
  const QTextBlock block = document()->findBlockByNumber(line);
  if (line >= 0 && block.isValid()) {
    QTextEdit::ExtraSelection tint;
    tint.format.setBackground(FaultTint);
    tint.format.setProperty(QTextFormat::FullWidthSelection, true);
    tint.cursor = QTextCursor(block);
    tints.append(tint);
    // The caret goes to the line, so that it scrolls into view.
    QTextCursor caret(block);
    setTextCursor(caret);
    centerCursor();
    showReadout();
  } else {
    m_faultLine = -1;
  }
  setExtraSelections(tints);
  if (m_gutter != nullptr) m_gutter->setFaultLine(m_faultLine);
}

void ProgramEditor::focusOutEvent(QFocusEvent* event) {
  QPlainTextEdit::focusOutEvent(event);
  // Opening a menu (Edit > Undo among them) or the context menu takes the
  // focus only for as long as the menu is open: that is no leaving of the
  // editor, and refreshing the snapshot there would leave Undo nothing to do.
  if (event->reason() == Qt::PopupFocusReason || event->reason() == Qt::MenuBarFocusReason) return;
  m_undo.focusLost(programText(), selectionStart());
}

}  // namespace morvane
