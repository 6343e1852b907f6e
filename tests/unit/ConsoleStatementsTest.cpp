#include "exec/ConsoleStatements.h"

#include <gtest/gtest.h>

#include <string>

#include "FakeHosts.h"
#include "core/Messages.h"
#include "exec/RunControl.h"

namespace morvane {
namespace {

using testing::FakeDocumentHost;
using testing::FakeSystem;

// One window whose program waits for input; the test acts at each yield.
class ConsoleStatementsTest : public ::testing::Test {
 protected:
  ConsoleStatementsTest()
      : workspace(system), index(workspace.openDocument(window)), control(workspace, index) {}

  Document& doc() { return control.document(); }
  const std::string& protocol() { return doc().protocol.text(); }
  void run(std::string program) {
    window.program = std::move(program);
    control.Text2_KeyDown(KeyCode::F5Run);
  }
  // At the first yield of an input wait, presses the key.
  void pressWhileWaiting(KeyCode key) {
    system.onYield = [this, key] {
      if (doc().runState == RunState::WaitingForInput) control.Text2_KeyDown(key);
    };
  }

  FakeSystem system;
  FakeDocumentHost window;
  Workspace workspace;
  std::int32_t index;
  RunControl control;
};

TEST_F(ConsoleStatementsTest, StopOrEscapeDuringTheWaitEndTheRunAsInterrupted) {
  pressWhileWaiting(KeyCode::CtrlBreak);
  run("INPUT X\r\nEND\r\n");
  EXPECT_EQ(protocol(), "Run\r\nX=Execution interrupted!\r\n");
  EXPECT_EQ(doc().runState, RunState::Idle);

  doc().protocol.clear();
  pressWhileWaiting(KeyCode::Escape);
  run("LINEINPUT L\r\nEND\r\n");
  EXPECT_EQ(protocol(), "Run\r\nClear Screen and Variables\r\nExecution interrupted!\r\n");
  EXPECT_EQ(doc().runState, RunState::Idle);
}

TEST_F(ConsoleStatementsTest, AWindowClosedWhileItWaitsEndsItsRunWithoutOutput) {
  system.onYield = [this] {
    if (doc().runState == RunState::WaitingForInput) workspace.closeDocument(index);
  };
  run("INPUT A, B\r\nEND\r\n");
  EXPECT_EQ(doc().message, msg::Deleted);
  EXPECT_EQ(protocol(), "Run\r\nA=");
}

// The protocol is repainted at the run's yields, not after every item.
TEST_F(ConsoleStatementsTest, PrintShowsItsItemsWithoutPausing) {
  run("PRINT 1; \"a\", 2\r\nPRINT\r\n");
  EXPECT_EQ(protocol(), "Run\r\n 1a  2 \r\n\r\n");
  EXPECT_TRUE(system.sleeps.empty());
}

}  // namespace
}  // namespace morvane
