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

// The two steps of a call that a faster engine may take its own way, with
// the same effects: running the procedure's nested level (the statement
// executor of the services runs it otherwise), and giving every argument
// written as a bare variable name its parameter's final value.
class ProcedureCallSteps {
 public:
  virtual void runLevel(InterpreterState& level) = 0;
  // False when a copy ended with a message.
  virtual bool copyArgumentsBack(Evaluation& evaluation) = 0;

 protected:
  ~ProcedureCallSteps() = default;
};

// CallProcedure for a call of `argumentCount` arguments whose level and
// copying back `steps` take.
bool CallProcedure(Evaluation& evaluation, const ProcedureHeader& header, std::int32_t argumentCount,
                   ProcedureCallSteps& steps);

// Whether the argument whose text begins at `position` is written as a
// bare variable name: a letter, name characters, an optional suffix, then
// (blanks aside) "," or ")".
bool IsBareVariableName(const ProgramChars& chars, Position position);

// The copying back of one argument written as a bare variable name (its
// text at `position`): when a variable of the name exists, it receives the
// value of argument slot j. False when the store gave a message.
bool CopyArgumentBack(Evaluation& evaluation, std::size_t j, Position position);

}  // namespace morvane
