#pragma once
// The file-system commands: CD (CDIR), MD (MDIR), RD (RDIR), DEL (DELETE),
// COPY and RENAME. In a program they work silently; in single step and typed
// at the command line they answer with a short confirmation.

#include "exec/StatementContext.h"

namespace morvane {

// Any of the file-system commands, by the line's keyword.
Completion ExecuteFileSystemCommand(StatementContext& ctx);

}  // namespace morvane
