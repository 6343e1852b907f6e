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

bool TruthOfResult(StatementContext& ctx, bool& truth) {
  const Value& v = ctx.state.resultValue;
  if (v.isString()) {
    ctx.state.message.assign(msg::WrongType);
    return false;
  }
  truth = v.number() != 0;
  return true;
}

void TraceCondition(StatementContext& ctx, bool truth) {
  if (!ctx.singleStep()) return;
  ctx.print(truth ? " (true)" : " (false)");
  ctx.print(CRLF);
}

}  // namespace morvane
