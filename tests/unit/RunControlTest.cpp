#include "exec/RunControl.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "FakeHosts.h"
#include "core/Variables.h"

namespace morvane {
namespace {

using testing::FakeDocumentHost;
using testing::FakeSystem;

// One workspace with one document window, driven through its keys.
class RunControlTest : public ::testing::Test {
 protected:
  RunControlTest() : workspace(system), control(workspace, workspace.openDocument(window)) {}

  Document& doc() { return control.document(); }
  const std::string& protocol() { return doc().protocol.text(); }
  void type(std::string_view text) {
    for (char c : text) control.Text2_KeyPress(static_cast<unsigned char>(c));
  }
  void typeLine(std::string_view text) {
    type(text);
    control.Text2_KeyPress(static_cast<int>(KeyAscii::Enter));
  }
  void run(std::string program) {
    window.program = std::move(program);
    control.Text2_KeyDown(KeyCode::F5Run);
  }
  // A global variable X, so a test can see the variables emptied.
  void makeGlobal() {
    ProgramChars chars = ProgramChars::forProgram("X");
    Value initial[4];
    std::string error, name;
    DeclareVariable("GLOBALDIM", 1, chars, IndexList(initial), 0, error, doc().localTable,
                    workspace.globals(), name);
  }

  FakeSystem system;
  FakeDocumentHost window;
  Workspace workspace;
  RunControl control;
};

TEST_F(RunControlTest, RunShowsEndAndReturnsToIdle) {
  run("WAIT\r\nEND\r\n");
  EXPECT_EQ(protocol(), "Run\r\nEnd\r\n");
  EXPECT_EQ(doc().runState, RunState::Idle);
  EXPECT_EQ(window.lamp, Lamp::Green);
  EXPECT_TRUE(window.lockedDuringRun);
  EXPECT_FALSE(window.editorLocked);
  // The protocol takes the focus as the run starts (its keys step and stop
  // it) and again when it ends.
  EXPECT_EQ(window.focused, 2);
  EXPECT_EQ(system.sleeps, std::vector<std::int32_t>{0});
}

TEST_F(RunControlTest, ProgramWithoutEndEndsSilently) {
  run("' only a comment\r\n\r\nCLS\r\n");
  EXPECT_EQ(protocol(), "Run\r\n");
  EXPECT_EQ(window.drawing.clears(), 1);
}

TEST_F(RunControlTest, StructureErrorIsPrintedAndNothingRuns) {
  run("DO WHILE X\r\nEND\r\n");
  EXPECT_EQ(protocol(), "Run\r\n(Line  1): Incomplete DO-LOOP construction!\r\n");
  EXPECT_FALSE(window.lockedDuringRun);
}

TEST_F(RunControlTest, RuntimeErrorNamesTheEditorLineAndQuotesTheStatement) {
  system.soundAvailable = false;
  run("' a tone\r\n  BEEP   ' no device here\r\nEND\r\n");
  EXPECT_EQ(protocol(), "Run\r\n -> Error in Line 2: No Sound!\r\nBEEP\r\n");
  EXPECT_EQ(doc().runState, RunState::Idle);
}

TEST_F(RunControlTest, TypedCommandsThatNeedAProgramAreRefused) {
  typeLine("END");
  EXPECT_EQ(protocol(), "END\r\nEND Not allowed in single line mode! \r\n");
  EXPECT_EQ(doc().runState, RunState::Idle);
  // The message of one command does not follow the next one.
  typeLine("wait");
  EXPECT_EQ(protocol(), "END\r\nEND Not allowed in single line mode! \r\nwait\r\nwait\r\n");
}

TEST_F(RunControlTest, LettersBeforeF5MakeACommandNotARun) {
  window.program = "END\r\n";
  type("abc");
  control.Text2_KeyDown(KeyCode::F5Run);
  EXPECT_TRUE(protocol().starts_with("abcRun\r\nabcRun"));
  EXPECT_EQ(protocol().find("End"), std::string::npos);
  EXPECT_EQ(doc().runState, RunState::Idle);
}

TEST_F(RunControlTest, TypedRunRunsTheEditorProgram) {
  window.program = "END\r\n";
  typeLine("run");
  EXPECT_EQ(protocol(), "run\r\nEnd\r\n");
}

TEST_F(RunControlTest, GoHighlightsTheFirstLineAndEachStepExecutesOne) {
  window.program = "WAIT\r\nCLS\r\n";
  int step = 0;
  std::vector<std::string> seen;
  system.onYield = [&] {
    if (doc().runState != RunState::WaitingForStep) return;
    seen.push_back(protocol());
    ++step;
    control.Text2_KeyDown(step % 2 ? KeyCode::F8Go : KeyCode::Enter);
  };
  control.Text2_KeyDown(KeyCode::F8Go);
  ASSERT_EQ(seen.size(), 3u);  // WAIT, CLS and the empty last line each wait
  EXPECT_EQ(seen[0], "Go\r\n");
  EXPECT_EQ(seen[1], "Go\r\nWAIT\r\n");
  EXPECT_EQ(seen[2], "Go\r\nWAIT\r\nCLS\r\n");
  ASSERT_GE(window.selections.size(), 2u);
  EXPECT_EQ(window.selections[0].start, 0);
  EXPECT_EQ(window.selections[0].length, 4);
  EXPECT_EQ(window.selections[1].start, 6);
  EXPECT_EQ(window.selections[1].length, 3);
}

TEST_F(RunControlTest, PauseSwitchesToSingleStepAndF5Resumes) {
  // WAIT yields before and after its sleep.
  window.program = "WAIT\r\nWAIT\r\nEND\r\n";
  std::vector<RunState> states;
  system.onYield = [&] {
    states.push_back(doc().runState);
    if (states.size() == 1) control.Text2_KeyDown(KeyCode::Pause);
    else if (doc().runState == RunState::WaitingForStep) control.Text2_KeyDown(KeyCode::F5Run);
  };
  control.Text2_KeyDown(KeyCode::F5Run);
  EXPECT_EQ(states.front(), RunState::Running);
  EXPECT_NE(std::find(states.begin(), states.end(), RunState::WaitingForStep), states.end());
  EXPECT_TRUE(protocol().ends_with("End\r\n"));
}

TEST_F(RunControlTest, PauseStatementWaitsAtTheNextLine) {
  std::vector<std::string> seen;
  system.onYield = [&] {
    if (doc().runState == RunState::WaitingForStep) {
      seen.push_back(protocol());
      EXPECT_EQ(window.lamp, Lamp::Yellow);
      control.Text2_KeyDown(KeyCode::F5Run);
    }
  };
  run("PAUSE\r\nEND\r\n");
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0], "Run\r\nPAUSE\r\n");
  EXPECT_EQ(protocol(), "Run\r\nPAUSE\r\nEnd\r\n");
}

