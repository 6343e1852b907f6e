// The structure check before a run: its passes, the BlockLink
// entries they leave and every message.

#include <gtest/gtest.h>

#include <initializer_list>
#include <random>
#include <string>
#include <vector>

#include "core/Messages.h"
#include "prepare/LineTable.h"
#include "prepare/ProgramChars.h"
#include "prepare/Scanning.h"
#include "prepare/StructureCheck.h"

namespace morvane {
namespace {

const std::string Unidentified(msg::UnidentifiedBasicfileError);

// Editor lines joined with CR LF.
std::string program(std::initializer_list<const char*> editorLines) {
  std::string text;
  for (const char* line : editorLines) {
    if (!text.empty()) text += "\r\n";
    text += line;
  }
  return text;
}

// A checked program, its table dimensioned as before a run.
struct Checked {
  explicit Checked(std::string editorText)
      : text(std::move(editorText)),
        chars(ProgramChars::forProgram(text)),
        lines(lineTableCapacity(text)),
        message(CheckProgramStructure(chars, lines)) {}

  // BlockLink of every logical line, the final empty one included.
  std::vector<LineNumber> links() const {
    std::vector<LineNumber> result;
    for (LineNumber s = 1; s <= lines.lastLine; ++s) result.push_back(lines.blockLink(s));
    return result;
  }
  std::vector<std::string> statements() const {
    std::vector<std::string> result;
    for (LineNumber s = 1; s <= lines.lastLine; ++s)
      result.push_back(StatementText(chars, lines, s));
    return result;
  }

