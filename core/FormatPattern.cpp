#include "core/FormatPattern.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

#include "core/NumberText.h"

namespace morvane {

namespace {

// ---- The pattern's shape ---------------------------------------------------

enum class PatternPart { Integer, Fraction, Exponent };

struct PatternShape {
  int integerPositions = 0;
  int minIntegerDigits = 0;  // from the first "0" before the point on
  bool point = false;
  int fractionPositions = 0;
  int minFractionDigits = 0;  // up to the last "0" after the point
  bool exponent = false;
  bool exponentAlwaysSigned = false;
  int minExponentDigits = 0;  // from the first "0" after the exponent mark on
};

bool isDigitPosition(char c) { return c == '0' || c == '#'; }

// Reads a translated pattern. Points after the first and exponent marks
// after the first play no part.
PatternShape shapeOf(std::string_view translated) {
  PatternShape shape;
  PatternPart part = PatternPart::Integer;
  int firstIntegerZero = -1;
  int exponentPositions = 0;
  int firstExponentZero = -1;
  for (std::size_t i = 0; i < translated.size(); ++i) {
    const char c = translated[i];
    if (c == 'e') {
      ++i;  // the sign that the translation put after it
      if (!shape.exponent) {
        shape.exponent = true;
        shape.exponentAlwaysSigned = i < translated.size() && translated[i] == '+';
        part = PatternPart::Exponent;
      }
      continue;
    }
    if (c == '.') {
      if (part == PatternPart::Integer) {
        shape.point = true;
        part = PatternPart::Fraction;
      }
      continue;
    }
    if (!isDigitPosition(c)) continue;
    switch (part) {
      case PatternPart::Integer:
        if (c == '0' && firstIntegerZero < 0) firstIntegerZero = shape.integerPositions;
        ++shape.integerPositions;
        break;
      case PatternPart::Fraction:
        ++shape.fractionPositions;
        if (c == '0') shape.minFractionDigits = shape.fractionPositions;
        break;
      case PatternPart::Exponent:
        if (c == '0' && firstExponentZero < 0) firstExponentZero = exponentPositions;
        ++exponentPositions;
        break;
    }
  }
  if (firstIntegerZero >= 0) shape.minIntegerDigits = shape.integerPositions - firstIntegerZero;
  if (firstExponentZero >= 0) shape.minExponentDigits = exponentPositions - firstExponentZero;
  return shape;
}

// ---- Decimal digits of a number ------------------------------------------

// A magnitude as its significant digits: 0.d1d2d3... × 10^pointPosition, so
// pointPosition digits stand before the decimal point. No digits means 0.
struct DecimalDigits {
  std::string digits;
  int pointPosition = 0;

  bool isZero() const { return digits.empty(); }

  // The digit at an index counted from the first significant digit; "0"
  // beyond the digits on either side.
  char digitAt(int index) const {
    return (index >= 0 && index < static_cast<int>(digits.size())) ? digits[static_cast<std::size_t>(index)] : '0';
  }

  void dropTrailingZeros() {
    while (!digits.empty() && digits.back() == '0') digits.pop_back();
    if (digits.empty()) pointPosition = 0;
  }

