#pragma once
// The small steps the control-flow statements are made of, shared by the
// literal sections (ControlFlowStatements) and the fast engine's, which run
// the same steps from what they keep of a line.

#include <string>

#include "exec/StatementContext.h"

namespace morvane {

// Whether a CR lies among the positions from..to (inclusive): a line that
// holds none continues on the same editor line.
bool HoldsLineEnd(const ProgramChars& chars, Position from, Position to);

// The keyword of logical line `line`.
std::string KeywordOfLine(const InterpreterState& state, LineNumber line);

// The value of a condition: true when its number is not 0. A string is no
// condition. False when the evaluation failed (the message is set).
[[nodiscard]] bool EvaluateCondition(StatementContext& ctx, Position from, Position to, bool& truth);

// A string is no condition: the message, and false.
bool RefuseStringCondition(StatementContext& ctx);
void PrintConditionTrace(StatementContext& ctx, bool truth);

// The truth of the value an evaluation has just left; false (with the
// message set) when it is a string.
[[nodiscard]] inline bool TruthOfResult(StatementContext& ctx, bool& truth) {
  const Value& v = ctx.state.resultValue;
  if (v.isString()) return RefuseStringCondition(ctx);
  truth = v.number() != 0;
  return true;
}

// The trace of a condition in single step.
inline void TraceCondition(StatementContext& ctx, bool truth) {
  if (ctx.singleStep()) PrintConditionTrace(ctx, truth);
}

// Moves on (or jumps) with a trace of its own instead of the line break.
inline Completion ContinueAt(StatementContext& ctx, LineNumber target, EntryFlag entry) {
  ctx.state.currentLine = target;
  ctx.entryFlag = entry;
  return Completion::NextLine;
}

}  // namespace morvane
