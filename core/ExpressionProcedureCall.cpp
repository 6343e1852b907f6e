#include "core/ExpressionProcedureCall.h"

#include <array>
#include <optional>
#include <string_view>

#include "core/EngineServices.h"
#include "core/Messages.h"
#include "core/Variables.h"
#include "prepare/Characters.h"
#include "prepare/Scanning.h"

namespace morvane {

namespace {

struct HeaderKeyword {
  std::string_view keyword;
  ProcedureKind kind;
};

constexpr std::array<HeaderKeyword, 6> HeaderKeywords = {{
    {"FUNCTION", ProcedureKind::OwnVariables},
    {"SUB", ProcedureKind::OwnVariables},
    {"INLINESUB", ProcedureKind::CallerVariables},
    {"INLINEFUNCTION", ProcedureKind::CallerVariables},
    {"INLINE SUB", ProcedureKind::CallerVariables},
    {"INLINE FUNCTION", ProcedureKind::CallerVariables},
}};

std::optional<ProcedureKind> headerKind(std::string_view keyword) {
  for (const HeaderKeyword& header : HeaderKeywords) {
    if (keyword == header.keyword) return header.kind;
  }
  return std::nullopt;
}

// The characters procedure names are compared over, upper-cased.
bool isProcedureNameChar(char upper) {
  return isNameChar(upper) || std::string_view("#$%&!").find(upper) != std::string_view::npos;
}

bool sameName(const ProgramChars& chars, Position a, Position b) {
  for (;; ++a, ++b) {
    const char ca = chars.upperAt(a);
    const char cb = chars.upperAt(b);
    const bool inA = isProcedureNameChar(ca);
    const bool inB = isProcedureNameChar(cb);
    if (!inA && !inB) return true;
    if (inA != inB || ca != cb) return false;
  }
}

// The characters that may follow a variable's name as its suffix.
bool isSuffixChar(char c) { return c == '#' || c == '!' || c == '%' || c == '&' || c == '$'; }

}  // namespace

bool IsBareVariableName(const ProgramChars& chars, Position p) {
  if (!isLetterAtoZ(chars.upperAt(p))) return false;
  while (isNameChar(chars.upperAt(p))) ++p;
  if (isSuffixChar(chars.at(p))) ++p;
  while (isBlank(chars.at(p)) && chars.at(p) != CR) ++p;
  return chars.at(p) == ',' || chars.at(p) == ')';
}

namespace {

// Whether a variable of the name at p exists in the caller's tables. A bare
// name that is a built-in function or a procedure is no variable, and must
// not become one by the copying back.
bool variableExists(InterpreterState& state, Position p) {
  std::array<Value, 4> indexList;
  std::string answer;
  std::string name;
  Value found;
  LookupVariable(p, state.programChars, IndexList(indexList), 0, answer, state.localTable,
                 state.services.globalTable(), found, name);
  return answer != msg::NoVariable;
}

// The literal steps: the statement executor of the services runs the level,
// and each argument is looked at for a bare variable name on every call.
class LiteralCallSteps final : public ProcedureCallSteps {
 public:
  explicit LiteralCallSteps(std::span<const Position> argumentPositions) : m_argumentPositions(argumentPositions) {}
  void runLevel(InterpreterState& level) override { level.services.executeStatement(level); }
  bool copyArgumentsBack(Evaluation& ev) override {
    for (std::size_t k = 0; k < m_argumentPositions.size(); ++k) {
      const Position p = m_argumentPositions[k];
      if (IsBareVariableName(ev.state.programChars, p) && !CopyArgumentBack(ev, k + 1, p)) return false;
    }
    return true;
  }

