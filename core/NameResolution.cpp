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

struct ReadyName {
  int token = 0;          // the name's token; 0 when none is ready
  int argumentCount = 0;  // 0 for a bare name
  int lastToken = 0;      // the name's token or the ")" that closes its arguments
};

// Whether the name at token k is ready, and with how many arguments.
ReadyName readyAt(const TokenList& tokens, int k) {
  const char next = tokens.classAt(k + 1);
  if (next != '(' && next != cls::Assignment) return ReadyName{k, 0, k};
  if (next != '(') return ReadyName{};

  int count = 0;
  int j = k + 2;
  while (true) {
    const char argument = tokens.classAt(j);
    if (argument != cls::Number && argument != cls::String) return ReadyName{};
    ++count;
    ++j;
    if (tokens.classAt(j) == ',') {
      ++j;
      continue;
    }
    if (tokens.classAt(j) == ')') break;
    return ReadyName{};
  }
  if (count > MaxArguments || tokens.classAt(j + 1) == cls::Assignment) return ReadyName{};
  return ReadyName{k, count, j};
}

ReadyName findReadyName(const TokenList& tokens, bool targetFirst) {
  for (int k = targetFirst ? 2 : 1; k <= tokens.count(); ++k) {
    if (tokens.classAt(k) != cls::Name) continue;
    const ReadyName ready = readyAt(tokens, k);
    if (ready.token != 0) return ready;
  }
  return ReadyName{};
}

// The ready name and its argument list become one number or string token.
void replaceByValue(TokenList& tokens, const ReadyName& name, const Value& v) {
  tokens.value(name.token) = v;
  tokens.collapse(name.token, name.lastToken, v.isString() ? cls::String : cls::Number);
}

// A name standing alone as an argument: "(" or "," before it, ")" or "," after.
bool standsAloneAsArgument(const TokenList& tokens, int k) {
  const std::string_view before = "(,";
  const std::string_view after = "),";
  return before.find(tokens.classAt(k - 1)) != std::string_view::npos &&
         after.find(tokens.classAt(k + 1)) != std::string_view::npos;
}

bool nameEndsInDollar(const ProgramChars& chars, Position p) {
  while (isNameChar(chars.upperAt(p))) ++p;
  return chars.at(p) == '$';
}

class NameResolver {
 public:
  NameResolver(Evaluation& evaluation, const ReadyName& name)
      : m_ev(evaluation),
        m_state(evaluation.state),
        m_tokens(evaluation.tokens()),
        m_name(name),
        m_position(m_tokens.position(name.token)) {}

  NameOutcome resolve() {
    gatherArguments();

    // 1. A variable (the arguments are its indices).
    std::string& lookup = m_ev.workspace.lookupResult;
    LookupVariable(m_position, m_state.programChars, IndexList(m_state.argValues),
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
    const Value result = CallBuiltinFunction(m_state.programChars, m_position, m_state.argValues,
                                             m_name.argumentCount, m_state.message,
                                             m_state.services);
    if (m_state.message.empty()) return resolvedTo(result);
    if (m_state.message != msg::UnknownFunctionOrVariable) return NameOutcome::Failed;
    m_state.message.clear();

    // 3. A procedure of the program.
    const ProcedureHeader header = FindProcedureHeader(
        m_state.programChars, m_state.lines, m_position, m_ev.workspace.keyword);
    if (header.line != 0) {
      if (!CallProcedure(m_ev, header, m_name.token, m_name.argumentCount)) {
        return NameOutcome::Failed;
      }
      return resolvedTo(m_state.resultValue);
    }

    // 4. A bare name standing alone as an argument becomes a new variable,
    //    so that a procedure can hand a value back in it.
    if (m_name.argumentCount == 0 && standsAloneAsArgument(m_tokens, m_name.token)) {
      return createVariable();
    }

    // 5. Nothing of that name.
    if (indexOutOfRange) return fail(msg::IndexOutOfRangeInExpression(m_ev.currentName));
    return fail(msg::UndefinedName(m_ev.currentName));
  }

 private:
  // The arguments go to argument slots 1 to n.
  void gatherArguments() {
    for (int a = 1; a <= m_name.argumentCount; ++a) {
      m_state.argValues[static_cast<std::size_t>(a)] = std::move(m_tokens.value(m_name.token + 2 * a));
    }
    m_state.argCount = m_name.argumentCount;
  }

  NameOutcome createVariable() {
    std::array<Value, 4> indexList;
    if (nameEndsInDollar(m_state.programChars, m_position)) {
      indexList[0].setString("");
    } else {
      indexList[0].setDouble(0);
    }
    AssignVariable(m_position, m_state.programChars, IndexList(indexList), 0, m_state.message,
                   m_state.localTable, m_state.services.globalTable(), m_ev.variableValue,
                   m_ev.currentName);
    if (!m_state.message.empty()) return NameOutcome::Failed;
    return resolvedTo(indexList[0]);
  }

  NameOutcome resolvedTo(const Value& v) {
    replaceByValue(m_tokens, m_name, v);
    return NameOutcome::Resolved;
  }

  NameOutcome fail(std::string_view text) {
    m_state.message = text;
    return NameOutcome::Failed;
  }

  Evaluation& m_ev;
  InterpreterState& m_state;
  TokenList& m_tokens;
  const ReadyName& m_name;
  Position m_position;
};

}  // namespace

NameOutcome ResolveNextName(Evaluation& evaluation) {
  const ReadyName name = findReadyName(evaluation.tokens(), !evaluation.mode.isGet());
  if (name.token == 0) return NameOutcome::NoneReady;
  return NameResolver(evaluation, name).resolve();
}

}  // namespace morvane
