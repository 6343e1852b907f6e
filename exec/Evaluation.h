#pragma once
// How statement sections evaluate the expressions of their line. Each
// returns false when the evaluation left an error text in state.message.

#include <string_view>

#include "exec/StatementContext.h"

namespace morvane {

// Evaluates positions from..to (inclusive) read-only ("get") into
// state.resultValue.
[[nodiscard]] bool EvaluateGet(StatementContext& ctx, Position from, Position to);

// Evaluates the assignment "target = value" at from..to ("set"): the value
// is stored, state.resultValue holds it, state.argCount the number of
// indices of the element assigned (0 to 3) with their values in
// state.argValues[1..3], and ctx.currentName the variable's name.
[[nodiscard]] bool EvaluateSet(StatementContext& ctx, Position from, Position to);

// Evaluates one declaration item "name[(bounds)] [= initial value]" at
// from..to; modeText is "LOCAL_" or "GLOBAL" followed by the type word
// ("SINGLE", "DOUBLE", "INTEGER", "LONG", "STRING" or "DIM").
[[nodiscard]] bool EvaluateDeclaration(StatementContext& ctx, Position from, Position to,
                                       std::string_view modeText);

}  // namespace morvane
