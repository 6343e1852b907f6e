#pragma once
// The state of one executing program level, handed by reference to the
// statement executor and the expression evaluator. A level shares most of its
// fields with its caller (a procedure shares the store and the argument list,
// an instruction file the message and the variables), so the record refers to
// them rather than owning them.

#include <cstdint>
#include <string>
#include <vector>

#include "core/Value.h"
#include "core/VariableTable.h"
#include "prepare/LineTable.h"
#include "prepare/ProgramChars.h"

namespace morvane {

class EngineServices;

// The argument list of a name being resolved or a procedure being entered;
// slot 0 carries a procedure's result. 101 slots at a window's top level.
using ArgumentList = std::vector<Value>;
constexpr std::size_t TopLevelArgumentSlots = 101;

struct InterpreterState {
  ProgramChars& programChars;  // the program text
  LineTable& lines;            // LineStart, BlockLink, SourceLine and LastLine
  LineNumber currentLine = 1;  // the logical line being executed
  std::string& message;        // "" while all is well, else what ends the run
  Value& resultValue;          // the value of the last evaluation
  VariableTable& localTable;   // the variables of this procedure level
  ArgumentList& argValues;
  std::int32_t& argCount;
  std::int32_t windowIndex = 0;  // the document window's slot
  EngineServices& services;      // the shared state and the executor above the core
};

}  // namespace morvane
