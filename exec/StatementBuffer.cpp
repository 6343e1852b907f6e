#include "exec/StatementBuffer.h"

#include <algorithm>
#include <utility>

#include "core/NumberText.h"
#include "exec/Evaluation.h"

namespace morvane {

bool EvaluateInStatementBuffer(StatementContext& ctx, std::string_view assignment) {
  InterpreterState& s = ctx.state;
  // The program's text, the assignment, and two CRs, so that every routine
  // that looks past the assignment's end finds a line end there.
  const Position from = s.programChars.size() + 1;
  const Position to = s.programChars.size() + static_cast<Position>(assignment.size());
  std::string text;
  text.reserve(s.programChars.text().size() + assignment.size() + 2);
  text.append(s.programChars.text()).append(assignment);
  text.push_back(CR);
  text.push_back(CR);
  ProgramChars buffer(std::move(text));
  InterpreterState level{buffer,        s.lines,    s.currentLine, s.message,
                         s.resultValue, s.localTable, s.argValues,  s.argCount,
                         s.windowIndex, s.services};
  StatementContext bufferContext(level, ctx.workspace, ctx.document);
  bufferContext.keyword = ctx.keyword;
  bufferContext.lineMode = ctx.lineMode;
  bufferContext.entryFlag = ctx.entryFlag;

  const bool stored = EvaluateSet(bufferContext, from, to);
  ctx.currentName = bufferContext.currentName;
  return stored;
}

std::string QuotedLiteral(std::string_view text) {
  constexpr std::string_view QuoteInside = "\"+chr(34)+\"";
  std::string literal;
  literal.reserve(text.size() + 2);
  literal.push_back(Quote);
  for (const char c : text) {
    if (c == Quote) {
      literal.append(QuoteInside);
    } else {
      literal.push_back(c);
    }
  }
  literal.push_back(Quote);
  return literal;
}

std::string InputTrace(const StatementContext& ctx) {
  const InterpreterState& s = ctx.state;
  std::string trace = "  ( ";
  trace += ctx.currentName;
  const auto indices = static_cast<std::size_t>(std::clamp(s.argCount, 0, 3));
  if (indices > 0) {
    trace += '(';
    for (std::size_t k = 1; k <= indices && k < s.argValues.size(); ++k) {
      if (k > 1) trace += ',';
      trace += NumberText(s.argValues[k]);
    }
    trace += ')';
  }
  trace += " = ";
  trace += NumberText(s.resultValue);
  trace += " )";
  return trace;
}

}  // namespace morvane
