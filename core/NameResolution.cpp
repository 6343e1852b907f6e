#include "core/NameResolution.h"

#include <array>
#include <string_view>

#include "core/BuiltinFunctions.h"
#include "core/EngineServices.h"
#include "core/ExpressionProcedureCall.h"
#include "core/Messages.h"
#include "core/Variables.h"
#include "prepare/Characters.h"

namespace morvane {

namespace {

// A name may take at most this many arguments.
constexpr int MaxArguments = 100;

char classAt(std::string_view classes, int k) {
  return (k >= 1 && k <= static_cast<int>(classes.size())) ? classes[static_cast<std::size_t>(k - 1)]
                                                           : cls::None;
}

// Whether the name at token k is ready, and with how many arguments.
ReadyName readyAt(std::string_view classes, int k) {
  const char next = classAt(classes, k + 1);
  if (next != '(' && next != cls::Assignment) return ReadyName{k, 0, k};
  if (next != '(') return ReadyName{};

  int count = 0;
  int j = k + 2;
  while (true) {
    const char argument = classAt(classes, j);
    if (argument != cls::Number && argument != cls::String) return ReadyName{};
    ++count;
    ++j;
    if (classAt(classes, j) == ',') {
      ++j;
      continue;
    }
    if (classAt(classes, j) == ')') break;
    return ReadyName{};
  }
  if (count > MaxArguments || classAt(classes, j + 1) == cls::Assignment) return ReadyName{};
  return ReadyName{k, count, j};
}

bool nameEndsInDollar(const ProgramChars& chars, Position p) {
  while (isNameChar(chars.upperAt(p))) ++p;
  return chars.at(p) == '$';
}

class NameResolver {
 public:
  NameResolver(Evaluation& evaluation, const NameReference& name, Value& result)
      : m_ev(evaluation), m_state(evaluation.state), m_name(name), m_result(result) {}

  NameOutcome resolve() {
    // 1. A variable (the arguments are its indices).
    std::string& lookup = m_ev.workspace.lookupResult;
    LookupVariable(m_name.position, m_state.programChars, IndexList(m_state.argValues),
                   m_name.argumentCount, lookup, m_state.localTable,
                   m_state.services.globalTable(), m_ev.variableValue, m_ev.currentName);
    if (lookup.empty()) return resolvedTo(m_ev.variableValue);
    // An index out of range is remembered: the name may still be a function.
    bool indexOutOfRange = false;
    if (lookup != msg::NoVariable) {
      indexOutOfRange = lookup == msg::IndexOutOfRange(m_ev.currentName);
      if (!indexOutOfRange) return fail(lookup);
    }

    // 2. A built-in function.
    Value result = CallBuiltinFunction(m_state.programChars, m_name.position, m_state.argValues,
                                       m_name.argumentCount, m_state.message, m_state.services);
    if (m_state.message.empty()) return resolvedTo(std::move(result));
    if (m_state.message != msg::UnknownFunctionOrVariable) return NameOutcome::Failed;
    m_state.message.clear();

    // 3. A procedure of the program.
    const ProcedureHeader header = FindProcedureHeader(
        m_state.programChars, m_state.lines, m_name.position, m_ev.workspace.keyword);
    if (header.line != 0) {
      if (!CallProcedure(m_ev, header, m_name.argumentPositions)) return NameOutcome::Failed;
      return resolvedTo(m_state.resultValue);
    }

    // 4. A bare name standing alone as an argument becomes a new variable,
    //    so that a procedure can hand a value back in it.
    if (m_name.argumentCount == 0 && m_name.standsAlone) return createVariable();

    // 5. Nothing of that name.
    if (indexOutOfRange) return fail(msg::IndexOutOfRangeInExpression(m_ev.currentName));
    return fail(msg::UndefinedName(m_ev.currentName));
  }

 private:
  NameOutcome createVariable() {
    std::array<Value, 4> indexList;
    if (nameEndsInDollar(m_state.programChars, m_name.position)) {
      indexList[0].setString("");
    } else {
      indexList[0].setDouble(0);
    }
    AssignVariable(m_name.position, m_state.programChars, IndexList(indexList), 0, m_state.message,
                   m_state.localTable, m_state.services.globalTable(), m_ev.variableValue,
                   m_ev.currentName);
    if (!m_state.message.empty()) return NameOutcome::Failed;
    return resolvedTo(std::move(indexList[0]));
  }

  NameOutcome resolvedTo(const Value& v) {
    m_result = v;
    return NameOutcome::Resolved;
  }
  NameOutcome resolvedTo(Value&& v) {
    m_result = std::move(v);
    return NameOutcome::Resolved;
  }

  NameOutcome fail(std::string_view text) {
    m_state.message = text;
    return NameOutcome::Failed;
  }

  Evaluation& m_ev;
  InterpreterState& m_state;
  const NameReference& m_name;
  Value& m_result;
};

}  // namespace

ReadyName FindReadyName(std::string_view classes, bool targetFirst) {
  const int count = static_cast<int>(classes.size());
  for (int k = targetFirst ? 2 : 1; k <= count; ++k) {
    if (classes[static_cast<std::size_t>(k - 1)] != cls::Name) continue;
    const ReadyName ready = readyAt(classes, k);
    if (ready.token != 0) return ready;
  }
  return ReadyName{};
}

bool StandsAloneAsArgument(std::string_view classes, int token) {
  const std::string_view before = "(,";
  const std::string_view after = "),";
  return before.find(classAt(classes, token - 1)) != std::string_view::npos &&
         after.find(classAt(classes, token + 1)) != std::string_view::npos;
}

NameOutcome ResolveName(Evaluation& evaluation, const NameReference& name, Value& result) {
  return NameResolver(evaluation, name, result).resolve();
}

NameOutcome ResolveNextName(Evaluation& evaluation) {
  TokenList& tokens = evaluation.tokens();
  const ReadyName ready = FindReadyName(tokens.classes(), !evaluation.mode.isGet());
  if (ready.token == 0) return NameOutcome::NoneReady;

  // The arguments go to argument slots 1 to n; where their texts begin is
  // kept for a procedure's by-reference return.
  InterpreterState& state = evaluation.state;
  std::array<Position, MaxArguments> argumentPositions{};
  for (int a = 1; a <= ready.argumentCount; ++a) {
    const int token = ready.token + 2 * a;
    state.argValues[static_cast<std::size_t>(a)] = std::move(tokens.value(token));
    argumentPositions[static_cast<std::size_t>(a - 1)] = tokens.position(token);
  }
  state.argCount = ready.argumentCount;

  const NameReference name{tokens.position(ready.token), ready.argumentCount,
                           StandsAloneAsArgument(tokens.classes(), ready.token),
                           std::span<const Position>(argumentPositions.data(),
                                                     static_cast<std::size_t>(ready.argumentCount))};
  Value result;
  const NameOutcome outcome = ResolveName(evaluation, name, result);
  if (outcome != NameOutcome::Resolved) return outcome;
  // The name and its argument list become one number or string token.
  const char resultClass = result.isString() ? cls::String : cls::Number;
  tokens.value(ready.token) = std::move(result);
  tokens.collapse(ready.token, ready.lastToken, resultClass);
  return NameOutcome::Resolved;
}

}  // namespace morvane
