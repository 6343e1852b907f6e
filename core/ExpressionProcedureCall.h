#pragma once
// The caller's side of a procedure call from an expression: finding the
// procedure's header line, running it as a nested level of the statement
// executor, and taking its results back.
//
// The two sides meet in the argument list: the caller puts the arguments in
// slots 1 to n; the procedure's end statement puts its result in slot 0 and
// the final values of its parameters in slots 1 to n.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "core/ExpressionEvaluation.h"
#include "prepare/LineTable.h"
#include "prepare/ProgramChars.h"

namespace morvane {

enum class ProcedureKind {
  OwnVariables,     // SUB, FUNCTION: a new, empty local table
  CallerVariables,  // INLINE SUB, INLINE FUNCTION (also INLINESUB, INLINEFUNCTION)
};

struct ProcedureHeader {
  LineNumber line = 0;  // 0: no procedure of that name
  ProcedureKind kind = ProcedureKind::OwnVariables;
};

// The first line, 1 to lines.lastLine, whose keyword is a procedure header
// and whose name equals the name at namePosition (compared upper-cased over
// letters, digits, "_" and the suffix characters). keyword is a reusable buffer.
ProcedureHeader FindProcedureHeader(const ProgramChars& chars, const LineTable& lines,
                                    Position namePosition, std::string& keyword);

// Runs the procedure for a name whose arguments are in argument slots 1 to n,
// n being the number of argumentPositions (where each argument's text
// begins). Afterwards every argument written as a bare variable name
// receives its parameter's final value, and the procedure's result is in
// state.resultValue. False when the call ended with a message.
bool CallProcedure(Evaluation& evaluation, const ProcedureHeader& header,
                   std::span<const Position> argumentPositions);

// Runs the nested level of a called procedure in place of the statement
// executor the services offer: a faster engine that runs the same lines
// with the same effects.
class ProcedureLevelRunner {
 public:
  virtual void runLevel(InterpreterState& level) = 0;

 protected:
  ~ProcedureLevelRunner() = default;
};

// A call as an expression that keeps its steps knows it: where each
// argument's text begins, and which arguments (numbered from 1, in
// ascending order) are written as bare variable names.
struct ProcedureCallSite {
  std::span<const Position> argumentPositions;
  std::span<const std::int32_t> bareArguments;
};

// The arguments, numbered from 1, written as bare variable names.
std::vector<std::int32_t> BareArguments(const ProgramChars& chars, std::span<const Position> argumentPositions);

// CallProcedure for a call site whose bare arguments are known, its level
// run by `runner`.
bool CallProcedure(Evaluation& evaluation, const ProcedureHeader& header, const ProcedureCallSite& site,
                   ProcedureLevelRunner& runner);

}  // namespace morvane
