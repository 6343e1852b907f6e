#include "exec/Evaluation.h"

#include "core/Messages.h"

namespace morvane {

bool EvaluateGet(StatementContext& ctx, Position from, Position to) {
  (void)from;
  (void)to;
  ctx.state.message = msg::NotYetAvailable("expression");
  return false;
}

}  // namespace morvane
