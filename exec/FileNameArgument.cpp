#include "exec/FileNameArgument.h"

#include "exec/Evaluation.h"

namespace morvane {

namespace {

std::string unquotedName(std::string_view written, UnquotedName form) {
  std::string name;
  for (const char c : written) {
    if (isSignificant(c)) {
      name.push_back(c);
    } else if (form == UnquotedName::UpToFirstBlank && !name.empty()) {
      break;
    }
  }
  return name;
}

}  // namespace

std::string TakeFileName(StatementContext& ctx, Position from, Position to, UnquotedName form) {
  ProgramChars& chars = ctx.state.programChars;
  if (from < 1 || from > to) return {};

  // The characters as written, before the evaluation upper-cases any of them.
  const std::string written(chars.range(from, to));
  const bool evaluated = EvaluateGet(ctx, from, to);
  for (std::size_t i = 0; i < written.size(); ++i) {
    chars.set(from + static_cast<Position>(i), written[i]);
  }

  if (evaluated && ctx.state.resultValue.isString()) return ctx.state.resultValue.text();
  ctx.state.message.clear();
  return unquotedName(written, form);
}

}  // namespace morvane
