#pragma once
// How statement sections evaluate an expression of their line.

#include "exec/StatementContext.h"

namespace morvane {

// Evaluates positions from..to in read-only mode into state.resultValue.
// Returns false when the evaluation left a message in state.message.
[[nodiscard]] bool EvaluateGet(StatementContext& ctx, Position from, Position to);

}  // namespace morvane
