// The fast engine's own line loop: a free run's lines run one after the
// other inside the engine, and still every stop, yield and observer that
// needs a line gets it.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FakeHosts.h"
#include "exec/RunControl.h"
#include "exec/RunObserver.h"
#include "fast/FastEngine.h"

namespace morvane {
namespace {

using testing::FakeDocumentHost;
using testing::FakeSystem;

// Stops a free run at one editor line once it watches every line.
class BreakpointObserver final : public RunObserver {
 public:
  void levelEntered(const LevelView&) override {}
  LineAction beforeLine(const LevelView& level) override {
    ++asked;
    return level.editorLine() == stopAt ? LineAction::EnterSingleStep : LineAction::Continue;
  }
  void waitsAtLine(const LevelView& level) override {
    waits.push_back(level.editorLine());
    localsAtWait = level.locals();
  }
  void levelLeft(const LevelView&) override {}
  void structureFault(LineNumber) override {}
  bool watchesEveryLine() const override { return watching; }

  bool watching = false;
  LineNumber stopAt = 0;
  int asked = 0;
  std::vector<LineNumber> waits;
  std::vector<VariableEntry> localsAtWait;
};

// The window of a program run by the fast engine, yielding by time as the
// applications do.
class TimedWindow {
 public:
  TimedWindow() : workspace(system), control(workspace, workspace.openDocument(window)) {
    workspace.yieldClock() = YieldClock(YieldClock::DefaultInterval);
    workspace.setAccelerator(&engine);
  }
  Document& doc() { return control.document(); }
  void run(std::string program) {
    window.program = std::move(program);
    control.Text2_KeyDown(KeyCode::F5Run);
  }

  FakeSystem system;
  FakeDocumentHost window;
  Workspace workspace;
  FastEngine engine;
  RunControl control;
};

constexpr const char* EndlessLoop = "I = 0\r\nDO\r\nI = I + 1\r\nLOOP\r\n";

// The debugger without breakpoints does not watch every line, so the engine
// does not ask it. A breakpoint set while the program runs (at a yield) is
// asked about at the next line and stops the run there.
TEST(FastLineLoop, ABreakpointSetDuringAFreeRunStopsIt) {
  TimedWindow w;
  BreakpointObserver observer;
  w.doc().observer = &observer;
  int yieldsBeforeTheStop = 0;
  w.system.onYield = [&] {
    if (w.doc().runState == RunState::WaitingForStep) {
      w.control.Text2_KeyDown(KeyCode::Escape);
    } else if (observer.watching) {
      ++yieldsBeforeTheStop;
    } else if (w.system.yields == 3) {
      observer.watching = true;
      observer.stopAt = 3;
    }
  };
  w.run(EndlessLoop);
  EXPECT_EQ(observer.waits, std::vector<LineNumber>{3});
  // The next lines asked, so the run stopped before the next yield.
  EXPECT_EQ(yieldsBeforeTheStop, 0);
  // Asked only at the line after each yield, then up to the stop, while the
  // loop ran for three yield intervals.
  EXPECT_LT(observer.asked, 20);
  ASSERT_FALSE(observer.localsAtWait.empty());
  EXPECT_GT(std::stoi(observer.localsAtWait[0].value), 1000);
}

// Escape answers within the yield interval, also when the engine runs the
// lines itself.
TEST(FastLineLoop, EscapeStopsAnEndlessLoop) {
  TimedWindow w;
  w.system.onYield = [&] {
    if (w.system.yields == 2) w.control.Text2_KeyDown(KeyCode::Escape);
  };
  w.run(EndlessLoop);
  EXPECT_EQ(w.doc().runState, RunState::Idle);
  EXPECT_NE(w.doc().protocol.text().find("Execution interrupted!"), std::string::npos) << w.doc().protocol.text();
}

// A function of numbers alone, called again and again: its calls run whole
// on number slots once it is judged pure, and still yield by time.
constexpr const char* EndlessFib =
    "DO\r\n"
    "  X = FIB(22)\r\n"
    "LOOP\r\n"
    "FUNCTION FIB(N)\r\n"
    "  IF N < 3 THEN\r\n"
    "    FIB = 1\r\n"
    "  ELSE\r\n"
    "    FIB = FIB(N - 1) + FIB(N - 2)\r\n"
    "  END IF\r\n"
    "END FUNCTION\r\n";

// A breakpoint set while a call of such a function runs (at a yield) stops
// the run at its line inside the function: the call is made again the
// usual way, which asks the observer at every line.
TEST(FastLineLoop, ABreakpointSetDuringAPureCallStopsInsideIt) {
  TimedWindow w;
  BreakpointObserver observer;
  w.doc().observer = &observer;
  w.system.onYield = [&] {
    if (w.doc().runState == RunState::WaitingForStep) {
      w.control.Text2_KeyDown(KeyCode::Escape);
    } else if (w.system.yields == 3) {
      observer.watching = true;
      observer.stopAt = 6;
    }
  };
  w.run(EndlessFib);
  EXPECT_EQ(observer.waits, std::vector<LineNumber>{6});
  ASSERT_EQ(observer.localsAtWait.size(), 2u);  // FIB and N of the call that waits
  EXPECT_LT(std::stoi(observer.localsAtWait[1].value), 3);
}

// Pause in the middle of a long call, then Run: the call goes on to the
// same value.
TEST(FastLineLoop, PauseAndRunDuringAPureCallKeepTheValue) {
  TimedWindow w;
  w.system.onYield = [&] {
    if (w.system.yields == 1) w.control.Text2_KeyDown(KeyCode::Pause);
    if (w.doc().runState == RunState::WaitingForStep) w.control.Text2_KeyDown(KeyCode::F5Run);
  };
  w.run("PRINT FIB(28)\r\nEND\r\n"
        "FUNCTION FIB(N)\r\n  IF N < 3 THEN FIB = 1 ELSE FIB = FIB(N - 1) + FIB(N - 2)\r\nEND FUNCTION\r\n");
  EXPECT_EQ(w.doc().runState, RunState::Idle);
  EXPECT_GE(w.system.yields, 2);  // the pause waited for the step at least once
  EXPECT_NE(w.doc().protocol.text().find(" 317811 "), std::string::npos) << w.doc().protocol.text();
  EXPECT_EQ(w.doc().protocol.text().find("Error"), std::string::npos) << w.doc().protocol.text();
}

}  // namespace
}  // namespace morvane
