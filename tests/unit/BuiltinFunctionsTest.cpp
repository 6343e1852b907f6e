#include "core/BuiltinFunctions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "ExpressionFixture.h"
#include "core/BuiltinNumberReading.h"
#include "core/Messages.h"

namespace morvane::testing {
namespace {

// ---- Through the evaluator ---------------------------------------------------------

struct CallCase {
  std::string_view expression;
  std::string_view shows;  // number text, a string in quotes, or the message
  friend std::ostream& operator<<(std::ostream& out, const CallCase& c) { return out << c.expression; }
};

class Builtin : public ExpressionFixture, public ::testing::WithParamInterface<CallCase> {};

TEST_P(Builtin, Shows) {
  const CallCase& c = GetParam();
  EXPECT_EQ(shows(c.expression), c.shows) << c.expression;
}

INSTANTIATE_TEST_SUITE_P(
    Arithmetic, Builtin,
    ::testing::Values(
        CallCase{"ABS(-2.5)", " 2.5"}, CallCase{"ABS(3)", " 3"},
        CallCase{"ABS(\"a\")", "Please use a numerical argument in the ABS-function!"},
        CallCase{"SQR(0)", " 0"}, CallCase{"SQR(16)", " 4"},
        CallCase{"SQR(-1)", "Please use a positive argument in the SQR-function!"},
        CallCase{"LN(-1)", "Please use a positive argument in the LN-function!"},
        CallCase{"LOG(-1)", "Please use a positive argument in the LN-function!"},
        CallCase{"LN(0)", "Unidentified error in function LN !"}, CallCase{"LOG(1)", " 0"},
        CallCase{"LN(EXP(2))", " 2"}, CallCase{"EXP(0)", " 1"},
        CallCase{"EXP(1000)", "Unidentified error in function EXP !"},
        CallCase{"EXP(\"1\")", "Please use a numerical argument in the EXP-function!"},
        CallCase{"SIGN(0)", " 1"}, CallCase{"SIGN(-0.1)", "-1"}, CallCase{"SIGN(7)", " 1"},
        CallCase{"SIGN(\"x\")", "Please use a numerical argument in the SIGN-function!"},
        CallCase{"INT(-2.5)", "-3"}, CallCase{"INT(2.5)", " 2"}, CallCase{"FIX(-2.5)", "-2"},
        CallCase{"FIX(2.9)", " 2"},
        CallCase{"INT(\"1\")", "Please use a numerical argument in the INT-function!"},
        CallCase{"FIX(\"1\")", "Please use a numerical argument in the FIX-function!"},
        CallCase{"MAX(3)", " 3"}, CallCase{"MIN(2, 1, 3)", " 1"}, CallCase{"MAX(2, 5, 3)", " 5"},
        CallCase{"MAX(1, \"7\")", " 7"}, CallCase{"MAX(9, \"7\")", " 7"},  // a string is larger
        CallCase{"MIN(1, \"x\", 0)", " 0"}, CallCase{"MAX(\"x\")", "Unidentified error in function MAX !"},
        CallCase{"MAX(1, \"x\")", "Unidentified error in function MAX !"},
        CallCase{"MAX", "Please use numerical arguments in the MAX-function!"},
        CallCase{"MIN", "Please use numerical arguments in the MIN-function!"}));

INSTANTIATE_TEST_SUITE_P(
    Trigonometry, Builtin,
    ::testing::Values(
        CallCase{"sin(0)", " 0"}, CallCase{"COS(0)", " 1"}, CallCase{"TAN(0)", " 0"},
        CallCase{"ATN(1) * 4", " 3.14159265358979"}, CallCase{"ATAN(1) = ATN(1)", "-1"},
        CallCase{"COT(ATN(1))", " 1"}, CallCase{"COT(0)", "Unidentified error in function COT !"},
        CallCase{"ASIN(1) = 2 * ATN(1)", "-1"}, CallCase{"ASIN(-1) = -2 * ATN(1)", "-1"},
        CallCase{"ASIN(0.5) * 6 / (4 * ATN(1))", " 1"},
        CallCase{"ASIN(2)", "Unidentified error in function ASIN !"}, CallCase{"ACOS(1)", " 0"},
        CallCase{"ACOS(-1) = 4 * ATN(1)", "-1"}, CallCase{"ACOS(0) = 2 * ATN(1)", "-1"},
        CallCase{"ACOS(2)", "Unidentified error in function ACOS !"},
        CallCase{"ACOT(1) = ATN(1)", "-1"},
        CallCase{"SIN(\"0\")", "Please use a numerical argument in the SIN-function!"},
        CallCase{"COS(\"0\")", "Please use a numerical argument in the COS-function!"},
        CallCase{"TAN(\"0\")", "Please use a numerical argument in the TAN-function!"},
        CallCase{"COT(\"0\")", "Please use a numerical argument in the COT-function!"},
        CallCase{"ATN(\"0\")", "Please use a numerical argument in the ATN-function!"},
        CallCase{"ASIN(\"0\")", "Please use a numerical argument in the ASIN-function!"},
        CallCase{"ACOS(\"0\")", "Please use a numerical argument in the ACOS-function!"},
        CallCase{"ACOT(\"0\")", "Please use a numerical argument in the ACOT-function!"}));

INSTANTIATE_TEST_SUITE_P(
    Texts, Builtin,
    ::testing::Values(
        CallCase{"LEN(\"abc\")", " 3"}, CallCase{"STRLENGTH(\"\")", " 0"},
        CallCase{"LEN(5)", "Please use a string argument in the STRLENGTH-function!"},
        CallCase{"STR(5)", "\" 5\""}, CallCase{"STR(-5)", "\"-5\""}, CallCase{"STR(\"abc\")", "\"abc\""},
        CallCase{"STR(1/4)", "\" 0.25\""},
        CallCase{"STR", "Please use a numerical argument in the STR-function!"},
        CallCase{"CHR(65)", "\"A\""}, CallCase{"CHR(65.5)", "\"B\""}, CallCase{"CHR(66.5)", "\"B\""},
        CallCase{"CHR(256)", "Please use a correct parameter in the CHR-function!"},
        CallCase{"CHR(-1)", "Please use a correct parameter in the CHR-function!"},
        CallCase{"CHR(\"A\")", "Please use a correct parameter in the CHR-function!"},
        CallCase{"ASC(\"A\")", " 65"}, CallCase{"ASC(CHR(200))", " 200"},
        CallCase{"ASC(\"AB\")", "Please use a single character as argument in the ASC-function!"},
        CallCase{"ASC(\"\")", "Please use a single character as argument in the ASC-function!"},
        CallCase{"LCASE(\"AbC\")", "\"abc\""}, CallCase{"UCASE(\"aBc1\")", "\"ABC1\""},
        CallCase{"LCASE(1)", "Please use a string argument in the LCASE-function!"},
        CallCase{"UCASE(1)", "Please use a string argument in the UCASE-function!"},
        CallCase{"MID(\"abc\", 2)", "\"bc\""}, CallCase{"MID(\"abc\", 2, 1)", "\"b\""},
        CallCase{"MID(\"abc\", 5)", "\"\""}, CallCase{"MID(\"abc\", 2, 0)", "\"\""},
        CallCase{"MID(\"abc\", 2.5)", "\"bc\""}, CallCase{"MID(\"abc\", \"3\")", "\"c\""},
        CallCase{"MID(5, 1)", "Please use a String in the MID-Function!"},
        CallCase{"MID(\"abc\")", "Please use two or three arguments in the MID-function!"},
        CallCase{"MID(\"abc\", 0)", "Unidentified error in function MID !"},
        CallCase{"MID(\"abc\", 1, -1)", "Unidentified error in function MID !"},
        CallCase{"INSTR(\"abc\", \"C\")", " 0"}, CallCase{"INSTR(\"abcabc\", \"c\")", " 3"},
        CallCase{"INSTR(\"abc\", 1)", "Please use two string arguments in the INSTR-function!"},
        CallCase{"STRCHR(\"abc\", \"X\", 2)", "\"aXc\""},
        CallCase{"STRCHR(\"abc\", \"X\", 4)", "Please use three correct arguments in the STRCHR-function!"},
        CallCase{"STRCHR(\"abc\", \"XY\", 1)", "Please use three correct arguments in the STRCHR-function!"},
        CallCase{"STRCHR(\"abc\", \"X\", 3.6)", "Unidentified error in function STRCHR !"},
        CallCase{"STRCHR(\"abc\", \"X\", 0)", "Unidentified error in function STRCHR !"}));

INSTANTIATE_TEST_SUITE_P(
    Values, Builtin,
    ::testing::Values(
        CallCase{"VAL(\"12abc\")", " 12"}, CallCase{"VAL(\" 1 2 . 5\")", " 12.5"},
        CallCase{"VAL(\"-3e2\")", "-300"}, CallCase{"VAL(\"&HFF\")", " 255"},
        CallCase{"VAL(\"&o17\")", " 15"}, CallCase{"VAL(\"1,5\")", " 1"}, CallCase{"VAL(\"abc\")", " 0"},
        CallCase{"VAL(\"$5\")", " 0"}, CallCase{"VAL(\"1.2.3\")", " 1.2"},
        CallCase{"VAL(5)", "Please use a string argument in the VAL-function!"},
        CallCase{"RGB(300, -5, 2.7)", " 131327"}, CallCase{"RGB(255, 255, 255)", " 16777215"},
        CallCase{"RGB(1, 2)", "Please use three arguments in the RGB-function!"},
        CallCase{"RGB(\"1\", 2, 3)", "Please use no strings in the RGB-Function!"},
        CallCase{"VERSION", "\"1.3.2018\""},
        CallCase{"VERSION(1)", "The VERSION function needs no arguments!"},
        CallCase{"TIMER(1)", "The TIMER-function needs no arguments!"},
        CallCase{"TIME(1)", "The TIME function needs no arguments!"},
        CallCase{"DATE(1)", "The DATE function needs no arguments!"},
        CallCase{"TIME", "\"12:34:56\""}, CallCase{"DATE", "\"08.12.2026\""},
        CallCase{"INPUTBOX(\"a\", \"b\")", "Please use a string as comment in the INPUTBOX-function!"},
        CallCase{"FILE(1)", "Please use a string as filename in the FILE-function!"},
        CallCase{"FILE(\"/nonexistent/morvane.txt\")", "Unidentified error in function FILE !"}));

TEST_F(ExpressionFixture, TimerIsTakenInSinglePrecision) {
  evaluate("TIMER");
  ASSERT_EQ(message, "");
  EXPECT_EQ(result.kind(), ValueKind::Double);
  EXPECT_EQ(result.asDouble(), static_cast<double>(static_cast<float>(45296.7)));
}

TEST_F(ExpressionFixture, InputBoxAsksTheHostWithItsPromptAsText) {
  EXPECT_EQ(shows("INPUTBOX(5)"), "\"typed\"");
  EXPECT_EQ(shows("INPUTBOX(\"Name?\") & \"!\""), "\"typed!\"");
  EXPECT_EQ(shows("INPUTBOX"), "\"typed\"");
  EXPECT_EQ(engine.prompts, (std::vector<std::string>{"5", "Name?", ""}));
  EXPECT_EQ(engine.lastCaption, "Message/Input-Box");
}

TEST_F(ExpressionFixture, FileReadsTheWholeFileUnchanged) {
  const std::filesystem::path path =
      std::filesystem::temp_directory_path() / ("morvane-file-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + ".txt");
  {
    std::ofstream out(path, std::ios::binary);
    out << "line 1\r\nline \xE9 2\r\n";
  }
  evaluate("FILE(\"" + path.string() + "\")");
  std::filesystem::remove(path);
  ASSERT_EQ(message, "");
  EXPECT_EQ(result.text(), "line 1\r\nline \xE9 2\r\n");
  EXPECT_EQ(shows("FILE(\"" + std::filesystem::temp_directory_path().string() + "\")"),
            msg::FunctionFailed("FILE"));
}

TEST_F(ExpressionFixture, ResultKindsFollowTheArgument) {
  evaluate("INT(2.5)");
  EXPECT_EQ(result.kind(), ValueKind::Double);
  evaluate("LEN(\"ab\")");
  EXPECT_EQ(result, Value::fromLong(2));
  evaluate("ACOS(1)");
  EXPECT_EQ(result, Value::fromLong(0));
  evaluate("X = 1 < 2", ExpressionMode::set());
  evaluate("ABS(X)");
  EXPECT_EQ(result, Value::fromLong(1));
}

// INT and FIX take the whole part exactly as std::floor and std::trunc do,
// bit for bit: signed zeros, halves, the edges of 2^52 and of Long, the
// largest doubles and infinities.
TEST(WholePart, AgreesWithTheLibraryBitForBit) {
  const double values[] = {0.0,
                           -0.0,
                           0.3,
                           -0.3,
                           0.5,
                           -0.5,
                           1.0,
                           -1.0,
                           2.5,
                           -2.5,
                           1e-300,
                           -1e-300,
                           2147483647.5,
                           -2147483648.5,
                           1e15 + 0.5,
                           -1e15 - 0.5,
                           4503599627370495.5,   // just below 2^52
                           -4503599627370495.5,
                           4503599627370496.0,   // 2^52
                           -4503599627370497.0,
                           1e300,
                           -1e300,
                           HUGE_VAL,
                           -HUGE_VAL};
  const auto bits = [](double d) {
    std::uint64_t b = 0;
    std::memcpy(&b, &d, sizeof b);
    return b;
  };
  for (const double x : values) {
    EXPECT_EQ(bits(WholePartOf(WholePart::Floor, x)), bits(std::floor(x))) << x;
    EXPECT_EQ(bits(WholePartOf(WholePart::TowardZero, x)), bits(std::trunc(x))) << x;
  }
  EXPECT_TRUE(std::isnan(WholePartOf(WholePart::Floor, std::nan(""))));
}

// ---- Direct calls --------------------------------------------------------------------

class DirectCall : public ::testing::Test {
 protected:
  // Calls the function whose name is text, with the given arguments.
  Value call(std::string_view name, std::vector<Value> arguments) {
    chars = ProgramChars(std::string(name) + "(\r\n");
    args.assign(TopLevelArgumentSlots, Value{});
    for (std::size_t i = 0; i < arguments.size(); ++i) args[i + 1] = arguments[i];
    message = "left over";
    return CallBuiltinFunction(chars, 1, args, static_cast<std::int32_t>(arguments.size()), message,
                               engine);
  }

  FakeEngine engine;
  ProgramChars chars;
  ArgumentList args;
  std::string message;
};

TEST_F(DirectCall, EmptyArgumentListsMeetTheAcceptanceConditions) {
  call("STR", {});
  EXPECT_EQ(message, msg::StrNeedsArgument);
  call("MAX", {});
  EXPECT_EQ(message, msg::MaxNeedsNumbers);
  call("FORMAT", {});
  EXPECT_EQ(message, msg::FormatArgumentCount);
  EXPECT_EQ(call("VERSION", {}).text(), "1.3.2018");
  EXPECT_EQ(message, "");
}

TEST_F(DirectCall, UnknownNamesAreSignalled) {
  for (std::string_view name : {"STR$", "LEN%", "SINX", "FOO", "S"}) {
    EXPECT_TRUE(call(name, {Value::fromDouble(1)}).isEmpty());
    EXPECT_EQ(message, msg::UnknownFunctionOrVariable) << name;
  }
  EXPECT_EQ(chars.text(), "S(\r\n") << "the store is not changed";
}

TEST_F(DirectCall, RgbClampsItsArgumentsInPlace) {
  EXPECT_EQ(call("RGB", {Value::fromDouble(300), Value::fromDouble(-5), Value::fromDouble(2.7)}),
            Value::fromLong(131327));
  EXPECT_EQ(args[1].number(), 255);
  EXPECT_EQ(args[2].number(), 0);
  EXPECT_EQ(args[3].number(), 2.7);
}

TEST_F(DirectCall, NaNAndInfinityBecomeNoWholeNumber) {
  // The evaluator never hands them over; the functions refuse them anyway
  // rather than cast them to an integer. NaN passes RGB's clamps.
  const std::string failedRgb = msg::FunctionFailed("RGB");
  const Value nan = Value::fromDouble(std::nan(""));
  const Value one = Value::fromDouble(1);
  EXPECT_TRUE(call("RGB", {nan, one, one}).isEmpty());
  EXPECT_EQ(message, failedRgb);
  EXPECT_TRUE(call("RGB", {one, one, nan}).isEmpty());
  EXPECT_EQ(message, failedRgb);
  for (const double beyond : {std::nan(""), HUGE_VAL, -HUGE_VAL}) {
    EXPECT_TRUE(call("CHR", {Value::fromDouble(beyond)}).isEmpty());
    EXPECT_FALSE(message.empty());
    EXPECT_TRUE(call("MID", {Value::fromString("abc"), Value::fromDouble(beyond)}).isEmpty());
    EXPECT_EQ(message, msg::FunctionFailed("MID"));
    EXPECT_TRUE(call("STRCHR", {Value::fromString("abc"), Value::fromString("x"), Value::fromDouble(beyond)}).isEmpty());
    EXPECT_FALSE(message.empty());
  }
}

TEST_F(DirectCall, EmptyArgumentsCountAsTheNumberZero) {
  EXPECT_EQ(call("ABS", {Value{}}), Value::fromLong(0));
  EXPECT_EQ(call("STR", {Value{}}).text(), " 0");
  EXPECT_EQ(call("SQR", {Value{}}), Value::fromDouble(0));
}

TEST(DefaultPlatformServices, ClockAndFilesWork) {
  FakeEngine fake;
  EngineServices& defaults = fake;
  const double seconds = defaults.EngineServices::secondsSinceMidnight();
  EXPECT_GE(seconds, 0);
  EXPECT_LT(seconds, 86400);
  EXPECT_FALSE(defaults.EngineServices::timeOfDayText().empty());
  EXPECT_FALSE(defaults.EngineServices::dateText().empty());
  EXPECT_EQ(defaults.EngineServices::inputBox("prompt", "caption"), "");
  std::string content = "unchanged";
  EXPECT_FALSE(defaults.EngineServices::readWholeFile("/nonexistent/morvane.txt", content));
  EXPECT_EQ(content, "unchanged");
}

// ---- Reading numbers out of texts ---------------------------------------------------

TEST(NumberReading, ValReadsWhatTheTextBeginsWith) {
  EXPECT_EQ(ReadLeadingNumber("  -1 2\t3\n.5e1xyz"), -1235);
  EXPECT_EQ(ReadLeadingNumber("+.5"), 0.5);
  EXPECT_EQ(ReadLeadingNumber("5."), 5);
  EXPECT_EQ(ReadLeadingNumber("1e"), 1);
  EXPECT_EQ(ReadLeadingNumber("1e+"), 1);
  EXPECT_EQ(ReadLeadingNumber("&h1f"), 31);
  EXPECT_EQ(ReadLeadingNumber("&H"), 0);
  EXPECT_EQ(ReadLeadingNumber("&X1"), 0);
  EXPECT_EQ(ReadLeadingNumber("-"), 0);
  EXPECT_EQ(ReadLeadingNumber(""), 0);
  EXPECT_EQ(ReadLeadingNumber("1e-999"), 0);
  EXPECT_TRUE(std::isinf(ReadLeadingNumber("1e999")));
}

TEST(NumberReading, AWholeNumberMustBeTheWholeText) {
  double n = 0;
  EXPECT_TRUE(ReadWholeNumber(" 12.5 ", n));
  EXPECT_EQ(n, 12.5);
  EXPECT_TRUE(ReadWholeNumber("-1E3", n));
  EXPECT_EQ(n, -1000);
  EXPECT_FALSE(ReadWholeNumber("12a", n));
  EXPECT_FALSE(ReadWholeNumber("1 2", n));
  EXPECT_FALSE(ReadWholeNumber("", n));
  EXPECT_FALSE(ReadWholeNumber("1e999", n));
}

}  // namespace
}  // namespace morvane::testing
