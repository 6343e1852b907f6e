#pragma once
// The key codes the protocol's key handlers receive. The menus and the
// toolbar send the same codes, so the numbers are part of the interface.

namespace morvane {

enum class KeyCode : int {
  CtrlBreak = 3,
  Enter = 13,
  Pause = 19,
  Escape = 27,
  End = 35,
  Home = 36,
  Left = 37,
  Up = 38,
  Right = 39,
  Down = 40,
  F5Run = 116,
  F8Go = 119,
};

// Typed character codes that are not plain characters.
enum class KeyAscii : int {
  Backspace = 8,
  Enter = 13,
  CtrlQ = 17,
  SimulatedEnter = 10013,  // Enter sent by Run and Go, taken in any run state
};

}  // namespace morvane
