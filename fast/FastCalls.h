#pragma once
// A procedure called from an expression the engine replays: its level runs
// in the engine (set up from what the calling level already knows, and run
// by the engine's own line loop as far as it goes), and the arguments
// written as bare variable names take their values back through references
// kept with the expression.

#include <cstdint>
#include <span>
#include <vector>

#include "core/ExpressionEvaluation.h"
#include "core/ExpressionProcedureCall.h"
#include "fast/VariableReference.h"

namespace morvane {

class FastEngine;
struct StatementContext;

// An argument written as a bare variable name: the procedure hands its
// parameter's final value back to the variable.
struct BareArgument {
  std::size_t slot = 0;    // its argument slot, from 1
  Position position = 0;   // where its name stands
  VariableReference variable;
};

// The arguments of a call, among those whose text begins at
// argumentPositions, that are written as bare variable names.
std::vector<BareArgument> FindBareArguments(const ProgramChars& chars, std::span<const Position> argumentPositions);

// The level whose expression calls: procedures run their levels in the
// engine, on behalf of the calling level's context.
class CallingLevel {
 public:
  CallingLevel(FastEngine& engine, StatementContext& caller) : m_engine(engine), m_caller(caller) {}

  // Calls the procedure as CallProcedure does.
  bool call(Evaluation& evaluation, const ProcedureHeader& header, std::int32_t argumentCount,
            std::span<BareArgument> bareArguments);

 private:
  FastEngine& m_engine;
  StatementContext& m_caller;
};

}  // namespace morvane
