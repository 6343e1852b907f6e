#include "core/NumberText.h"

#include <charconv>
#include <cmath>
#include <system_error>

namespace morvane {

namespace {

// Up to 15 significant digits: every double shows the digits a user typed,
// while the binary noise in the 16th and 17th digit (0.1 + 0.2) stays hidden.
constexpr int SignificantDigits = 15;

}  // namespace

std::string NumberText(double number) {
  if (std::isnan(number)) return " NaN";
  if (std::isinf(number)) return number < 0 ? "-Infinity" : " Infinity";
  if (number == 0) number = 0;  // no "-0"

  char buffer[64];
  char* out = buffer;
  if (number >= 0) *out++ = ' ';
  // The general format switches to an exponent below 1E-4 and from 1E+15 on,
  // and drops trailing zeros of the fraction.
  auto [end, ec] = std::to_chars(out, buffer + sizeof buffer, number,
                                 std::chars_format::general, SignificantDigits);
  if (ec != std::errc{}) return " 0";
  for (char* c = out; c != end; ++c) {
    if (*c == 'e') *c = 'E';
  }
  return std::string(buffer, end);
}

std::string NumberText(std::int32_t number) {
  char buffer[16];
  char* out = buffer;
  if (number >= 0) *out++ = ' ';
  auto [end, ec] = std::to_chars(out, buffer + sizeof buffer, number);
  (void)ec;  // 16 characters always hold a 32-bit number
  return std::string(buffer, end);
}

std::string NumberText(const Value& value) {
  switch (value.kind()) {
    case ValueKind::Double: return NumberText(value.asDouble());
    case ValueKind::Long: return NumberText(value.asLong());
    case ValueKind::String: return value.text();
    case ValueKind::Empty: return "";
  }
  return "";
}

}  // namespace morvane
