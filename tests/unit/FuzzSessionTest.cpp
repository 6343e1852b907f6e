// The session every fuzz target runs its inputs in must hold what it
// promises, or the fuzzer hangs, sleeps, or writes to the machine's disk.

#include "fuzz/FuzzSession.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "core/Messages.h"
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

}  // namespace
}  // namespace morvane
