#include "workbench/KeyTranslation.h"

#include "workbench/CodePage.h"

namespace morvane {

namespace {

// The X11 keysym of the Break key (XK_Break): Ctrl+Pause on a PC keyboard.
// Qt gives it no key of its own (the key is 0), so it is known by its symbol.
constexpr quint32 BreakKeysym = 0xFF6B;

std::optional<KeyCode> keyCodeOf(int key, Qt::KeyboardModifiers modifiers, quint32 nativeKey) {
  if (nativeKey == BreakKeysym) return KeyCode::CtrlBreak;
  switch (key) {
    case Qt::Key_F5:
      return KeyCode::F5Run;
    case Qt::Key_F8:
      return KeyCode::F8Go;
    case Qt::Key_Pause:
      // Ctrl+Pause is the Break key (where the keymap does not make it Break).
      return modifiers.testFlag(Qt::ControlModifier) ? KeyCode::CtrlBreak : KeyCode::Pause;
    case Qt::Key_Cancel:
      return KeyCode::CtrlBreak;
    case Qt::Key_Escape:
      return KeyCode::Escape;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return KeyCode::Enter;
    case Qt::Key_End:
      return KeyCode::End;
    case Qt::Key_Home:
      return KeyCode::Home;
    case Qt::Key_Left:
      return KeyCode::Left;
    case Qt::Key_Up:
      return KeyCode::Up;
    case Qt::Key_Right:
      return KeyCode::Right;
    case Qt::Key_Down:
      return KeyCode::Down;
    default:
      return std::nullopt;
  }
}

constexpr int CtrlQ = static_cast<int>(KeyAscii::CtrlQ);

}  // namespace

TranslatedKey TranslateKey(int key, Qt::KeyboardModifiers modifiers, const QString& text, quint32 nativeKey) {
  TranslatedKey out;
  out.keyDown = keyCodeOf(key, modifiers, nativeKey);
  if (key == Qt::Key_Return || key == Qt::Key_Enter) {
    out.keyPress = static_cast<int>(KeyAscii::Enter);
  } else if (key == Qt::Key_Backspace) {
    out.keyPress = static_cast<int>(KeyAscii::Backspace);
  } else if (key == Qt::Key_Q && modifiers.testFlag(Qt::ControlModifier)) {
    out.keyPress = CtrlQ;
  } else if (!text.isEmpty() && !modifiers.testFlag(Qt::ControlModifier) && text[0].unicode() >= 32 &&
             text[0] != QChar(0x7F)) {
    // A printable character, when the code page has it.
    const char byte = ToCodePage(text[0].unicode());
    if (byte != '?' || text[0] == QLatin1Char('?')) out.keyPress = static_cast<unsigned char>(byte);
  }
  return out;
}

bool IsRunKey(KeyCode code) {
  switch (code) {
    case KeyCode::F5Run:
    case KeyCode::F8Go:
    case KeyCode::Pause:
    case KeyCode::CtrlBreak:
    case KeyCode::Escape:
      return true;
    case KeyCode::Enter:
    case KeyCode::End:
    case KeyCode::Home:
    case KeyCode::Left:
    case KeyCode::Up:
    case KeyCode::Right:
    case KeyCode::Down:
      return false;
  }
  return false;
}

}  // namespace morvane
