#pragma once
// The statement executor: runs logical lines from state.currentLine on until
// the program ends, a statement ends the level, or an error occurs. The
// outcome is state.message ("" = ended normally) and state.currentLine.

#include "core/InterpreterState.h"
#include "exec/Completion.h"
#include "exec/StatementKind.h"

namespace morvane {

class Workspace;
struct Document;
struct StatementContext;

void ExecuteStatement(InterpreterState& state, Workspace& workspace);

// Ends a level that its caller set up as ExecuteStatement does and whose
// first lines the accelerator ran, `done` being how the last of them
// completed: a line still to run goes to the line loop, an error is
// decorated as the line loop decorates it.
void FinishLevel(StatementContext& ctx, Completion done);

// The error exit of a level whose line `line` failed: outside command mode
// the message names the editor line and quotes the statement (in command
// mode the document only notes that the command failed).
void DecorateError(Document& document, InterpreterState& state, LineNumber line);

// Reads the current line of ctx.state as the line loop does (step 1): the
// keyword (with "DRAW COORDINATES" as "DRAWCOORDINATES"), its end, the last
// significant position and the start of the arguments; answers the
// statement kind the keyword belongs to.
StatementKind ReadStatementLine(StatementContext& ctx);

// Runs the line read into ctx through the literal section of its kind (step
// 10, without the accelerator).
Completion ExecuteStatementOfKind(StatementContext& ctx, StatementKind kind);

}  // namespace morvane
