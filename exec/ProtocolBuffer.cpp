#include "exec/ProtocolBuffer.h"

#include <algorithm>

namespace morvane {

void ProtocolBuffer::displaytext(std::string_view addstring) {
  if (addstring.size() == 1 && addstring[0] == Backspace) {
    if (length() > 0 && m_cursor > 0 && m_text[static_cast<std::size_t>(m_cursor - 1)] != '\n') {
      m_text.erase(static_cast<std::size_t>(m_cursor - 1), 1);
      --m_cursor;
      notify(ProtocolEdit::Backspaced);
    } else {
      notify(ProtocolEdit::Refreshed);
    }
    return;
  }
  if (length() >= Limit) {
    m_text.clear();
    m_cursor = 0;
    notify(ProtocolEdit::Emptied);
  }
  m_text.insert(static_cast<std::size_t>(m_cursor), addstring);
  m_cursor += static_cast<std::int32_t>(addstring.size());
  notify(ProtocolEdit::Inserted, addstring);
}

void ProtocolBuffer::clear() {
  m_text.clear();
  m_cursor = 0;
  notify(ProtocolEdit::Emptied);
}

void ProtocolBuffer::setCursor(std::int32_t cursor) {
  m_cursor = std::clamp(cursor, std::int32_t{0}, length());
}

void ProtocolBuffer::removeLast() {
  if (m_text.empty()) return;
  m_text.pop_back();
  m_cursor = std::min(m_cursor, length());
}

void ProtocolBuffer::refresh() { notify(ProtocolEdit::Refreshed); }

void ProtocolBuffer::notify(ProtocolEdit edit, std::string_view text) {
  if (m_view) m_view->protocolChanged(*this, edit, text);
}

}  // namespace morvane
