#pragma once
// The file or directory name of a statement's argument. The argument is an
// expression (a quoted name, a string variable, a joined name ...), or a name
// written without quotes, such as OPEN data.txt FOR INPUT AS #1 or CD work.

#include <string>

#include "exec/StatementContext.h"

namespace morvane {

// How a name written without quotes is read from its argument.
enum class UnquotedName {
  UpToFirstBlank,  // CD, MD, RD, DEL: the characters up to the first blank
  BlanksDropped,   // OPEN, COPY, RENAME: every significant character, blanks dropped
};

// The name given by the argument at from..to (inclusive): the value when the
// argument evaluates to a String, otherwise the characters as the user wrote
// them. Evaluating upper-cases the names it scans in the program text, which
// would turn data.txt into DATA.TXT on a file system that tells them apart;
// so the characters are taken before the evaluation and put back after it,
// and the line reads the same the next time it runs. A failed evaluation
// leaves no message behind. An empty range gives "".
std::string TakeFileName(StatementContext& ctx, Position from, Position to, UnquotedName form);

}  // namespace morvane
