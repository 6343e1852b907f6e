// Programs and commands of every shape must end in a message, never in a
// crash or a read outside the character store. Random texts made of the
// language's own pieces reach the odd corners (unclosed strings, a lone
// continuation mark, blocks that cross, labels without GOTOs...); the
// sanitizer build turns any stray access into a failure.

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <random>
#include <string>

#include "FakeHosts.h"
#include "exec/RunControl.h"

namespace morvane {
namespace {

using testing::FakeDocumentHost;
using testing::FakeSystem;

// Pieces of program text. Statements that touch the file system are left
// out: random file names must not reach the disk.
constexpr std::array<const char*, 78> Pieces = {
    "IF ", " THEN ", " ELSE ", "ELSEIF ", "END IF", "ENDIF", "FOR ", " TO ", " STEP ", "NEXT ",
    "DO", " WHILE ", " UNTIL ", "LOOP", "EXIT ", "CONTINUE ", "GOTO ", "SUB ", "FUNCTION ",
    "END SUB", "END FUNCTION", "INLINE ", "CALL ", "END", "STOP", "PRINT ", "WAIT ", "CLS", "RESET",
    "PAUSE", "DIM ", "LOCAL ", "GLOBAL ", " AS ", "LONG", "STRING", "X", "Y$", "A(", "I", "L1:",
    "\"", "'", ":", ": ", " _ ", "_", "(", ")", ",", ";", "=", "<>", "+", "-", "*", "/", "^",
    " AND ", " OR ", "NOT ", "1", "2.5E3", "\r\n", "DRAW ", "LINE ", "BOX ", "TEXT ", "CIRCLE ",
    "ARROW ", "(1,2)", " TO ", "RED", "\\_", "SCALE ", "INPUT ", "LINEINPUT ", "FORMAT("};

std::string randomText(std::mt19937& random, int pieces) {
  std::uniform_int_distribution<std::size_t> pick(0, Pieces.size() - 1);
  std::string text;
  for (int i = 0; i < pieces; ++i) text += Pieces[pick(random)];
  return text;
}

class RobustnessTest : public ::testing::Test {
 protected:
  RobustnessTest() : workspace(system), control(workspace, workspace.openDocument(window)) {
    // Every wait is answered at once, and a run that yields too often is
    // stopped, so loops without an end cannot hold the test.
    system.onYield = [this] {
      Document& d = control.document();
      if (++yieldsThisRun > 200 || d.runState == RunState::WaitingForInput) {
        control.Text2_KeyDown(KeyCode::CtrlBreak);
      } else if (d.runState == RunState::WaitingForStep) {
        control.Text2_KeyDown(KeyCode::F8Go);
      }
    };
  }

  // Runs the program; the window must be idle again afterwards. A window
  // left in another state ignores the next run, so the state is put right
  // after reporting it (with the program before, whose output may be the
  // cause), and the next programs still test something.
  void runProgram(const std::string& text, KeyCode key) {
    yieldsThisRun = 0;
    window.program = text;
    control.Text2_KeyDown(key);
    Document& d = control.document();
    if (d.runState != RunState::Idle) {
      const std::string& t = d.protocol.text();
      ADD_FAILURE() << "not idle after [" << text << "], before it [" << m_previous << "], protocol ends ["
                    << t.substr(t.size() > 200 ? t.size() - 200 : 0) << "]";
      d.runState = RunState::Idle;
    }
    m_previous = text;
    EXPECT_EQ(d.activeRuns, 0);
  }

  FakeSystem system;
  FakeDocumentHost window;
  Workspace workspace;
  RunControl control;
  int yieldsThisRun = 0;
  std::string m_previous;
};

// A longer hunt: MORVANE_ROBUSTNESS_SEED and MORVANE_ROBUSTNESS_PROGRAMS
// choose other programs and more of them.
int fromEnvironment(const char* name, int otherwise) {
  const char* text = std::getenv(name);
  return text != nullptr ? std::atoi(text) : otherwise;
}

TEST_F(RobustnessTest, RandomProgramsEndInAMessage) {
  std::mt19937 random(static_cast<std::mt19937::result_type>(fromEnvironment("MORVANE_ROBUSTNESS_SEED", 20261208)));
  std::uniform_int_distribution<int> length(0, 40);
  const int programs = fromEnvironment("MORVANE_ROBUSTNESS_PROGRAMS", 3000);
  for (int i = 0; i < programs; ++i) {
    runProgram(randomText(random, length(random)), i % 3 == 0 ? KeyCode::F8Go : KeyCode::F5Run);
  }
}

TEST_F(RobustnessTest, RandomCommandLinesEndInAMessage) {
  std::mt19937 random(static_cast<std::mt19937::result_type>(fromEnvironment("MORVANE_ROBUSTNESS_SEED", 42)));
  std::uniform_int_distribution<int> length(0, 12);
  const int commands = fromEnvironment("MORVANE_ROBUSTNESS_PROGRAMS", 1500);
  for (int i = 0; i < commands; ++i) {
    yieldsThisRun = 0;
    for (char c : randomText(random, length(random))) {
      if (c == '\r' || c == '\n') continue;
      control.Text2_KeyPress(static_cast<unsigned char>(c));
    }
    control.Text2_KeyPress(static_cast<int>(KeyAscii::Enter));
    EXPECT_EQ(control.document().runState, RunState::Idle);
  }
}

TEST_F(RobustnessTest, EveryByteValueIsAcceptedInAProgram) {
  std::string text;
  for (int c = 0; c < 256; ++c) text += static_cast<char>(c);
  runProgram(text, KeyCode::F5Run);
  runProgram("PRINT \"" + text, KeyCode::F5Run);
}

}  // namespace
}  // namespace morvane
