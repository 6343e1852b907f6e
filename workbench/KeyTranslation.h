#pragma once
// Qt's key events as the key codes and typed character codes of the
// protocol's key handlers. A key may give both (Enter: the key 13, then the
// character 13), either, or neither.

#include <optional>

#include <QKeyEvent>

#include "exec/KeyCode.h"

namespace morvane {

struct TranslatedKey {
  std::optional<KeyCode> keyDown;  // Text2_KeyDown
  std::optional<int> keyPress;     // Text2_KeyPress: a code-page byte, backspace, Enter, Ctrl+Q
};

TranslatedKey TranslateKey(int key, Qt::KeyboardModifiers modifiers, const QString& text);
inline TranslatedKey TranslateKey(const QKeyEvent& event) {
  return TranslateKey(event.key(), event.modifiers(), event.text());
}

// The run keys, which reach the protocol's handler from any pane of the
// window: F5, F8, Pause, Ctrl-Break and Escape.
bool IsRunKey(KeyCode code);

}  // namespace morvane
