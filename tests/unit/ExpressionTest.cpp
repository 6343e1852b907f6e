#include "core/Expression.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "ExpressionFixture.h"
#include "core/ExpressionScanner.h"
#include "core/Messages.h"

namespace morvane::testing {
namespace {

// ---- Scanning ------------------------------------------------------------------

struct ScanCase {
  std::string_view text;
  std::string_view classes;  // the class string, or the message
  bool assignment = false;   // scanned for a mode other than "get"
  friend std::ostream& operator<<(std::ostream& out, const ScanCase& c) { return out << c.text; }
};

std::string scanned(std::string_view text, bool assignment, ProgramChars* keep = nullptr) {
  ProgramChars chars(std::string(text) + "\r\n");
  TokenList tokens;
  std::string message;
  ScanExpression(chars, 1, static_cast<Position>(text.size()), assignment, tokens, message);
  if (keep) *keep = chars;
  return message.empty() ? std::string(tokens.classes()) : message;
}

class Scanning : public ::testing::TestWithParam<ScanCase> {};

TEST_P(Scanning, GivesClassesOrMessage) {
  const ScanCase& c = GetParam();
  EXPECT_EQ(scanned(c.text, c.assignment), c.classes) << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    WordOperators, Scanning,
    ::testing::Values(ScanCase{"a and b", "F&F"}, ScanCase{"A & B", "F&F"},
                      ScanCase{"A AND(B)", "Syntax error!"},  // AND read as a name
                      ScanCase{"A or B", "F|F"}, ScanCase{"NOT X", "~F"},
                      ScanCase{"CANNOT + X", "F+F"},  // NOT inside a name
                      ScanCase{"A$NOT X", "F~F"}, ScanCase{"NOT(X)", "F(F)"}));

INSTANTIATE_TEST_SUITE_P(
    Comparisons, Scanning,
    ::testing::Values(ScanCase{"3 <= X", "Z{F"}, ScanCase{"3 =< X", "Z{F"},
                      ScanCase{"3 >= X", "Z}F"}, ScanCase{"3 => X", "Z}F"},
                      ScanCase{"X >< 1", "F!Z"}, ScanCase{"X <> 1", "F!Z"},
                      ScanCase{"X<1", "F<Z"}, ScanCase{"X=1", "F=Z"}));

INSTANTIATE_TEST_SUITE_P(
    Literals, Scanning,
    ::testing::Values(ScanCase{"1E+5", "Z"}, ScanCase{"1e-5", "Z"}, ScanCase{"2.5E3 * .5", "Z*Z"},
                      ScanCase{"1E1234", "Wrong exponent specification!"},
                      ScanCase{"1E", "Wrong exponent specification!"},
                      ScanCase{"1E+", "Wrong exponent specification!"},
                      ScanCase{"1E400", "Wrong exponent specification!"},
                      ScanCase{"1.5.2E3", "Please only one decimal point in a number!"},
                      ScanCase{"1.2.3.4.5.6.7.8", "Please only one decimal point in a number!"},
                      ScanCase{"1E5E3", "Please only one exponent in a number!"},
                      ScanCase{"1.2.3", "Z"}, ScanCase{"\"a:b\\c\"", "S"},
                      ScanCase{"\"\" & \"x\"", "S&S"}, ScanCase{"\"abc", "Incomplete string!"}));

INSTANTIATE_TEST_SUITE_P(
    Faults, Scanning,
    ::testing::Values(ScanCase{"2A", "Syntax error!"}, ScanCase{"2 3", "Syntax error!"},
                      ScanCase{"(1)2", "Syntax error!"}, ScanCase{"(1)A", "Syntax error!"},
                      ScanCase{"2(1)", "Syntax error!"}, ScanCase{"\"a\" \"b\"", "Syntax error!"},
                      ScanCase{"A(1)", "F(Z)"}, ScanCase{"(\"a\")", "(S)"},
                      ScanCase{"X \\ 2", "Illegal character in this expression!"},
                      ScanCase{"X : 2", "Illegal character in this expression!"},
                      ScanCase{"X ? 2", "Illegal character in this expression!"},
                      ScanCase{"   ", "Empty mathematical expression!"},
                      ScanCase{"", "Empty mathematical expression!"}));

INSTANTIATE_TEST_SUITE_P(
    AssignmentMarker, Scanning,
    ::testing::Values(ScanCase{"A = B = C", "F:F=F", true}, ScanCase{"A = B = C", "F=F=F", false},
                      ScanCase{"A(1,(2)) = 3", "F(Z,(Z)):Z", true},
                      ScanCase{"A(1)+B(2) = 3", "F(Z)+F(Z):Z", true},
                      ScanCase{"5 = 3", "Z=Z", true}));

TEST(ScanningDetails, NamesAreUpperCasedInTheStoreButStringsAreNot) {
  ProgramChars chars;
  EXPECT_EQ(scanned("abc_1$ + \"abc\" + x#", false, &chars), "F+S+F");
  EXPECT_EQ(chars.range(1, 19), "ABC_1$ + \"abc\" + X#");
}

TEST(ScanningDetails, ShortLiteralsReadTheirLeadingNumberAndLongOnesAreChecked) {
  ProgramChars chars("1.2.3 + 12345678901234.5\r\n");
  TokenList tokens;
  std::string message;
  ScanExpression(chars, 1, 24, false, tokens, message);
  ASSERT_EQ(message, "");
  EXPECT_DOUBLE_EQ(tokens.value(1).asDouble(), 1.2);
  EXPECT_DOUBLE_EQ(tokens.value(3).asDouble(), 12345678901234.5);
  EXPECT_EQ(tokens.position(3), 9);
}

TEST(ScanningDetails, ScanNumberWritesTheExponentMarkBackInUpperCase) {
  ProgramChars chars("2.5e-3");
  std::string error;
  EXPECT_DOUBLE_EQ(ScanNumber(chars, 1, 6, error), 2.5e-3);
  EXPECT_EQ(error, "");
  EXPECT_EQ(chars.text(), "2.5E-3");
  EXPECT_DOUBLE_EQ(ScanNumber(chars, 1, 3, error), 2.5);  // no exponent at all
}

TEST(ScanningDetails, ANumberTooLargeForTheMachineIsRefused) {
  EXPECT_EQ(scanned(std::string(320, '9'), false), msg::WrongExponent);
  EXPECT_EQ(scanned("1E308", false), "Z");
}

TEST(ScanningDetails, AnUnclosedStringStopsAtTheEndOfTheStore) {
  // The store ends right after the literal: nothing beyond it may be read.
  ProgramChars chars("X + \"abc");
  TokenList tokens;
  std::string message;
  ScanExpression(chars, 1, chars.size(), false, tokens, message);
  EXPECT_EQ(message, msg::UnclosedString);
}

TEST(ScanningDetails, AClosingQuoteBeyondTheRangeStillEndsTheLiteral) {
  // A range cut inside a literal takes the literal up to its quote.
  ProgramChars chars("\"ab\"\r\n");
  TokenList tokens;
  std::string message;
  ScanExpression(chars, 1, 2, false, tokens, message);
  EXPECT_EQ(message, "");
  EXPECT_EQ(tokens.value(1).text(), "ab");
}

TEST(ScanningDetails, ALineContinuationJoinsTheNextEditorLine) {
  EXPECT_EQ(scanned("1 + _\r\n  2", false), "Z+Z");
}

std::string ones(int tokens) {
  std::string text = "1";
  for (int made = 1; made + 2 <= tokens; made += 2) text += "+1";
  if (tokens % 2 == 0) text = "-" + text;
  return text;
}

TEST(ScanningDetails, SevenHundredFiftyTokensPassAndOneMoreIsTooComplex) {
  EXPECT_EQ(scanned(ones(750), false).size(), 750u);
  EXPECT_EQ(scanned(ones(750) + "   ", false).size(), 750u);  // trailing blanks make no token
  EXPECT_EQ(scanned(ones(751), false), msg::ExpressionTooComplex);
}

// ---- Reduction: values and precedence --------------------------------------

struct ValueCase {
  std::string_view expression;
  std::string_view shows;  // number text, a string in quotes, or the message
  friend std::ostream& operator<<(std::ostream& out, const ValueCase& c) { return out << c.expression; }
};

class Reduction : public ExpressionFixture, public ::testing::WithParamInterface<ValueCase> {};

TEST_P(Reduction, Shows) {
  const ValueCase& c = GetParam();
  EXPECT_EQ(shows(c.expression), c.shows) << c.expression;
}

INSTANTIATE_TEST_SUITE_P(
    Arithmetic, Reduction,
    ::testing::Values(ValueCase{"2+3*4", " 14"}, ValueCase{"2^3^2", " 64"}, ValueCase{"-2^2", "-4"},
                      ValueCase{"2^-1", " 0.5"}, ValueCase{"8/2/2", " 2"}, ValueCase{"7-2-1", " 4"},
                      ValueCase{"(1+2)*3", " 9"}, ValueCase{"((2))", " 2"}, ValueCase{"2*-3", "-6"},
                      ValueCase{"-3+5", " 2"}, ValueCase{"+4", " 4"}, ValueCase{"3^3", " 27"},
                      ValueCase{"2^0.5", " 1.4142135623731"}, ValueCase{"0^0", " 1"},
                      ValueCase{"0.1+0.2", " 0.3"}, ValueCase{"1 + 2 _\r\n + 3", " 6"},
                      // Unary signs bind below * and /: this is 12 / -(2*3).
                      ValueCase{"12/-2*3", "-2"}));

INSTANTIATE_TEST_SUITE_P(
    Logic, Reduction,
    ::testing::Values(ValueCase{"1<2 AND 3<4", "-1"}, ValueCase{"1<2 AND 3>4", " 0"},
                      ValueCase{"NOT 0", "-1"}, ValueCase{"NOT 5", " 0"}, ValueCase{"NOT 0.5", " 0"},
                      ValueCase{"0.5 AND 1", " 0"}, ValueCase{"-0.5 OR 0", "-1"},
                      ValueCase{"1 & 2", "-1"}, ValueCase{"0 OR 0", " 0"},
                      // AND and OR are equal, left to right; NOT is loosest.
                      ValueCase{"1 OR 0 AND 0", " 0"}, ValueCase{"NOT 1 AND 0", "-1"},
                      ValueCase{"NOT 1 = 2", "-1"}, ValueCase{"1 < 2 = -1", "-1"},
                      ValueCase{"2 <= 2", "-1"}, ValueCase{"3 => 4", " 0"}, ValueCase{"1 >< 1", " 0"}));

INSTANTIATE_TEST_SUITE_P(
    Strings, Reduction,
    ::testing::Values(ValueCase{"\"ab\" & \"cd\"", "\"abcd\""}, ValueCase{"\"ab\" + \"cd\"", "\"abcd\""},
                      ValueCase{"\"x:y\"", "\"x:y\""}, ValueCase{"\"ab\" = \"AB\"", " 0"},
                      ValueCase{"\"ab\" = \"ab\"", "-1"}, ValueCase{"\"ab\" <> \"AB\"", "-1"},
                      ValueCase{"\"a\" < \"b\"", "Syntax error!"},
                      ValueCase{"\"a\" & 1", "Syntax error!"}, ValueCase{"\"a\" * 2", "Syntax error!"},
                      ValueCase{"-\"a\"", "Syntax error!"}, ValueCase{"(\"a\")", "Syntax error!"}));

INSTANTIATE_TEST_SUITE_P(
    RangeFaults, Reduction,
    ::testing::Values(ValueCase{"(-8)^(1/3)", "Illegal exponentiation"},
                      ValueCase{"10^100", "Illegal exponentiation"}, ValueCase{"10^99", " 1E+99"},
                      ValueCase{"0^-1", "Illegal exponentiation"}, ValueCase{"(-2)^3", "-8"},
                      ValueCase{"1/0", "Illegal division"}, ValueCase{"1/1E-100", "Illegal division"},
                      ValueCase{"1E100/0.5", "Illegal division"}, ValueCase{"1E100/2", " 5E+99"},
                      ValueCase{"1E100*2", "Illegal product"}, ValueCase{"2*1E100", "Illegal product"},
                      ValueCase{"1E100*0.5", " 5E+99"},
                      ValueCase{"1E308 + 1E308", "Arithmetic overflow: the result is too large!"},
                      ValueCase{"-1E308 - 1E308", "Arithmetic overflow: the result is too large!"},
                      ValueCase{"1E308 + 7E307", " 1.7E+308"}));

TEST_F(ExpressionFixture, ComparisonsAndLogicGiveLongs) {
  evaluate("1 < 2");
  EXPECT_EQ(result, Value::fromLong(-1));
  evaluate("NOT 1");
  EXPECT_EQ(result, Value::fromLong(0));
  evaluate("2 * 3");
  EXPECT_EQ(result, Value::fromDouble(6));
}

// ---- Names ------------------------------------------------------------------------

TEST_F(ExpressionFixture, AssignmentStoresAndReportsTheTarget) {
  EXPECT_EQ(shows("X = 5", ExpressionMode::set()), " 5");
  EXPECT_EQ(shows("X * 2"), " 10");
  EXPECT_EQ(argCount, 0);

  // A declaration without initial value leaves nothing in the result.
  EXPECT_EQ(shows("A(2,3)", ExpressionMode::declare("LOCAL_DIM")), "");
  EXPECT_EQ(shows("A(2,3) = X+1", ExpressionMode::set()), " 6");
  EXPECT_EQ(argCount, 2);
  EXPECT_EQ(args[1].number(), 2);
  EXPECT_EQ(args[2].number(), 3);
  EXPECT_EQ(shows("A(2,3) + A(1,1)"), " 6");

  EXPECT_EQ(shows("Y = 1", ExpressionMode::set()), " 1");
  EXPECT_EQ(shows("X = Y = 1", ExpressionMode::set()), "-1");
  EXPECT_EQ(shows("X"), "-1");
  EXPECT_EQ(shows("S$ = \"a\" & \"b\"", ExpressionMode::set()), "\"ab\"");
  EXPECT_EQ(currentName, "S");
}

TEST_F(ExpressionFixture, AssignmentFaults) {
  EXPECT_EQ(shows("X + 1", ExpressionMode::set()), msg::SyntaxError);
  EXPECT_EQ(shows("5 = 3", ExpressionMode::set()), msg::SyntaxError);
  EXPECT_EQ(shows("A(1,2,3,4) = 3", ExpressionMode::set()), msg::SyntaxError);
  EXPECT_EQ(shows("X = 5", ExpressionMode::set()), " 5");
  // The variable store's own messages pass through.
  EXPECT_EQ(shows("X = \"a\"", ExpressionMode::set()), msg::LocalTypeMismatch("X"));
}

TEST_F(ExpressionFixture, DeclarationTakesBoundsAndInitialValue) {
  EXPECT_EQ(shows("A(10) = 1", ExpressionMode::declare("LOCAL_DIM")), " 1");
  EXPECT_EQ(argCount, 1);
  EXPECT_EQ(args[1].number(), 10);
  EXPECT_EQ(shows("A(0) + A(10)"), " 2");
  EXPECT_EQ(shows("A(11)"), msg::IndexOutOfRangeInExpression("A"));

  EXPECT_EQ(shows("T$ = \"x\"", ExpressionMode::declare("LOCAL_STRING")), "\"x\"");
  EXPECT_EQ(shows("T$ & \"y\""), "\"xy\"");
  EXPECT_EQ(shows("B(2.5)", ExpressionMode::declare("LOCAL_DIM")), msg::IllegalIndex("B"));
  EXPECT_EQ(shows("B + 1", ExpressionMode::declare("LOCAL_DIM")), msg::SyntaxError);
  EXPECT_EQ(shows("B(1,2,3,4)", ExpressionMode::declare("LOCAL_DIM")), msg::SyntaxError);

  EXPECT_EQ(shows("G = 7", ExpressionMode::declare("GLOBALDIM")), " 7");
  EXPECT_EQ(engine.globals.recordCount(), 1);
  EXPECT_EQ(shows("G + 1"), " 8");
}

TEST_F(ExpressionFixture, LocalVariablesHideGlobalOnes) {
  EXPECT_EQ(shows("V = 1", ExpressionMode::declare("GLOBALDIM")), " 1");
  EXPECT_EQ(shows("V = 2", ExpressionMode::declare("LOCAL_DIM")), " 2");
  EXPECT_EQ(shows("V"), " 2");
}

TEST_F(ExpressionFixture, UnknownNames) {
  EXPECT_EQ(shows("Q + 1"), msg::UndefinedName("Q"));
  EXPECT_EQ(locals.recordCount(), 0);
  // Suffixed names are no built-in functions.
  EXPECT_EQ(shows("STR$(5)"), msg::UndefinedName("STR"));
  // The scalar B has no element 1.
  EXPECT_EQ(shows("B = 3", ExpressionMode::set()), " 3");
  EXPECT_EQ(shows("B(1)"), msg::IndexOutOfRangeInExpression("B"));
}

TEST_F(ExpressionFixture, ABareNameStandingAloneAsAnArgumentIsCreated) {
  EXPECT_EQ(shows("MAX(Q, -1)"), " 0");
  EXPECT_EQ(shows("Q"), " 0");
  EXPECT_EQ(shows("LEN(R$)"), " 0");
  EXPECT_EQ(shows("R$"), "\"\"");
  EXPECT_EQ(shows("MAX((W), 1)"), " 1");  // "(W)" stands alone too
  EXPECT_EQ(shows("MAX(Z + 1, 1)"), msg::UndefinedName("Z"));
}

TEST_F(ExpressionFixture, NamesAreCaseInsensitive) {
  EXPECT_EQ(shows("sin(0) + SIN(0)"), " 0");
  EXPECT_EQ(chars.range(1, 6), "SIN(0)");
  EXPECT_EQ(shows("abc = 2", ExpressionMode::set()), " 2");
  EXPECT_EQ(shows("Abc"), " 2");
}

TEST_F(ExpressionFixture, BuiltinMessagesEndTheEvaluation) {
  EXPECT_EQ(shows("1 + SQR(-1)"), msg::SqrNeedsPositive);
  EXPECT_EQ(shows("LN(0)"), msg::FunctionFailed("LN"));
}

std::string argumentList(int count) {
  std::string text = "MAX(1";
  for (int i = 2; i <= count; ++i) text += "," + std::to_string(i);
  return text + ")";
}

TEST_F(ExpressionFixture, ANameTakesAtMostOneHundredArguments) {
  EXPECT_EQ(shows(argumentList(100)), " 100");
  EXPECT_EQ(argCount, 100);
  EXPECT_EQ(shows(argumentList(101)), msg::SyntaxError);
}

TEST_F(ExpressionFixture, MessageIsClearedOnEntry) {
  message = "left over";
  EXPECT_EQ(shows("1"), " 1");
}

// ---- Procedures -----------------------------------------------------------------

class Procedures : public ExpressionFixture {
 protected:
  Procedures() {
    load({"X = 0",                     // 1
          "FUNCTION TWICE(N)",         // 2
          "END FUNCTION",              // 3
          "SUB SETTER(A)",             // 4
          "END SUB",                   // 5
          "INLINE SUB SHARED",         // 6
          "END SUB",                   // 7
          "INLINEFUNCTION LATE$",      // 8
          "END FUNCTION",              // 9
          "FUNCTION RECURSE(N)",       // 10
          "END FUNCTION",              // 11
          "  1 + TWICE(2) + 1",        // 12
          "RECURSE(1)"});              // 13
    engine.procedure = [this](InterpreterState& level) { play(level); };
  }

