#pragma once
// The one way a number becomes an integer in the interpreter and the
// graphics. Casting a double outside the integer type's range (NaN and the
// infinities included) is undefined behaviour, so the range is checked first
// and such a number gives no integer at all; the caller decides what that
// means (an error, a refusal, a default).

#include <concepts>
#include <limits>
#include <optional>

namespace morvane {

// The number, already rounded as the caller needs it (floor, nearbyint ...),
// as an Int; nothing when it lies outside Int's range or is NaN. A fraction
// left in it is cut toward zero.
template <std::integral Int>
constexpr std::optional<Int> ToInteger(double whole) {
  // Both bounds are exact as doubles: the lowest value is 0 or minus a power
  // of two, and one past the highest value is a power of two.
  constexpr double Lowest = static_cast<double>(std::numeric_limits<Int>::min());
  constexpr double PastHighest = 2.0 * static_cast<double>(std::numeric_limits<Int>::max() / 2 + 1);
  if (!(whole >= Lowest && whole < PastHighest)) return std::nullopt;  // false for NaN
  return static_cast<Int>(whole);
}

}  // namespace morvane