  // Keeps the first `keep` digits, rounding halves away from zero.
  void roundTo(int keep) {
    if (keep >= static_cast<int>(digits.size())) return;
    if (keep < 0) {
      digits.clear();
      pointPosition = 0;
      return;
    }
    const bool up = digits[static_cast<std::size_t>(keep)] >= '5';
    digits.resize(static_cast<std::size_t>(keep));
    if (up) {
      int i = keep - 1;
      while (i >= 0 && digits[static_cast<std::size_t>(i)] == '9') {
        digits[static_cast<std::size_t>(i)] = '0';
        --i;
      }
      if (i >= 0) {
        ++digits[static_cast<std::size_t>(i)];
      } else {
        digits.insert(digits.begin(), '1');
        ++pointPosition;
      }
    }
    dropTrailingZeros();
  }
};

// The shortest decimal digits that read back as exactly this magnitude.
DecimalDigits decimalDigitsOf(double magnitude) {
  DecimalDigits d;
  if (magnitude == 0) return d;
  char buffer[64];
  const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, magnitude,
                                       std::chars_format::scientific);
  if (ec != std::errc{}) return d;
  // "d.ddde+XX"
  const std::string_view text(buffer, static_cast<std::size_t>(end - buffer));
  const std::size_t e = text.find('e');
  for (std::size_t i = 0; i < e; ++i) {
    if (text[i] != '.') d.digits.push_back(text[i]);
  }
  int exponent = 0;
  const std::string_view exponentText = text.substr(e + 1);
  const std::size_t skip = exponentText.front() == '+' ? 1 : 0;
  std::from_chars(exponentText.data() + skip, exponentText.data() + exponentText.size(), exponent);
  d.pointPosition = exponent + 1;
  d.dropTrailingZeros();
  return d;
}

// ---- Layout ------------------------------------------------------------------

// The fraction digits, places 1 to positions, without trailing zeros beyond
// the minimum.
std::string fractionText(const DecimalDigits& d, int firstIndex, int positions, int minDigits) {
  std::string fraction;
  for (int i = 0; i < positions; ++i) fraction.push_back(d.digitAt(firstIndex + i));
  while (static_cast<int>(fraction.size()) > minDigits && fraction.back() == '0') fraction.pop_back();
  return fraction;
}

std::string padLeft(std::string text, int width) {
  if (static_cast<int>(text.size()) < width) {
    text.insert(0, static_cast<std::size_t>(width) - text.size(), '0');
  }
  return text;
}

std::string fixedLayout(double magnitude, const PatternShape& shape) {
  DecimalDigits d = decimalDigitsOf(magnitude);
  d.roundTo(d.pointPosition + shape.fractionPositions);

  std::string integer;
  for (int i = 0; i < d.pointPosition; ++i) integer.push_back(d.digitAt(i));
  std::string text = padLeft(std::move(integer), shape.minIntegerDigits);
  if (shape.point) {
    text.push_back('.');
    text += fractionText(d, d.pointPosition, shape.fractionPositions, shape.minFractionDigits);
  }
  return text;
}

std::string scientificLayout(double magnitude, const PatternShape& shape) {
  // At least one digit of the mantissa is shown.
  const int integerDigits =
      shape.integerPositions + shape.fractionPositions == 0 ? 1 : shape.integerPositions;
  DecimalDigits d = decimalDigitsOf(magnitude);
  d.roundTo(integerDigits + shape.fractionPositions);
  const int exponent = d.isZero() ? 0 : d.pointPosition - integerDigits;

  std::string text;
  for (int i = 0; i < integerDigits; ++i) text.push_back(d.digitAt(i));
  if (shape.point) {
    text.push_back('.');
    text += fractionText(d, integerDigits, shape.fractionPositions, shape.minFractionDigits);
  }
  text.push_back('e');
  if (exponent < 0) {
    text.push_back('-');
  } else if (shape.exponentAlwaysSigned) {
    text.push_back('+');
  }
  text += padLeft(std::to_string(std::abs(exponent)), shape.minExponentDigits);
  return text;
}

bool showsOnlyZeros(std::string_view text) {
  for (char c : text) {
    if (c >= '1' && c <= '9') return false;
    if (c == 'e') break;
  }
  return true;
}

}  // namespace

bool TranslateFormatPattern(std::string_view pattern, std::string& translated) {
  translated.clear();
  for (char c : pattern) {
    switch (c) {
      case 'E': translated += "e+"; break;
      case 'e': translated += "e-"; break;
      case '#':
      case '0':
      case '.': translated.push_back(c); break;
      default: return false;
    }
  }
  return true;
}

std::string FormatByPattern(double number, std::string_view translated) {
  if (translated.empty()) {
    std::string text = NumberText(number);
    if (!text.empty() && text.front() == ' ') text.erase(0, 1);
    return text;
  }
  const PatternShape shape = shapeOf(translated);
  std::string text = shape.exponent ? scientificLayout(std::fabs(number), shape)
                                    : fixedLayout(std::fabs(number), shape);
  if (number < 0 && !showsOnlyZeros(text)) text.insert(0, 1, '-');
  return text;
}

void CleanUpFormattedText(std::string& text) {
  // The steps count positions from 1, as the texts are read.
  const auto at = [&text](std::size_t i) { return text[i - 1]; };

  // 1. A decimal comma becomes a point.
  for (char& c : text) {
    if (c == ',') c = '.';
  }

  // 2. "-0..." becomes "-...".
  if (text.starts_with("-0")) text.erase(1, 1);

  // 3. The minus moves right over zeros not followed by a point, leaving blanks.
  for (std::size_t i = 1; i + 2 <= text.size(); ++i) {
    if (at(i) == '-' && at(i + 1) == '0' && at(i + 2) != '.') {
      text[i - 1] = ' ';
      text[i] = '-';
    }
    if (at(i) != ' ') break;
  }

  // 4. Leading zeros not followed by a point become blanks.
  for (std::size_t i = 1; i + 1 <= text.size(); ++i) {
    if (at(i) == '0' && at(i + 1) != '.') text[i - 1] = ' ';
    if (at(i) != ' ') break;
  }
}

}  // namespace morvane
