#include "exec/Evaluation.h"

#include "core/Messages.h"

namespace morvane {

// The evaluator joins the interpreter with the expressions issue; until then
// every evaluation answers that expressions are not available.
namespace {
bool unavailable(StatementContext& ctx) {
  ctx.state.message = msg::NotYetAvailable("expression");
  return false;
}
}  // namespace

bool EvaluateGet(StatementContext& ctx, Position, Position) { return unavailable(ctx); }
bool EvaluateSet(StatementContext& ctx, Position, Position) { return unavailable(ctx); }
bool EvaluateDeclaration(StatementContext& ctx, Position, Position, std::string_view) {
  return unavailable(ctx);
}

}  // namespace morvane
