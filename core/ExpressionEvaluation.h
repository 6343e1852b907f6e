#pragma once
// What the parts of one evaluation share: the caller's interpreter state and
// output fields, the mode, and this nesting level's workspace.

#include <string>

#include "core/Expression.h"
#include "core/ExpressionWorkspace.h"
#include "core/InterpreterState.h"
#include "core/RunState.h"
#include "core/Value.h"

namespace morvane {

struct Evaluation {
  InterpreterState& state;
  ExpressionWorkspace& workspace;
  std::string& currentName;
  Value& variableValue;
  ExpressionMode mode;
  RunState runState;

  TokenList& tokens() { return workspace.tokens; }
  std::string& message() { return state.message; }
  bool failed() const { return !state.message.empty(); }
};

// The second half of EvaluateExpression: reduces the evaluation's token list
// from wherever it stands and judges what is left by the mode (the value of
// "get", the store of "set", the declaration). The message is set on failure.
void ReduceAndFinishExpression(Evaluation& evaluation);

}  // namespace morvane
