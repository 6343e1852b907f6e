#include "core/FormatPattern.h"

#include <gtest/gtest.h>

#include <locale>
#include <string>
#include <string_view>

#include "ExpressionFixture.h"
#include "core/Messages.h"

namespace morvane::testing {
namespace {

TEST(FormatPattern, TranslationAcceptsOnlyFiveCharacters) {
  std::string translated;
  EXPECT_TRUE(TranslateFormatPattern("#0.0E00", translated));
  EXPECT_EQ(translated, "#0.0e+00");
  EXPECT_TRUE(TranslateFormatPattern("0e0", translated));
  EXPECT_EQ(translated, "0e-0");
  EXPECT_TRUE(TranslateFormatPattern("", translated));
  EXPECT_EQ(translated, "");
  EXPECT_FALSE(TranslateFormatPattern("0,0", translated));
  EXPECT_FALSE(TranslateFormatPattern("0 ", translated));
  EXPECT_FALSE(TranslateFormatPattern("x", translated));
}

// ---- FORMAT(number, pattern), through the evaluator -----------------------------------

struct FormatCase {
  std::string_view expression;
  std::string_view shows;
  friend std::ostream& operator<<(std::ostream& out, const FormatCase& c) { return out << c.expression; }
};

class Format : public ExpressionFixture, public ::testing::WithParamInterface<FormatCase> {};

TEST_P(Format, Shows) {
  const FormatCase& c = GetParam();
  EXPECT_EQ(shows(c.expression), c.shows) << c.expression;
}

INSTANTIATE_TEST_SUITE_P(
    Checks, Format,
    ::testing::Values(
        FormatCase{"FORMAT(5)", "\" 5\""}, FormatCase{"FORMAT(-2.5)", "\"-2.5\""},
        FormatCase{"FORMAT(\"5\")", "Please use a numerical value as first argument in the FORMAT-function"},
        FormatCase{"FORMAT(5, 1)", "Please use a format string in the FORMAT-function!"},
        FormatCase{"FORMAT(5, \"0,0\")", "Incorrect character in FORMAT-string!"},
        FormatCase{"FORMAT(1, \"0\", \"0\")", "Please use two string arguments in the FORMAT-function!"}));

// The clean-up turns leading zeros into blanks and moves a minus sign up to
// the first significant digit.
INSTANTIATE_TEST_SUITE_P(
    ZerosAndSigns, Format,
    ::testing::Values(
        FormatCase{"FORMAT(5, \"000.0\")", "\"  5.0\""}, FormatCase{"FORMAT(-5, \"000.0\")", "\" -5.0\""},
        FormatCase{"FORMAT(0, \"000\")", "\"  0\""}, FormatCase{"FORMAT(0.5, \"0.00\")", "\"0.50\""},
        FormatCase{"FORMAT(-0.5, \"0.00\")", "\"-.50\""}, FormatCase{"FORMAT(-5, \"0000.0\")", "\"  -5.0\""},
        FormatCase{"FORMAT(123, \"00000\")", "\"  123\""}, FormatCase{"FORMAT(-123, \"00000\")", "\" -123\""},
        FormatCase{"FORMAT(1234.5, \"00\")", "\"1235\""}, FormatCase{"FORMAT(-0.001, \"0.00\")", "\"0.00\""}));

INSTANTIATE_TEST_SUITE_P(
    DigitPositions, Format,
    ::testing::Values(
        FormatCase{"FORMAT(3.14159, \"0.00\")", "\"3.14\""}, FormatCase{"FORMAT(2.5, \"0\")", "\"3\""},
        FormatCase{"FORMAT(-2.5, \"0\")", "\"-3\""}, FormatCase{"FORMAT(2.675, \"0.00\")", "\"2.68\""},
        FormatCase{"FORMAT(9.999, \"0.00\")", "\"10.00\""}, FormatCase{"FORMAT(1.5, \"#.##\")", "\"1.5\""},
        FormatCase{"FORMAT(0.5, \"#.00\")", "\".50\""}, FormatCase{"FORMAT(12, \"#.##\")", "\"12.\""},
        FormatCase{"FORMAT(0, \"#\")", "\"\""}, FormatCase{"FORMAT(1.25, \"0.0#\")", "\"1.25\""},
        FormatCase{"FORMAT(1.2, \"0.0#\")", "\"1.2\""}, FormatCase{"FORMAT(1E20, \"0\")", "\"100000000000000000000\""},
        FormatCase{"FORMAT(1234.5678, \"\")", "\"1234.5678\""}, FormatCase{"FORMAT(\"7.5\", \"0.00\")", "\"7.50\""},
        FormatCase{"FORMAT(\"abc\", \"0\")", "\"abc\""}));

INSTANTIATE_TEST_SUITE_P(
    Scientific, Format,
    ::testing::Values(
        FormatCase{"FORMAT(12345, \"0.00E00\")", "\"1.23e+04\""}, FormatCase{"FORMAT(12345, \"0.00e00\")", "\"1.23e04\""},
        FormatCase{"FORMAT(0.00012, \"0.0e0\")", "\"1.2e-4\""}, FormatCase{"FORMAT(0.00012, \"0.0E0\")", "\"1.2e-4\""},
        FormatCase{"FORMAT(99999, \"0.0E0\")", "\"1.0e+5\""}, FormatCase{"FORMAT(12345, \"00.0E0\")", "\"12.3e+3\""},
        FormatCase{"FORMAT(12345, \".00E00\")", "\".12e+05\""}, FormatCase{"FORMAT(-12345, \"0.0E0\")", "\"-1.2e+4\""},
        FormatCase{"FORMAT(0, \"0.0E00\")", "\"0.0e+00\""}, FormatCase{"FORMAT(5, \"0E\")", "\"5e+0\""}));

TEST(FormatPattern, CleanUpStepsOnTheirOwn) {
  const auto cleaned = [](std::string text) {
    CleanUpFormattedText(text);
    return text;
  };
  EXPECT_EQ(cleaned("1,5"), "1.5");
  EXPECT_EQ(cleaned("-0,5"), "-.5");
  EXPECT_EQ(cleaned("-005.0"), " -5.0");
  EXPECT_EQ(cleaned("0001"), "   1");
  EXPECT_EQ(cleaned("0.0"), "0.0");
  EXPECT_EQ(cleaned("100"), "100");
  EXPECT_EQ(cleaned("-"), "-");
  EXPECT_EQ(cleaned(""), "");
}

// A locale whose decimal point is a comma, as the German one has.
class CommaDecimalPoint : public std::numpunct<char> {
 protected:
  char do_decimal_point() const override { return ','; }
};

TEST(FormatPattern, WritesAPointWhateverTheLocale) {
  const std::locale previous = std::locale::global(std::locale(std::locale::classic(), new CommaDecimalPoint));
  std::string translated;
  ASSERT_TRUE(TranslateFormatPattern("0.00", translated));
  const std::string text = FormatByPattern(1.5, translated);
  std::locale::global(previous);
  EXPECT_EQ(text, "1.50");
}

}  // namespace
}  // namespace morvane::testing
