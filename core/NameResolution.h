#pragma once
// Resolving a name of an expression: a variable, a built-in function, a
// procedure of the program, or, as an argument of its own, a new variable.

#include "core/ExpressionEvaluation.h"

namespace morvane {

enum class NameOutcome {
  NoneReady,  // no name has its arguments reduced to single values yet
  Resolved,   // the first ready name and its argument list became one value
  Failed,     // the evaluation ends; the message is set
};

// Resolves the first name that is ready: a bare name, or a name followed by
// "(" and one to 100 single values separated by "," and then ")". The target
// of an assignment or declaration (token 1 in any mode but "get") is never
// resolved.
NameOutcome ResolveNextName(Evaluation& evaluation);

}  // namespace morvane
