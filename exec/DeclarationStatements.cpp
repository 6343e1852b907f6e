#include "exec/DeclarationStatements.h"

#include <array>
#include <string>

#include "core/Messages.h"
#include "core/Variables.h"
#include "exec/Evaluation.h"
#include "exec/StatementKind.h"

namespace morvane {

namespace {

// The first six characters of the declaration mode: the table declared into.
std::string_view scopeOf(std::string_view keyword) {
  return keyword == "GLOBAL" ? std::string_view("GLOBAL") : std::string_view("LOCAL_");
}

}  // namespace

bool IsDeclarationType(std::string_view typeWord) {
  for (const std::string_view type : DeclarationTypes) {
    if (typeWord == type) return true;
  }
  return false;
}

Completion ExecuteDeclaration(StatementContext& ctx) {
  const ProgramChars& chars = ctx.state.programChars;
  const Position e = ctx.lastPosition;
  const std::string_view scope = scopeOf(ctx.keyword);

  // A declaration without a list declares nothing.
  Position p = ctx.argumentStart;
  std::string mode;
  while (p > 0 && p <= e) {
    // 1. The next item and its type word.
    Position itemEnd = 0;
    Position nextStart = 0;
    Position openParen = 0;
    Position closeParen = 0;
    int indexCount = 0;
    const std::string type =
        ScanDeclarationItem(chars, p, e, itemEnd, nextStart, openParen, closeParen, indexCount);
    // 2. An unknown type stops the list before the item is declared.
    if (!IsDeclarationType(type)) return ctx.fail(msg::UnknownVariableType);
    // 3., 4. The item is declared with the scope and the type word.
    mode.assign(scope).append(type);
    if (!EvaluateDeclaration(ctx, p, itemEnd, mode)) return Completion::ErrorExit;
    // 5. On to the next item.
    if (nextStart <= p) break;
    p = nextStart;
  }
  return ctx.nextLine();
}

}  // namespace morvane
