#include "exec/DrawStatements.h"

#include "exec/Evaluation.h"
#include "exec/Host.h"
#include "graphics/DrawStatement.h"
#include "graphics/RecordingCanvas.h"

namespace morvane {

namespace {

// The drawing section's expressions go through the line's evaluator.
class StatementExpressions final : public DrawExpressions {
 public:
  explicit StatementExpressions(StatementContext& ctx) : m_ctx(ctx) {}

  bool evaluate(Position from, Position to, Value& result, std::string& message) override {
    const bool ok = EvaluateGet(m_ctx, from, to);
    result = m_ctx.state.resultValue;
    message = m_ctx.state.message;
    return ok;
  }

 private:
  StatementContext& m_ctx;
};

}  // namespace

Completion ExecuteDrawing(StatementContext& ctx) {
  StatementExpressions expressions(ctx);
  // A document without a window (as in some tests) draws on a canvas nobody sees.
  RecordingCanvas unseen;
  unseen.setSink([](std::string_view) {});
  Canvas& canvas = ctx.document.host != nullptr ? ctx.document.host->canvas() : unseen;

  const DrawStatement statement{ctx.state.programChars, ctx.keyword,         ctx.argumentStart,
                                ctx.lastPosition,      expressions,         ctx.document.canvasSettings,
                                ctx.workspace.drawing(), canvas};
  const DrawResult result = ExecuteDrawStatement(statement);
  if (!result.ok()) return ctx.fail(result.message());
  ctx.state.message.clear();
  return ctx.nextLine();
}

}  // namespace morvane