TEST_F(RunControlTest, EscapeWhileWaitingForAStepInterruptsAndClearsVariables) {
  makeGlobal();
  ASSERT_EQ(workspace.globals().recordCount(), 1);
  system.onYield = [&] {
    if (doc().runState == RunState::WaitingForStep) control.Text2_KeyDown(KeyCode::Escape);
  };
  window.program = "WAIT\r\nEND\r\n";
  control.Text2_KeyDown(KeyCode::F8Go);
  EXPECT_EQ(protocol(), "Go\r\nClear Screen and Variables\r\nExecution interrupted!\r\n");
  EXPECT_EQ(workspace.globals().recordCount(), 0);
  EXPECT_EQ(doc().runState, RunState::Idle);
}

TEST_F(RunControlTest, CtrlBreakStopsAFreeRunAtItsNextYield) {
  // WAIT yields before and after its sleep.
  system.onYield = [&] { control.Text2_KeyDown(KeyCode::CtrlBreak); };
  run("WAIT\r\nWAIT\r\nEND\r\n");
  EXPECT_EQ(protocol(), "Run\r\nExecution interrupted!\r\n");
}

// FIB's lines pass no loop head: a free run must still yield inside the
// one PRINT line, or Stop would wait for the whole recursion.
TEST_F(RunControlTest, CtrlBreakStopsADeepRecursionInsideOneLine) {
  int yields = 0;
  system.onYield = [&] {
    if (++yields == 100) control.Text2_KeyDown(KeyCode::CtrlBreak);
  };
  run("PRINT FIB(20)\r\n"
      "FUNCTION FIB(N)\r\n"
      "  IF N < 3 THEN\r\n"
      "    FIB = 1\r\n"
      "  ELSE\r\n"
      "    FIB = FIB(N - 1) + FIB(N - 2)\r\n"
      "  END IF\r\n"
      "END FUNCTION\r\n");
  // Each level of the recursion that was inside the assignment reports the
  // interruption as the error of its line; FIB's value is never printed.
  EXPECT_TRUE(protocol().starts_with("Run\r\n -> Error in Line 6:  -> Error in Line 6: ")) << protocol();
  EXPECT_NE(protocol().find(": Execution interrupted!\r\nFIB = FIB(N - 1) + FIB(N - 2)\r\n"), std::string::npos);
  EXPECT_EQ(yields, 100);  // no yield after the stop was seen
  EXPECT_EQ(doc().runState, RunState::Idle);
  EXPECT_EQ(doc().activeRuns, 0);
}

TEST_F(RunControlTest, ClosingTheWindowDuringItsRunEndsItSilently) {
  system.onYield = [&] { workspace.closeDocument(1); };
  run("WAIT\r\nWAIT\r\nEND\r\n");
  EXPECT_EQ(doc().message, "DELETED");
  EXPECT_EQ(protocol(), "Run\r\n");
  // The slot is free again once the run has unwound.
  EXPECT_EQ(doc().activeRuns, 0);
}

TEST_F(RunControlTest, ResetStatementClearsAndSaysSoOnlyInSingleStep) {
  makeGlobal();
  run("RESET\r\n");
  EXPECT_EQ(protocol(), "Run\r\n");
  EXPECT_EQ(workspace.globals().recordCount(), 0);
  makeGlobal();
  typeLine("RESET");
  EXPECT_TRUE(protocol().ends_with("RESET\r\nRESET\r\nClear Screen and Variables\r\n"));
  EXPECT_EQ(workspace.globals().recordCount(), 0);
}

