#include "core/Expression.h"

#include <array>
#include <string_view>

#include "core/EngineServices.h"
#include "core/ExpressionEvaluation.h"
#include "core/ExpressionReducer.h"
#include "core/ExpressionScanner.h"
#include "core/Messages.h"
#include "core/Variables.h"

namespace morvane {

namespace {

// The forms an assignment may have left: target, up to three indices, value.
constexpr std::array<std::string_view, 4> AssignmentForms = {"F:Z", "F(Z):Z", "F(Z,Z):Z",
                                                             "F(Z,Z,Z):Z"};
// The forms a declaration item may have left once its initial value is taken.
constexpr std::array<std::string_view, 4> DeclarationForms = {"F", "F(Z)", "F(Z,Z)", "F(Z,Z,Z)"};

bool isOneOf(std::string_view classes, const std::array<std::string_view, 4>& forms) {
  for (std::string_view form : forms) {
    if (classes == form) return true;
  }
  return false;
}

// The indices or bounds of "F(Z,Z,Z)..." are tokens 3, 5 and 7.
int copyIndices(const TokenList& tokens, int count, std::array<Value, 4>& indexList) {
  for (int i = 1; i <= count; ++i) {
    indexList[static_cast<std::size_t>(i)] = tokens.value(1 + 2 * i);
  }
  return count;
}

// After an assignment or declaration the argument list tells what the
// target had: its indices (or bounds) in slots 1 to argCount, for the trace.
void reportIndices(InterpreterState& state, const std::array<Value, 4>& indexList, int count) {
  for (int i = 1; i <= count; ++i) {
    state.argValues[static_cast<std::size_t>(i)] = indexList[static_cast<std::size_t>(i)];
  }
  state.argCount = count;
}

void finishGet(Evaluation& ev) {
  TokenList& tokens = ev.tokens();
  if (tokens.classes() != "Z") {
    ev.message() = msg::SyntaxError;
    return;
  }
  Value& result = tokens.value(1);
  if (!result.isNumber() && !result.isString()) {
    ev.message() = msg::WrongType;
    return;
  }
  ev.state.resultValue = std::move(result);
}

void finishSet(Evaluation& ev) {
  TokenList& tokens = ev.tokens();
  InterpreterState& state = ev.state;
  if (!isOneOf(tokens.classes(), AssignmentForms)) {
    ev.message() = msg::SyntaxError;
    return;
  }
  std::array<Value, 4> indexList;
  indexList[0] = std::move(tokens.value(tokens.count()));
  const int indexCount = copyIndices(tokens, (tokens.count() - 3) / 2, indexList);
  AssignVariable(tokens.position(1), state.programChars, IndexList(indexList), indexCount,
                 state.message, state.localTable, state.services.globalTable(), ev.variableValue,
                 ev.currentName);
  if (ev.failed()) return;
  state.resultValue = std::move(indexList[0]);
  reportIndices(state, indexList, indexCount);
}

void finishDeclare(Evaluation& ev) {
  TokenList& tokens = ev.tokens();
  InterpreterState& state = ev.state;
  std::array<Value, 4> indexList;
  if (tokens.count() >= 3 && tokens.classes().ends_with(":Z")) {
    indexList[0] = std::move(tokens.value(tokens.count()));
    tokens.truncate(tokens.count() - 2);
  }
  if (!isOneOf(tokens.classes(), DeclarationForms)) {
    ev.message() = msg::SyntaxError;
    return;
  }
  const int boundCount = copyIndices(tokens, (tokens.count() - 1) / 2, indexList);
  DeclareVariable(ev.mode.declarationText(), tokens.position(1), state.programChars,
                  IndexList(indexList), boundCount, state.message, state.localTable,
                  state.services.globalTable(), ev.currentName);
  if (ev.failed()) return;
  state.resultValue = std::move(indexList[0]);
  reportIndices(state, indexList, boundCount);
}

// The final stage: what the reduction left must have the form of the mode.
void finish(Evaluation& ev) {
  // Assignment and declaration treat strings and numbers alike here; the
  // variable store checks the type.
  TokenList& tokens = ev.tokens();
  if (tokens.classAt(tokens.count()) == cls::String) tokens.setClass(tokens.count(), cls::Number);

  switch (ev.mode.kind()) {
    case ExpressionModeKind::Get: finishGet(ev); break;
    case ExpressionModeKind::Set: finishSet(ev); break;
    case ExpressionModeKind::Declare: finishDeclare(ev); break;
  }
}

}  // namespace

void EvaluateExpression(InterpreterState& state, Position start, Position end,
                        std::string& currentName, Value& variableValue, ExpressionMode mode,
                        RunState runState) {
  state.message.clear();
  if (state.argValues.size() < TopLevelArgumentSlots) state.argValues.resize(TopLevelArgumentSlots);

  ExpressionWorkspaces::Lease lease(state.services.expressionWorkspaces());
  Evaluation ev{state, lease.workspace(), currentName, variableValue, mode, runState};

  ScanExpression(state.programChars, start, end, !mode.isGet(), ev.tokens(), state.message);
  if (ev.failed()) return;
  ReduceAndFinishExpression(ev);
}

void ReduceAndFinishExpression(Evaluation& evaluation) {
  if (!ReduceExpression(evaluation)) return;
  finish(evaluation);
}

}  // namespace morvane
