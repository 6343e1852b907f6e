#include "exec/ControlFlowSteps.h"

#include "core/Messages.h"
#include "exec/Evaluation.h"
#include "prepare/Scanning.h"

namespace morvane {

bool HoldsLineEnd(const ProgramChars& chars, Position from, Position to) {
  for (Position p = from; p <= to; ++p) {
    if (chars.at(p) == CR) return true;
  }
  return false;
}

std::string KeywordOfLine(const InterpreterState& state, LineNumber line) {
  Position end = 0;
  return StatementKeyword(state.programChars, state.lines, line, end);
}

bool EvaluateCondition(StatementContext& ctx, Position from, Position to, bool& truth) {
  return EvaluateGet(ctx, from, to) && TruthOfResult(ctx, truth);
}

bool RefuseStringCondition(StatementContext& ctx) {
  ctx.state.message.assign(msg::WrongType);
  return false;
}

void PrintConditionTrace(StatementContext& ctx, bool truth) {
  ctx.print(truth ? " (true)" : " (false)");
  ctx.print(CRLF);
}

}  // namespace morvane
