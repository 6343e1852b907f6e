#pragma once
// The run-control statements END, STOP, PAUSE, RESET, WAIT, BEEP and CLS, and
// the last resort for a line that matched no keyword.

#include "exec/StatementContext.h"

namespace morvane {

Completion ExecuteEndOrStop(StatementContext& ctx);  // END / STOP
Completion ExecutePause(StatementContext& ctx);      // PAUSE
Completion ExecuteReset(StatementContext& ctx);      // RESET
Completion ExecuteWait(StatementContext& ctx);       // WAIT [seconds]
Completion ExecuteBeep(StatementContext& ctx);       // BEEP [frequency [, seconds]]
Completion ExecuteCls(StatementContext& ctx);        // CLS
Completion ExecuteOtherLine(StatementContext& ctx);  // label, expression, or error

// The reset shared by the Escape key and RESET: the global variables and the
// given local table emptied, the window's canvas cleared and its settings
// reset, the pens and the user coordinate system back to their start.
void ResetInterpreter(Workspace& workspace, Document& document, VariableTable& localTable);

}  // namespace morvane
