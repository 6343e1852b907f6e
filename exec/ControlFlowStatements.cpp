#include "exec/ControlFlowStatements.h"

#include <algorithm>

#include "core/Messages.h"
#include "core/NumberText.h"
#include "core/Variables.h"
#include "exec/ControlFlowSteps.h"
#include "exec/Evaluation.h"
#include "exec/StatementKind.h"
#include "prepare/Scanning.h"

namespace morvane {

namespace {

// The jump to the line's BlockLink target, with the line break of single step.
Completion jumpToPartner(StatementContext& ctx, EntryFlag entry = EntryFlag::InSequence) {
  return ctx.jumpTo(ctx.state.lines.blockLink(ctx.state.currentLine), entry);
}

// The value as a trace shows it: a string unchanged, a number as its text.
std::string traceValue(const Value& v) { return NumberText(v); }

// IF, or ELSEIF reached by the jump of a false condition: the test.
Completion testCondition(StatementContext& ctx) {
  InterpreterState& s = ctx.state;
  const ProgramChars& chars = s.programChars;
  // 1. THEN.
  const Position then = FindWord(chars, ctx.argumentStart, ctx.lastPosition, clause::Then);
  if (then == 0) return ctx.fail(msg::WhereIsThen);
  // 2. A single-line IF goes on after THEN on the same editor line.
  const Position lineStart = s.lines.lineStart(s.currentLine);
  const bool singleLine = !HoldsLineEnd(chars, lineStart, s.lines.lineStart(s.currentLine + 1));
  // 3. The condition stands between the keyword and THEN.
  bool truth = false;
  if (!EvaluateCondition(ctx, ctx.argumentStart, then - 1, truth)) return Completion::ErrorExit;
  TraceCondition(ctx, truth);
  // 4. True: the branch follows.
  if (truth) return ContinueAt(ctx, s.currentLine + 1, EntryFlag::InSequence);
  // 5. False: on to the next branch. An ELSE or ELSEIF reached so is entered,
  // except from a single-line IF whose target lies on a later editor line:
  // that ELSE belongs to an enclosing block and must not run.
  const LineNumber target = s.lines.blockLink(s.currentLine);
  const std::string targetKeyword = KeywordOfLine(ctx.state, target);
  EntryFlag entry = (targetKeyword == "ELSE" || targetKeyword == "ELSEIF") ? EntryFlag::AfterFalseJump
                                                                           : EntryFlag::InSequence;
  if (singleLine && HoldsLineEnd(chars, lineStart, s.lines.lineStart(target))) entry = EntryFlag::InSequence;
  return ContinueAt(ctx, target, entry);
}

}  // namespace

Completion ExecuteAssignment(StatementContext& ctx) {
  InterpreterState& s = ctx.state;
  // 1. The whole statement is evaluated as an assignment.
  if (!EvaluateSet(ctx, s.lines.lineStart(s.currentLine), ctx.lastPosition)) return Completion::ErrorExit;
  // 2. The trace:  "  ( NAME(i1,i2) = value )".
  if (ctx.singleStep()) {
    std::string trace = "  ( ";
    trace += ctx.currentName;
    if (s.argCount > 0) {
      trace += '(';
      const std::int32_t indices = std::min<std::int32_t>(s.argCount, 3);
      for (std::int32_t i = 1; i <= indices; ++i) {
        if (i > 1) trace += ',';
        trace += NumberText(s.argValues[static_cast<std::size_t>(i)]);
      }
      trace += ')';
    }
    trace += " = ";
    trace += traceValue(s.resultValue);
    trace += " )";
    trace += CRLF;
    ctx.print(trace);
  }
  // 3. Next line, with no further line break.
  return ContinueAt(ctx, s.currentLine + 1, EntryFlag::InSequence);
}

Completion ExecuteIfBlock(StatementContext& ctx) {
  if (ctx.commandMode()) return ctx.fail(msg::NotAllowedInSingleLineMode);
  InterpreterState& s = ctx.state;
  const std::string_view k = ctx.keyword;
  if (k == "IF" || (k == "ELSEIF" && ctx.entryFlag == EntryFlag::AfterFalseJump)) return testCondition(ctx);
  if ((k == "ELSE" || k == "ELSEIF") && ctx.entryFlag != EntryFlag::AfterFalseJump) {
    // The previous branch has run to its end: skip the remaining branches.
    LineNumber target = s.lines.blockLink(s.currentLine);
    for (std::string next = KeywordOfLine(ctx.state, target); next == "ELSE" || next == "ELSEIF";
         next = KeywordOfLine(ctx.state, target)) {
      const LineNumber further = s.lines.blockLink(target);
      if (further <= target) break;  // a link never leads backwards
      target = further;
    }
    return ctx.jumpTo(target, EntryFlag::InSequence);
  }
  // ELSE entered by a false condition, END IF and ENDIF.
  return ctx.nextLine();
}

Completion ExecuteForLoop(StatementContext& ctx) {
  if (ctx.commandMode()) return ctx.fail(msg::NotAllowedInSingleLineMode);
  InterpreterState& s = ctx.state;
  const std::string_view k = ctx.keyword;
  if (k.starts_with("NEXT ")) return jumpToPartner(ctx, EntryFlag::AfterFalseJump);
  if (k == "EXIT FOR" || k == "CONTINUE FOR") return jumpToPartner(ctx);

  // FOR var = start TO end [STEP step]
  ProgramChars& chars = s.programChars;
  // 1. TO and STEP.
  const Position to = FindWord(chars, ctx.argumentStart, ctx.lastPosition, clause::To);
  if (to == 0) return ctx.fail(msg::WhereIsTo);
  const Position step = FindWord(chars, ctx.argumentStart, ctx.lastPosition, clause::Step);
  const Position endTo = step > 0 ? step - 1 : ctx.lastPosition;

  double v = 0;
  // The loop variable's name for the trace: the step and end expressions
  // below read variables of their own and leave their names in currentName.
  std::string loopName;
  // 2. Entering the loop assigns the start value.
  if (ctx.entryFlag != EntryFlag::AfterFalseJump) {
    if (!EvaluateSet(ctx, ctx.argumentStart, to - 1)) return Completion::ErrorExit;
    v = s.resultValue.number();
    loopName = ctx.currentName;
  }
  // 3. The step, on every pass.
  double stepValue = 1;
  if (step > 0) {
    if (!EvaluateGet(ctx, step + 4, ctx.lastPosition)) return Completion::ErrorExit;
    stepValue = s.resultValue.number();
  }
  // 4. Back from NEXT: the variable moves on by the step.
  if (ctx.entryFlag == EntryFlag::AfterFalseJump) {
    Value slots[4];
    Value current;
    LookupVariable(ctx.argumentStart, chars, IndexList(slots), 0, s.message, s.localTable,
                   ctx.workspace.globals(), current, ctx.currentName);
    if (!s.message.empty()) return Completion::ErrorExit;
    slots[0] = Value::fromDouble(current.number() + stepValue);
    Value created;
    AssignVariable(ctx.argumentStart, chars, IndexList(slots), 0, s.message, s.localTable,
                   ctx.workspace.globals(), created, ctx.currentName);
    if (!s.message.empty()) return Completion::ErrorExit;
    v = slots[0].number();
    loopName = ctx.currentName;
  }
  // 5. The end, on every pass.
  if (!EvaluateGet(ctx, to + 3, endTo)) return Completion::ErrorExit;
  const double end = s.resultValue.number();
  // 7. The trace: a blank, then " ( I =  3 )".
  if (ctx.singleStep()) {
    std::string value = NumberText(v);
    std::replace(value.begin(), value.end(), ',', '.');
    ctx.print("  ( " + loopName + " = " + value + " )");
    ctx.print(CRLF);
  }
  // 6. The body runs while v has not passed the end in the step's direction.
  const bool runBody = (v <= end && stepValue >= 0) || (v >= end && stepValue <= 0);
  return ContinueAt(ctx, runBody ? s.currentLine + 1 : s.lines.blockLink(s.currentLine), EntryFlag::InSequence);
}

Completion ExecuteDoLoop(StatementContext& ctx) {
  if (ctx.commandMode()) return ctx.fail(msg::NotAllowedInSingleLineMode);
  InterpreterState& s = ctx.state;
  const std::string_view k = ctx.keyword;
  if (k == "DO") return ctx.nextLine();
  if (k == "LOOP" || k == "EXIT LOOP" || k == "EXIT DO" || k == "CONTINUE DO" || k == "CONTINUE LOOP") {
    return jumpToPartner(ctx);
  }
  // DO WHILE, DO UNTIL, LOOP WHILE, LOOP UNTIL: the condition decides.
  bool truth = false;
  if (!EvaluateCondition(ctx, ctx.argumentStart, ctx.lastPosition, truth)) return Completion::ErrorExit;
  TraceCondition(ctx, truth);
  const bool jumps = (k == "DO WHILE" || k == "LOOP UNTIL") ? !truth : truth;
  return ContinueAt(ctx, jumps ? s.lines.blockLink(s.currentLine) : s.currentLine + 1, EntryFlag::InSequence);
}

Completion ExecuteGoto(StatementContext& ctx) {
  if (ctx.commandMode()) return ctx.fail(msg::NotAllowedInSingleLineMode);
  return jumpToPartner(ctx);
}

}  // namespace morvane
