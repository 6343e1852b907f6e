#pragma once
// The scanning routines through which every statement is read. None of them
// changes the store; they answer 0 or "" when the range holds nothing.
// All ranges are inclusive positions of the character store.

#include <string>

#include "prepare/LineTable.h"
#include "prepare/ProgramChars.h"

namespace morvane {

// Cuts the store into logical lines (one statement each) and fills the line
// table (BlockLink all 0). Returns "" or the failure text
// ("(Line  n): Incomplete string!", "Unidentified error in Basicfile!").
std::string SplitProgram(const ProgramChars& chars, LineTable& lines);

// The keyword of logical line s, upper-cased, written into `keyword` (whose
// capacity is reused, so the executor's line loop does not allocate), and the
// position of its last character in keywordEnd.
void StatementKeyword(const ProgramChars& chars, const LineTable& lines, LineNumber s,
                      Position& keywordEnd, std::string& keyword);
std::string StatementKeyword(const ProgramChars& chars, const LineTable& lines, LineNumber s,
                             Position& keywordEnd);

// The last significant character of a statement in the range, 0 if none.
Position StatementEnd(const ProgramChars& chars, Position from, Position to);

// The first significant character in the range, 0 if none.
Position FirstNonBlank(const ProgramChars& chars, Position from, Position to);

// A whole word (given upper-case) with a blank on each side, outside strings
// and before any comment: the position of its first character, 0 if none.
Position FindWord(const ProgramChars& chars, Position from, Position to, std::string_view word);

// The next ";" or "," outside strings and parentheses, 0 if none.
Position FindSeparator(const ProgramChars& chars, Position from, Position to);

// The text of logical line s up to its last significant character, case kept.
std::string StatementText(const ProgramChars& chars, const LineTable& lines, LineNumber s);

}  // namespace morvane
