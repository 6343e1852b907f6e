#pragma once
// The statements that decide which line runs next, and the assignment. None
// of them searches the program: the structure check left every jump target
// in BlockLink, and EntryFlag tells how a line was reached.

#include "exec/StatementContext.h"

namespace morvane {

Completion ExecuteAssignment(StatementContext& ctx);  // target = value
Completion ExecuteIfBlock(StatementContext& ctx);     // IF / ELSEIF / ELSE / END IF / ENDIF
Completion ExecuteForLoop(StatementContext& ctx);     // FOR / NEXT / EXIT FOR / CONTINUE FOR
Completion ExecuteDoLoop(StatementContext& ctx);      // DO and LOOP forms, EXIT and CONTINUE
Completion ExecuteGoto(StatementContext& ctx);        // GOTO label

}  // namespace morvane
