#include "exec/InstructionFileStatements.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "FakeHosts.h"
#include "ScratchDirectory.h"
#include "exec/RunControl.h"

namespace morvane {
namespace {

using testing::FakeDocumentHost;
using testing::FakeSystem;

// A window with its program, in a scratch directory that holds the files the
// program runs or opens.
class InstructionFileTest : public ::testing::Test {
 protected:
  InstructionFileTest() : workspace(system), control(workspace, workspace.openDocument(window)) {}

  void writeFile(const std::string& name, const std::string& text) {
    std::ofstream(scratch.path() / name, std::ios::binary) << text;
  }
  std::string path(const std::string& name) { return (scratch.path() / name).string(); }
  void run(const std::string& program) {
    window.program = program;
    control.Text2_KeyDown(KeyCode::F5Run);
  }
  const std::string& protocol() { return control.document().protocol.text(); }

  testing::ScratchDirectory scratch;
  FakeSystem system;
  FakeDocumentHost window;
  Workspace workspace;
  RunControl control;
};

TEST_F(InstructionFileTest, TheEditorShowsTheFileAndGetsItsProgramBackOnEveryExit) {
  writeFile("fails.bas", "FOR I = 1 TO 1\nNEXT I\nEND\n");
  std::string shownDuringRun;
  system.onYield = [&] { shownDuringRun = window.program; };
  const std::string program = "x = 1\r\nrun \"" + path("fails.bas") + "\"\r\n";
  run(program);
  EXPECT_NE(protocol().find("File " + path("fails.bas") + ": End"), std::string::npos);
  EXPECT_EQ(shownDuringRun, "FOR I = 1 TO 1\r\nNEXT I\r\nEND\r\n");
  // LF-only lines arrive with CR LF, as the workbench opens a program.
  EXPECT_EQ(window.editorReplaced, 2);
  EXPECT_EQ(window.program, program);  // as typed: names not upper-cased
  EXPECT_FALSE(control.document().changed);
}

TEST_F(InstructionFileTest, AFileThatRunsItselfEndsWithTooManyNestedCalls) {
  writeFile("self.bas", "RUN \"" + path("self.bas") + "\"\r\n");
  run("RUN \"" + path("self.bas") + "\"\r\n");
  // Each level names the file around the message of the level inside it.
  const std::string& message = control.document().message;
  EXPECT_TRUE(message.starts_with(" -> Error in Line 1: File ")) << message.substr(0, 300);
  EXPECT_NE(message.find(": Too many nested calls!\r\nRUN \"" + path("self.bas") + "\""), std::string::npos);
  EXPECT_EQ(control.document().runState, RunState::Idle);
}

TEST_F(InstructionFileTest, ExecuteRunsTheFileInTheNewWindowWithinTheStatement) {
  FakeDocumentHost second;
  second.program = "X = 7\r\n";
  WindowLayout asked = WindowLayout::EditorOnly;
  std::string askedPath;
  system.onOpenWindow = [&](const std::string& p, WindowLayout layout) {
    askedPath = p;
    asked = layout;
    const std::int32_t index = workspace.openDocument(second);
    return index;
  };
  run("EXECUTEGRAFIC Other.bas\r\nEND\r\n");
  EXPECT_EQ(askedPath, "Other.bas");  // the name keeps the case it was written in
  EXPECT_EQ(asked, WindowLayout::CanvasOnly);
  EXPECT_EQ(workspace.document(2).protocol.text(), "Run\r\n");
  EXPECT_EQ(workspace.document(2).localTable.recordCount(), 1);  // its program ran
  EXPECT_EQ(protocol(), "Run\r\nEnd\r\n");
}

TEST_F(InstructionFileTest, WindowsThatCannotOpenGiveThePreparedMessages) {
  run("EXECUTE a.bas\r\n");
  EXPECT_EQ(protocol(), "Run\r\n -> Error in Line 1: Unable to start a.bas!\r\nEXECUTE a.bas\r\n");
  control.document().protocol.clear();
  run("EDIT b.bas\r\n");
  EXPECT_EQ(protocol(), "Run\r\n -> Error in Line 1: Unable to edit b.bas!\r\nEDIT b.bas\r\n");
}

TEST_F(InstructionFileTest, TerminateClosesTheWindowWithoutAQuestionAndSilently) {
  std::int32_t unloaded = 0;
  system.onUnload = [&](std::int32_t index) {
    unloaded = index;
    workspace.closeDocument(index);
  };
  control.document().changed = true;
  run("PRINT 1\r\nTERMINATE\r\nPRINT 2\r\n");
  EXPECT_EQ(unloaded, 1);
  EXPECT_FALSE(control.document().changed);
  EXPECT_EQ(control.document().message, "DELETED");
  EXPECT_EQ(protocol(), "Run\r\n 1 \r\n");
}

TEST_F(InstructionFileTest, AWindowClosedDuringAnInstructionFileGetsNothingMore) {
  writeFile("loop.bas", "FOR I = 1 TO 3\r\nNEXT I\r\nPRINT 1\r\n");
  system.onYield = [&] { workspace.closeDocument(1); };
  run("RUN \"" + path("loop.bas") + "\"\r\nPRINT 2\r\n");
  EXPECT_EQ(control.document().message, "DELETED");
  EXPECT_EQ(protocol(), "Run\r\n");
}

}  // namespace
}  // namespace morvane
