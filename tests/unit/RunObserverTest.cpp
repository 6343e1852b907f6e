// What a window's observer learns of its runs: the levels as they nest, the
// lines of a free run, a stop it asks for, the line a run stopped on for
// every kind of exit, and the variables listed as the protocol shows them.

#include "exec/RunObserver.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FakeHosts.h"
#include "exec/RunControl.h"
#include "prepare/StructureCheck.h"

namespace morvane {
namespace {

using testing::FakeDocumentHost;
using testing::FakeSystem;

// Records every call; stops a free run at one editor line when asked.
class RecordingObserver final : public RunObserver {
 public:
  void levelEntered(const LevelView&) override { ++depth; maxDepth = std::max(maxDepth, depth); }
  LineAction beforeLine(const LevelView& level) override {
    freeLines.push_back(level.editorLine());
    if (level.editorLine() == stopAt && level.beginsEditorLine()) return LineAction::EnterSingleStep;
    return LineAction::Continue;
  }
  void waitsAtLine(const LevelView& level) override {
    waits.push_back(level.editorLine());
    localsAtWait = level.locals();
    waitDepth = depth;
  }
  void levelLeft(const LevelView& level) override {
    --depth;
    if (level.endedByFault() && faultLine == 0) faultLine = level.editorLine();
    if (depth == 0) lastMessage = level.message();
  }
  void structureFault(LineNumber line) override { structureLine = line; }

  LineNumber stopAt = 0;
  int depth = 0;
  int maxDepth = 0;
  int waitDepth = 0;
  std::vector<LineNumber> freeLines;
  std::vector<LineNumber> waits;
  std::vector<VariableEntry> localsAtWait;
  LineNumber faultLine = 0;
  LineNumber structureLine = 0;
  std::string lastMessage;
};

class RunObserverTest : public ::testing::Test {
 protected:
  RunObserverTest() : workspace(system), control(workspace, workspace.openDocument(window)) {
    control.document().observer = &observer;
  }
  void run(std::string program) {
    window.program = std::move(program);
    control.Text2_KeyDown(KeyCode::F5Run);
  }
  Document& doc() { return control.document(); }

  FakeSystem system;
  FakeDocumentHost window;
  Workspace workspace;
  RunControl control;
  RecordingObserver observer;
};

TEST_F(RunObserverTest, SeesEveryLineOfAFreeRunAndTheLevelsNest) {
  run("X = 1\r\nCALL S(2)\r\nEND\r\nSUB S(A)\r\nB = A\r\nEND SUB\r\n");
  EXPECT_EQ(observer.freeLines, (std::vector<LineNumber>{1, 2, 4, 5, 6, 3}));
  EXPECT_EQ(observer.maxDepth, 2);
  EXPECT_EQ(observer.depth, 0);
  EXPECT_TRUE(observer.waits.empty());
  EXPECT_EQ(observer.lastMessage, "End");
}

// A stop asked for at line 3 turns the free run into single step there: the
// line is highlighted, the lamp yellow, and the line waits; F5 runs on.
TEST_F(RunObserverTest, AStopItAsksForWaitsAtTheLineUntilF5) {
  observer.stopAt = 3;
  bool continued = false;
  system.onYield = [&] {
    if (doc().runState == RunState::WaitingForStep && !continued) {
      EXPECT_EQ(window.lamp, Lamp::Yellow);
      continued = true;
      control.Text2_KeyDown(KeyCode::F5Run);
    }
  };
  run("A = 1\r\nB = 2 : C = 3\r\nPRINT A\r\nD = 4\r\n");
  EXPECT_TRUE(continued);
  EXPECT_EQ(observer.waits, std::vector<LineNumber>{3});
  ASSERT_FALSE(window.selections.empty());
  // The highlighted line is "PRINT A": 0-based offset 22 of the text.
  EXPECT_EQ(window.selections.back().start, 22);
  // The locals of the waiting level: A, B and C (D not yet).
  ASSERT_EQ(observer.localsAtWait.size(), 3U);
  EXPECT_EQ(observer.localsAtWait[2].name, "C");
  EXPECT_EQ(doc().protocol.text(), "Run\r\n 1 \r\n");
  EXPECT_EQ(doc().runState, RunState::Idle);
}

// Only the first statement of an editor line stops: the second of the same
// line is no new place to stop at.
TEST_F(RunObserverTest, OnlyTheFirstStatementOfALineBeginsIt) {
  observer.stopAt = 1;
  system.onYield = [&] {
    if (doc().runState == RunState::WaitingForStep) control.Text2_KeyDown(KeyCode::F5Run);
  };
  run("A = 1 : B = 2\r\n");
  EXPECT_EQ(observer.waits, std::vector<LineNumber>{1});
}

// The line a run stopped on, for the error exit, for the plain exit of a
// PRINT item and of a CALL's own expression, and inside a procedure.
TEST_F(RunObserverTest, TheFaultLineForEveryExit) {
  const struct {
    const char* program;
    LineNumber line;
  } cases[] = {
      {"A = 1\r\nB = 1 / 0\r\n", 2},
      {"A = 0\r\n\r\nPRINT 1 / A\r\n", 3},
      {"X = 1\r\nCALL NOSUCH(1)\r\n", 2},
      {"CALL S\r\nEND\r\nSUB S\r\n  PRINT 1 / 0\r\nEND SUB\r\n", 4},
      {"END\r\n", 0},
  };
  for (const auto& c : cases) {
    observer.faultLine = 0;
    run(c.program);
    EXPECT_EQ(observer.faultLine, c.line) << c.program;
  }
}

TEST_F(RunObserverTest, StructureFaultNamesItsLine) {
  run("PRINT 1\r\nFOR I = 1 TO 2\r\n");
  EXPECT_EQ(observer.structureLine, 2);
  EXPECT_EQ(FaultLineOf("(Line  12): FOR / NEXT mismatch!"), 12);
  EXPECT_EQ(FaultLineOf("Unidentified error in Basicfile!"), 0);
}

TEST(VariableListing, ShowsValuesAsTheProtocolDoes) {
  VariableTable table;
  table.records.push_back({"N", '&', 0, 0, 0});
  table.values.push_back(Value::fromLong(-7));
  table.records.push_back({"S", '$', 0, 0, 0});
  table.values.push_back(Value::fromString("hi"));
  table.records.push_back({"A", '#', 2, 1, 0});
  for (int i = 0; i < 6; ++i) table.values.push_back(Value::fromDouble(i * 0.5));
  table.records.push_back({"L", '$', 0, 0, 0});
  table.values.push_back(Value::fromString(std::string(100, 'x')));

  const std::vector<VariableEntry> entries = ListVariables(table, 20);
  ASSERT_EQ(entries.size(), 4U);
  EXPECT_EQ(entries[0].type, "LONG");
  EXPECT_EQ(entries[0].value, "-7");
  EXPECT_EQ(entries[0].bounds, "");
  EXPECT_EQ(entries[1].value, "\"hi\"");
  EXPECT_EQ(entries[2].bounds, "(2, 1)");
  EXPECT_EQ(entries[2].value, " 0,  0.5,  1,  1.5,\x85");
  EXPECT_EQ(entries[3].value.size(), 20U);
  EXPECT_EQ(entries[3].value.back(), Ellipsis);
}

}  // namespace
}  // namespace morvane
