#pragma once
// INPUT and LINEINPUT store what they read by building an assignment as text
// (X=5, NAME$="Ada") and evaluating it in a store of its own, the statement
// buffer, with the line table of the running program. The buffer holds the
// program's text with the assignment after it, so the line table still
// finds the program's procedures (an answer may call a FUNCTION of the
// program), and it is as long as it needs to be, however long the typed
// answer or the line of the file.

#include <string>
#include <string_view>

#include "exec/StatementContext.h"

namespace morvane {

// Evaluates the assignment text in mode "set". False when the evaluator left
// an error text in state.message. Afterwards state.resultValue holds the
// value stored, state.argCount and state.argValues[1..3] the indices of the
// element, and ctx.currentName the variable's name.
[[nodiscard]] bool EvaluateInStatementBuffer(StatementContext& ctx, std::string_view assignment);

// A text as a string literal of the language: between double quotes, with
// every double quote inside it written as "+chr(34)+", so that the text
// arrives unchanged whatever it holds.
std::string QuotedLiteral(std::string_view text);

// The trace of an assignment made by INPUT or LINEINPUT in single step:
// "  ( " + name + indices + " = " + value + " )", the indices as
// "(i1,i2,i3)" for an array element.
std::string InputTrace(const StatementContext& ctx);

}  // namespace morvane
