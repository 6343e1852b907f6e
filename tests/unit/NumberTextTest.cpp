#include "core/NumberText.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <locale>
#include <string>

namespace morvane {
namespace {

struct TextCase {
  double number;
  const char* text;
  friend std::ostream& operator<<(std::ostream& out, const TextCase& c) { return out << c.text; }
};

class NumberTextOfDouble : public ::testing::TestWithParam<TextCase> {};

TEST_P(NumberTextOfDouble, Shows) {
  EXPECT_EQ(NumberText(GetParam().number), GetParam().text) << GetParam().number;
}

INSTANTIATE_TEST_SUITE_P(
    WholeNumbers, NumberTextOfDouble,
    ::testing::Values(TextCase{5, " 5"}, TextCase{-5, "-5"}, TextCase{0, " 0"}, TextCase{-0.0, " 0"},
                      TextCase{1234567, " 1234567"}, TextCase{123456789012345, " 123456789012345"},
                      TextCase{-2147483648.0, "-2147483648"}));

INSTANTIATE_TEST_SUITE_P(
    Fractions, NumberTextOfDouble,
    ::testing::Values(TextCase{0.5, " 0.5"}, TextCase{-0.25, "-0.25"}, TextCase{1.0 / 3, " 0.333333333333333"},
                      TextCase{2.0 / 3, " 0.666666666666667"}, TextCase{0.1 + 0.2, " 0.3"},
                      TextCase{100 * 1.1, " 110"}, TextCase{1 - 0.9, " 0.1"}, TextCase{0.0001, " 0.0001"},
                      TextCase{3.14159265358979, " 3.14159265358979"}));

// Very large and very small magnitudes switch to an exponent.
INSTANTIATE_TEST_SUITE_P(
    Exponents, NumberTextOfDouble,
    ::testing::Values(TextCase{1e15, " 1E+15"}, TextCase{1e20, " 1E+20"}, TextCase{-1.5e300, "-1.5E+300"},
                      TextCase{0.00001, " 1E-05"}, TextCase{-2.5e-7, "-2.5E-07"},
                      TextCase{1234567890123456789.0, " 1.23456789012346E+18"}));

TEST(NumberText, LongsAndValues) {
  EXPECT_EQ(NumberText(std::int32_t{7}), " 7");
  EXPECT_EQ(NumberText(std::int32_t{-7}), "-7");
  EXPECT_EQ(NumberText(std::numeric_limits<std::int32_t>::min()), "-2147483648");
  EXPECT_EQ(NumberText(Value::fromLong(0)), " 0");
  EXPECT_EQ(NumberText(Value::fromDouble(2.5)), " 2.5");
  EXPECT_EQ(NumberText(Value::fromString("abc")), "abc");
  EXPECT_EQ(NumberText(Value{}), "");
}

TEST(NumberText, NumbersOutsideTheRangeStillShow) {
  EXPECT_EQ(NumberText(std::numeric_limits<double>::infinity()), " Infinity");
  EXPECT_EQ(NumberText(-std::numeric_limits<double>::infinity()), "-Infinity");
  EXPECT_EQ(NumberText(std::nan("")), " NaN");
}

// A locale whose decimal point is a comma, as the German one has.
class CommaDecimalPoint : public std::numpunct<char> {
 protected:
  char do_decimal_point() const override { return ','; }
  char do_thousands_sep() const override { return '.'; }
  std::string do_grouping() const override { return "\3"; }
};

TEST(NumberText, UsesAPointWhateverTheLocale) {
  const std::locale previous = std::locale::global(std::locale(std::locale::classic(), new CommaDecimalPoint));
  // The C library's locale too, where the system has a German one.
  const std::string previousC = std::setlocale(LC_NUMERIC, nullptr);
  const bool german = std::setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr;
  const std::string half = NumberText(0.5);
  const std::string large = NumberText(1234567.25);
  const std::string exponent = NumberText(1.5e20);
  std::setlocale(LC_NUMERIC, previousC.c_str());
  std::locale::global(previous);

  EXPECT_EQ(half, " 0.5");
  EXPECT_EQ(large, " 1234567.25");
  EXPECT_EQ(exponent, " 1.5E+20");
  if (!german) GTEST_LOG_(INFO) << "no de_DE locale here; the C++ locale alone was changed";
}

}  // namespace
}  // namespace morvane
