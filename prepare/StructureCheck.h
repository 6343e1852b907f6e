#pragma once
// The check that runs once before a program is executed: it splits the
// program into logical lines, checks the block structure and the GOTO labels,
// and fills BlockLink, through which the executor jumps without searching.

#include <string>
#include <string_view>

#include "prepare/LineTable.h"
#include "prepare/ProgramChars.h"

namespace morvane {

// Returns "" when the program is sound, else the first fault's message.
// `lines` must be dimensioned by the caller (lineTableCapacity).
std::string CheckProgramStructure(const ProgramChars& chars, LineTable& lines);

// The editor line a message of the check names ("(Line  12): ..."), or 0
// for a message that names none.
LineNumber FaultLineOf(std::string_view checkMessage);

}  // namespace morvane
