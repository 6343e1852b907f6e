// A procedure's level, called from an expression the engine replays: set up
// as the statement executor sets up a level, from what the calling level
// already knows, and run by the engine's own line loop as far as it goes.

#include <exception>

#include "exec/ExecuteStatement.h"
#include "exec/RunObserver.h"
#include "fast/FastEngine.h"

namespace morvane {

namespace {

// The level runs the caller's program: it counts among the program's
// levels for as long as it lasts, as the executor's levels do. The caller
// is one of them, so the program outlives the level.
class ProgramLevel {
 public:
  explicit ProgramLevel(StatementContext& ctx, AcceleratedProgram* program) : m_ctx(ctx) {
    m_ctx.accelerated = program;
    ++program->activeLevels;
  }
  ~ProgramLevel() {
    --m_ctx.accelerated->activeLevels;
    m_ctx.accelerated = nullptr;
  }
  ProgramLevel(const ProgramLevel&) = delete;
  ProgramLevel& operator=(const ProgramLevel&) = delete;

 private:
  StatementContext& m_ctx;
};

}  // namespace

void FastEngine::runProcedureLevel(StatementContext& caller, InterpreterState& level) {
  // The level runs in the caller's window (the level's window is the
  // caller's) and on the caller's store.
  Document& document = caller.document;
  StatementContext ctx{level, caller.workspace, document};
  ctx.entryFlag = EntryFlag::AtEntry;
  ++document.activeRuns;
  const ProgramLevel program(ctx, caller.accelerated);
  const LevelWatch watch(ctx);
  // The header line and those after it, as far as the engine's own loop
  // goes (in a free run); the line loop takes over from there. A platform
  // failure inside a line is an error of the line, as in the line loop.
  Completion done = Completion::NextLine;
  try {
    done = runFreeLines(ctx);
  } catch (const std::exception&) {
    done = Completion::ErrorExit;
  }
  FinishLevel(ctx, done);
  --document.activeRuns;
}

}  // namespace morvane
