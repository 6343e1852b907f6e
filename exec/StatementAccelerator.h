#pragma once
// The seam through which a faster engine takes over work of the statement
// executor without changing what it does. The literal executor (this folder)
// defines the behaviour; an accelerator keeps what it derives from the
// program text (a line's keyword and positions, an expression's reduction
// order, the slot a name resolves to) and answers the same questions from
// it. Whatever it cannot answer exactly it leaves to the literal sections.
//
// The workspace has no accelerator unless the application installs one.

#include <optional>

#include "core/Expression.h"
#include "exec/Completion.h"
#include "exec/StatementKind.h"
#include "prepare/ProgramChars.h"

namespace morvane {

struct StatementContext;

class StatementAccelerator {
 public:
  virtual ~StatementAccelerator() = default;

  // A level of the executor begins or ends on ctx.state (a run, a procedure
  // call, an instruction file, a typed command). What was derived from a
  // program is dropped when no level runs it any more.
  virtual void enterLevel(StatementContext& ctx) = 0;
  virtual void leaveLevel(StatementContext& ctx) = 0;

  // Reads the current line as the literal line loop does: the keyword, its
  // end, the last significant position and the argument start; answers the
  // line's statement kind.
  virtual StatementKind readLine(StatementContext& ctx) = 0;

  // Executes the current line when it can, with the completion the literal
  // section would give; nullopt leaves the line to the literal section
  // before anything was done.
  virtual std::optional<Completion> execute(StatementContext& ctx, StatementKind kind) = 0;

  // Evaluates positions from..to of the current store as EvaluateExpression
  // does; false when the evaluation left a message.
  virtual bool evaluate(StatementContext& ctx, Position from, Position to, ExpressionMode mode) = 0;
};

}  // namespace morvane
