#pragma once
// The file-name patterns of DEL.

#include <string_view>

namespace morvane {

// Whether a file name matches a pattern: "*" stands for any run of
// characters (none included), "?" for exactly one, every other character for
// itself, upper and lower case told apart. A name that begins with "." (a
// hidden file) matches only a pattern that begins with ".".
bool MatchesWildcard(std::string_view pattern, std::string_view name);

// Whether a name holds "*" or "?", and so is a pattern.
bool HasWildcard(std::string_view name);

}  // namespace morvane
