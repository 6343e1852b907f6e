#pragma once
// Text2, the protocol box: it shows the window's protocol buffer and sends
// every key to the protocol's key handlers. Whatever the box would do by
// itself is replaced by the buffer, so the user edits the command line only
// through the handlers (typing, backspace, the caret keys, Enter).

#include <QPlainTextEdit>
#include <QString>
#include <QTimer>

#include "exec/KeyCode.h"
#include "exec/ProtocolBuffer.h"

namespace morvane {

class ProtocolBox final : public QPlainTextEdit, public ProtocolView {
  Q_OBJECT

 public:
  explicit ProtocolBox(QWidget* parent = nullptr);

  // The buffer the box shows; none once its window has been closed.
  void setBuffer(const ProtocolBuffer* buffer) { m_buffer = buffer; }

  // ProtocolView: shows the buffer's text with its caret and no selection.
  void protocolChanged(const ProtocolBuffer& protocol, ProtocolEdit edit, std::string_view text) override;

  // Shows the buffer again (Text2_KeyUp, Text2_Change).
  void showBuffer();
  // Shows the output that is held back (see m_heldBack) now.
  void showHeldBack();

 Q_SIGNALS:
  // Text2_KeyDown and Text2_KeyPress. A receiver may run a whole program.
  void keyDown(morvane::KeyCode code, int shift);
  void keyPress(int keyAscii);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  bool canInsertFromMimeData(const QMimeData* source) const override;
  void insertFromMimeData(const QMimeData* source) override;

 private:
  void placeCaret(const ProtocolBuffer& protocol);

  const ProtocolBuffer* m_buffer = nullptr;
  // Output that reached the end of the protocol since the box last showed
  // it. A program may print thousands of lines between two yields; adding
  // each to the box and laying it out costs far more than the program's own
  // work, so the lines are added together when the run next lets the window
  // in (about every 15 ms, see exec/YieldClock.h) or when the key handler
  // that ran returns.
  QString m_heldBack;
  QTimer m_showHeldBack;
  // The number of buffer characters the box shows: the buffer without its
  // CRs (each line end shows as one line break).
  qsizetype m_shown = 0;
};

}  // namespace morvane
