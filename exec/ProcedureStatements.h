#pragma once
// The executor's side of procedures: CALL, the header that binds a level's
// parameters when the level is entered, and the end statements that hand
// the result and the parameters' final values back through ArgValues.

#include <cstddef>

#include "exec/StatementContext.h"

namespace morvane {

Completion ExecuteCall(StatementContext& ctx);             // CALL name[(arguments)]
Completion ExecuteProcedureHeader(StatementContext& ctx);  // SUB / FUNCTION / INLINE forms
Completion ExecuteProcedureEnd(StatementContext& ctx);     // END SUB, EXIT FUNCTION, ...

// One step of the end statements: the variable named at the level's name
// position `slot` (0 the result, 1 to n the parameters), if it exists,
// hands its value to argument slot `slot`.
void HandBackValue(StatementContext& ctx, std::size_t slot);

}  // namespace morvane
