#pragma once
// A document window's way into its run control. Key and menu handlers run
// nested inside the executor's yields, so a handler may find its window's
// run (or another window's) still on the stack. The session counts the
// handlers in progress and knows when the window's frames have all unwound,
// so the window is destroyed only then.

#include <cstdint>
#include <functional>

#include "exec/KeyCode.h"
#include "exec/RunControl.h"
#include "exec/Workspace.h"

namespace morvane {

class RunSession {
 public:
  RunSession(Workspace& workspace, std::int32_t slot);
  RunSession(const RunSession&) = delete;
  RunSession& operator=(const RunSession&) = delete;

  // Text2_KeyDown and Text2_KeyPress.
  void keyDown(KeyCode code, int shift = 0);
  void keyPress(int keyAscii);

  // True while a handler of this window, or a run of its document started
  // elsewhere, is on the stack.
  bool onStack() const;

  // Runs `action` once nothing of this window is on the stack any more: at
  // once when nothing is, else when the last handler returns, or (for a run
  // started elsewhere) at the first check after it ended.
  void whenUnwound(std::function<void()> action);
  // Called by the window's timer while an action waits for a run started
  // elsewhere.
  void checkUnwound();

  Document& document() { return m_workspace.document(m_slot); }
  const Document& document() const { return m_workspace.document(m_slot); }
  std::int32_t slot() const { return m_slot; }
  bool waiting() const { return static_cast<bool>(m_whenUnwound); }

 private:
  class Depth;

  Workspace& m_workspace;
  std::int32_t m_slot;
  RunControl m_control;
  int m_depth = 0;
  std::function<void()> m_whenUnwound;
};

}  // namespace morvane
