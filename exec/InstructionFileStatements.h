#pragma once
// The statements that reach beyond the running program: RUN executes an
// instruction file as a nested level, EXECUTE and EXECUTEGRAFIC run a
// program in a new window, EDIT opens one for editing, and TERMINATE closes
// the program's own window.

#include "exec/StatementContext.h"

namespace morvane {

// An instruction file must be shorter than this many bytes.
constexpr std::int64_t InstructionFileLimit = 64'000;

Completion ExecuteInstructionFile(StatementContext& ctx);  // RUN / EXECUTE / EXECUTEGRAFIC / EDIT name
Completion ExecuteTerminate(StatementContext& ctx);        // TERMINATE

}  // namespace morvane
