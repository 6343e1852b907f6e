#pragma once
// The window's side of its runs beyond what the protocol shows: it watches
// every run of the window (as the executor's RunObserver) and
// - stops a free run at the first statement of a breakpoint line, as if Go
//   had been pressed there;
// - carries out Step Over (run freely until the next line of the same or an
//   outer procedure level) and Run to Cursor (run freely until the line);
// - reports the line waiting in single step, the fault a run ended with,
//   and the variables whenever the program stands still.
// Everything it learns comes through the observer's calls; it changes the
// run only by the answer it gives before a line.

#include <vector>

#include <QObject>

#include "exec/RunObserver.h"

namespace morvane {

class BreakpointLines;

// The variables as they stood when the program last stood still.
struct VariablesSnapshot {
  std::vector<VariableEntry> globals;
  std::vector<VariableEntry> locals;
  int level = 0;  // 1 for the main program, 2 inside a procedure it called ...
};

class DebugSession final : public QObject, public RunObserver {
  Q_OBJECT

 public:
  explicit DebugSession(const BreakpointLines& breakpoints, QObject* parent = nullptr);

  // Step Over, from the line that waits: the run goes on freely and stops at
  // the next line whose level is the waiting line's or an outer one.
  void stepOverFromWaitingLine();
  // Run to Cursor: the run stops at the first statement of this 0-based
  // editor line of the window's own program (breakpoints still stop it
  // earlier).
  void runToLine(int line);
  // Forgets Step Over and Run to Cursor (the run went on otherwise).
  void clearTargets();

  // The procedure level of the line that waits, 0 when nothing waits.
  int waitingLevel() const { return m_waitingLevel; }
  const VariablesSnapshot& variables() const { return m_variables; }

  // RunObserver
  void levelEntered(const LevelView& level) override;
  LineAction beforeLine(const LevelView& level) override;
  bool watchesEveryLine() const override;
  void waitsAtLine(const LevelView& level) override;
  void levelLeft(const LevelView& level) override;
  void structureFault(LineNumber editorLine) override;

 Q_SIGNALS:
  // A run of the window's program begins (the fault mark goes).
  void runStarted();
  // The 0-based editor line that waits in single step; -1 while none does.
  void waitingAt(int line);
  // The variables were read afresh.
  void variablesRead(const morvane::VariablesSnapshot& snapshot);
  // A run or a check ended with a fault on this 0-based editor line.
  void faultAt(int line);

 private:
  void readVariables(const LevelView& level);
  bool inOwnProgram(const LevelView& level) const { return level.program() == m_ownProgram; }

  const BreakpointLines& m_breakpoints;
  int m_depth = 0;                 // levels of the window on the stack
  const void* m_ownProgram = nullptr;  // the program of the outermost level
  bool m_commandRun = false;       // the outermost level is a typed command
  int m_waitingLine = -1;
  int m_waitingLevel = 0;
  int m_stepOverLevel = 0;         // 0: no Step Over under way
  int m_runToLine = -1;            // -1: no Run to Cursor under way
  LineNumber m_faultLine = 0;      // the innermost level that ended with a fault
  VariablesSnapshot m_variables;
};

}  // namespace morvane

Q_DECLARE_METATYPE(morvane::VariablesSnapshot)
