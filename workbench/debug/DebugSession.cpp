#include "workbench/debug/DebugSession.h"

#include <algorithm>

#include "workbench/debug/BreakpointLines.h"

namespace morvane {

DebugSession::DebugSession(const BreakpointLines& breakpoints, QObject* parent)
    : QObject(parent), m_breakpoints(breakpoints) {}

void DebugSession::stepOverFromWaitingLine() {
  m_stepOverLevel = m_waitingLevel;
}

void DebugSession::runToLine(int line) { m_runToLine = line; }

void DebugSession::clearTargets() {
  m_stepOverLevel = 0;
  m_runToLine = -1;
}

void DebugSession::levelEntered(const LevelView& level) {
  ++m_depth;
  if (m_depth != 1) return;
  // A run (or a typed command) begins.
  m_ownProgram = level.program();
  m_commandRun = level.commandLine();
  m_faultLine = 0;
  if (!m_commandRun) Q_EMIT runStarted();
}

LineAction DebugSession::beforeLine(const LevelView& level) {
  m_faultLine = 0;  // the run goes on: an earlier level's message was not its end
  if (m_waitingLine >= 0) {
    m_waitingLine = -1;
    m_waitingLevel = 0;
    Q_EMIT waitingAt(-1);
  }
  if (level.atEndOfProgram()) return LineAction::Continue;
  if (m_stepOverLevel > 0 && m_depth <= m_stepOverLevel) return LineAction::EnterSingleStep;
  if (!inOwnProgram(level) || !level.beginsEditorLine()) return LineAction::Continue;
  const int line = level.editorLine() - 1;
  if (line == m_runToLine || m_breakpoints.contains(line)) return LineAction::EnterSingleStep;
  return LineAction::Continue;
}

bool DebugSession::watchesEveryLine() const {
  // What beforeLine clears, and what it stops at.
  return m_faultLine != 0 || m_waitingLine >= 0 || m_stepOverLevel > 0 || m_runToLine >= 0 ||
         !m_breakpoints.isEmpty();
}

void DebugSession::waitsAtLine(const LevelView& level) {
  m_faultLine = 0;
  clearTargets();
  m_waitingLine = level.editorLine() - 1;
  m_waitingLevel = m_depth;
  Q_EMIT waitingAt(m_waitingLine);
  readVariables(level);
}

void DebugSession::levelLeft(const LevelView& level) {
  // The innermost level that ends with a fault names its line; the levels
  // around it pass the message on.
  if (m_faultLine == 0 && level.endedByFault() && inOwnProgram(level)) m_faultLine = level.editorLine();
  --m_depth;
  if (m_depth > 0) return;
  clearTargets();
  if (m_waitingLine >= 0) {
    m_waitingLine = -1;
    m_waitingLevel = 0;
    Q_EMIT waitingAt(-1);
  }
  readVariables(level);
  if (!m_commandRun && level.endedByFault() && m_faultLine > 0) Q_EMIT faultAt(m_faultLine - 1);
  m_faultLine = 0;
}

void DebugSession::structureFault(LineNumber editorLine) {
  if (editorLine > 0) Q_EMIT faultAt(editorLine - 1);
}

void DebugSession::readVariables(const LevelView& level) {
  m_variables.globals = level.globals();
  m_variables.locals = level.locals();
  m_variables.level = std::max(m_depth, 1);
  Q_EMIT variablesRead(m_variables);
}

}  // namespace morvane
