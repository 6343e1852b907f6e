#include "exec/Evaluation.h"

#include "core/Expression.h"
#include "exec/StatementAccelerator.h"
#include "exec/Workspace.h"

namespace morvane {

namespace {

bool evaluate(StatementContext& ctx, Position from, Position to, ExpressionMode mode) {
  if (ctx.accelerated != nullptr) return ctx.workspace.accelerator()->evaluate(ctx, from, to, mode);
  EvaluateExpression(ctx.state, from, to, ctx.currentName, ctx.scratch, mode, ctx.lineMode);
  return ctx.state.message.empty();
}

}  // namespace

bool EvaluateGet(StatementContext& ctx, Position from, Position to) {
  return evaluate(ctx, from, to, ExpressionMode::get());
}

bool EvaluateSet(StatementContext& ctx, Position from, Position to) {
  return evaluate(ctx, from, to, ExpressionMode::set());
}

bool EvaluateDeclaration(StatementContext& ctx, Position from, Position to, std::string_view modeText) {
  return evaluate(ctx, from, to, ExpressionMode::declare(modeText));
}

}  // namespace morvane
