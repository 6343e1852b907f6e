#include "exec/ExecuteStatement.h"

#include <exception>
#include <optional>
#include <string>

#include "core/Messages.h"
#include "exec/ConsoleStatements.h"
#include "exec/ControlFlowStatements.h"
#include "exec/DeclarationStatements.h"
#include "exec/DrawStatements.h"
#include "exec/FileSystemStatements.h"
#include "exec/Host.h"
#include "exec/StatementAccelerator.h"
#include "exec/InstructionFileStatements.h"
#include "exec/ProcedureStatements.h"
#include "exec/RunObserver.h"
#include "exec/RunControlStatements.h"
#include "exec/StatementContext.h"
#include "exec/StatementKind.h"
#include "prepare/Scanning.h"

namespace morvane {

namespace {

// A line that starts another program (in this window or another) always
// lets the window system in first, as stepping does.
bool startsAProgram(std::string_view keyword) { return keyword.starts_with("EXECUTE") || keyword == "RUN"; }

// Whether the line loop yields before the current line: always while
// stepping or waiting, and in a free run when the yield clock says so.
bool yieldsBefore(const StatementContext& ctx) {
  return ctx.document.runState != RunState::Running || startsAProgram(ctx.keyword) ||
         ctx.workspace.yieldClock().lineDue();
}

}  // namespace

Completion ExecuteStatementOfKind(StatementContext& ctx, StatementKind kind) {
  switch (kind) {
    case StatementKind::EndOfProgram:  // the last logical line is always empty
      return Completion::PlainExit;
    case StatementKind::Assignment:  // target = value
      return ExecuteAssignment(ctx);
    case StatementKind::IfBlock:  // IF c THEN / ELSEIF c THEN / ELSE / END IF
      return ExecuteIfBlock(ctx);
    case StatementKind::ForLoop:  // FOR v = a TO b [STEP c] / NEXT v / EXIT FOR / CONTINUE FOR
      return ExecuteForLoop(ctx);
    case StatementKind::DoLoop:  // DO [WHILE|UNTIL c] / LOOP [WHILE|UNTIL c] / EXIT DO / CONTINUE DO
      return ExecuteDoLoop(ctx);
    case StatementKind::Call:  // CALL name[(arguments)]
      return ExecuteCall(ctx);
    case StatementKind::ProcedureHeader:  // SUB / FUNCTION name[(parameters)] [AS type]
      return ExecuteProcedureHeader(ctx);
    case StatementKind::ProcedureEnd:  // END SUB / END FUNCTION and their forms
      return ExecuteProcedureEnd(ctx);
    case StatementKind::InstructionFile:  // RUN / EXECUTE / EXECUTEGRAFIC / EDIT file
      return ExecuteInstructionFile(ctx);
    case StatementKind::Terminate:  // TERMINATE
      return ExecuteTerminate(ctx);
    case StatementKind::ConsoleAndFiles:  // PRINT / INPUT / LINEINPUT / OPEN / CLOSE
      return ExecuteConsoleStatement(ctx);
    case StatementKind::Declaration:  // DIM / LOCAL / GLOBAL items
      return ExecuteDeclaration(ctx);
    case StatementKind::FileSystem:  // CD / MD / RD / DEL / COPY / RENAME
      return ExecuteFileSystemCommand(ctx);
    case StatementKind::Drawing:  // DRAW setting or shape, DRAWCOORDINATES
      return ExecuteDrawing(ctx);
    case StatementKind::Cls:  // CLS
      return ExecuteCls(ctx);
    case StatementKind::Goto:  // GOTO label
      return ExecuteGoto(ctx);
    case StatementKind::RunControl:  // BEEP / WAIT / PAUSE / RESET
      if (ctx.keyword == "BEEP") return ExecuteBeep(ctx);
      if (ctx.keyword == "WAIT") return ExecuteWait(ctx);
      if (ctx.keyword == "PAUSE") return ExecutePause(ctx);
      return ExecuteReset(ctx);
    case StatementKind::EndOfRun:  // END / STOP
      return ExecuteEndOrStop(ctx);
    case StatementKind::Other:  // label line, expression, or error
      return ExecuteOtherLine(ctx);
  }
  return Completion::PlainExit;
}

StatementKind ReadStatementLine(StatementContext& ctx) {
  const InterpreterState& s = ctx.state;
  StatementKeyword(s.programChars, s.lines, s.currentLine, ctx.keywordEnd, ctx.keywordText);
  if (ctx.keywordText == "DRAW COORDINATES") ctx.keywordText = "DRAWCOORDINATES";
  ctx.keyword = ctx.keywordText;
  const Position from = s.lines.lineStart(s.currentLine);
  const Position to = s.lines.lineStart(s.currentLine + 1) - 1;
  ctx.lastPosition = StatementEnd(s.programChars, from, to);
  ctx.argumentStart = FirstNonBlank(s.programChars, ctx.keywordEnd + 1, to);
  return ClassifyKeyword(ctx.keyword);
}

namespace {

// The accelerator, when the workspace has one, follows the levels it serves.
class AcceleratedLevel {
 public:
  explicit AcceleratedLevel(StatementContext& ctx) : m_ctx(ctx), m_fast(ctx.workspace.accelerator()) {
    if (m_fast != nullptr) m_fast->enterLevel(ctx);
  }
  ~AcceleratedLevel() {
    if (m_fast != nullptr) m_fast->leaveLevel(m_ctx);
  }
  AcceleratedLevel(const AcceleratedLevel&) = delete;
  AcceleratedLevel& operator=(const AcceleratedLevel&) = delete;

