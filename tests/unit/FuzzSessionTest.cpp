// The session every fuzz target runs its inputs in must hold what it
// promises, or the fuzzer hangs, sleeps, or writes to the machine's disk.

#include "fuzz/FuzzSession.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "comparison/ProtocolLog.h"
#include "core/Messages.h"
#include "fast/FastEngine.h"
#include "graphics/RecordingCanvas.h"

namespace morvane {
namespace {

class FuzzSessionTest : public ::testing::Test {
 protected:
  FuzzSessionTest() { canvas.setSink([](std::string_view) {}); }
  const std::string& protocol() { return session.window().document().protocol.text(); }
  bool protocolHas(std::string_view text) { return protocol().find(text) != std::string::npos; }

  RecordingCanvas canvas;
  fuzz::FuzzSession session{canvas};
};

TEST_F(FuzzSessionTest, EndlessLoopsAndDoublingRecursionsAreStopped) {
  session.run("DO\r\nLOOP\r\n", KeyCode::F5Run);
  EXPECT_TRUE(protocolHas(msg::ExecutionInterrupted));
  session.run("X = F(1)\r\nEND\r\nFUNCTION F(A)\r\nF = F(A + 1) + F(A + 1)\r\nEND FUNCTION\r\n", KeyCode::F8Go);
  EXPECT_EQ(session.window().document().runState, RunState::Idle);
  // A typed command gets a fresh budget of its own.
  session.typeLine("PRINT 6 * 7");
  EXPECT_TRUE(protocolHas(" 42"));
}

TEST_F(FuzzSessionTest, EveryWaitIsAnsweredAtOnce) {
  session.run("INPUT A\r\nPRINT A * 2\r\nPAUSE\r\nWAIT 100000\r\nBEEP 440, 100000\r\n"
              "PRINT INPUTBOX(\"?\") + \"!\"\r\nPRINT \"done\"\r\nEND\r\n",
              KeyCode::F5Run);
  EXPECT_TRUE(protocolHas(" 14 "));
  EXPECT_TRUE(protocolHas("7!"));
  EXPECT_TRUE(protocolHas("done"));
}

TEST_F(FuzzSessionTest, ProgramsSeeOnlyTheFilesInMemory) {
  session.run("OPEN \"new.txt\" FOR OUTPUT AS #1\r\nPRINT #1, FILE(\"data.txt\")\r\nCLOSE #1\r\n"
              "RUN prog.bas\r\nEND\r\n",
              KeyCode::F5Run);
  EXPECT_TRUE(protocolHas("prog 2")) << protocol();
  EXPECT_TRUE(session.files().exists("/work/new.txt"));
  EXPECT_FALSE(std::filesystem::exists("new.txt"));
  std::string written;
  ASSERT_TRUE(session.files().readWholeFile("/work/new.txt", written));
  EXPECT_EQ(written.rfind("1\r\ntwo", 0), 0u);
}

// The differential target watches everything a session shows: the
// protocols, highlights and drawings of windows a program opens, too, and a
// clock that reads the same moment in every session.
TEST_F(FuzzSessionTest, WatchedSessionsShowEveryWindowAndAFixedClock) {
  ProtocolLog log;
  std::vector<std::string> notes;
  session.watch(log, [&](std::string_view line) { notes.emplace_back(line); });
  session.fixClock();
  session.run("PRINT TIME; \" \"; DATE; TIMER\r\nOPEN \"draw.bas\" FOR OUTPUT AS #1\r\n"
              "PRINT #1, \"DRAW LINE (1, 1) TO (9, 9)\"\r\nPRINT #1, \"PRINT 6 * 7\"\r\nCLOSE #1\r\n"
              "EXECUTE draw.bas\r\n",
              KeyCode::F8Go);
  EXPECT_TRUE(protocolHas("12:30:00 01/02/26 45000.5")) << protocol();
  // The log saw the protocols of both windows.
  EXPECT_NE(log.text().find("12:30:00"), std::string::npos);
  EXPECT_NE(log.text().find(" 42"), std::string::npos) << log.text();
  // The first line is highlighted in the first window, then the opened
  // window (the second) draws its line.
  ASSERT_FALSE(notes.empty());
  EXPECT_EQ(notes.front(), "window 1 selects 0+28");
  EXPECT_NE(std::find_if(notes.begin(), notes.end(),
                         [](const std::string& line) { return line.starts_with("window 2 draws line "); }),
            notes.end())
      << ::testing::PrintToString(notes);
}

// Counts the levels the engine it passes everything on to serves.
class CountingAccelerator final : public StatementAccelerator {
 public:
  void enterLevel(StatementContext& ctx) override {
    ++levels;
    m_engine.enterLevel(ctx);
  }
  void leaveLevel(StatementContext& ctx) override { m_engine.leaveLevel(ctx); }
  StatementKind readLine(StatementContext& ctx) override { return m_engine.readLine(ctx); }
  std::optional<Completion> execute(StatementContext& ctx, StatementKind kind) override {
    return m_engine.execute(ctx, kind);
  }
  bool evaluate(StatementContext& ctx, Position from, Position to, ExpressionMode mode) override {
    return m_engine.evaluate(ctx, from, to, mode);
  }
  int levels = 0;
  std::size_t programsKept() const { return m_engine.programCount(); }

 private:
  FastEngine m_engine;
};

TEST_F(FuzzSessionTest, AnAcceleratorRunsThePrograms) {
  CountingAccelerator engine;
  session.useAccelerator(engine);
  session.run("FOR I = 1 TO 3\r\nNEXT I\r\nPRINT I\r\n", KeyCode::F5Run);
  EXPECT_GT(engine.levels, 0);
  EXPECT_EQ(engine.programsKept(), 0u);
  EXPECT_TRUE(protocolHas(" 4"));
}

}  // namespace
}  // namespace morvane
