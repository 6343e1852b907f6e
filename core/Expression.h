#pragma once
// The expression evaluator. It evaluates an expression of the program text,
// assigns to a variable (target = value) or declares one (name[(bounds)]
// [= initial value]), depending on its mode.
//
// It works in two stages. Scanning turns the text into a token list with one
// class character per token (ExpressionScanner). Reduction then rewrites the
// class string with an ordered set of patterns until one token is left
// (ExpressionReducer), resolving names as soon as their arguments are known
// (NameResolution). There is no parse tree and no operator stack.

#include <string>
#include <string_view>

#include "core/InterpreterState.h"
#include "core/RunState.h"
#include "core/Value.h"
#include "prepare/ProgramChars.h"

namespace morvane {

enum class ExpressionModeKind {
  Get,      // evaluate; the value goes to state.resultValue
  Set,      // target = value: assign
  Declare,  // name[(bounds)] [= initial value]: declare
};

// The mode of one evaluation. A declaration carries the declaration text of
// the variable store: "LOCAL_" or "GLOBAL", then the type word ("SINGLE",
// "DOUBLE", "INTEGER", "LONG", "STRING" or "DIM"). The text must outlive the
// evaluation.
class ExpressionMode {
 public:
  static constexpr ExpressionMode get() { return ExpressionMode(ExpressionModeKind::Get, {}); }
  static constexpr ExpressionMode set() { return ExpressionMode(ExpressionModeKind::Set, {}); }
  static constexpr ExpressionMode declare(std::string_view declarationText) {
    return ExpressionMode(ExpressionModeKind::Declare, declarationText);
  }

  constexpr ExpressionModeKind kind() const { return m_kind; }
  constexpr bool isGet() const { return m_kind == ExpressionModeKind::Get; }
  constexpr std::string_view declarationText() const { return m_declarationText; }

 private:
  constexpr ExpressionMode(ExpressionModeKind kind, std::string_view declarationText)
      : m_kind(kind), m_declarationText(declarationText) {}

  ExpressionModeKind m_kind;
  std::string_view m_declarationText;
};

// Evaluates the characters start..end (inclusive) of state.programChars.
//
// - state.message is "" on return after success, else the error text.
// - Get: the value is in state.resultValue.
// - Set: the value is stored in the target; state.resultValue holds the value
//   handed to the store, state.argCount the number of the target's indices
//   (0 to 3) and state.argValues[1..argCount] their values.
// - Declare: the variable is declared; state.resultValue holds the initial
//   value, state.argCount the number of bounds and state.argValues[1..argCount]
//   the bounds.
// - currentName receives the name read by the last variable operation, which
//   the error messages quote; variableValue is the caller's scratch value that
//   the variable operations hand their value back in.
// - runState is the calling window's run state at the current line; in single
//   step a procedure call first writes a line break to the protocol.
// - Names are upper-cased in the character store as they are scanned.
// - state.argValues (at least 101 slots) and state.argCount carry the
//   arguments of each name while it is resolved and a procedure's results,
//   and keep what the evaluation left there.
void EvaluateExpression(InterpreterState& state, Position start, Position end,
                        std::string& currentName, Value& variableValue, ExpressionMode mode,
                        RunState runState);

}  // namespace morvane
