#pragma once
// The statement executor: runs logical lines from state.currentLine on until
// the program ends, a statement ends the level, or an error occurs. The
// outcome is state.message ("" = ended normally) and state.currentLine.

#include "core/InterpreterState.h"

namespace morvane {

class Workspace;

void ExecuteStatement(InterpreterState& state, Workspace& workspace);

}  // namespace morvane
