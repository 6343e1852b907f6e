#include "exec/RunControlStatements.h"

#include <algorithm>
#include <cmath>

#include "core/IntegerConversion.h"
#include "core/Messages.h"
#include "core/NumberText.h"
#include "exec/Evaluation.h"
#include "exec/Host.h"
#include "graphics/Canvas.h"
#include "prepare/Scanning.h"

namespace morvane {

namespace {

// Rounds to the nearest whole number, halves to the even neighbour, and
// keeps the result inside the 32-bit range (NaN gives 0).
std::int32_t roundToLong(double value) {
  const double rounded = std::nearbyint(std::clamp(value, -2147483648.0, 2147483647.0));
  return ToInteger<std::int32_t>(rounded).value_or(0);
}

}  // namespace

void ResetInterpreter(Workspace& workspace, Document& document, VariableTable& localTable) {
  workspace.globals().clear();
  localTable.clear();
  if (document.host != nullptr) {
    document.host->canvas().clear();
    document.canvasSettings.reset(document.host->editorFontName(), document.host->editorFontSize());
  } else {
    document.canvasSettings.reset(document.canvasSettings.font.name, document.canvasSettings.font.size);
  }
  workspace.drawing().reset();
}

Completion ExecuteEndOrStop(StatementContext& ctx) {
  if (ctx.commandMode()) return ctx.fail(msg::NotAllowedInSingleLineMode);
  if (ctx.singleStep()) ctx.print(CRLF);
  ctx.state.message.assign(ctx.keyword == "END" ? msg::End : msg::Stop);
  return Completion::PlainExit;
}

Completion ExecutePause(StatementContext& ctx) {
  // The program switches to single step: the next line is highlighted and
  // waits for F8, Enter or F5.
  ctx.document.runState = RunState::StepOne;
  ctx.lineMode = RunState::StepOne;
  if (ctx.document.host != nullptr) {
    const Position start = ctx.state.lines.lineStart(ctx.state.currentLine);
    const Position length = ctx.lastPosition > 0 ? ctx.lastPosition - start + 1 : 0;
    ctx.document.host->selectEditorText(start - 1, length);
    ctx.document.host->setLamp(Lamp::Yellow);
  }
  ctx.state.currentLine += 1;
  ctx.entryFlag = EntryFlag::InSequence;
  ctx.print(msg::Pause);
  ctx.print(CRLF);
  return Completion::NextLine;
}

Completion ExecuteReset(StatementContext& ctx) {
  ResetInterpreter(ctx.workspace, ctx.document, ctx.state.localTable);
  ctx.state.currentLine += 1;
  ctx.entryFlag = EntryFlag::InSequence;
  ctx.state.message.clear();
  if (ctx.singleStep()) {
    ctx.print(CRLF);
    ctx.print(msg::ClearScreenAndVariables);
    ctx.print(CRLF);
  }
  return Completion::NextLine;
}

Completion ExecuteWait(StatementContext& ctx) {
  // WAIT [seconds]: at most 10 seconds, at least none.
  InterpreterState& s = ctx.state;
  if (ctx.argumentStart > 0) {
    if (!EvaluateGet(ctx, ctx.argumentStart, ctx.lastPosition)) return Completion::ErrorExit;
    const double seconds = std::clamp(s.resultValue.number(), 0.0, 10.0);
    s.resultValue = Value::fromDouble(seconds);
  } else {
    s.resultValue = Value::fromDouble(0);
  }
  Workspace& workspace = ctx.workspace;
  workspace.yieldToSystem();
  workspace.system().sleepMilliseconds(roundToLong(s.resultValue.number() * 1000));
  workspace.yieldToSystem();
  s.message.clear();
  return ctx.nextLine();
}

Completion ExecuteBeep(StatementContext& ctx) {
  // BEEP [frequency [, seconds]]: 1000 Hz for 0.3 seconds by default.
  InterpreterState& s = ctx.state;
  double frequency = 1000;
  double seconds = 0.3;
  if (ctx.argumentStart > 0) {
    const Position comma = FindSeparator(s.programChars, ctx.argumentStart, ctx.lastPosition);
    const Position frequencyEnd = comma > 0 ? comma - 1 : ctx.lastPosition;
    if (!EvaluateGet(ctx, ctx.argumentStart, frequencyEnd)) return Completion::PlainExit;
    frequency = s.resultValue.number();
    if (comma > 0) {
      if (!EvaluateGet(ctx, comma + 1, ctx.lastPosition)) return Completion::PlainExit;
      seconds = s.resultValue.number();
    }
  }
  if (!ctx.workspace.system().tone(roundToLong(frequency), roundToLong(seconds * 1000))) {
    return ctx.fail(msg::NoSound);
  }
  s.message.clear();
  return ctx.nextLine();
}

Completion ExecuteCls(StatementContext& ctx) {
  if (ctx.document.host != nullptr) ctx.document.host->canvas().clear();
  ctx.document.canvasSettings.currentX = 0;
  ctx.document.canvasSettings.currentY = 0;
  ctx.workspace.drawing().clearPens();
  return ctx.nextLine();
}

Completion ExecuteOtherLine(StatementContext& ctx) {
  InterpreterState& s = ctx.state;
  // 1. A label line, linked to the GOTOs that name it, is passed over.
  if (s.lines.blockLink(s.currentLine) != 0) return ctx.nextLine();
  // 2. Otherwise the line is an expression.
  if (!EvaluateGet(ctx, s.lines.lineStart(s.currentLine), ctx.lastPosition)) {
    return Completion::ErrorExit;
  }
  // 3. Typed in the protocol, the expression shows its value.
  if (ctx.commandMode()) {
    ctx.print(" ( = ");
    ctx.print(NumberText(s.resultValue));
    ctx.print(" )");
    ctx.print(CRLF);
    return Completion::PlainExit;
  }
  // 4. In a program a bare expression is no statement.
  return ctx.fail(msg::UnknownInstruction);
}

}  // namespace morvane