 private:
  StatementContext& m_ctx;
  StatementAccelerator* m_fast;
};

// Reads and dispatches a line through the accelerator where the level has
// one, through the literal reading and sections otherwise.
class LevelDispatch {
 public:
  explicit LevelDispatch(StatementContext& ctx) : m_ctx(ctx), m_fast(ctx.workspace.accelerator()) {}

  StatementKind readLine() { return m_ctx.accelerated ? m_fast->readLine(m_ctx) : ReadStatementLine(m_ctx); }
  Completion dispatch(StatementKind kind) {
    if (m_ctx.accelerated) {
      if (const std::optional<Completion> done = m_fast->execute(m_ctx, kind)) return *done;
    }
    return ExecuteStatementOfKind(m_ctx, kind);
  }

 private:
  StatementContext& m_ctx;
  StatementAccelerator* m_fast;
};

void decorateError(StatementContext& ctx) { DecorateError(ctx.document, ctx.state, ctx.state.currentLine); }

// Selects the line in the editor, so the user sees which line waits.
void highlightLine(StatementContext& ctx) {
  if (ctx.document.host == nullptr) return;
  const Position start = ctx.state.lines.lineStart(ctx.state.currentLine);
  const Position length = ctx.lastPosition > 0 ? ctx.lastPosition - start + 1 : 0;
  ctx.document.host->selectEditorText(start - 1, length);
}

}  // namespace

void DecorateError(Document& document, InterpreterState& s, LineNumber line) {
  if (document.runState == RunState::Command) {
    document.commandFailed = true;
    return;
  }
  std::string decorated(msg::ErrorInLine);
  decorated += std::to_string(s.lines.sourceLine(line));
  decorated += ": ";
  decorated += s.message;
  decorated += CRLF;
  decorated += StatementText(s.programChars, s.lines, line);
  s.message = std::move(decorated);
}

namespace {

// The line loop of a level whose context is set up: runs its lines from
// ctx.state.currentLine on until the level ends.
void RunLines(StatementContext& ctx) {
  InterpreterState& state = ctx.state;
  Workspace& workspace = ctx.workspace;
  Document& document = ctx.document;
  LevelDispatch level(ctx);

  for (;;) {
    // 1. Read the line; the window's observer sees it before it runs.
    const StatementKind kind = level.readLine();
    if (document.observer != nullptr) ObserveLine(ctx);

    // 2. In single step the line is shown in the editor.
    if (document.runState == RunState::StepOne) highlightLine(ctx);
    // 3. The step is used up: the line now waits.
    if (document.runState == RunState::StepOne) document.runState = RunState::WaitingForStep;

    if (document.runState == RunState::Command) {
      // 4. A typed command runs at once, as in single step.
      ctx.lineMode = RunState::StepOne;
    } else {
      bool stopped = false;
      do {
        // 5. Yield when due (every line while stepping, by time in a free run).
        if (yieldsBefore(ctx)) workspace.yieldToSystem();
        // 6. The window was closed meanwhile.
        if (document.free) {
          state.message.assign(msg::Deleted);
          stopped = true;
          break;
        }
        // 7. Single step waits until the line is released.
      } while (number(document.runState) <= 0);
      if (stopped) break;
      // 8. A stop was requested.
      if (document.runState == RunState::StopRequested) {
        state.message.assign(msg::ExecutionInterrupted);
        break;
      }
      ctx.lineMode = document.runState == RunState::StepOne ? RunState::StepOne : RunState::Running;
    }

    // 9. In single step the line's text is echoed.
    if (ctx.singleStep()) {
      ctx.print(StatementText(state.programChars, state.lines, state.currentLine));
    }

    // 10. Dispatch, with the trap that turns a platform failure inside a
    // statement into an error of the line.
    Completion completion;
    try {
      completion = level.dispatch(kind);
    } catch (const std::exception&) {
      completion = Completion::ErrorExit;
    }

    if (completion == Completion::NextLine) continue;
    if (completion == Completion::ErrorExit) decorateError(ctx);
    break;
  }
}

}  // namespace

void ExecuteStatement(InterpreterState& state, Workspace& workspace) {
  Document& document = workspace.document(state.windowIndex);
  StatementContext ctx{state, workspace, document};
  ctx.entryFlag = EntryFlag::AtEntry;
  ++document.activeRuns;
  const AcceleratedLevel level(ctx);
  const LevelWatch watch(ctx);
  RunLines(ctx);
  --document.activeRuns;
}

void FinishLevel(StatementContext& ctx, Completion done) {
  if (done == Completion::NextLine) {
    RunLines(ctx);
  } else if (done == Completion::ErrorExit) {
    decorateError(ctx);
  }
}

}  // namespace morvane
