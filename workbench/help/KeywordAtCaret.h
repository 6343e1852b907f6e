#pragma once
// What F1 looks up: the keyword the editor's caret stands on. Some keywords
// are two words ("END IF", "DRAW COLOR"), so the word under the caret joined
// with its neighbour on either side comes first; then the word alone, then
// the word without trailing digits ("LINE3" is a LINE), and last the word
// after it ("DRAW" of "DRAW BRICK" leads to BRICK).

#include <QStringList>

namespace morvane {

// The candidates, upper-cased, the likeliest first; empty when the caret
// stands on no word. `column` counts characters from the line's start; a
// caret just after a word counts as on it.
QStringList KeywordsAtCaret(const QString& line, int column);

}  // namespace morvane
