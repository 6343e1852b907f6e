#include "fast/FastStatements.h"

#include <algorithm>
#include <array>
#include <string>

#include "core/Messages.h"
#include "core/NumberText.h"
#include "core/Variables.h"
#include "exec/ControlFlowSteps.h"
#include "exec/Evaluation.h"
#include "exec/Workspace.h"
#include "fast/FastEngine.h"
#include "prepare/Scanning.h"

namespace morvane {

namespace {

ControlStatement classify(StatementKind kind, std::string_view k) {
  switch (kind) {
    case StatementKind::ForLoop:
      if (k.starts_with("NEXT ")) return ControlStatement::Next;
      if (k == "EXIT FOR" || k == "CONTINUE FOR") return ControlStatement::JumpToPartner;
      return ControlStatement::For;
    case StatementKind::IfBlock:
      if (k == "IF") return ControlStatement::If;
      if (k == "ELSEIF") return ControlStatement::ElseIf;
      if (k == "ELSE") return ControlStatement::Else;
      return ControlStatement::NextLineOnly;  // END IF, ENDIF
    case StatementKind::DoLoop:
      if (k == "DO") return ControlStatement::NextLineOnly;
      if (k == "DO WHILE") return ControlStatement::DoWhile;
      if (k == "DO UNTIL") return ControlStatement::DoUntil;
      if (k == "LOOP WHILE") return ControlStatement::LoopWhile;
      if (k == "LOOP UNTIL") return ControlStatement::LoopUntil;
      return ControlStatement::JumpToPartner;  // LOOP, EXIT LOOP/DO, CONTINUE DO/LOOP
    case StatementKind::Goto: return ControlStatement::JumpToPartner;
    default: return ControlStatement::None;
  }
}

// The value of the condition from..to, as EvaluateCondition gives it.
[[nodiscard]] bool evaluateCondition(StatementContext& ctx, ControlDecode& decode, FastEngine& engine, Position from,
                                     Position to, bool& truth) {
  return engine.evaluateKept(ctx, decode.condition, from, to, ExpressionMode::get()) && TruthOfResult(ctx, truth);
}

}  // namespace

Completion TestConditionFast(StatementContext& ctx, ControlDecode& decode, FastEngine& engine) {
  InterpreterState& s = ctx.state;
  if (decode.then == 0) return ctx.fail(msg::WhereIsThen);
  bool truth = false;
  if (!evaluateCondition(ctx, decode, engine, ctx.argumentStart, decode.then - 1, truth)) return Completion::ErrorExit;
  TraceCondition(ctx, truth);
  if (truth) return ContinueAt(ctx, s.currentLine + 1, EntryFlag::InSequence);
  return ContinueAt(ctx, s.lines.blockLink(s.currentLine), decode.falseEntry);
}

namespace {

// Back from NEXT: the loop variable moves on by the step, as LookupVariable
// and AssignVariable would move it; anything unusual is theirs to report.
[[nodiscard]] bool advanceLoopVariable(StatementContext& ctx, ControlDecode& decode, double stepValue, double& v) {
  InterpreterState& s = ctx.state;
  VariableTable& globals = ctx.workspace.globals();
  VariableReference::Found found = decode.loopVariable.localScalar(s.localTable);
  if (found.element == nullptr) found = decode.loopVariable.element(s.localTable, globals, {});
  const char suffix = decode.loopVariable.suffix();
  if (found.element != nullptr && (suffix == ' ' || suffix == found.record->suffix)) {
    Value& sum = decode.advanced;
    sum.setDouble(found.element->number() + stepValue);
    if (StoreByRecordType(found.record->suffix, sum, *found.element) == StoreOutcome::Stored) {
      decode.loopVariable.writeName(ctx.currentName);
      s.message.clear();
      v = sum.asDouble();
      return true;
    }
  }
  std::array<Value, 4> slots;
  Value current;
  LookupVariable(ctx.argumentStart, s.programChars, IndexList(slots), 0, s.message, s.localTable, globals, current,
                 ctx.currentName);
  if (!s.message.empty()) return false;
  slots[0] = Value::fromDouble(current.number() + stepValue);
  Value created;
  AssignVariable(ctx.argumentStart, s.programChars, IndexList(slots), 0, s.message, s.localTable, globals, created,
                 ctx.currentName);
  if (!s.message.empty()) return false;
  v = slots[0].number();
  return true;
}

}  // namespace

Completion ForLoopFast(StatementContext& ctx, ControlDecode& decode, FastEngine& engine) {
  InterpreterState& s = ctx.state;
  if (decode.to == 0) return ctx.fail(msg::WhereIsTo);
  const Position endTo = decode.step > 0 ? decode.step - 1 : ctx.lastPosition;
  double v = 0;
  // The loop variable's name for the trace (kept only while tracing): the
  // step and end expressions leave the names they read in currentName.
  std::string loopName;
  if (ctx.entryFlag != EntryFlag::AfterFalseJump) {
    if (!engine.evaluateKept(ctx, decode.start, ctx.argumentStart, decode.to - 1, ExpressionMode::set())) {
      return Completion::ErrorExit;
    }
    v = s.resultValue.number();
    if (ctx.singleStep()) loopName = ctx.currentName;
  }
  double stepValue = 1;
  if (decode.step > 0) {
    if (!engine.evaluateKept(ctx, decode.stepValue, decode.step + 4, ctx.lastPosition, ExpressionMode::get())) {
      return Completion::ErrorExit;
    }
    stepValue = s.resultValue.number();
  }
  if (ctx.entryFlag == EntryFlag::AfterFalseJump) {
    if (!advanceLoopVariable(ctx, decode, stepValue, v)) return Completion::ErrorExit;
    if (ctx.singleStep()) loopName = ctx.currentName;
  }
  if (!engine.evaluateKept(ctx, decode.endValue, decode.to + 3, endTo, ExpressionMode::get())) {
    return Completion::ErrorExit;
  }
  const double end = s.resultValue.number();
  if (ctx.singleStep()) {
    std::string value = NumberText(v);
    std::replace(value.begin(), value.end(), ',', '.');
    ctx.print("  ( " + loopName + " = " + value + " )");
    ctx.print(CRLF);
  }
  const bool runBody = (v <= end && stepValue >= 0) || (v >= end && stepValue <= 0);
  return ContinueAt(ctx, runBody ? s.currentLine + 1 : s.lines.blockLink(s.currentLine), EntryFlag::InSequence);
}

Completion ConditionalLoopFast(StatementContext& ctx, ControlDecode& decode, FastEngine& engine) {
  InterpreterState& s = ctx.state;
  bool truth = false;
  if (!evaluateCondition(ctx, decode, engine, ctx.argumentStart, ctx.lastPosition, truth)) return Completion::ErrorExit;
  TraceCondition(ctx, truth);
  const bool leavesOnFalse =
      decode.statement == ControlStatement::DoWhile || decode.statement == ControlStatement::LoopUntil;
  const bool jumps = leavesOnFalse ? !truth : truth;
  return ContinueAt(ctx, jumps ? s.lines.blockLink(s.currentLine) : s.currentLine + 1, EntryFlag::InSequence);
}

void DecodeControlStatement(const StatementContext& ctx, StatementKind kind, ControlDecode& decode) {
  const InterpreterState& s = ctx.state;
  const ProgramChars& chars = s.programChars;
  decode.statement = classify(kind, ctx.keyword);
  const LineNumber line = s.currentLine;
  switch (decode.statement) {
    case ControlStatement::For:
      decode.to = FindWord(chars, ctx.argumentStart, ctx.lastPosition, "TO");
      decode.step = FindWord(chars, ctx.argumentStart, ctx.lastPosition, "STEP");
      decode.loopVariable.bind(chars, ctx.argumentStart);
      break;
    case ControlStatement::If:
    case ControlStatement::ElseIf: {
      decode.then = FindWord(chars, ctx.argumentStart, ctx.lastPosition, "THEN");
      const Position lineStart = s.lines.lineStart(line);
      decode.singleLine = !HoldsLineEnd(chars, lineStart, s.lines.lineStart(line + 1));
      const LineNumber target = s.lines.blockLink(line);
      const std::string targetKeyword = KeywordOfLine(s, target);
      decode.falseEntry = (targetKeyword == "ELSE" || targetKeyword == "ELSEIF") ? EntryFlag::AfterFalseJump
                                                                                 : EntryFlag::InSequence;
      if (decode.singleLine && HoldsLineEnd(chars, lineStart, s.lines.lineStart(target))) {
        decode.falseEntry = EntryFlag::InSequence;
      }
      [[fallthrough]];
    }
    case ControlStatement::Else: {
      if (decode.statement == ControlStatement::If) break;
      LineNumber target = s.lines.blockLink(line);
      for (std::string next = KeywordOfLine(s, target); next == "ELSE" || next == "ELSEIF"; next = KeywordOfLine(s, target)) {
        const LineNumber further = s.lines.blockLink(target);
        if (further <= target) break;  // a link never leads backwards
        target = further;
      }
      decode.skipTarget = target;
      break;
    }
    default: break;
  }
}

}  // namespace morvane