 private:
  std::span<const Position> m_argumentPositions;
};

// The procedure's own table for as long as the call lasts: the calling
// level's reusable table, emptied when the call ends (whatever it held, its
// strings included, goes then, as a table of the call's own would; only its
// records are kept aside, for the next call to take back). A table that
// grew large, by a local array or many variables, gives its memory back as
// well.
class OwnTable {
 public:
  OwnTable(ExpressionWorkspace& workspace, ProcedureKind kind)
      : m_table(kind == ProcedureKind::OwnVariables ? &workspace.procedureTable : nullptr) {}
  ~OwnTable() {
    if (m_table == nullptr) return;
    m_table->clearKeepingRecords();
    constexpr std::size_t KeptSlots = 256;
    if (m_table->values.capacity() > KeptSlots || m_table->records.capacity() > KeptSlots) {
      m_table->values.shrink_to_fit();
      m_table->records.shrink_to_fit();
    }
    if (m_table->keptRecords.size() > KeptSlots) {
      m_table->keptRecords.clear();
      m_table->keptRecords.shrink_to_fit();
    }
  }
  OwnTable(const OwnTable&) = delete;
  OwnTable& operator=(const OwnTable&) = delete;
  // The table, or nullptr for the INLINE forms.
  VariableTable* table() const { return m_table; }

 private:
  VariableTable* m_table;
};

}  // namespace

ProcedureHeader FindProcedureHeader(const ProgramChars& chars, const LineTable& lines,
                                    Position namePosition, std::string& keyword) {
  for (LineNumber s = 1; s <= lines.lastLine; ++s) {
    Position keywordEnd = 0;
    StatementKeyword(chars, lines, s, keywordEnd, keyword);
    const std::optional<ProcedureKind> kind = headerKind(keyword);
    if (!kind) continue;
    const Position name = FirstNonBlank(chars, keywordEnd + 1, lines.lineStart(s + 1) - 1);
    if (name != 0 && sameName(chars, name, namePosition)) return ProcedureHeader{s, *kind};
  }
  return ProcedureHeader{};
}

bool CopyArgumentBack(Evaluation& ev, std::size_t j, Position p) {
  InterpreterState& state = ev.state;
  if (!variableExists(state, p)) return true;
  std::array<Value, 4> indexList;
  indexList[0] = state.argValues[j];
  AssignVariable(p, state.programChars, IndexList(indexList), 0, state.message, state.localTable,
                 state.services.globalTable(), ev.variableValue, ev.currentName);
  return state.message.empty();
}

bool CallProcedure(Evaluation& ev, const ProcedureHeader& header, std::int32_t argumentCount,
                   ProcedureCallSteps& steps) {
  InterpreterState& state = ev.state;

  // 1. A runaway recursion ends here rather than overflowing the stack.
  const ExpressionWorkspaces::CallGuard guard(state.services.expressionWorkspaces());
  if (!guard.allowed()) {
    state.message = msg::TooManyNestedCalls;
    return false;
  }

  // 2. SUB and FUNCTION get a table of their own, new and empty; the INLINE
  //    forms work on their caller's.
  const OwnTable ownTable(ev.workspace, header.kind);
  VariableTable& table = ownTable.table() != nullptr ? *ownTable.table() : state.localTable;

  // 3. In single step the procedure's lines start on a line of their own.
  if (ev.runState == RunState::StepOne) state.services.displaytext(state.windowIndex, "\r\n");

  // 4. Run the procedure from its header line as a nested level. It shares
  //    the argument list and gets a copy of the argument count.
  std::int32_t argCount = argumentCount;
  InterpreterState level{state.programChars, state.lines,   header.line,
                         state.message,      state.resultValue, table,
                         state.argValues,    argCount,      state.windowIndex,
                         state.services};
  steps.runLevel(level);
  if (!state.message.empty()) return false;

  // 5. Arguments passed by reference take their final values back.
  if (!steps.copyArgumentsBack(ev)) return false;

  // 6. The result is in slot 0; a procedure that left neither a number nor a
  //    string there has no value to give.
  const Value& result = state.argValues[0];
  if (!result.isNumber() && !result.isString()) {
    state.message = msg::WrongType;
    return false;
  }
  state.resultValue = result;
  return true;
}

bool CallProcedure(Evaluation& ev, const ProcedureHeader& header, std::span<const Position> argumentPositions) {
  LiteralCallSteps steps(argumentPositions);
  return CallProcedure(ev, header, static_cast<std::int32_t>(argumentPositions.size()), steps);
}

}  // namespace morvane
