#pragma once
// The console and file statements: PRINT writes to the protocol or to a
// file, INPUT and LINEINPUT read what the user types in the protocol or a
// line of a file into a variable, OPEN and CLOSE manage the numbered files
// of the workspace's file table.

#include "exec/StatementContext.h"

namespace morvane {

// LINEINPUT, INPUT, PRINT, OPEN or CLOSE, by the line's keyword.
Completion ExecuteConsoleStatement(StatementContext& ctx);

Completion ExecutePrint(StatementContext& ctx);      // PRINT [#n (, or ;)] [item {(; or ,) item}] [; or ,]
Completion ExecuteInput(StatementContext& ctx);      // INPUT variable {(, or ;) variable}
Completion ExecuteLineInput(StatementContext& ctx);  // LINEINPUT variable / LINEINPUT [#]n, variable {, variable}
Completion ExecuteOpen(StatementContext& ctx);       // OPEN name FOR INPUT|OUTPUT|APPEND AS [#]n
Completion ExecuteClose(StatementContext& ctx);      // CLOSE [#]n

}  // namespace morvane
