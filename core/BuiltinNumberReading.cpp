#include "core/BuiltinNumberReading.h"

#include <charconv>
#include <cmath>
#include <string>

namespace morvane {

namespace {

bool isDecimalDigit(char c) { return c >= '0' && c <= '9'; }

// The value of a digit in the given radix, or -1.
int digitValue(char c, int radix) {
  int v = -1;
  if (c >= '0' && c <= '9') v = c - '0';
  if (c >= 'A' && c <= 'F') v = c - 'A' + 10;
  if (c >= 'a' && c <= 'f') v = c - 'a' + 10;
  return v < radix ? v : -1;
}

// Reads the number at the start of text; returns how many characters it
// took (0 when the text does not begin with a number).
std::size_t readNumberPrefix(std::string_view text, double& number) {
  number = 0;
  std::size_t i = 0;

  // &H hexadecimal, &O octal.
  if (text.size() >= 2 && text[0] == '&') {
    const char prefix = text[1];
    const int radix = (prefix == 'H' || prefix == 'h') ? 16 : (prefix == 'O' || prefix == 'o') ? 8 : 0;
    if (radix == 0) return 0;
    i = 2;
    while (i < text.size() && digitValue(text[i], radix) >= 0) {
      number = number * radix + digitValue(text[i], radix);
      ++i;
    }
    return i > 2 ? i : 0;
  }

  // An optional sign.
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }

  // Digits with at most one point; at least one digit.
  const std::size_t mantissaStart = i;
  bool point = false;
  bool anyDigit = false;
  while (i < text.size()) {
    if (isDecimalDigit(text[i])) {
      anyDigit = true;
    } else if (text[i] == '.' && !point) {
      point = true;
    } else {
      break;
    }
    ++i;
  }
  if (!anyDigit) return 0;

  // An exponent counts only with at least one digit.
  if (i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
    std::size_t j = i + 1;
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
    if (j < text.size() && isDecimalDigit(text[j])) {
      while (j < text.size() && isDecimalDigit(text[j])) ++j;
      i = j;
    }
  }

  const auto result = std::from_chars(text.data() + mantissaStart, text.data() + i, number,
                                      std::chars_format::general);
  if (result.ec == std::errc::result_out_of_range) {
    // Too large: infinite; too small: 0. The exponent's sign tells which.
    const std::string_view digits = text.substr(mantissaStart, i - mantissaStart);
    number = digits.find("-") != std::string_view::npos ? 0.0 : HUGE_VAL;
  }
  if (negative) number = -number;
  return i;
}

bool isIgnoredByVal(char c) { return c == ' ' || c == '\t' || c == '\n'; }

}  // namespace

double ReadLeadingNumber(std::string_view text) {
  std::string significant;
  significant.reserve(text.size());
  for (char c : text) {
    if (!isIgnoredByVal(c)) significant.push_back(c);
  }
  double number = 0;
  readNumberPrefix(significant, number);
  return number;
}

bool ReadWholeNumber(std::string_view text, double& number) {
  const auto isBlankOrTab = [](char c) { return c == ' ' || c == '\t'; };
  while (!text.empty() && isBlankOrTab(text.front())) text.remove_prefix(1);
  while (!text.empty() && isBlankOrTab(text.back())) text.remove_suffix(1);
  return !text.empty() && readNumberPrefix(text, number) == text.size() && std::isfinite(number);
}

}  // namespace morvane
