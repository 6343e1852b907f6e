// The character store's line table, the split into logical lines
// and the six scanning routines.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "core/Messages.h"
#include "prepare/LineTable.h"
#include "prepare/ProgramChars.h"
#include "prepare/Scanning.h"

namespace morvane {
namespace {

constexpr Position MinPos = std::numeric_limits<Position>::min();
constexpr Position MaxPos = std::numeric_limits<Position>::max();

// A program from the editor: the store with its two trailing CRs and a line
// table dimensioned the way the Enter handler does it.
struct Program {
  explicit Program(std::string editorText)
      : text(std::move(editorText)),
        chars(ProgramChars::forProgram(text)),
        lines(lineTableCapacity(text)),
        message(SplitProgram(chars, lines)) {}

  Position n() const { return chars.size(); }

  // The text of every logical line, the final empty one included.
  std::vector<std::string> statements() const {
    std::vector<std::string> result;
    for (LineNumber s = 1; s <= lines.lastLine; ++s)
      result.push_back(StatementText(chars, lines, s));
    return result;
  }
  std::vector<LineNumber> sourceLines() const {
    std::vector<LineNumber> result;
    for (LineNumber s = 1; s <= lines.lastLine; ++s) result.push_back(lines.sourceLine(s));
    return result;
  }
  std::string keyword(LineNumber s) const {
    Position end = 0;
    return StatementKeyword(chars, lines, s, end);
  }