  std::string text;
  ProgramChars chars;
  LineTable lines;
  std::string message;
};

std::string check(std::initializer_list<const char*> editorLines) {
  return Checked(program(editorLines)).message;
}

using Links = std::vector<LineNumber>;

// ---------------------------------------------------------------------------
// Sound programs and their BlockLink entries
// ---------------------------------------------------------------------------

TEST(StructureCheck, ProgramWithoutBlocksLeavesAllLinksZero) {
  Checked c(program({"' no blocks", "PRINT 1", "X = 2: PRINT X", "", "END"}));
  EXPECT_EQ(c.message, "");
  EXPECT_EQ(c.links(), (Links{0, 0, 0, 0, 0}));
}

TEST(StructureCheck, EmptyProgramIsSound) {
  Checked c("");
  EXPECT_EQ(c.message, "");
  EXPECT_EQ(c.lines.lastLine, 1);
}

TEST(StructureCheck, ForNextWithExitAndContinue) {
  Checked c(program({"FOR I = 1 TO 3",    // 1
                     "  CONTINUE FOR",    // 2
                     "  FOR J = 1 TO 2",  // 3
                     "    EXIT FOR",      // 4 belongs to the inner loop
                     "  NEXT J",          // 5
                     "  EXIT FOR",        // 6
                     "NEXT I"}));         // 7, then the final line 8
  ASSERT_EQ(c.message, "");
  EXPECT_EQ(c.links(), (Links{8, 7, 6, 6, 3, 8, 1, 0}));
}

TEST(StructureCheck, ForVariableWithoutBlanks) {
  Checked c(program({"for k=1 to 3 step 1", "next k"}));
  ASSERT_EQ(c.message, "");
  EXPECT_EQ(c.links(), (Links{3, 1, 0}));
}

TEST(StructureCheck, DoLoopWithExitAndContinue) {
  Checked c(program({"DO WHILE X < 3",     // 1
                     "  CONTINUE DO",      // 2
                     "  DO",               // 3
                     "    EXIT DO",        // 4 belongs to the inner loop
                     "    CONTINUE LOOP",  // 5 belongs to the inner loop
                     "  LOOP UNTIL X",     // 6
                     "  EXIT LOOP",        // 7
                     "LOOP"}));            // 8, then the final line 9
  ASSERT_EQ(c.message, "");
  EXPECT_EQ(c.links(), (Links{9, 8, 7, 7, 6, 3, 9, 1, 0}));
}

TEST(StructureCheck, ExitDoInsideAForInsideTheLoop) {
  Checked c(
      program({"DO UNTIL X", "FOR I = 1 TO 2", "EXIT DO", "EXIT FOR", "NEXT I", "LOOP WHILE Y"}));
  ASSERT_EQ(c.message, "");
  EXPECT_EQ(c.links(), (Links{7, 6, 7, 6, 2, 1, 0}));
}

TEST(StructureCheck, BlockIfChainsItsBranches) {
  Checked c(program({"IF A THEN",      // 1
                     "  X = 1",        // 2
                     "ELSEIF B THEN",  // 3
                     "  X = 2",        // 4
                     "ELSEIF C THEN",  // 5
                     "  X = 3",        // 6
                     "ELSE",           // 7
                     "  X = 4",        // 8
                     "END IF"}));      // 9, then the final line 10
  ASSERT_EQ(c.message, "");
  EXPECT_EQ(c.links(), (Links{3, 0, 5, 0, 7, 0, 10, 0, 10, 0}));
}

TEST(StructureCheck, BlockIfWithoutBranches) {
  Checked c(program({"IF A THEN", "X = 1", "ENDIF", "PRINT X"}));
  ASSERT_EQ(c.message, "");
  EXPECT_EQ(c.links(), (Links{4, 0, 4, 0, 0}));
}

TEST(StructureCheck, NestedBlockIfs) {
  Checked c(program({"IF A THEN",    // 1
                     "  IF B THEN",  // 2
                     "  ELSE",       // 3
                     "  ENDIF",      // 4
                     "ELSE",         // 5
                     "  IF C THEN",  // 6
                     "  END IF",     // 7
                     "END IF"}));    // 8, then the final line 9
  ASSERT_EQ(c.message, "");
  EXPECT_EQ(c.links(), (Links{5, 3, 5, 5, 9, 8, 8, 9, 0}));
}

TEST(StructureCheck, SingleLineIfLinksToElseAndPastItsLastStatement) {
  Checked c(program({"IF A THEN B ELSE C", "D"}));
  ASSERT_EQ(c.message, "");
  EXPECT_EQ(c.statements(), (std::vector<std::string>{"IF A THEN", "B", "ELSE", "C", "D", ""}));
  EXPECT_EQ(c.links(), (Links{3, 0, 5, 0, 0, 0}));

  Checked noElse(program({"IF A THEN PRINT 1: PRINT 2", "D"}));
  ASSERT_EQ(noElse.message, "");
  EXPECT_EQ(noElse.links(), (Links{4, 0, 0, 0, 0}));

  Checked commentAfter(program({"IF A THEN B ' note", "D"}));
  ASSERT_EQ(commentAfter.message, "");
  EXPECT_EQ(commentAfter.links(), (Links{3, 0, 0, 0}));
}

TEST(StructureCheck, SingleLineIfInsideABlockIf) {
  Checked c(program({"IF A THEN",             // 1
                     "  IF B THEN C ELSE D",  // 2 IF B THEN, 3 C, 4 ELSE, 5 D
                     "ELSE",                  // 6
                     "  E",                   // 7
                     "END IF"}));             // 8, then the final line 9
  ASSERT_EQ(c.message, "");
  EXPECT_EQ(c.links(), (Links{6, 4, 0, 6, 0, 9, 0, 9, 0}));
}

TEST(StructureCheck, SingleLineIfMayHoldAForWithItsVariable) {
  // The illegal list compares exact keywords: "FOR I=" is not "FOR".
  Checked c("IF A THEN FOR I = 1 TO 3: NEXT I");
  ASSERT_EQ(c.message, "");
  EXPECT_EQ(c.links(), (Links{4, 4, 2, 0}));
}

TEST(StructureCheck, GotoLinksBothWays) {
  Checked c(program({"GOTO Done", "PRINT 1", "Done:", "PRINT 2"}));
  ASSERT_EQ(c.message, "");
  EXPECT_EQ(c.links(), (Links{3, 0, 1, 0, 0}));
}

TEST(StructureCheck, GotoNumberFindsALineWhoseKeywordIsTheNumber) {
  Checked c(program({"100:", "X = X + 1", "GOTO 100"}));
  ASSERT_EQ(c.message, "");
  EXPECT_EQ(c.links(), (Links{3, 0, 1, 0}));
}

TEST(StructureCheck, LabelIsUpperCasedAndEndsAtTheFirstNonNameCharacter) {
  Checked c(program({"goto loop_2' again", "LOOP_2: PRINT"}));
  ASSERT_EQ(c.message, "");
  EXPECT_EQ(c.links(), (Links{2, 1, 0, 0}));
}

TEST(StructureCheck, SameLabelInTwoProceduresIsAllowed) {
  Checked c(program({"SUB A",       // 1
                     "  GOTO L",    // 2
                     "  L:",        // 3
                     "END SUB",     // 4
                     "SUB B",       // 5
                     "  GOTO L",    // 6
                     "L:",          // 7
                     "END SUB"}));  // 8, then the final line 9
  ASSERT_EQ(c.message, "");
  EXPECT_EQ(c.links(), (Links{0, 3, 2, 0, 0, 7, 6, 0, 0}));
}

TEST(StructureCheck, PlainDoWithoutLoopIsNotReported) {
  Checked c(program({"DO", "X = 1"}));
  EXPECT_EQ(c.message, "");
  EXPECT_EQ(c.links(), (Links{0, 0, 0}));
}

TEST(StructureCheck, UnmatchedEndIfWithABlankIsNotReported) {
  EXPECT_EQ(check({"X = 1", "END IF"}), "");
}

TEST(StructureCheck, BlocksInsideProcedures) {
  Checked c(program({"FUNCTION F(N)",  // 1
                     "  IF N THEN",    // 2
                     "    F = 1",      // 3
                     "  END IF",       // 4
                     "END FUNCTION",   // 5
                     "INLINE SUB S",   // 6
                     "  DO",           // 7
                     "  LOOP",         // 8
                     "END SUB"}));     // 9, then the final line 10
  ASSERT_EQ(c.message, "");
  EXPECT_EQ(c.links(), (Links{0, 5, 0, 5, 0, 0, 9, 7, 0, 0}));
}

// ---------------------------------------------------------------------------
// Every message, once
// ---------------------------------------------------------------------------

TEST(StructureMessages, IncompleteString) {
  EXPECT_EQ(check({"PRINT 1", "PRINT \"abc"}), "(Line  2): Incomplete string!");
}

TEST(StructureMessages, GotoUndefined) {
  EXPECT_EQ(check({"PRINT", "GOTO Nowhere"}), "(Line  2): GOTO NOWHERE undefined!");
  // A label inside a SUB is not seen from the main program before it.
  EXPECT_EQ(check({"GOTO L", "SUB A", "L:", "END SUB"}), "(Line  1): GOTO L undefined!");
}

TEST(StructureMessages, GotoOverdefinedNamesTheSecondDefinition) {
  EXPECT_EQ(check({"GOTO L", "L:", "PRINT", "' c", "l: PRINT"}), "(Line  5): GOTO L overdefined!");
}

TEST(StructureMessages, IllegalSingleLineIf) {
  EXPECT_EQ(check({"X = 1", "IF A THEN DO"}), "(Line  2):Illegal single line IF instruction!");
  EXPECT_EQ(check({"IF A THEN B ELSE NEXT"}), "(Line  1):Illegal single line IF instruction!");
}

TEST(StructureMessages, EveryKeywordIllegalInASingleLineIf) {
  // Statements whose keywords are exactly the ones of the list.
  for (const char* statement :
       {"DO WHILE X", "DO", "DO UNTIL X", "LOOP", "LOOP WHILE X", "LOOP UNTIL X", "ENDIF", "FOR",
        "NEXT", "END FUNCTION", "END SUB", "FUNCTION F", "SUB S", "INLINEFUNCTION F", "INLINESUB S",
        "INLINE FUNCTION F", "INLINE SUB S"}) {
    const std::string line = std::string("IF A THEN X ELSE ") + statement;
    EXPECT_EQ(Checked(program({"PRINT", line.c_str()})).message,
              "(Line  2):Illegal single line IF instruction!")
        << statement;
  }
  // "END IF" is no IF closer inside a single-line IF; the END IF line closes nothing.
  EXPECT_EQ(check({"IF A THEN X ELSE END IF"}), "");
}

TEST(StructureMessages, TwoElseInASingleLineIf) {
  EXPECT_EQ(check({"IF A THEN B ELSE C ELSE D"}),
            "(Line  1):Please not two ELSE in one IF instruction!");
}

TEST(StructureMessages, IfWithoutEndIf) {
  EXPECT_EQ(check({"IF A THEN", "X = 1", "SUB S", "END SUB"}), "(Line  1): IF without ENDIF!");
}

TEST(StructureMessages, NoElseIfAfterElse) {
  EXPECT_EQ(check({"IF A THEN", "ELSE", "ELSEIF B THEN", "END IF"}),
            "(Line  3): No ELSEIF after ELSE!");
}

TEST(StructureMessages, NotTwoTimesElse) {
  EXPECT_EQ(check({"IF A THEN", "ELSE", "X = 1", "ELSE", "END IF"}),
            "(Line  4): Not two times ELSE!");
}

TEST(StructureMessages, IncompleteIfNamesTheIf) {
  EXPECT_EQ(check({"PRINT", "IF A THEN", "X = 1"}), "(Line  2): Incomplete IF construction!");
}

TEST(StructureMessages, IncompleteDoLoop) {
  // Block IF pass: a DO open at the ELSE.
  EXPECT_EQ(check({"IF A THEN", "DO", "ELSE", "LOOP", "END IF"}),
            "(Line  3): Incomplete DO-LOOP construction!");
  // LOOP pass: no opener above, or a procedure barrier first.
  EXPECT_EQ(check({"X = 1", "LOOP"}), "(Line  2): Incomplete DO-LOOP construction!");
  EXPECT_EQ(check({"DO", "SUB S", "LOOP UNTIL X", "END SUB"}),
            "(Line  3): Incomplete DO-LOOP construction!");
  // Leftover pass: DO WHILE without LOOP.
  EXPECT_EQ(check({"DO WHILE X", "X = 1"}), "(Line  1): Incomplete DO-LOOP construction!");
}

TEST(StructureMessages, IncompleteForNext) {
  // Block IF pass: a FOR open at the closer.
  EXPECT_EQ(check({"IF A THEN", "FOR I = 1 TO 2", "END IF", "NEXT I"}),
            "(Line  3): Incomplete FOR-NEXT construction!");
  // LOOP pass: a NEXT inside the loop without its FOR inside it.
  EXPECT_EQ(check({"FOR I = 1 TO 2", "DO", "NEXT I", "LOOP"}),
            "(Line  2): Incomplete FOR-NEXT construction!");
  // NEXT pass: no FOR above, or a procedure barrier first.
  EXPECT_EQ(check({"X = 1", "NEXT I"}), "(Line  2): Incomplete FOR-NEXT construction!");
  EXPECT_EQ(check({"FOR I = 1 TO 2", "FUNCTION F", "NEXT I"}),
            "(Line  3): Incomplete FOR-NEXT construction!");
  // Leftover pass: a NEXT without its variable leaves the FOR unmatched.
  EXPECT_EQ(check({"FOR I = 1 TO 3", "NEXT"}), "(Line  1): Incomplete FOR-NEXT construction!");
}

TEST(StructureMessages, ForNextMismatchNamesTheFor) {
  EXPECT_EQ(check({"X = 1", "FOR I = 1 TO 3", "NEXT J"}), "(Line  2): FOR / NEXT mismatch!");
}

TEST(StructureMessages, IncompleteForInstruction) {
  EXPECT_EQ(check({"FOR I TO 3", "NEXT I"}), "(Line  1): Incomplete FOR instruction!");
}

TEST(StructureMessages, MisplacedExitDo) {
  EXPECT_EQ(check({"EXIT DO"}), "(Line  1): Misplaced EXIT DO!");
  EXPECT_EQ(check({"X = 1", "EXIT LOOP"}), "(Line  2): Misplaced EXIT DO!");
}

TEST(StructureMessages, MisplacedExitFor) {
  EXPECT_EQ(check({"X = 1", "EXIT FOR"}), "(Line  2): Misplaced EXIT FOR!");
}

TEST(StructureMessages, MisplacedElseIf) {
  EXPECT_EQ(check({"ELSEIF A THEN"}), "(Line  1): Misplaced ELSEIF!");
}

TEST(StructureMessages, ElseAfterASingleLineIfIsMisplaced) {
  EXPECT_EQ(check({"IF A THEN B", "ELSE", "C"}), "(Line  2): Misplaced ELSE!");
}

TEST(StructureMessages, MisplacedEndIf) {
  EXPECT_EQ(check({"X = 1", "ENDIF"}), "(Line  2): Misplaced ENDIF!");
}

TEST(StructureMessages, TwoDigitLineNumbers) {
  std::string text;
  for (int k = 0; k < 11; ++k) text += "PRINT\r\n";
  text += "ENDIF";
  EXPECT_EQ(Checked(text).message, "(Line  12): Misplaced ENDIF!");
}

TEST(StructureMessages, TheFirstFailingPassWins) {
  // Split before labels before single-line IFs before block IFs ...
  EXPECT_EQ(check({"GOTO X", "PRINT \"a"}), "(Line  2): Incomplete string!");
  EXPECT_EQ(check({"IF A THEN DO", "GOTO X"}), "(Line  2): GOTO X undefined!");
  EXPECT_EQ(check({"IF A THEN", "IF B THEN DO"}), "(Line  2):Illegal single line IF instruction!");
  EXPECT_EQ(check({"LOOP", "IF A THEN"}), "(Line  2): Incomplete IF construction!");
  EXPECT_EQ(check({"NEXT I", "LOOP"}), "(Line  2): Incomplete DO-LOOP construction!");
  EXPECT_EQ(check({"ENDIF", "NEXT I"}), "(Line  2): Incomplete FOR-NEXT construction!");
  // ... and the leftover pass reports the first line.
  EXPECT_EQ(check({"EXIT FOR", "EXIT DO"}), "(Line  1): Misplaced EXIT FOR!");
}

// ---------------------------------------------------------------------------
// The run-time fault of the check
// ---------------------------------------------------------------------------

TEST(StructureUnidentified, GotoWithNothingAfterIt) {
  EXPECT_EQ(check({"GOTO"}), Unidentified);
  EXPECT_EQ(check({"L:", "GOTO   ' where?"}), Unidentified);
  EXPECT_EQ(check({"GOTO _", ""}), Unidentified);
}

TEST(StructureCheck, ATableTooSmallForTheLogicalLinesGrows) {
  const auto chars = ProgramChars::forProgram(program({"PRINT 1", "PRINT 2", "PRINT 3"}));
  for (const LineNumber capacity : {0, 4, 5}) {
    LineTable lines(capacity);
    EXPECT_EQ(CheckProgramStructure(chars, lines), "") << capacity;
    EXPECT_EQ(lines.lastLine, 4) << capacity;
  }

  // Twenty single-line IFs with ELSE: four logical lines each, one CR.
  std::string ifs;
  for (int k = 0; k < 20; ++k) ifs += "IF X THEN PRINT 1 ELSE PRINT 2\r\n";
  const Checked checked(ifs);
  EXPECT_EQ(checked.message, "");
  EXPECT_EQ(checked.lines.lastLine, 81);
}

TEST(StructureUnidentified, StoresWithoutTheTrailingCarriageReturns) {
  // Not a program store: the single-line IF never meets the end of its editor
  // line. The check answers instead of reading past the table.
  const ProgramChars chars("IF A THEN B");
  LineTable lines(12);
  EXPECT_EQ(CheckProgramStructure(chars, lines), Unidentified);
}

// ---------------------------------------------------------------------------
// Robustness: random programs of the dialect's block words
// ---------------------------------------------------------------------------

TEST(StructureRobustness, RandomBlockPrograms) {
  const std::vector<std::string> pieces{"IF A THEN",
                                        "IF A THEN B",
                                        "IF A THEN B ELSE C",
                                        "ELSE",
                                        "ELSEIF B THEN",
                                        "END IF",
                                        "ENDIF",
                                        "FOR I = 1 TO 2",
                                        "FOR J=1 TO 2",
                                        "FOR I",
                                        "NEXT I",
                                        "NEXT J",
                                        "NEXT",
                                        "DO",
                                        "DO WHILE X",
                                        "LOOP",
                                        "LOOP UNTIL X",
                                        "EXIT DO",
                                        "EXIT LOOP",
                                        "EXIT FOR",
                                        "CONTINUE DO",
                                        "CONTINUE FOR",
                                        "GOTO L",
                                        "GOTO",
                                        "L:",
                                        "SUB S",
                                        "END SUB",
                                        "FUNCTION F",
                                        "END FUNCTION",
                                        "INLINE SUB T",
                                        "PRINT \"a: b\"",
                                        "X = 1",
                                        "' c",
                                        "\"",
                                        "_",
                                        " _",
                                        ":",
                                        ""};
  const std::vector<std::string> joins{"\r\n", "\r\n", "\r\n", ": ", " "};
  std::mt19937 random(7);
  std::uniform_int_distribution<std::size_t> pick(0, pieces.size() - 1);
  std::uniform_int_distribution<std::size_t> join(0, joins.size() - 1);
  std::uniform_int_distribution<int> count(0, 25);
  int sound = 0;
  for (int round = 0; round < 20000; ++round) {
    std::string text;
    const int k = count(random);
    for (int j = 0; j < k; ++j) text += pieces[pick(random)] + joins[join(random)];
    SCOPED_TRACE(testing::PrintToString(text));
    Checked c(text);
    if (c.message.empty()) {
      ++sound;
      // Every link names a logical line of the program.
      for (LineNumber s = 1; s <= c.lines.capacity(); ++s) {
        EXPECT_GE(c.lines.blockLink(s), 0);
        EXPECT_LE(c.lines.blockLink(s), c.lines.lastLine);
      }
      EXPECT_EQ(c.lines.lineStart(c.lines.lastLine), c.chars.size());
    } else {
      EXPECT_TRUE(c.message == Unidentified || c.message.rfind("(Line  ", 0) == 0) << c.message;
    }
    if (HasFailure()) return;
  }
  EXPECT_GT(sound, 1000);  // the generator also makes sound programs
}

TEST(StructureRobustness, LongProgramsAreCheckedQuickly) {
  std::string text;
  for (int k = 0; k < 200; ++k) {
    text += "FOR I = 1 TO 2\r\n  DO WHILE X\r\n    IF A THEN\r\n      GOTO L" + std::to_string(k) +
            "\r\n    ELSE\r\n      EXIT DO\r\n    END IF\r\n  LOOP\r\nL" + std::to_string(k) +
            ":\r\nNEXT I\r\n";
  }
  Checked c(text);
  EXPECT_EQ(c.message, "");
  EXPECT_EQ(c.lines.lastLine, 2001);
}

}  // namespace
}  // namespace morvane
