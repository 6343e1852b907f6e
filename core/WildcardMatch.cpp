#include "core/WildcardMatch.h"

namespace morvane {

namespace {

constexpr char AnyRun = '*';
constexpr char AnyOne = '?';
constexpr char HiddenMark = '.';

}  // namespace

bool HasWildcard(std::string_view name) { return name.find_first_of("*?") != std::string_view::npos; }

bool MatchesWildcard(std::string_view pattern, std::string_view name) {
  if (!name.empty() && name.front() == HiddenMark &&
      (pattern.empty() || pattern.front() != HiddenMark)) {
    return false;
  }
  // A walk along both texts. At a "*" the match first takes no characters;
  // when a later character fails, the last "*" takes one character more and
  // the walk resumes after it.
  std::size_t p = 0;
  std::size_t n = 0;
  std::size_t starAt = std::string_view::npos;  // the last "*" met in the pattern
  std::size_t starTakesUpTo = 0;                // where the name resumes after it
  while (n < name.size()) {
    if (p < pattern.size() && pattern[p] == AnyRun) {
      starAt = p++;
      starTakesUpTo = n;
    } else if (p < pattern.size() && (pattern[p] == AnyOne || pattern[p] == name[n])) {
      ++p;
      ++n;
    } else if (starAt != std::string_view::npos) {
      p = starAt + 1;
      n = ++starTakesUpTo;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == AnyRun) ++p;
  return p == pattern.size();
}

}  // namespace morvane
