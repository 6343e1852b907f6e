#pragma once
// Procedure levels on the fast path: the header that binds a SUB's or a
// FUNCTION's result and parameters, and the end statement that hands their
// final values back. Each does what its literal section in
// exec/ProcedureStatements.cpp does, with the same effects on the tables,
// the argument list and the messages. What the literal header finds again
// on every call (the type word, the names and types of the result and the
// parameters) is found once per header line and kept in its HeaderDecode.

#include <optional>
#include <string>
#include <vector>

#include "core/VariableTable.h"
#include "exec/StatementContext.h"
#include "prepare/ProgramChars.h"

namespace morvane {

// One variable a header declares: the result (first) or a parameter.
struct HeaderVariable {
  Position position = 0;  // where its name stands
  // The record its declaration adds: the name as the store reads it (also
  // packed), the storage type the declaration gives, no bounds.
  VariableRecord record;
  // Where the header last found the name or added it in the level's table:
  // a hint, used only when the record there carries the name.
  std::size_t recordHint = 0;
};

// A procedure header line, read once.
struct HeaderDecode {
  enum class State {
    Unread,   // the literal section has not yet run the line to its end
    Usual,    // the fast path may run it
    Literal,  // something about it is unusual: the literal section runs it
  };
  State state = State::Unread;
  std::vector<HeaderVariable> variables;  // the result, then the parameters

  std::int32_t parameterCount() const { return static_cast<std::int32_t>(variables.size()) - 1; }
};

// Runs the header line as ExecuteProcedureHeader does. The first run of a
// line, and every run with anything unusual (single step, a command, the
// wrong number of arguments, an argument of the wrong type, an array of a
// declared name in the table), is the literal section's.
Completion ExecuteHeaderFast(StatementContext& ctx, HeaderDecode& decode);

// Runs an end line (END SUB, EXIT FUNCTION, ...) of a free run as
// ExecuteProcedureEnd does. Single step and typed commands are the literal
// section's.
Completion EndProcedureFast(StatementContext& ctx);

}  // namespace morvane
