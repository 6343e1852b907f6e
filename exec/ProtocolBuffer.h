#pragma once
// The protocol of a document window: the console the interpreter writes to
// and the command line the user types into. The view (Text2) always shows
// the buffer; whatever the view does by itself is replaced by the buffer.

#include <cstdint>
#include <string>
#include <string_view>

namespace morvane {

class ProtocolBuffer;

// What the last change to the protocol was, for views that follow the
// protocol as a stream rather than redrawing it whole.
enum class ProtocolEdit { Inserted, Backspaced, Emptied, Refreshed };

class ProtocolView {
 public:
  virtual ~ProtocolView() = default;
  // Called after every change: `text` is what was inserted (Inserted) and
  // empty otherwise. The view shows protocol.text() with the caret at
  // protocol.cursor() and no selection.
  virtual void protocolChanged(const ProtocolBuffer& protocol, ProtocolEdit edit,
                               std::string_view text) = 0;
};

class ProtocolBuffer {
 public:
  // The protocol is emptied when an addition finds it this long or longer.
  static constexpr std::int32_t Limit = 20000;
  static constexpr char Backspace = '\b';

  void setView(ProtocolView* view) { m_view = view; }

  // The only way text reaches the protocol. A single backspace removes the
  // character before the caret unless that is a line end; anything else is
  // inserted at the caret.
  void displaytext(std::string_view addstring);

  // "Clear Protocol": text, length and caret to nothing.
  void clear();

  // Caret movement and the erasing of the input line, used by the keys.
  void setCursor(std::int32_t cursor);
  void removeLast();
  void refresh();

  const std::string& text() const { return m_text; }
  std::int32_t length() const { return static_cast<std::int32_t>(m_text.size()); }
  std::int32_t cursor() const { return m_cursor; }
  // The character at 1-based position p (CR outside the text).
  char at(std::int32_t p) const {
    return (p >= 1 && p <= length()) ? m_text[static_cast<std::size_t>(p - 1)] : '\r';
  }

 private:
  void notify(ProtocolEdit edit, std::string_view text = {});

  std::string m_text;
  std::int32_t m_cursor = 0;
  ProtocolView* m_view = nullptr;
};

}  // namespace morvane
