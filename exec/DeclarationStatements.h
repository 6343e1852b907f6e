#pragma once
// DIM, LOCAL and GLOBAL: each item of the list is declared through the
// evaluator's declaration mode, DIM and LOCAL in the level's local table,
// GLOBAL in the global table shared by every window.

#include <string_view>

#include "exec/StatementContext.h"

namespace morvane {

Completion ExecuteDeclaration(StatementContext& ctx);  // DIM / LOCAL / GLOBAL item {, item}

// The type words a declaration accepts after AS, and "DIM" for an item
// without AS.
bool IsDeclarationType(std::string_view typeWord);

}  // namespace morvane
