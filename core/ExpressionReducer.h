#pragma once
// The second stage of the evaluator: the token list is rewritten step by step
// until it cannot shrink any further. Each step resolves the first name whose
// arguments are known, or else applies the first reduction rule that matches
// anywhere, at its leftmost place. The order of the rules, with the guard
// characters beside a match, is the language's precedence:
//   names and calls; parentheses; ^; * and /; unary signs; + - and joining;
//   comparisons; AND and OR; NOT.

#include <span>
#include <string>
#include <string_view>

#include "core/ExpressionEvaluation.h"

namespace morvane {

enum class Reduction { Parentheses, Power, ProductOrQuotient, Sign, SumOrJoin, Comparison, AndOr, Not };

// Where a reduction rule applies: its tokens first .. first + length - 1
// (1-based); length 0 when no rule applies anywhere.
struct ReductionStep {
  Reduction reduction = Reduction::Parentheses;
  int first = 0;
  int length = 0;
};

// Whether the class string is one the reduction stops at ("Z", "S", "F:Z", "F:S").
bool IsFinalForm(std::string_view classes);

// The first rule, in the order of precedence, that applies anywhere in the
// class string, at its leftmost place. It depends on the classes alone.
ReductionStep FindReduction(std::string_view classes);

// Computes a reduction on the values of its matched tokens: values[k] belongs
// to the token of class matched[k] (operator tokens' values are not read).
// The result is left in *values[0]. Returns the result's class, or cls::None
// when the reduction fails with message set.
char ApplyReduction(Reduction reduction, std::string_view matched, std::span<Value* const> values,
                    std::string& message);

// Reduces evaluation.tokens(); false when an error ended it (the message is set).
bool ReduceExpression(Evaluation& evaluation);

}  // namespace morvane