  // What the procedures do, as their header and end statements would.
  void play(InterpreterState& level) {
    ownTableWasFresh = level.localTable.recordCount() == 0 && &level.localTable != &locals;
    seenArgCount = level.argCount;
    switch (level.currentLine) {
      case 2:  // TWICE = N * 2; evaluates a line of its own on the way
        level.argValues[0] = Value::fromDouble(level.argValues[1].number() * 2);
        break;
      case 4:  // A = 7
        level.argValues[0] = Value::fromDouble(0);
        level.argValues[1] = Value::fromDouble(7);
        break;
      case 6:  // the caller's own variables
        sharedTable = &level.localTable == &locals;
        level.argValues[0] = Value::fromDouble(0);
        break;
      case 8:
        level.argValues[0] = leftInSlotZero;
        break;
      case 10: {
        std::string name;
        Value value;
        EvaluateExpression(level, lines.lineStart(13), lines.lineStart(13) + 9, name, value,
                           ExpressionMode::get(), RunState::Running);
        deepest = std::max(deepest, engine.expressionWorkspaces().nestedCalls());
        break;
      }
      default:
        level.message = failWith;
    }
  }

  bool ownTableWasFresh = false;
  bool sharedTable = false;
  std::int32_t seenArgCount = -1;
  Value leftInSlotZero;
  std::string failWith = "Stop";
  int deepest = 0;
};

TEST_F(Procedures, AFunctionRunsFromItsHeaderAndReturnsSlotZero) {
  EXPECT_EQ(shows("TWICE(5) + 1"), " 11");
  EXPECT_EQ(engine.entries, std::vector<LineNumber>{2});
  EXPECT_EQ(seenArgCount, 1);
  EXPECT_TRUE(ownTableWasFresh);
  EXPECT_EQ(result, Value::fromDouble(11));
}

TEST_F(Procedures, ArgumentsWrittenAsBareVariablesTakeTheirFinalValueBack) {
  EXPECT_EQ(shows("B = 1", ExpressionMode::set()), " 1");
  EXPECT_EQ(shows("SETTER(B + 0)"), " 0");
  EXPECT_EQ(shows("B"), " 1");
  EXPECT_EQ(shows("SETTER((B))"), " 0");
  EXPECT_EQ(shows("B"), " 1");
  EXPECT_EQ(shows("SETTER(B )"), " 0");
  EXPECT_EQ(shows("B"), " 7");
  // An undeclared variable is created for the call and receives the value.
  EXPECT_EQ(shows("SETTER(FRESH)"), " 0");
  EXPECT_EQ(shows("FRESH"), " 7");
}

TEST_F(Procedures, ABuiltinNamedAsArgumentDoesNotBecomeAVariable) {
  EXPECT_EQ(shows("SETTER(VERSION)"), " 0");
  EXPECT_EQ(shows("VERSION"), "\"1.3.2018\"");
  EXPECT_EQ(locals.recordCount(), 0);
}

TEST_F(Procedures, InlineFormsShareTheCallersVariables) {
  EXPECT_EQ(shows("shared"), " 0");
  EXPECT_TRUE(sharedTable);
  EXPECT_EQ(seenArgCount, 0);
  EXPECT_EQ(engine.entries, std::vector<LineNumber>{6});
}

TEST_F(Procedures, ResultsMustBeNumbersOrStrings) {
  leftInSlotZero = Value::fromString("late");
  EXPECT_EQ(shows("LATE$ & \"!\""), "\"late!\"");
  leftInSlotZero = Value{};
  EXPECT_EQ(shows("LATE$"), msg::WrongType);
  EXPECT_EQ(shows("LATE"), msg::UndefinedName("LATE")) << "the suffix is part of a procedure name";
}

TEST_F(Procedures, AMessageFromTheProcedureEndsTheEvaluation) {
  engine.procedure = [](InterpreterState& level) { level.message = "Stop"; };
  EXPECT_EQ(shows("1 + TWICE(1)"), "Stop");
}

TEST_F(Procedures, SingleStepStartsTheProcedureOnANewLine) {
  runState = RunState::StepOne;
  EXPECT_EQ(shows("TWICE(1)"), " 2");
  EXPECT_EQ(engine.protocol, "\r\n");
  runState = RunState::Running;
  EXPECT_EQ(shows("TWICE(1)"), " 2");
  EXPECT_EQ(engine.protocol, "\r\n");
}

TEST_F(Procedures, NestedEvaluationsKeepTheirOwnTokens) {
  // TWICE's level evaluates an expression of its own before it returns.
  engine.procedure = [this](InterpreterState& level) {
    std::string name;
    Value value;
    EvaluateExpression(level, lines.lineStart(1) + 4, lines.lineStart(1) + 4, name, value,
                       ExpressionMode::get(), RunState::Running);
    level.argValues[0] = Value::fromDouble(level.argValues[1].number() * 2);
  };
  EXPECT_EQ(showsLine(12), " 6");
  EXPECT_EQ(engine.expressionWorkspaces().depth(), 0);
}

TEST_F(Procedures, ARunawayRecursionEndsWithTooManyNestedCalls) {
  EXPECT_EQ(showsLine(13), msg::TooManyNestedCalls);
  EXPECT_GT(deepest, 100);
  EXPECT_LE(deepest, MaxNestedCalls);
  EXPECT_EQ(engine.expressionWorkspaces().nestedCalls(), 0);
  EXPECT_EQ(engine.expressionWorkspaces().depth(), 0);
  // Afterwards calls work again.
  EXPECT_EQ(shows("TWICE(4)"), " 8");
}

TEST_F(Procedures, FindProcedureHeaderMatchesWholeNames) {
  EXPECT_EQ(shows("TWICE2(1)"), msg::UndefinedName("TWICE2"));
  EXPECT_EQ(shows("TWIC(1)"), msg::UndefinedName("TWIC"));
  EXPECT_TRUE(engine.entries.empty());
}

}  // namespace
}  // namespace morvane::testing
