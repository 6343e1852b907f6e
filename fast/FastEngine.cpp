#include "fast/FastEngine.h"

#include <algorithm>

#include "core/EngineServices.h"
#include "core/ExpressionScanner.h"
#include "core/Messages.h"
#include "exec/ExecuteStatement.h"
#include "exec/RunObserver.h"
#include "exec/StatementContext.h"
#include "exec/Workspace.h"

namespace morvane {

namespace {

// After this many surprises an expression is left to the literal evaluator.
constexpr int MaxRecompilations = 4;

}  // namespace

void FastEngine::enterLevel(StatementContext& ctx) {
  const InterpreterState& state = ctx.state;
  for (const std::unique_ptr<AcceleratedProgram>& program : m_programs) {
    if (program->serves(state.programChars, state.lines)) {
      ++program->activeLevels;
      ctx.accelerated = program.get();
      return;
    }
  }
  m_programs.push_back(std::make_unique<AcceleratedProgram>(state.programChars, state.lines));
  m_programs.back()->activeLevels = 1;
  ctx.accelerated = m_programs.back().get();
}

void FastEngine::leaveLevel(StatementContext& ctx) {
  AcceleratedProgram* program = ctx.accelerated;
  ctx.accelerated = nullptr;
  if (program == nullptr || --program->activeLevels > 0) return;
  // No level runs the store any more: what was derived from it goes.
  std::erase_if(m_programs, [program](const std::unique_ptr<AcceleratedProgram>& p) { return p.get() == program; });
}

StatementKind FastEngine::readLine(StatementContext& ctx) {
  LineDecode* decode = ctx.accelerated->line(ctx.state.currentLine);
  if (decode == nullptr) return ReadStatementLine(ctx);
  if (!decode->decoded) {
    decode->kind = ReadStatementLine(ctx);
    decode->keyword = ctx.keyword;
    decode->keywordEnd = ctx.keywordEnd;
    decode->lastPosition = ctx.lastPosition;
    decode->argumentStart = ctx.argumentStart;
    decode->decoded = true;
    switch (decode->kind) {
      case StatementKind::Assignment: decode->freeStep = FreeStep::Assignment; break;
      case StatementKind::ProcedureHeader: decode->freeStep = FreeStep::ProcedureHeader; break;
      case StatementKind::ProcedureEnd: decode->freeStep = FreeStep::ProcedureEnd; break;
      default: break;  // a control-flow statement once its line is decoded
    }
    return decode->kind;
  }
  ctx.keyword = decode->keyword;
  ctx.keywordEnd = decode->keywordEnd;
  ctx.lastPosition = decode->lastPosition;
  ctx.argumentStart = decode->argumentStart;
  return decode->kind;
}

std::optional<Completion> FastEngine::execute(StatementContext& ctx, StatementKind kind) {
  LineDecode* decode = ctx.accelerated->line(ctx.state.currentLine);
  if (decode == nullptr) return std::nullopt;
  const std::optional<Completion> done = executeLine(ctx, kind, *decode);
  if (done != Completion::NextLine) return done;
  return runFreeLines(ctx);
}

Completion FastEngine::runFreeLines(StatementContext& ctx) {
  // A free run goes on here from line to line, doing for each what the line
  // loop would do, as long as nothing could happen between two lines: no
  // yield is due, the window is neither stepped nor watched line by line
  // (the debugger without breakpoints or targets does not), and the next
  // line is one this engine runs whole. Otherwise the line loop takes over
  // at the next line.
  Document& document = ctx.document;
  YieldClock& clock = ctx.workspace.yieldClock();
  AcceleratedProgram& program = *ctx.accelerated;
  Completion done = Completion::NextLine;
  while (done == Completion::NextLine && ctx.lineMode == RunState::Running &&
         document.runState == RunState::Running && !document.free &&
         (document.observer == nullptr || !document.observer->watchesEveryLine())) {
    LineDecode* decode = program.line(ctx.state.currentLine);
    if (decode == nullptr || decode->freeStep == FreeStep::None || clock.lineDue()) break;
    ctx.keyword = decode->keyword;
    ctx.keywordEnd = decode->keywordEnd;
    ctx.lastPosition = decode->lastPosition;
    ctx.argumentStart = decode->argumentStart;
    done = runFreeLine(ctx, *decode);
  }
  return done;
}

[[gnu::always_inline]] inline Completion FastEngine::runFreeLine(StatementContext& ctx, LineDecode& decode) {
  InterpreterState& s = ctx.state;
  ControlDecode& control = decode.control;
  // The statements that only move on or jump do so here (with the line
  // break of single step).
  switch (decode.freeStep) {
    case FreeStep::Assignment: return assign(ctx, decode);
    case FreeStep::ProcedureHeader: return ExecuteHeaderFast(ctx, decode.header);
    case FreeStep::ProcedureEnd: return EndProcedureFast(ctx);
    case FreeStep::For: return ForLoopFast(ctx, control, *this);
    case FreeStep::Next: return ctx.jumpTo(s.lines.blockLink(s.currentLine), EntryFlag::AfterFalseJump);
    case FreeStep::JumpToPartner: return ctx.jumpTo(s.lines.blockLink(s.currentLine), EntryFlag::InSequence);
    case FreeStep::NextLineOnly: return ctx.nextLine();
    case FreeStep::If: return TestConditionFast(ctx, control, *this);
    case FreeStep::ElseIf:
      if (ctx.entryFlag == EntryFlag::AfterFalseJump) return TestConditionFast(ctx, control, *this);
      return ctx.jumpTo(control.skipTarget, EntryFlag::InSequence);
    case FreeStep::Else:
      // Entered by a false condition: its branch runs; after a branch: the block ends.
      return ctx.jumpTo(ctx.entryFlag == EntryFlag::AfterFalseJump ? s.currentLine + 1 : control.skipTarget,
                        EntryFlag::InSequence);
    case FreeStep::ConditionalLoop: return ConditionalLoopFast(ctx, control, *this);
    case FreeStep::None: break;
  }
  return ExecuteStatementOfKind(ctx, decode.kind);
}

namespace {

// The step of the engine's own loop for a decoded control-flow statement.
FreeStep FreeStepOf(ControlStatement statement) {
  switch (statement) {
    case ControlStatement::None: return FreeStep::None;
    case ControlStatement::For: return FreeStep::For;
    case ControlStatement::Next: return FreeStep::Next;
    case ControlStatement::JumpToPartner: return FreeStep::JumpToPartner;
    case ControlStatement::NextLineOnly: return FreeStep::NextLineOnly;
    case ControlStatement::If: return FreeStep::If;
    case ControlStatement::ElseIf: return FreeStep::ElseIf;
    case ControlStatement::Else: return FreeStep::Else;
    case ControlStatement::DoWhile:
    case ControlStatement::DoUntil:
    case ControlStatement::LoopWhile:
    case ControlStatement::LoopUntil: return FreeStep::ConditionalLoop;
  }
  return FreeStep::None;
}

}  // namespace

std::optional<Completion> FastEngine::executeLineOtherwise(StatementContext& ctx, StatementKind kind,
                                                           LineDecode& decode) {
  if (kind == StatementKind::ProcedureHeader) return ExecuteHeaderFast(ctx, decode.header);
  if (kind == StatementKind::ProcedureEnd) {
    if (ctx.commandMode() || ctx.singleStep()) return std::nullopt;
    return EndProcedureFast(ctx);
  }
  if (!decode.controlDecoded) {
    DecodeControlStatement(ctx, kind, decode.control);
    decode.controlDecoded = true;
    decode.freeStep = FreeStepOf(decode.control.statement);
  }
  return executeControl(ctx, decode);
}

std::optional<Completion> FastEngine::executeControl(StatementContext& ctx, LineDecode& decode) {
  if (decode.freeStep == FreeStep::None) return std::nullopt;
  if (ctx.commandMode()) return ctx.fail(msg::NotAllowedInSingleLineMode);
  return runFreeLine(ctx, decode);
}

bool FastEngine::evaluateLiterally(StatementContext& ctx, Position from, Position to, ExpressionMode mode) {
  EvaluateExpression(ctx.state, from, to, ctx.currentName, ctx.scratch, mode, ctx.lineMode);
  return ctx.state.message.empty();
}

std::vector<Value>& FastEngine::slotsAtDepth(int depth, int count) {
  while (static_cast<int>(m_slots.size()) < depth) m_slots.push_back(std::make_unique<std::vector<Value>>());
  std::vector<Value>& slots = *m_slots[static_cast<std::size_t>(depth - 1)];
  if (static_cast<int>(slots.size()) < count) slots.resize(static_cast<std::size_t>(count));
  return slots;
}

bool FastEngine::evaluate(StatementContext& ctx, Position from, Position to, ExpressionMode mode) {
  // Declarations are rare and stay literal.
  if (mode.kind() == ExpressionModeKind::Declare) return evaluateLiterally(ctx, from, to, mode);
  ExpressionEntry* entry = nullptr;
  return evaluateKeptOtherwise(ctx, entry, from, to, mode, NumbersTried::No);
}

bool FastEngine::evaluateKeptOtherwise(StatementContext& ctx, ExpressionEntry*& kept, Position from, Position to,
                                       ExpressionMode mode, NumbersTried tried) {
  InterpreterState& state = ctx.state;
  // A store the level does not run (the statement buffer of INPUT) stays literal.
  if (!ctx.accelerated->serves(state.programChars, state.lines)) return evaluateLiterally(ctx, from, to, mode);
  if (kept == nullptr) kept = ctx.accelerated->expression(state.currentLine, from, to, mode.kind());
  if (kept == nullptr) return evaluateLiterally(ctx, from, to, mode);
  return evaluateEntry(ctx, *kept, mode, tried);
}

bool FastEngine::evaluateEntry(StatementContext& ctx, ExpressionEntry& entryRef, ExpressionMode mode,
                               NumbersTried tried) {
  InterpreterState& state = ctx.state;
  ExpressionEntry* const entry = &entryRef;
  const Position from = entry->from;
  const Position to = entry->to;
  if (entry->literalOnly) return evaluateLiterally(ctx, from, to, mode);

  // A lone number or string: what a replay would leave, without one.
  if (entry->constant != nullptr && mode.isGet()) {
    state.message.clear();
    state.resultValue = *entry->constant;
    return true;
  }

  if (state.argValues.size() < TopLevelArgumentSlots) state.argValues.resize(TopLevelArgumentSlots);
  ExpressionWorkspaces& workspaces = state.services.expressionWorkspaces();
  // Numbers alone: no evaluator, unless the numbers give up (or already
  // did, on the way here).
  if (entry->numericReady && tried == NumbersTried::No) {
    if (entry->expression.replayNumbers(state, ctx.currentName)) return true;
    entry->missedNumbers();
  }

  // As EvaluateExpression begins.
  state.message.clear();
  ExpressionWorkspaces::Lease lease(workspaces);
  Evaluation ev{state, lease.workspace(), ctx.currentName, ctx.scratch, mode, ctx.lineMode};

  if (!entry->compiled) {
    // The first evaluation scans as the literal one does, then compiles the
    // tokens before reducing them.
    ScanExpression(state.programChars, from, to, !mode.isGet(), ev.tokens(), state.message);
    if (ev.failed()) {
      entry->literalOnly = true;
      return false;
    }
    if (entry->expression.compile(ev, entry->observedClasses) != CompiledExpression::Compiled::Yes) {
      entry->literalOnly = true;
      ReduceAndFinishExpression(ev);
      return !ev.failed();
    }
    entry->compiled = true;
    entry->constant = entry->expression.constantValue();
    entry->numericReady = entry->expression.numeric() && entry->numericMisses < ExpressionEntry::MaxNumericMisses;
  }

  const int depth = workspaces.depth();
  const int slotCount = entry->expression.slotCount();
  std::vector<Value>& slots = static_cast<int>(m_slots.size()) >= depth &&
                                      static_cast<int>(m_slots[static_cast<std::size_t>(depth - 1)]->size()) >= slotCount
                                  ? *m_slots[static_cast<std::size_t>(depth - 1)]
                                  : slotsAtDepth(depth, slotCount);
  std::pair<Position, char> surprise{0, ' '};
  CallingLevel calling(*this, ctx);
  entry->expression.replay(ev, slots, surprise, calling);
  if (surprise.first != 0) {
    // A name gave a value of another class than expected: compile again,
    // expecting it, unless the expression keeps changing its mind.
    entry->observedClasses.push_back(surprise);
    entry->compiled = false;
    entry->constant = nullptr;
    entry->numericReady = false;
    if (++entry->recompilations > MaxRecompilations) entry->literalOnly = true;
  }
  return !ev.failed();
}

}  // namespace morvane
