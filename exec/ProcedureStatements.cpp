#include "exec/ProcedureStatements.h"

#include "core/Messages.h"
#include "core/Variables.h"
#include "exec/Evaluation.h"
#include "prepare/Scanning.h"

namespace morvane {

namespace {

// Declares a local variable of the level (the result variable or a
// parameter) at the name standing at `position`, with the given type word
// and initial value.
[[nodiscard]] bool declareLocal(StatementContext& ctx, Position position, const std::string& typeWord,
                                Value initial) {
  InterpreterState& s = ctx.state;
  Value slots[4];
  slots[0] = std::move(initial);
  std::string mode = "LOCAL_";
  mode += typeWord;
  s.message.clear();
  DeclareVariable(mode, position, s.programChars, IndexList(slots), 0, s.message, s.localTable,
                  ctx.workspace.globals(), ctx.currentName);
  return s.message.empty();
}

// The character after the name that starts at `position`: its suffix, if any.
char nameSuffix(const ProgramChars& chars, Position position) {
  Position p = position;
  while (isNameChar(chars.upperAt(p + 1))) ++p;
  return chars.at(p + 1);
}

}  // namespace

Completion ExecuteCall(StatementContext& ctx) {
  // 1. Only in a program.
  if (ctx.commandMode()) return ctx.fail(msg::NotAllowedInSingleLineMode);
  // 2. The call is an expression evaluated for its effect.
  // 3. A message travels up unchanged: an error inside the procedure has
  // been decorated by the procedure's own level already.
  if (!EvaluateGet(ctx, ctx.argumentStart, ctx.lastPosition)) return Completion::PlainExit;
  // 4. On with the next line.
  return ctx.nextLine();
}

Completion ExecuteProcedureHeader(StatementContext& ctx) {
  InterpreterState& s = ctx.state;
  // 1. Only in a program.
  if (ctx.commandMode()) return ctx.fail(msg::NotAllowedInSingleLineMode);
  // 2. A header reached in sequence or by a jump ends the level: the main
  // program ends where the first procedure begins.
  if (ctx.entryFlag != EntryFlag::AtEntry) return Completion::PlainExit;
  // 3. The parameter count is the number of arguments of the call.
  ctx.parameterCount = s.argCount;
  // 4. The header as one declaration item: the procedure's type and its
  // parenthesised parameter list.
  Position itemEnd = 0, nextStart = 0, openParen = 0, closeParen = 0;
  int parameters = 0;
  const std::string typeWord = ScanDeclarationItem(s.programChars, ctx.argumentStart, ctx.lastPosition,
                                                   itemEnd, nextStart, openParen, closeParen, parameters);
  // 5. The call must bring one argument per parameter.
  if (parameters != ctx.parameterCount || ctx.parameterCount > MaxParameters || ctx.parameterCount < 0) {
    return ctx.fail(msg::WrongNumberOfArguments);
  }
  // 6. The procedure's name.
  ctx.namePositions[0] = FirstNonBlank(s.programChars, ctx.argumentStart, ctx.lastPosition);
  // 7. The result variable, named like the procedure. It starts as "" when
  // the procedure returns a string, by its AS clause or by its "$" suffix.
  const bool returnsString =
      typeWord == "STRING" || (typeWord == "DIM" && nameSuffix(s.programChars, ctx.namePositions[0]) == '$');
  if (!declareLocal(ctx, ctx.namePositions[0], typeWord,
                    returnsString ? Value::fromString("") : Value::fromDouble(0))) {
    return Completion::ErrorExit;
  }
  // 8. Each parameter, initialised with its argument.
  Position from = openParen + 1;
  for (std::int32_t i = 1; i <= ctx.parameterCount; ++i) {
    int indices = 0;
    Position open = 0, close = 0;
    const std::string parameterType =
        ScanDeclarationItem(s.programChars, from, closeParen - 1, itemEnd, nextStart, open, close, indices);
    const auto slot = static_cast<std::size_t>(i);
    ctx.namePositions[slot] = FirstNonBlank(s.programChars, from, closeParen - 1);
    if (!declareLocal(ctx, ctx.namePositions[slot], parameterType, s.argValues[slot])) {
      return Completion::ErrorExit;
    }
    from = nextStart;
  }
  // 9. The body begins.
  return ctx.nextLine();
}

Completion ExecuteProcedureEnd(StatementContext& ctx) {
  InterpreterState& s = ctx.state;
  // 1. Only in a program.
  if (ctx.commandMode()) return ctx.fail(msg::NotAllowedInSingleLineMode);
  // 2. The result (slot 0) and the parameters' final values go back to the
  // caller through the argument list.
  for (std::int32_t i = 0; i <= ctx.parameterCount; ++i) {
    const auto slot = static_cast<std::size_t>(i);
    if (ctx.namePositions[slot] == 0 || slot >= s.argValues.size()) continue;
    HandBackValue(ctx, slot);
  }
  // 3. The level ends.
  return Completion::PlainExit;
}

void HandBackValue(StatementContext& ctx, std::size_t slot) {
  InterpreterState& s = ctx.state;
  Value indices[4];
  Value found;
  std::string result;
  LookupVariable(ctx.namePositions[slot], s.programChars, IndexList(indices), 0, result, s.localTable,
                 ctx.workspace.globals(), found, ctx.currentName);
  if (result.empty()) s.argValues[slot] = std::move(found);
}

}  // namespace morvane
