#pragma once
// What a document window may learn of its own running program, and when.
// The window registers an observer with its Document; the executor then
// reports each program level as it begins and ends and each logical line
// before it runs. Through a LevelView the observer reads, never writes,
// where the level stands and what its variables hold. Breakpoints, stepping
// over procedures, running to the cursor and the variables view are built on
// these calls alone; none of them reaches into the executor.
//
// The calls come on the executor's own stack, in the order the lines run.
// A LevelView is valid only during the call that hands it over: the level's
// tables may be gone the moment the call returns.

#include <string>
#include <string_view>
#include <vector>

#include "exec/VariableListing.h"
#include "prepare/LineTable.h"

namespace morvane {

struct StatementContext;

// A read-only view of one executing level of a document's program.
class LevelView {
 public:
  explicit LevelView(const StatementContext& ctx) : m_ctx(ctx) {}

  // The editor line on which the current logical line begins (the number the
  // messages show).
  LineNumber editorLine() const;
  // True when the current logical line is the first one that begins on its
  // editor line (a line may hold several statements, and a statement may be
  // continued over several lines).
  bool beginsEditorLine() const;
  // The final empty line: the program ends here.
  bool atEndOfProgram() const;
  // A line typed into the protocol rather than a program.
  bool commandLine() const;
  // Identifies the program text: every level of one run of the editor's
  // program (its procedures too) answers the same; an instruction file run
  // by RUN answers another.
  const void* program() const;
  // The message the level ends with ("" while all is well).
  const std::string& message() const;
  // True when that message reports a fault: not End, Stop or an interruption.
  bool endedByFault() const;

  // The variables of the level (its procedure's locals, or the top level's)
  // and the globals, in the order they were created.
  std::vector<VariableEntry> locals() const;
  std::vector<VariableEntry> globals() const;

 private:
  const StatementContext& m_ctx;
};

// What the executor does with a line after the observer has seen it.
enum class LineAction {
  Continue,         // the line runs as the run state says
  EnterSingleStep,  // a free run stops here as if Go had been pressed at this line
};

class RunObserver {
 public:
  virtual ~RunObserver() = default;

  // A level begins: the run of a program or a typed command, a procedure
  // call, an instruction file. Levels nest as calls do.
  virtual void levelEntered(const LevelView& level) = 0;
  // Before the current line of a free run (the run state Running) runs.
  [[nodiscard]] virtual LineAction beforeLine(const LevelView& level) = 0;
  // Whether beforeLine must be asked before every line of a free run. An
  // observer answers false only while beforeLine would let every line
  // continue and change nothing (no breakpoint, no target, nothing to
  // clear): a faster engine may then run lines one after the other without
  // asking, as long as the answer stays false, and need not report the
  // levels of procedure calls that end without a fault (a level entered
  // and left again changes nothing for such an observer).
  virtual bool watchesEveryLine() const { return true; }
  // The current line waits for a step in single step: after Go, a step, a
  // Pause, or a stop the observer asked for.
  virtual void waitsAtLine(const LevelView& level) = 0;
  // The level ends with the message it leaves (for an error the text before
  // or after its decoration; a plain exit leaves it as the statement set it)
  // on the line it stopped on.
  virtual void levelLeft(const LevelView& level) = 0;
  // The structure check refused the editor's program; the fault lies on
  // this editor line (0 when the message names none).
  virtual void structureFault(LineNumber editorLine) = 0;
};

// The executor's side, one call each, so that the line loop stays readable.

// Asks the window's observer about the current line: in a free run it may
// ask for single step (the line is then highlighted and the lamp turns
// yellow, as Pause does); a line about to wait in single step is reported.
void ObserveLine(StatementContext& ctx);

// Tells the window's observer where the structure check found its fault.
struct Document;
void ReportStructureFault(Document& document, std::string_view checkMessage);

// Reports a level's beginning on construction and its end on destruction.
class LevelWatch {
 public:
  explicit LevelWatch(StatementContext& ctx);
  ~LevelWatch();
  LevelWatch(const LevelWatch&) = delete;
  LevelWatch& operator=(const LevelWatch&) = delete;

 private:
  StatementContext& m_ctx;
};

}  // namespace morvane
