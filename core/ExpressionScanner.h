#pragma once
// The first stage of the evaluator: the characters of an expression become a
// token list. Operators are rewritten to single class characters on the way
// (AND as "&", OR as "|", NOT as "~", "<=" as "{", ">=" as "}", "<>" as "!"),
// so that reduction works on the class string with plain pattern searches.

#include <string>

#include "core/ExpressionWorkspace.h"
#include "prepare/ProgramChars.h"

namespace morvane {

// Scans start..end (inclusive) into tokens. Names are upper-cased in the
// store as they are read. With markAssignment (every mode but "get") the "="
// after an assignment's target becomes the assignment marker ":".
// message is "" on success, else the error text.
void ScanExpression(ProgramChars& chars, Position start, Position end, bool markAssignment,
                    TokenList& tokens, std::string& message);

// Converts the number literal at start..end: a mantissa with at most one
// point, then optionally "E", a sign and one to three exponent digits. The
// "E" is upper-cased in the store. On failure errorText is set and the
// result means nothing.
double ScanNumber(ProgramChars& chars, Position start, Position end, std::string& errorText);

}  // namespace morvane
