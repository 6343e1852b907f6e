#pragma once
// The second stage of the evaluator: the token list is rewritten step by step
// until it cannot shrink any further. Each step resolves the first name whose
// arguments are known, or else applies the first reduction rule that matches
// anywhere, at its leftmost place. The order of the rules, with the guard
// characters beside a match, is the language's precedence:
//   names and calls; parentheses; ^; * and /; unary signs; + - and joining;
//   comparisons; AND and OR; NOT.

#include "core/ExpressionEvaluation.h"

namespace morvane {

// Reduces evaluation.tokens(); false when an error ended it (the message is set).
bool ReduceExpression(Evaluation& evaluation);

}  // namespace morvane