TEST_F(RunControlTest, BeepWithoutArgumentsSoundsTheDefaultTone) {
  run("BEEP\r\n");
  ASSERT_EQ(system.tones.size(), 1u);
  EXPECT_EQ(system.tones[0], (std::pair<std::int32_t, std::int32_t>{1000, 300}));
}

TEST_F(RunControlTest, BeepAndWaitTakeTheirArguments) {
  run("BEEP 440.4, 0.5\r\nBEEP 880\r\nWAIT 20\r\nWAIT -1\r\nWAIT 0.0125\r\n");
  ASSERT_EQ(system.tones.size(), 2u);
  EXPECT_EQ(system.tones[0], (std::pair<std::int32_t, std::int32_t>{440, 500}));
  EXPECT_EQ(system.tones[1], (std::pair<std::int32_t, std::int32_t>{880, 300}));
  // At most ten seconds, at least none; milliseconds rounded, halves to even.
  EXPECT_EQ(system.sleeps, (std::vector<std::int32_t>{10000, 0, 12}));
  EXPECT_EQ(protocol(), "Run\r\n");
}

TEST_F(RunControlTest, ABeepWhoseArgumentFailsEndsWithTheBareMessage) {
  run("BEEP 1/0\r\n");
  EXPECT_EQ(protocol(), "Run\r\nIllegal division\r\n");
  EXPECT_TRUE(system.tones.empty());
}

TEST_F(RunControlTest, RunPressedAsTheProtocolFillsLeavesTheWindowIdle) {
  // "Run" brings the protocol to its limit, so its line end empties it: the
  // command line is then empty and nothing runs, but the window must not
  // stay in the running state.
  doc().protocol.displaytext(std::string(ProtocolBuffer::Limit - 2, 'x'));
  run("END\r\n");
  EXPECT_EQ(protocol(), "\r\n");
  EXPECT_EQ(doc().runState, RunState::Idle);
  EXPECT_EQ(window.lamp, Lamp::Green);
  control.Text2_KeyDown(KeyCode::F5Run);
  EXPECT_EQ(protocol(), "\r\nRun\r\nEnd\r\n");
}

TEST_F(RunControlTest, CaretKeysStayOnTheInputLine) {
  typeLine("WAIT");
  type("ab");
  const std::int32_t end = doc().protocol.length();
  control.Text2_KeyDown(KeyCode::Home);
  EXPECT_EQ(doc().protocol.cursor(), end - 2);
  control.Text2_KeyDown(KeyCode::Left);  // never into the previous line
  EXPECT_EQ(doc().protocol.cursor(), end - 2);
  control.Text2_KeyDown(KeyCode::Right);
  EXPECT_EQ(doc().protocol.cursor(), end - 1);
  type("X");
  EXPECT_TRUE(protocol().ends_with("aXb"));
  control.Text2_KeyDown(KeyCode::End);
  EXPECT_EQ(doc().protocol.cursor(), doc().protocol.length());
}

TEST_F(RunControlTest, HistoryWalksBackToTheFirstCommandAndForwardToAnEmptyLine) {
  typeLine("WAIT");
  typeLine("CLS");
  const std::string base = protocol();
  control.Text2_KeyDown(KeyCode::Up);
  EXPECT_EQ(protocol(), base + "CLS");
  control.Text2_KeyDown(KeyCode::Up);
  EXPECT_EQ(protocol(), base + "WAIT");
  control.Text2_KeyDown(KeyCode::Up);  // stays at the first command
  EXPECT_EQ(protocol(), base + "WAIT");
  control.Text2_KeyDown(KeyCode::Down);
  EXPECT_EQ(protocol(), base + "CLS");
  control.Text2_KeyDown(KeyCode::Down);
  EXPECT_EQ(protocol(), base);
}

TEST_F(RunControlTest, KeysOfOtherStatesDoNothingWhileIdle) {
  control.Text2_KeyDown(KeyCode::Pause);
  control.Text2_KeyDown(KeyCode::CtrlBreak);
  EXPECT_EQ(doc().runState, RunState::Idle);
  EXPECT_EQ(protocol(), "");
  // Enter in a state that takes no Enter is ignored.
  doc().runState = RunState::StopRequested;
  control.Text2_KeyPress(static_cast<int>(KeyAscii::Enter));
  EXPECT_EQ(protocol(), "");
}

TEST_F(RunControlTest, TheAnswerIsWhatFollowsThePrompt) {
  doc().protocol.displaytext("Name? ");
  doc().inputLine = "name? ";
  doc().runState = RunState::WaitingForInput;
  type("Ada");
  control.Text2_KeyPress(static_cast<int>(KeyAscii::Enter));
  EXPECT_EQ(doc().inputLine, "name? Ada");
  EXPECT_EQ(doc().runState, RunState::Running);
}

}  // namespace
}  // namespace morvane
