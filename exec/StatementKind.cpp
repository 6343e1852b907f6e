#include "exec/StatementKind.h"

namespace morvane {

StatementKind ClassifyKeyword(std::string_view k) {
  if (k.empty()) return StatementKind::EndOfProgram;
  if (k.find('=') != std::string_view::npos && !k.starts_with("FOR ")) return StatementKind::Assignment;
  for (const StatementKeywordEntry& entry : StatementKeywords) {
    const bool matches = entry.match == KeywordMatch::Whole ? k == entry.text : k.starts_with(entry.text);
    if (matches) return entry.kind;
  }
  return StatementKind::Other;
}

}  // namespace morvane
