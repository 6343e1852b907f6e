#pragma once
// The protocol's keyboard handling and the run control of one document
// window, independent of any window system: key codes go in; the protocol
// text, the caret, the run state and the lamp colour come out. The workbench's
// keys, menus and toolbar and the headless runner all drive a window through
// these two entry points.

#include <cstdint>

#include "exec/KeyCode.h"
#include "exec/Workspace.h"

namespace morvane {

class RunControl {
 public:
  RunControl(Workspace& workspace, std::int32_t windowIndex)
      : m_workspace(workspace), m_windowIndex(windowIndex) {}

  // Run control and line-editing keys (Text2_KeyDown).
  void Text2_KeyDown(KeyCode keyCode, int shift = 0);
  // Typed characters and Enter (Text2_KeyPress); codes 32..255 are the
  // characters of the single-byte code page.
  void Text2_KeyPress(int keyAscii);

  // The menu entries of the Execute menu: the same as their keys.
  void mnuGo() { Text2_KeyDown(KeyCode::F8Go, 1); }
  void mnuRun() { Text2_KeyDown(KeyCode::F5Run, 1); }
  void mnuPause() { Text2_KeyDown(KeyCode::Pause, 1); }
  void mnuStop() { Text2_KeyDown(KeyCode::CtrlBreak, 1); }
  void mnuReset() { Text2_KeyDown(KeyCode::Escape, 1); }

  Document& document() { return m_workspace.document(m_windowIndex); }

 private:
  void executeCommandLine();
  void runEditorProgram(Document& d);
  void recallPrevious(Document& d);
  void recallNext(Document& d);
  void eraseInputLine(Document& d);
  void writeHistoryLine(Document& d, std::int32_t from);
  void takeAnswer(Document& d);
  void showLamp(Document& d);

  Workspace& m_workspace;
  std::int32_t m_windowIndex;
};

// The lamp colour for a run state: green below 1, yellow at 1, red at 2;
// other states leave the lamp as it is (false).
bool LampForRunState(RunState state, Lamp& lamp);

}  // namespace morvane
