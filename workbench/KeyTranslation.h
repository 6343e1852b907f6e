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

// `nativeKey` is the key's symbol on the window system (the X11 keysym):
// Ctrl+Pause arrives on X11 as the Break symbol, which Qt names no key.
TranslatedKey TranslateKey(int key, Qt::KeyboardModifiers modifiers, const QString& text, quint32 nativeKey = 0);
inline TranslatedKey TranslateKey(const QKeyEvent& event) {
  return TranslateKey(event.key(), event.modifiers(), event.text(), event.nativeVirtualKey());
}

// The run keys, which reach the protocol's handler from any pane of the
// window: F5, F8, Pause, Ctrl-Break and Escape.
bool IsRunKey(KeyCode code);

}  // namespace morvane
