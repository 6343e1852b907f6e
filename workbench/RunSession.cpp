#include "workbench/RunSession.h"

#include <utility>

namespace morvane {

// Counts one handler in progress; the last one to return runs what waits.
class RunSession::Depth {
 public:
  explicit Depth(RunSession& session) : m_session(session) { ++m_session.m_depth; }
  ~Depth() {
    --m_session.m_depth;
    m_session.checkUnwound();
  }
  Depth(const Depth&) = delete;
  Depth& operator=(const Depth&) = delete;

 private:
  RunSession& m_session;
};

RunSession::RunSession(Workspace& workspace, std::int32_t slot)
    : m_workspace(workspace), m_slot(slot), m_control(workspace, slot) {}

void RunSession::keyDown(KeyCode code, int shift) {
  Depth depth(*this);
  m_control.Text2_KeyDown(code, shift);
}

void RunSession::keyPress(int keyAscii) {
  Depth depth(*this);
  m_control.Text2_KeyPress(keyAscii);
}

bool RunSession::onStack() const {
  const Document& d = m_workspace.document(m_slot);
  return m_depth > 0 || d.activeRuns > 0;
}

void RunSession::whenUnwound(std::function<void()> action) {
  m_whenUnwound = std::move(action);
  checkUnwound();
}

void RunSession::checkUnwound() {
  if (!m_whenUnwound || onStack()) return;
  // The action may destroy the window that owns this session: take it out
  // first and touch nothing afterwards.
  std::function<void()> action = std::exchange(m_whenUnwound, nullptr);
  action();
}

}  // namespace morvane