  std::string text;
  ProgramChars chars;
  LineTable lines;
  std::string message;
};

// The 1-based position of the first character of `needle` in `text`,
// searching from the 1-based position `from`.
Position pos(const std::string& text, std::string_view needle, Position from = 1) {
  const auto found = text.find(needle, static_cast<std::size_t>(from - 1));
  EXPECT_NE(found, std::string::npos) << needle;
  return static_cast<Position>(found) + 1;
}

// The 1-based position of the last character of the text.
Position endOf(const std::string& text) { return static_cast<Position>(text.size()); }

const std::string Unidentified(msg::UnidentifiedBasicfileError);

// ---------------------------------------------------------------------------
// Line table capacity
// ---------------------------------------------------------------------------

TEST(LineTableCapacity, TenPlusCarriageReturnsAndColons) {
  EXPECT_EQ(lineTableCapacity(""), 10);
  EXPECT_EQ(lineTableCapacity("PRINT 1"), 10);
  EXPECT_EQ(lineTableCapacity("A:B\r\nC: D\r\n"), 14);
  EXPECT_EQ(lineTableCapacity("\n\n\n"), 10);  // LF does not count
  EXPECT_EQ(lineTableCapacity("\r\r\r:"), 14);
}

// ---------------------------------------------------------------------------
// SplitProgram
// ---------------------------------------------------------------------------

TEST(SplitProgram, EmptyProgramHasOnlyTheFinalEmptyLine) {
  Program p("");
  EXPECT_EQ(p.message, "");
  EXPECT_EQ(p.n(), 2);
  EXPECT_EQ(p.lines.lastLine, 1);
  EXPECT_EQ(p.lines.lineStart(1), 2);
  EXPECT_EQ(p.lines.lineStart(2), 2);
  EXPECT_EQ(p.lines.lineStart(3), 0);
}

TEST(SplitProgram, FinalEmptyLineStartsAtTheLastCarriageReturn) {
  Program p("PRINT 1\r\nPRINT 2\r\n");
  ASSERT_EQ(p.message, "");
  ASSERT_EQ(p.lines.lastLine, 3);
  EXPECT_EQ(p.lines.lineStart(1), 1);
  EXPECT_EQ(p.lines.lineStart(2), 10);
  EXPECT_EQ(p.lines.lineStart(3), p.n());
  EXPECT_EQ(p.lines.lineStart(4), p.n());
  for (LineNumber s = 5; s <= p.lines.capacity(); ++s) EXPECT_EQ(p.lines.lineStart(s), 0) << s;
  EXPECT_EQ(p.statements(), (std::vector<std::string>{"PRINT 1", "PRINT 2", ""}));
  EXPECT_EQ(p.sourceLines(), (std::vector<LineNumber>{1, 2, 4}));
}

TEST(SplitProgram, LastLineWithoutLineEnd) {
  Program p("PRINT 1\r\nPRINT 2");
  ASSERT_EQ(p.message, "");
  EXPECT_EQ(p.statements(), (std::vector<std::string>{"PRINT 1", "PRINT 2", ""}));
  EXPECT_EQ(p.lines.lineStart(3), p.n());
}

TEST(SplitProgram, SeparatorNeedsABlankAfterTheColon) {
  Program p("PRINT 1: PRINT 2\r\nA:B");
  ASSERT_EQ(p.message, "");
  EXPECT_EQ(p.statements(), (std::vector<std::string>{"PRINT 1", "PRINT 2", "A:B", ""}));
  EXPECT_EQ(p.sourceLines(), (std::vector<LineNumber>{1, 1, 2, 3}));
}

TEST(SplitProgram, LogicalLineTextRunsToTheNextLogicalLine) {
  Program p("PRINT 1   ' note\r\n\r\n' comment\r\nPRINT 2");
  ASSERT_EQ(p.message, "");
  ASSERT_EQ(p.lines.lastLine, 3);
  EXPECT_EQ(p.lines.lineStart(2), pos(p.text, "PRINT 2"));
  EXPECT_EQ(p.chars.range(p.lines.lineStart(1), p.lines.lineStart(2) - 1),
            "PRINT 1   ' note\r\n\r\n' comment\r\n");
}

TEST(SplitProgram, CommentAndBlankLinesAreCountedButMakeNoLine) {
  Program p("' head\r\n\r\nPRINT 1\r\n   ' indented comment\r\n\r\nPRINT 2 ' tail\r\nPRINT 3");
  ASSERT_EQ(p.message, "");
  EXPECT_EQ(p.statements(), (std::vector<std::string>{"PRINT 1", "PRINT 2", "PRINT 3", ""}));
  EXPECT_EQ(p.sourceLines(), (std::vector<LineNumber>{3, 6, 7, 8}));
}

TEST(SplitProgram, ContinuationJoinsEditorLinesAndIsCounted) {
  Program p("PRINT 1 + _\r\n  2 + _ ' why not\r\n  3\r\nPRINT 4");
  ASSERT_EQ(p.message, "");
  ASSERT_EQ(p.lines.lastLine, 3);
  EXPECT_EQ(p.statements()[1], "PRINT 4");
  EXPECT_EQ(p.sourceLines(), (std::vector<LineNumber>{1, 4, 5}));
  // The continued line's text keeps the marks; its end is the 3.
  EXPECT_EQ(StatementEnd(p.chars, 1, p.lines.lineStart(2) - 1), pos(p.text, "3"));
}

TEST(SplitProgram, SingleLineIfIsCutAtItsKeywords) {
  Program p("IF A THEN B ELSE C\r\nX = 1");
  ASSERT_EQ(p.message, "");
  EXPECT_EQ(p.statements(), (std::vector<std::string>{"IF A THEN", "B", "ELSE", "C", "X = 1", ""}));
  EXPECT_EQ(p.sourceLines(), (std::vector<LineNumber>{1, 1, 1, 1, 2, 3}));
}

TEST(SplitProgram, CutsIgnoreCaseAndAcceptAClosingParenthesisBeforeThen) {
  Program p("if (a)then b else: c\r\nIF A THEN\tB\tELSE\tC");
  ASSERT_EQ(p.message, "");
  EXPECT_EQ(p.statements(), (std::vector<std::string>{"if (a)then", "b", "else", "c", "IF A THEN",
                                                      "B", "ELSE", "C", ""}));
}

TEST(SplitProgram, ElseIfAndGluedKeywordsAreNotCut) {
  Program p("ELSEIF A THEN\r\nX = THENX + ELSEY\r\nIF A THEN\r\nB");
  ASSERT_EQ(p.message, "");
  EXPECT_EQ(p.statements(),
            (std::vector<std::string>{"ELSEIF A THEN", "X = THENX + ELSEY", "IF A THEN", "B", ""}));
  // THEN glued to the word before it (only ")" or a blank may precede it).
  Program q("IF X.THEN B");
  EXPECT_EQ(q.statements(), (std::vector<std::string>{"IF X.THEN B", ""}));
}

TEST(SplitProgram, BlockIfThenEndsItsEditorLine) {
  Program p("IF A THEN\r\n  B\r\nEND IF");
  ASSERT_EQ(p.message, "");
  EXPECT_EQ(p.statements(), (std::vector<std::string>{"IF A THEN", "B", "END IF", ""}));
  EXPECT_EQ(p.sourceLines(), (std::vector<LineNumber>{1, 2, 3, 4}));
}

TEST(SplitProgram, StringsHideColonsCommentsAndKeywords) {
  Program p("PRINT \"a: 'b THEN c ELSE d\": PRINT 2");
  ASSERT_EQ(p.message, "");
  EXPECT_EQ(p.statements(),
            (std::vector<std::string>{"PRINT \"a: 'b THEN c ELSE d\"", "PRINT 2", ""}));
}

TEST(SplitProgram, QuoteInsideACommentStartsNoString) {
  Program p("PRINT 1 ' say \"hi\r\n' \"\r\nPRINT 2");
  ASSERT_EQ(p.message, "");
  EXPECT_EQ(p.statements(), (std::vector<std::string>{"PRINT 1", "PRINT 2", ""}));
  EXPECT_EQ(p.sourceLines(), (std::vector<LineNumber>{1, 3, 4}));
}

TEST(SplitProgram, IncompleteStringNamesItsEditorLine) {
  EXPECT_EQ(Program("PRINT 1\r\n\r\nPRINT \"abc\r\nPRINT \"x\"").message,
            "(Line  3): Incomplete string!");
  EXPECT_EQ(Program("PRINT \"abc").message, "(Line  1): Incomplete string!");
  EXPECT_EQ(Program("PRINT 1 _\r\n \"abc").message, "(Line  2): Incomplete string!");
  EXPECT_EQ(Program("X = \"").message, "(Line  1): Incomplete string!");
}

TEST(SplitProgram, ColonAndUnderscoreNeverStartALine) {
  Program p(": PRINT 1\r\n_\r\n:\r\n_X = 1");
  ASSERT_EQ(p.message, "");
  EXPECT_EQ(p.statements(), (std::vector<std::string>{"PRINT 1", "X = 1", ""}));
  EXPECT_EQ(p.sourceLines(), (std::vector<LineNumber>{1, 4, 5}));
}

TEST(SplitProgram, LoneUnderscoreIsNoStatement) {
  for (const char* text : {"_", " _ ", "_\r\n", " _\r\n"}) {
    Program p(text);
    EXPECT_EQ(p.message, "") << text;
    EXPECT_EQ(p.lines.lastLine, 1) << text;
    EXPECT_EQ(p.lines.lineStart(1), p.n()) << text;
  }
}

TEST(SplitProgram, ContinuationOnTheLastEditorLineStillEndsAtTheStoreEnd) {
  // The continuation steps past the store's first trailing CR onto N; the
  // final empty line is still recorded at N (not at N + 1).
  Program p("X _ ");
  ASSERT_EQ(p.message, "");
  ASSERT_EQ(p.lines.lastLine, 2);
  EXPECT_EQ(p.lines.lineStart(2), p.n());
  EXPECT_EQ(p.lines.lineStart(3), p.n());
  EXPECT_EQ(p.statements(), (std::vector<std::string>{"X", ""}));
}

TEST(SplitProgram, BlockLinksAreZeroAndAReusedTableIsRebuilt) {
  LineTable lines(40);
  const auto big = ProgramChars::forProgram("A\r\nB\r\nC\r\nD\r\nE\r\nF");
  ASSERT_EQ(SplitProgram(big, lines), "");
  for (LineNumber s = 1; s <= lines.capacity(); ++s) ASSERT_TRUE(lines.setBlockLink(s, 7));
  const auto small = ProgramChars::forProgram("A\r\nB");
  ASSERT_EQ(SplitProgram(small, lines), "");
  EXPECT_EQ(lines.capacity(), 40);
  EXPECT_EQ(lines.lastLine, 3);
  EXPECT_EQ(lines.lineStart(4), small.size());
  for (LineNumber s = 1; s <= lines.capacity(); ++s) {
    EXPECT_EQ(lines.blockLink(s), 0) << s;
    if (s > 4) {
      EXPECT_EQ(lines.lineStart(s), 0) << s;
      EXPECT_EQ(lines.sourceLine(s), 0) << s;
    }
  }
}

TEST(SplitProgram, ATableTooSmallGrowsToHoldEveryLine) {
  const auto chars = ProgramChars::forProgram("A\r\nB\r\nC");
  // Three statements and the final empty line need entries 1 to 5.
  for (const LineNumber capacity : {5, 4, 1, 0}) {
    LineTable lines(capacity);
    ASSERT_EQ(SplitProgram(chars, lines), "") << capacity;
    EXPECT_EQ(lines.lastLine, 4) << capacity;
    EXPECT_GE(lines.capacity(), 5) << capacity;
    EXPECT_EQ(lines.lineStart(3), 7) << capacity;
    EXPECT_EQ(lines.sourceLine(3), 3) << capacity;
    EXPECT_EQ(lines.lineStart(5), chars.size()) << capacity;
    for (LineNumber s = 6; s <= lines.capacity() + 1; ++s) EXPECT_EQ(lines.lineStart(s), 0) << s;
  }
  LineTable none;  // never dimensioned
  ASSERT_EQ(SplitProgram(ProgramChars::forProgram(""), none), "");
  EXPECT_EQ(none.lastLine, 1);
}

TEST(SplitProgram, ElseCutsOutgrowTheFirstCapacity) {
  // Every ELSE is cut off on both sides, but the first capacity (10 here)
  // counts only CR and ":": A and four ELSE B make 9 lines and the final one,
  // and LineStart(11) is needed too.
  std::string text = "A";
  for (int k = 0; k < 4; ++k) text += " ELSE B";
  Program grown(text);
  EXPECT_EQ(grown.message, "");
  EXPECT_EQ(grown.lines.lastLine, 10);
  EXPECT_EQ(grown.statements(), (std::vector<std::string>{"A", "ELSE", "B", "ELSE", "B", "ELSE", "B",
                                                          "ELSE", "B", ""}));
  EXPECT_EQ(grown.lines.lineStart(11), grown.n());
}

// ---------------------------------------------------------------------------
// StatementKeyword
// ---------------------------------------------------------------------------

struct KeywordRow {
  const char* statement;
  const char* keyword;
  Position keywordEnd;  // 1-based position in the statement
};

// The keyword of typical statements, then further rows.
const KeywordRow KeywordTable[] = {
    {"PRINT \"a: b\"", "PRINT", 5},
    {"X = 5", "X=", 1},
    {"X=5", "X=5", 3},
    {"A (1) = 2", "A", 1},
    {"A(1) = 2", "A(1)=", 4},
    {"FOR I = 1 TO 10", "FOR I=", 3},
    {"NEXT I", "NEXT I", 4},
    {"END  IF", "END IF", 7},
    {"DO WHILE X < 3", "DO WHILE", 8},
    {"DRAW LINE 0,0,1,1", "DRAW LINE", 9},
    {"LABEL1:", "LABEL1", 6},
    {"Print\"hello\"", "PRINT\"HELLO\"", 12},
    // Each first word that takes a second one.
    {"EXIT DO", "EXIT DO", 7},
    {"Exit For", "EXIT FOR", 8},
    {"END SUB", "END SUB", 7},
    {"DO", "DO", 2},
    {"LOOP UNTIL X > 1", "LOOP UNTIL", 10},
    {"LOOP", "LOOP", 4},
    {"FOR I=1 TO 3", "FOR I=1", 3},
    {"FOR  I  =  1", "FOR I=", 3},
    {"NEXT", "NEXT", 4},
    {"CONTINUE FOR", "CONTINUE FOR", 12},
    {"INLINE SUB Foo(A)", "INLINE SUB", 10},
    {"INLINESUB Foo", "INLINESUB", 9},
    {"END", "END", 3},
    {"END   ' comment", "END", 3},
    {"END  : X = 1", "END", 3},
    // Other first words end at the first blank.
    {"print x", "PRINT", 5},
    {"GOTO Label1", "GOTO", 4},
    {"IF A THEN", "IF", 2},
    {"ELSE", "ELSE", 4},
    {"Label1: PRINT", "LABEL1", 6},
    {"X\t= 1", "X=", 1},
    {"X$ =\"a\"", "X$=", 2},
    {"PRINT\"a:b\"", "PRINT\"A", 7},  // stops at any ":", string or not
    {"X ' = 1", "X", 1},
    {"X = _\r\n 1", "X=", 1},
    // The continuation mark inside the keyword.
    {"END _\r\n   IF", "END IF", 12},
    {"X _ ' note\r\n = 5", "X=", 1},
    {"PRINT _\r\n X", "PRINT", 5},
    // Blanks inside an assignment target's parentheses belong to the target.
    {"A(J + 1) = T", "A(J+1)=", 8},
    {"a( 2 ) = 4", "A(2)=", 6},
    {"A(1, 2)=7", "A(1,2)=", 7},
    {"R&(B(1) + 1, 2) = 0", "R&(B(1)+1,2)=", 15},
    {"S$(LEN(\"x y\")) = \"z\"", "S$(LEN(\"X Y\"))=", 14},
    {"A(1, _\r\n 2) = 3", "A(1,2)=", 11},
    // Not an assignment: the keyword is read as before.
    {"A(1, 2) + 7", "A(1,", 4},
    {"A(1, 2)", "A(1,", 4},
    {"A(1 ' = 2", "A(1", 3},
    {"A(1 : B = 2", "A(1", 3},
    {"1(2 ) = 3", "1(2", 3},
    {"IF A(1 + 1) = 2 THEN", "IF", 2},
    {"DRAW LINE(1, 2)", "DRAW LINE(1,", 12},
};

TEST(StatementKeyword, KeywordTable) {
  for (const KeywordRow& row : KeywordTable) {
    SCOPED_TRACE(row.statement);
    Program p(row.statement);
    ASSERT_EQ(p.message, "");
    ASSERT_GE(p.lines.lastLine, 2);
    Position end = -1;
    EXPECT_EQ(StatementKeyword(p.chars, p.lines, 1, end), row.keyword);
    EXPECT_EQ(end, row.keywordEnd);
    // The same through the overload that fills a caller's string.
    std::string keyword = "stale";
    Position end2 = -1;
    StatementKeyword(p.chars, p.lines, 1, end2, keyword);
    EXPECT_EQ(keyword, row.keyword);
    EXPECT_EQ(end2, row.keywordEnd);
  }
}

TEST(StatementKeyword, LaterLinesAndTheFinalEmptyLine) {
  Program p("  FOR I = 1 TO 3: X(I) = I: NEXT I");
  ASSERT_EQ(p.message, "");
  ASSERT_EQ(p.lines.lastLine, 4);
  Position end = 0;
  EXPECT_EQ(StatementKeyword(p.chars, p.lines, 1, end), "FOR I=");
  EXPECT_EQ(end, pos(p.text, "FOR") + 2);
  EXPECT_EQ(StatementKeyword(p.chars, p.lines, 2, end), "X(I)=");
  EXPECT_EQ(end, pos(p.text, ")"));
  EXPECT_EQ(StatementKeyword(p.chars, p.lines, 3, end), "NEXT I");
  EXPECT_EQ(end, pos(p.text, "NEXT") + 3);
  EXPECT_EQ(StatementKeyword(p.chars, p.lines, 4, end), "");
  EXPECT_EQ(end, p.n());
  EXPECT_EQ(end, p.lines.lineStart(4));
}

TEST(StatementKeyword, NoSuchLineGivesTheEmptyKeyword) {
  Program p("PRINT 1");
  for (const LineNumber s :
       {p.lines.lastLine + 1, p.lines.capacity(), p.lines.capacity() + 1, 0, -1, MaxPos, MinPos}) {
    Position end = 12345;
    EXPECT_EQ(StatementKeyword(p.chars, p.lines, s, end), "") << s;
    EXPECT_EQ(end, p.lines.lineStart(s)) << s;
  }
}

// A command typed in the protocol: the store is the whole protocol text and
// the table has LineStart(1) after the last LF before the command,
// LineStart(2) on the final CR and LineStart(3) = 0.
struct Command {
  explicit Command(const std::string& protocolBefore, const std::string& command)
      : chars(protocolBefore + command + "\r\n"), lines(3) {
    const auto start = static_cast<Position>(protocolBefore.size()) + 1;
    EXPECT_TRUE(lines.setLineStart(1, start));
    EXPECT_TRUE(lines.setLineStart(2, chars.size() - 1));
    lines.lastLine = 1;
  }
  ProgramChars chars;
  LineTable lines;
};

TEST(StatementKeyword, CommandLines) {
  Command assign("Ready\r\n", "x = 5");
  Position end = 0;
  EXPECT_EQ(StatementKeyword(assign.chars, assign.lines, 1, end), "X=");
  EXPECT_EQ(end, 8);
  EXPECT_EQ(StatementText(assign.chars, assign.lines, 1), "x = 5");
  // Leading blanks are passed over.
  Command indented("> ", "   print 1");
  EXPECT_EQ(StatementKeyword(indented.chars, indented.lines, 1, end), "PRINT");
  EXPECT_EQ(end, 10);
  // A line that holds only a comment: "" and keywordEnd on the line's start.
  Command comment("Ready\r\n", "' hello");
  EXPECT_EQ(StatementKeyword(comment.chars, comment.lines, 1, end), "");
  EXPECT_EQ(end, 8);
  EXPECT_EQ(StatementText(comment.chars, comment.lines, 1), "");
  // An empty command.
  Command empty("Ready\r\n", "");
  EXPECT_EQ(StatementKeyword(empty.chars, empty.lines, 1, end), "");
  EXPECT_EQ(end, 8);
  // A keyword that runs to the end of the command.
  Command endIf("", "END IF");
  EXPECT_EQ(StatementKeyword(endIf.chars, endIf.lines, 1, end), "END IF");
  EXPECT_EQ(end, 6);
  Command trailingBlanks("", "X   ");
  EXPECT_EQ(StatementKeyword(trailingBlanks.chars, trailingBlanks.lines, 1, end), "X");
  // Line 2 has LineStart(3) = 0: no such line.
  EXPECT_EQ(StatementKeyword(endIf.chars, endIf.lines, 2, end), "");
}

TEST(StatementKeyword, AssignmentEqualsIsNotTakenFromTheNextLine) {
  Program p("X   \r\n\r\n=5");
  ASSERT_EQ(p.message, "");
  EXPECT_EQ(p.keyword(1), "X");
  EXPECT_EQ(p.keyword(2), "=5");
}

TEST(StatementKeyword, ReusesTheCallersStringCapacity) {
  Program p("DRAW LINE 0,0,1,1\r\nX = 1\r\nEND IF\r\nPRINT A\r\n' c\r\nNEXT I");
  ASSERT_EQ(p.message, "");
  std::string keyword;
  keyword.reserve(64);
  const char* const buffer = keyword.data();
  const auto capacity = keyword.capacity();
  Position end = 0;
  for (int round = 0; round < 100; ++round) {
    for (LineNumber s = 0; s <= p.lines.lastLine + 1; ++s) {
      StatementKeyword(p.chars, p.lines, s, end, keyword);
      ASSERT_EQ(keyword.data(), buffer);
      ASSERT_EQ(keyword.capacity(), capacity);
    }
  }
  StatementKeyword(p.chars, p.lines, 1, end, keyword);
  EXPECT_EQ(keyword, "DRAW LINE");
}

// ---------------------------------------------------------------------------
// StatementEnd
// ---------------------------------------------------------------------------

TEST(StatementEnd, LastSignificantCharacter) {
  const std::string text = "PRINT 1   ' comment\r\n";
  const auto chars = ProgramChars::forProgram(text);
  EXPECT_EQ(StatementEnd(chars, 1, endOf(text)), 7);
  EXPECT_EQ(StatementEnd(chars, 1, chars.size()), 7);
  EXPECT_EQ(StatementEnd(chars, 1, 5), 5);            // the range ends first
  EXPECT_EQ(StatementEnd(chars, 6, 6), 0);            // a blank only
  EXPECT_EQ(StatementEnd(chars, 7, 6), 0);            // from > to
  EXPECT_EQ(StatementEnd(chars, 9, endOf(text)), 0);  // only the comment
}

TEST(StatementEnd, StopsAtSeparatorButNotAtGluedColon) {
  const std::string text = "A: B";
  const auto chars = ProgramChars::forProgram(text);
  EXPECT_EQ(StatementEnd(chars, 1, endOf(text)), 1);
  const std::string glued = "A:B";
  EXPECT_EQ(StatementEnd(ProgramChars::forProgram(glued), 1, endOf(glued)), 3);
}

TEST(StatementEnd, StringsHideCommentsAndColons) {
  const std::string text = "PRINT \"a ' b: c\"  ' x";
  const auto chars = ProgramChars::forProgram(text);
  EXPECT_EQ(StatementEnd(chars, 1, endOf(text)), pos(text, "\"  '"));
  // An unclosed string runs to the range's end.
  const std::string open = "PRINT \"abc  ";
  EXPECT_EQ(StatementEnd(ProgramChars::forProgram(open), 1, endOf(open)), endOf(open));
  // A quote that opens on the range's last character.
  EXPECT_EQ(StatementEnd(ProgramChars::forProgram(open), 1, 7), 7);
}

TEST(StatementEnd, ContinuationMarkIsPassedOver) {
  const std::string text = "PRINT 1 + _ ' c\r\n  2   \r\nPRINT 3";
  const auto chars = ProgramChars::forProgram(text);
  EXPECT_EQ(StatementEnd(chars, 1, pos(text, "PRINT 3") - 1), pos(text, "2"));
  // The continuation runs past the range's end: the mark is not significant.
  EXPECT_EQ(StatementEnd(chars, 1, 12), 9);
}

// ---------------------------------------------------------------------------
// FirstNonBlank
// ---------------------------------------------------------------------------

TEST(FirstNonBlank, FirstArgumentCharacter) {
  const std::string text = "PRINT   X, Y";
  const auto chars = ProgramChars::forProgram(text);
  EXPECT_EQ(FirstNonBlank(chars, 6, endOf(text)), 9);
  EXPECT_EQ(FirstNonBlank(chars, 1, endOf(text)), 1);
  EXPECT_EQ(FirstNonBlank(chars, 6, 8), 0);                           // only blanks
  EXPECT_EQ(FirstNonBlank(chars, 9, 8), 0);                           // from > to
  EXPECT_EQ(FirstNonBlank(chars, endOf(text) + 1, chars.size()), 0);  // the trailing CRs
}

TEST(FirstNonBlank, CommentAndLineEndMeanNoArguments) {
  const std::string text = "END   ' done\r\nX";
  const auto chars = ProgramChars::forProgram(text);
  EXPECT_EQ(FirstNonBlank(chars, 4, endOf(text)), 0);
  const std::string bare = "END\r\nX";
  EXPECT_EQ(FirstNonBlank(ProgramChars::forProgram(bare), 4, endOf(bare)), 0);
}

TEST(FirstNonBlank, ContinuationMarkIsPassedOver) {
  const std::string text = "PRINT _ ' more\r\n   X";
  EXPECT_EQ(FirstNonBlank(ProgramChars::forProgram(text), 6, endOf(text)), endOf(text));
  // An underscore that is no mark is significant.
  const std::string underscore = "PRINT _X";
  EXPECT_EQ(FirstNonBlank(ProgramChars::forProgram(underscore), 6, endOf(underscore)), 7);
}

// ---------------------------------------------------------------------------
// FindWord
// ---------------------------------------------------------------------------

TEST(FindWord, WholeWordsWithABlankOnEachSide) {
  const std::string text = "FOR I=1 TO 10 STEP 2";
  const auto chars = ProgramChars::forProgram(text);
  EXPECT_EQ(FindWord(chars, 1, endOf(text), "TO"), 9);
  EXPECT_EQ(FindWord(chars, 1, endOf(text), "STEP"), 15);
  EXPECT_EQ(FindWord(chars, 1, endOf(text), "FOR"), 0);  // no blank before it in the range
  EXPECT_EQ(FindWord(chars, 1, endOf(text), "I"), 0);
  const std::string glued = "FOR I=1 TO(10)";
  EXPECT_EQ(FindWord(ProgramChars::forProgram(glued), 1, endOf(glued), "TO"), 0);
  const std::string lower = "for i=1 to 10";
  EXPECT_EQ(FindWord(ProgramChars::forProgram(lower), 1, endOf(lower), "TO"), 9);
}

TEST(FindWord, WordAtTheEndOfTheRange) {
  const std::string text = "IF A THEN";
  const auto chars = ProgramChars::forProgram(text);
  EXPECT_EQ(FindWord(chars, 1, endOf(text), "THEN"), 6);
  EXPECT_EQ(FindWord(chars, 1, 8, "THEN"), 0);  // the word does not fit
  EXPECT_EQ(FindWord(chars, 5, endOf(text), "THEN"), 6);
  EXPECT_EQ(FindWord(chars, 6, endOf(text), "THEN"), 0);  // never at from itself
}

TEST(FindWord, NotInsideStringsNorAfterAComment) {
  const std::string text = "IF A$ = \" THEN \" THEN";
  EXPECT_EQ(FindWord(ProgramChars::forProgram(text), 1, endOf(text), "THEN"), 18);
  const std::string comment = "IF A ' THEN B";
  EXPECT_EQ(FindWord(ProgramChars::forProgram(comment), 1, endOf(comment), "THEN"), 0);
  const std::string open = "OPEN \"a AS b";
  EXPECT_EQ(FindWord(ProgramChars::forProgram(open), 1, endOf(open), "AS"), 0);
}

TEST(FindWord, AcrossAContinuationMark) {
  const std::string text = "FOR I = 1 _ ' x\r\n  TO 3";
  EXPECT_EQ(FindWord(ProgramChars::forProgram(text), 1, endOf(text), "TO"), pos(text, "TO"));
  const std::string noMark = "OPEN F$ FOR\r\n INPUT AS 1";
  EXPECT_EQ(FindWord(ProgramChars::forProgram(noMark), 1, endOf(noMark), "INPUT"), 0);
}

// ---------------------------------------------------------------------------
// FindSeparator
// ---------------------------------------------------------------------------

TEST(FindSeparator, SkipsParentheses) {
  const std::string text = "PRINT A(1,2); B";
  EXPECT_EQ(FindSeparator(ProgramChars::forProgram(text), 6, endOf(text)), pos(text, ";"));
  const std::string nested = "F(G(1,2),(3)), X";
  EXPECT_EQ(FindSeparator(ProgramChars::forProgram(nested), 1, endOf(nested)),
            pos(nested, "), X") + 1);
  const std::string comma = "A, B; C";
  const auto chars = ProgramChars::forProgram(comma);
  EXPECT_EQ(FindSeparator(chars, 1, endOf(comma)), 2);
  EXPECT_EQ(FindSeparator(chars, 3, endOf(comma)), 5);
  EXPECT_EQ(FindSeparator(chars, 6, endOf(comma)), 0);
  EXPECT_EQ(FindSeparator(chars, 5, 4), 0);
}

TEST(FindSeparator, SkipsStringsAndStopsAtComments) {
  const std::string text = "PRINT \"a,b;(\"; C";
  EXPECT_EQ(FindSeparator(ProgramChars::forProgram(text), 1, endOf(text)), pos(text, "; C"));
  const std::string inParens = "PRINT F(\")\", 1), 2";
  EXPECT_EQ(FindSeparator(ProgramChars::forProgram(inParens), 1, endOf(inParens)),
            pos(inParens, "), 2") + 1);
  const std::string comment = "PRINT A ' x, y";
  EXPECT_EQ(FindSeparator(ProgramChars::forProgram(comment), 1, endOf(comment)), 0);
  const std::string unclosed = "PRINT (A, B";
  EXPECT_EQ(FindSeparator(ProgramChars::forProgram(unclosed), 1, endOf(unclosed)), 0);
}

TEST(FindSeparator, AcrossAContinuationMark) {
  const std::string text = "PRINT A _ ' x, y\r\n ; B";
  EXPECT_EQ(FindSeparator(ProgramChars::forProgram(text), 1, endOf(text)), pos(text, ";"));
  const std::string inParens = "PRINT F(1 _\r\n , 2), 3";
  EXPECT_EQ(FindSeparator(ProgramChars::forProgram(inParens), 1, endOf(inParens)),
            pos(inParens, "), 3") + 1);
}

// ---------------------------------------------------------------------------
// StatementText
// ---------------------------------------------------------------------------

TEST(StatementText, CaseKeptUpToTheLastSignificantCharacter) {
  Program p("Print \"Hi\"   ' greet\r\n  x = 1: y = 2");
  ASSERT_EQ(p.message, "");
  EXPECT_EQ(StatementText(p.chars, p.lines, 1), "Print \"Hi\"");
  EXPECT_EQ(StatementText(p.chars, p.lines, 2), "x = 1");
  EXPECT_EQ(StatementText(p.chars, p.lines, 3), "y = 2");
  EXPECT_EQ(StatementText(p.chars, p.lines, 4), "");  // the final empty line
  EXPECT_EQ(StatementText(p.chars, p.lines, 5), "");
  EXPECT_EQ(StatementText(p.chars, p.lines, 0), "");
  EXPECT_EQ(StatementText(p.chars, p.lines, MaxPos), "");
  EXPECT_EQ(StatementText(p.chars, p.lines, MinPos), "");
}

// ---------------------------------------------------------------------------
// Robustness: no input of any shape makes a routine read beyond the store,
// loop for ever or answer a position outside its range.
// ---------------------------------------------------------------------------

// A position answered for the range from..to: 0, or inside both the range and the store.
void expectInRange(Position p, Position from, Position to, const ProgramChars& chars) {
  if (p == 0) return;
  EXPECT_GE(p, std::max<Position>(from, 1));
  EXPECT_LE(p, std::min(to, chars.size()));
}

// Every routine on every logical line, with the ranges the executor and the
// checker use and some that no caller uses.
void scanEverything(const ProgramChars& chars, const LineTable& lines) {
  const Position n = chars.size();
  std::string keyword;
  for (LineNumber s = -1; s <= lines.lastLine + 2; ++s) {
    Position end = 0;
    StatementKeyword(chars, lines, s, end, keyword);
    const std::string copy = StatementKeyword(chars, lines, s, end);
    EXPECT_EQ(copy, keyword);
    const std::string text = StatementText(chars, lines, s);
    EXPECT_LE(text.size(), static_cast<std::size_t>(std::max<Position>(n, 0)));
    if (!keyword.empty()) {
      EXPECT_GE(end, lines.lineStart(s));
      EXPECT_LE(end, n);
    }
  }
  std::vector<std::pair<Position, Position>> all{
      {1, n},           {0, n + 1},           {-5, 3},
      {n, n},           {n - 1, n + 5},       {2, n - 1},
      {MinPos, MaxPos}, {MaxPos - 3, MaxPos}, {MinPos, MinPos + 3},
      {1, MaxPos}};
  for (LineNumber s = 1; s <= lines.lastLine; ++s) {
    all.emplace_back(lines.lineStart(s), lines.lineStart(s + 1) - 1);
    all.emplace_back(lines.lineStart(s), lines.lineStart(s + 1));
    all.emplace_back(lines.lineStart(s) + 1, lines.lineStart(s + 1) - 1);
  }
  for (const auto& [from, to] : all) {
    expectInRange(StatementEnd(chars, from, to), from, to, chars);
    expectInRange(FirstNonBlank(chars, from, to), from, to, chars);
    expectInRange(FindSeparator(chars, from, to), from, to, chars);
    for (const std::string_view word : {"THEN", "TO", "A", ""}) {
      const Position found = FindWord(chars, from, to, word);
      expectInRange(found, from, to, chars);
    }
  }
}

// The scanning routines must answer the same when characters follow the store
// (which they may never read).
void expectNoReadBeyond(const ProgramChars& chars, const LineTable& lines) {
  for (const char* tail : {"_ =", "=\"", "x THEN ELSE , ; ( _ : "}) {
    const ProgramChars longer(chars.text() + tail);
    std::string k1;
    std::string k2;
    for (LineNumber s = 1; s <= lines.lastLine + 1; ++s) {
      Position e1 = 0;
      Position e2 = 0;
      StatementKeyword(chars, lines, s, e1, k1);
      StatementKeyword(longer, lines, s, e2, k2);
      EXPECT_EQ(k1, k2);
      EXPECT_EQ(e1, e2);
      EXPECT_EQ(StatementText(chars, lines, s), StatementText(longer, lines, s));
      if (s > lines.lastLine) continue;
      const Position from = lines.lineStart(s);
      for (const Position to : {lines.lineStart(s + 1) - 1, lines.lineStart(s + 1)}) {
        EXPECT_EQ(StatementEnd(chars, from, to), StatementEnd(longer, from, to));
        EXPECT_EQ(FirstNonBlank(chars, from, to), FirstNonBlank(longer, from, to));
        EXPECT_EQ(FindWord(chars, from, to, "THEN"), FindWord(longer, from, to, "THEN"));
        EXPECT_EQ(FindWord(chars, from, to, "TO"), FindWord(longer, from, to, "TO"));
      }
      const Position to = lines.lineStart(s + 1) - 1;
      EXPECT_EQ(FindSeparator(chars, from, to), FindSeparator(longer, from, to));
    }
  }
}

// Structural facts of a successful split of a program store.
void expectSoundTable(const ProgramChars& chars, const LineTable& lines) {
  const Position n = chars.size();
  ASSERT_GE(lines.lastLine, 1);
  EXPECT_EQ(lines.lineStart(lines.lastLine), n);
  EXPECT_EQ(lines.lineStart(lines.lastLine + 1), n);
  for (LineNumber s = 1; s < lines.lastLine; ++s) {
    EXPECT_GE(lines.lineStart(s), 1);
    EXPECT_LT(lines.lineStart(s), lines.lineStart(s + 1));
    EXPECT_LE(lines.sourceLine(s), lines.sourceLine(s + 1));
    EXPECT_TRUE(isSignificant(chars.at(lines.lineStart(s))));
  }
  for (LineNumber s = 1; s <= lines.capacity(); ++s) EXPECT_EQ(lines.blockLink(s), 0);
  for (LineNumber s = lines.lastLine + 2; s <= lines.capacity(); ++s) {
    EXPECT_EQ(lines.lineStart(s), 0);
  }
}

// Every text of up to four characters over the characters that steer the scans.
TEST(ScanningRobustness, EveryShortProgram) {
  const std::string alphabet = " _\"':\r\nE(,";
  std::vector<std::string> texts{""};
  for (std::size_t length = 1; length <= 4; ++length) {
    std::vector<std::string> longer;
    for (const std::string& t : texts) {
      if (t.size() + 1 != length) continue;
      for (const char c : alphabet) longer.push_back(t + c);
    }
    texts.insert(texts.end(), longer.begin(), longer.end());
  }
  for (const std::string& text : texts) {
    SCOPED_TRACE(testing::PrintToString(text));
    Program p(text);
    if (p.message.empty()) {
      expectSoundTable(p.chars, p.lines);
      expectNoReadBeyond(p.chars, p.lines);
    } else {
      EXPECT_EQ(p.message.rfind("(Line ", 0), 0u) << p.message;
    }
    scanEverything(p.chars, p.lines);
    if (HasFailure()) return;
  }
}

// Stores of every small size, also without the trailing CRs a program store
// has, and line tables of every small capacity.
TEST(ScanningRobustness, RawStoresOfEverySmallSize) {
  const std::string alphabet = "A _\"':\r(,";
  std::vector<std::string> stores{""};
  for (std::size_t length = 1; length <= 4; ++length) {
    std::vector<std::string> longer;
    for (const std::string& t : stores) {
      if (t.size() + 1 != length) continue;
      for (const char c : alphabet) longer.push_back(t + c);
    }
    stores.insert(stores.end(), longer.begin(), longer.end());
  }
  for (const std::string& raw : stores) {
    SCOPED_TRACE(testing::PrintToString(raw));
    const ProgramChars chars(raw);
    for (const LineNumber capacity : {0, 1, 2, 3, 12}) {
      LineTable lines(capacity);
      const std::string message = SplitProgram(chars, lines);
      EXPECT_TRUE(message.empty() || message == Unidentified || message.rfind("(Line ", 0) == 0)
          << message;
      EXPECT_LE(lines.lastLine, lines.capacity());
      scanEverything(chars, lines);
    }
    if (HasFailure()) return;
  }
}

// Random programs made of the dialect's words and marks.
TEST(ScanningRobustness, RandomPrograms) {
  const std::vector<std::string> pieces{"IF",       "THEN",   "ELSE",    "ELSEIF", "FOR I=1 TO 3",
                                        "NEXT",     "NEXT I", "DO",      "LOOP",   "GOTO",
                                        "L1:",      "PRINT",  "X",       "=",      "1",
                                        "(",        ")",      ",",       ";",      "\"",
                                        "\"a: b\"", "'",      "_",       " _ ",    ":",
                                        ": ",       " ",      "  ",      "\t",     "\r\n",
                                        "\r\n",     "\r",     "\n",      "END IF", "DRAW LINE",
                                        "then",     "else",   "A(1, 2)", "\x01",   "\xff"};
  std::mt19937 random(20240611);
  std::uniform_int_distribution<std::size_t> pick(0, pieces.size() - 1);
  std::uniform_int_distribution<int> count(0, 30);
  for (int round = 0; round < 3000; ++round) {
    std::string text;
    const int k = count(random);
    for (int j = 0; j < k; ++j) {
      text += pieces[pick(random)];
      if (random() % 2 != 0) text += ' ';
    }
    SCOPED_TRACE(testing::PrintToString(text));
    Program p(text);
    if (p.message.empty()) {
      expectSoundTable(p.chars, p.lines);
      expectNoReadBeyond(p.chars, p.lines);
    }
    scanEverything(p.chars, p.lines);
    if (HasFailure()) return;
  }
}

}  // namespace
}  // namespace morvane
