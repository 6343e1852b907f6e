#pragma once
// Resolving a name of an expression: a variable, a built-in function, a
// procedure of the program, or, as an argument of its own, a new variable.

#include <span>
#include <string_view>

#include "core/ExpressionEvaluation.h"

namespace morvane {

enum class NameOutcome {
  NoneReady,  // no name has its arguments reduced to single values yet
  Resolved,   // the first ready name and its argument list became one value
  Failed,     // the evaluation ends; the message is set
};

// A name whose arguments are single values: a bare name, or a name followed
// by "(" and one to 100 single values separated by "," and then ")".
struct ReadyName {
  int token = 0;          // the name's token; 0 when none is ready
  int argumentCount = 0;  // 0 for a bare name
  int lastToken = 0;      // the name's token or the ")" that closes its arguments
};

// The first ready name of a class string. The target of an assignment or
// declaration (token 1 when targetFirst) is never resolved. It depends on the
// classes alone.
ReadyName FindReadyName(std::string_view classes, bool targetFirst);

// A bare name standing alone as an argument: "(" or "," before it, ")" or ","
// after it. Such a name that is nothing else becomes a new variable.
bool StandsAloneAsArgument(std::string_view classes, int token);

// What the resolution of one name needs to know besides its arguments,
// which stand in state.argValues[1..argumentCount] with state.argCount set.
struct NameReference {
  Position position = 0;  // the name's first character
  int argumentCount = 0;
  bool standsAlone = false;
  // Where each argument's text begins, for the by-reference return of a
  // procedure call (slot j - 1 for argument j).
  std::span<const Position> argumentPositions;
};

// Resolves a name: a variable, else a built-in function, else a procedure of
// the program, else (standing alone) a new variable. On Resolved the value is
// in result.
NameOutcome ResolveName(Evaluation& evaluation, const NameReference& name, Value& result);

// Resolves the first ready name of the token list and replaces it and its
// argument list by its value.
NameOutcome ResolveNextName(Evaluation& evaluation);

}  // namespace morvane
