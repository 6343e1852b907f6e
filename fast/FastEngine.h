#pragma once
// The fast engine: the statement accelerator of this folder. It keeps, per
// program store, what the literal engine derives again on every line (see
// AcceleratedProgram) and replays compiled expressions (CompiledExpression),
// and leaves to the literal sections whatever it does not cover.

#include <memory>
#include <optional>
#include <vector>

#include "exec/StatementAccelerator.h"
#include "exec/StatementContext.h"
#include "fast/AcceleratedProgram.h"
#include "fast/PureRun.h"

namespace morvane {

class FastEngine final : public StatementAccelerator {
 public:
  void enterLevel(StatementContext& ctx) override;
  void leaveLevel(StatementContext& ctx) override;
  StatementKind readLine(StatementContext& ctx) override;
  std::optional<Completion> execute(StatementContext& ctx, StatementKind kind) override;
  bool evaluate(StatementContext& ctx, Position from, Position to, ExpressionMode mode) override;

  // Evaluates the expression from..to of the current line, as evaluate()
  // does, through `kept`: the expression's entry, found on the first
  // evaluation and kept by the statement that evaluates it.
  [[gnu::always_inline]] bool evaluateKept(StatementContext& ctx, ExpressionEntry*& kept, Position from, Position to,
                                           ExpressionMode mode) {
    // The usual cases first, from the entry kept: a number or string
    // alone, then numbers alone.
    InterpreterState& state = ctx.state;
    if (kept != nullptr && ctx.accelerated->serves(state.programChars, state.lines)) {
      if (kept->constant != nullptr && mode.isGet()) {
        state.message.clear();
        state.resultValue = *kept->constant;
        return true;
      }
      if (kept->numericReady && state.argValues.size() >= TopLevelArgumentSlots) {
        if (kept->expression.replayNumbers(state, ctx.currentName)) return true;
        kept->missedNumbers();
        return evaluateKeptOtherwise(ctx, kept, from, to, mode, NumbersTried::Yes);
      }
    }
    return evaluateKeptOtherwise(ctx, kept, from, to, mode, NumbersTried::No);
  }

  // Runs the level of a procedure that an expression of the level `caller`
  // calls, as the statement executor runs a level, with what the caller's
  // level already knows: its window and its program (FastCalls.cpp).
  void runProcedureLevel(StatementContext& caller, InterpreterState& level);

  // Runs a call of a function that computes with numbers alone as a whole
  // (PureFunction.h), where the call would run its level in a free run of
  // `caller`; GaveUp, with nothing visible changed, when the call is to be
  // made the usual way.
  PureRun::Outcome runPure(StatementContext& caller, const Evaluation& evaluation, const ProcedureHeader& header,
                           std::int32_t argumentCount);

  // The programs levels run now (for tests: none once every run has ended).
  std::size_t programCount() const { return m_programs.size(); }

 private:
  // Runs one line whose reading is in ctx, as the line loop hands it over;
  // nullopt leaves it to the literal section before anything was done.
  std::optional<Completion> executeLine(StatementContext& ctx, StatementKind kind, LineDecode& decode) {
    if (kind == StatementKind::Assignment) {
      // Single step and typed commands trace it: the literal section does that.
      if (ctx.singleStep()) return std::nullopt;
      return assign(ctx, decode);
    }
    if (decode.controlDecoded) return executeControl(ctx, decode);
    return executeLineOtherwise(ctx, kind, decode);
  }
  // A decoded control-flow line as the line loop hands it over, in any
  // mode; nullopt when it is no control-flow statement the engine runs.
  std::optional<Completion> executeControl(StatementContext& ctx, LineDecode& decode);
  // A free run's assignment: the statement evaluated as one, then on to
  // the next line.
  Completion assign(StatementContext& ctx, LineDecode& decode) {
    InterpreterState& s = ctx.state;
    if (!evaluateKept(ctx, decode.assignment, s.lines.lineStart(s.currentLine), ctx.lastPosition,
                      ExpressionMode::set())) {
      return Completion::ErrorExit;
    }
    s.currentLine += 1;
    ctx.entryFlag = EntryFlag::InSequence;
    return Completion::NextLine;
  }
  // Runs the lines of a free run that follow, while nothing could happen
  // between two of them; the completion of the last one run.
  Completion runFreeLines(StatementContext& ctx);
  // One line as its FreeStep says: of the engine's own loop (a free run), or
  // a control-flow line of any mode but a typed command.
  Completion runFreeLine(StatementContext& ctx, LineDecode& decode);
  std::optional<Completion> executeLineOtherwise(StatementContext& ctx, StatementKind kind, LineDecode& decode);
  // Whether the numeric replay was already tried for this evaluation (and
  // gave up): then the full replay follows at once.
  enum class NumbersTried : bool { No, Yes };
  bool evaluateKeptOtherwise(StatementContext& ctx, ExpressionEntry*& kept, Position from, Position to,
                             ExpressionMode mode, NumbersTried tried);
  bool evaluateEntry(StatementContext& ctx, ExpressionEntry& entry, ExpressionMode mode, NumbersTried tried);
  bool evaluateLiterally(StatementContext& ctx, Position from, Position to, ExpressionMode mode);
  std::vector<Value>& slotsAtDepth(int depth, int count);

  std::vector<std::unique_ptr<AcceleratedProgram>> m_programs;
  // The replay's values, one array per nesting level of evaluations.
  std::vector<std::unique_ptr<std::vector<Value>>> m_slots;
  PureRun m_pureRun;
};

}  // namespace morvane
