#include "prepare/LineTable.h"

#include <cstdint>
#include <limits>

namespace morvane {

LineNumber lineTableCapacity(std::string_view editorText) {
  // Every logical line but those cut at THEN and ELSE ends at a CR or a ":";
  // the ten spare entries hold the final empty line and LineStart(LastLine + 1).
  // The split grows the table for the lines cut at THEN and ELSE.
  std::int64_t capacity = 10;
  for (const char c : editorText) {
    if (c == CR || c == ':') ++capacity;
  }
  constexpr std::int64_t Largest = std::numeric_limits<LineNumber>::max();
  return static_cast<LineNumber>(capacity < Largest ? capacity : Largest);
}

}  // namespace morvane
