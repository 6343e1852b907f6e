#include "workbench/ProtocolBox.h"

#include <QKeyEvent>
#include <QScrollBar>
#include <QTextBlock>

#include "workbench/CodePage.h"
#include "workbench/KeyTranslation.h"

namespace morvane {

namespace {

// The buffer's text as the box shows it: CRs are not shown, LF breaks the line.
QString shownText(std::string_view bytes) {
  std::string withoutCr;
  withoutCr.reserve(bytes.size());
  for (char c : bytes) {
    if (c != '\r') withoutCr.push_back(c);
  }
  return DecodeCodePage(withoutCr);
}

qsizetype shownPosition(const std::string& text, std::int32_t cursor) {
  qsizetype position = 0;
  for (std::int32_t i = 0; i < cursor && i < static_cast<std::int32_t>(text.size()); ++i) {
    if (text[static_cast<std::size_t>(i)] != '\r') ++position;
  }
  return position;
}

}  // namespace

ProtocolBox::ProtocolBox(QWidget* parent) : QPlainTextEdit(parent) {
  setObjectName(QStringLiteral("Text2"));
  setUndoRedoEnabled(false);
  setLineWrapMode(QPlainTextEdit::NoWrap);
  setTabChangesFocus(true);
  setContextMenuPolicy(Qt::NoContextMenu);
  m_showHeldBack.setSingleShot(true);
  m_showHeldBack.setInterval(0);
  connect(&m_showHeldBack, &QTimer::timeout, this, &ProtocolBox::showHeldBack);
}

void ProtocolBox::protocolChanged(const ProtocolBuffer& protocol, ProtocolEdit edit, std::string_view text) {
  const bool atEnd = protocol.cursor() == protocol.length();
  if (edit == ProtocolEdit::Inserted && atEnd) {
    // Output and typing at the end of the protocol: append what came, at
    // the next chance the window gets.
    m_heldBack += shownText(text);
    if (!m_showHeldBack.isActive()) m_showHeldBack.start();
    return;
  }
  if (edit == ProtocolEdit::Emptied && protocol.length() == 0) {
    m_heldBack.clear();
    clear();
    m_shown = 0;
    placeCaret(protocol);
    return;
  }
  showBuffer();
}

void ProtocolBox::showHeldBack() {
  m_showHeldBack.stop();
  if (m_heldBack.isEmpty()) return;
  QTextCursor end(document());
  end.movePosition(QTextCursor::End);
  end.insertText(m_heldBack);
  m_shown += m_heldBack.size();
  m_heldBack.clear();
  if (m_buffer != nullptr) placeCaret(*m_buffer);
}

void ProtocolBox::showBuffer() {
  showHeldBack();
  if (m_buffer == nullptr) return;
  const ProtocolBuffer& protocol = *m_buffer;
  const QString text = shownText(protocol.text());
  if (text.size() != m_shown || toPlainText() != text) {
    setPlainText(text);
    m_shown = text.size();
  }
  placeCaret(protocol);
}

void ProtocolBox::placeCaret(const ProtocolBuffer& protocol) {
  QTextCursor caret = textCursor();
  const qsizetype position =
      protocol.cursor() == protocol.length() ? m_shown : shownPosition(protocol.text(), protocol.cursor());
  caret.setPosition(static_cast<int>(std::min(position, m_shown)));
  setTextCursor(caret);
  ensureCursorVisible();
}

void ProtocolBox::keyPressEvent(QKeyEvent* event) {
  // Copying a selection and selecting all leave the protocol as it is.
  if (event->matches(QKeySequence::Copy) || event->matches(QKeySequence::SelectAll)) {
    QPlainTextEdit::keyPressEvent(event);
    return;
  }
  // Tab moves the focus on to the next pane.
  if (event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab) {
    QPlainTextEdit::keyPressEvent(event);
    return;
  }
  const TranslatedKey key = TranslateKey(*event);
  event->accept();
  // The handlers may run a whole program; this box outlives it (its window
  // is destroyed only after its handlers have returned).
  if (key.keyDown) Q_EMIT keyDown(*key.keyDown, event->modifiers().testFlag(Qt::ShiftModifier) ? 1 : 0);
  if (key.keyPress) Q_EMIT keyPress(*key.keyPress);
}

void ProtocolBox::keyReleaseEvent(QKeyEvent* event) {
  event->accept();
  showBuffer();
}

void ProtocolBox::inputMethodEvent(QInputMethodEvent* event) {
  // Composed characters are typed one by one.
  const QString committed = event->commitString();
  event->accept();
  for (QChar c : committed) {
    const TranslatedKey key = TranslateKey(0, Qt::NoModifier, QString(c));
    if (key.keyPress) Q_EMIT keyPress(*key.keyPress);
  }
}

bool ProtocolBox::canInsertFromMimeData(const QMimeData*) const { return false; }

void ProtocolBox::insertFromMimeData(const QMimeData*) {}

}  // namespace morvane
