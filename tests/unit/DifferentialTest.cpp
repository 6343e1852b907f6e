// The fast engine against the literal one, in process: random well-formed
// programs (RandomProgram) and the robustness test's random texts run in
// two windows of their own, one per engine, and everything the windows show
// must agree: every change of the protocol, the run's message, the lines
// highlighted in single step, the drawing calls and the variables left.
// MORVANE_DIFFERENTIAL_SEED and MORVANE_DIFFERENTIAL_PROGRAMS choose other
// programs and more of them (tools/differential.sh).

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "FakeHosts.h"
#include "RandomProgram.h"
#include "comparison/ProtocolLog.h"
#include "comparison/RunTranscript.h"
#include "exec/RunControl.h"
#include "fast/FastEngine.h"

namespace morvane {
namespace {

using testing::FakeDocumentHost;
using testing::FakeSystem;
using testing::RandomProgram;

int fromEnvironment(const char* name, int otherwise) {
  const char* text = std::getenv(name);
  return text != nullptr ? std::atoi(text) : otherwise;
}

// One window with its own workspace, run by one engine.
class EngineWindow {
 public:
  explicit EngineWindow(bool fast) : m_workspace(m_system) {
    if (fast) {
      m_engine = std::make_unique<FastEngine>();
      m_workspace.setAccelerator(m_engine.get());
    }
    m_control = std::make_unique<RunControl>(m_workspace, m_workspace.openDocument(m_window));
    m_control->document().protocol.setView(&m_protocol);
    // Every step is confirmed at once; a run that yields too often is stopped.
    m_system.onYield = [this] {
      Document& d = m_control->document();
      if (++m_yields > 3000 || d.runState == RunState::WaitingForInput) {
        m_control->Text2_KeyDown(KeyCode::CtrlBreak);
      } else if (d.runState == RunState::WaitingForStep) {
        m_control->Text2_KeyDown(KeyCode::F8Go);
      }
    };
  }

  // Each run's protocol changes are compared on their own: the runs before
  // it were compared already, and a log kept over thousands of runs would
  // make every comparison copy all of them.
  void run(const std::string& program, KeyCode key) {
    m_yields = 0;
    m_protocol.clear();
    m_window.program = program;
    m_control->Text2_KeyDown(key);
  }

  void type(const std::string& line) {
    m_yields = 0;
    for (char c : line) m_control->Text2_KeyPress(static_cast<unsigned char>(c));
    m_control->Text2_KeyPress(static_cast<int>(KeyAscii::Enter));
  }

  // What the window shows and keeps, as one text.
  std::string observed() {
    const Document& d = m_control->document();
    std::string text = m_protocol.text() + DescribeRunEnd(d);
    text += "selections:";
    for (const auto& s : m_window.selections) text += " " + std::to_string(s.start) + "+" + std::to_string(s.length);
    text += '\n' + DescribeDrawing(m_window.drawing.recorder.calls());
    return text + DescribeVariables(d.localTable, m_workspace.globals());
  }

  std::size_t programsKept() const { return m_engine ? m_engine->programCount() : 0; }

 private:
  FakeSystem m_system;
  FakeDocumentHost m_window;
  Workspace m_workspace;
  std::unique_ptr<FastEngine> m_engine;
  std::unique_ptr<RunControl> m_control;
  ProtocolLog m_protocol;
  int m_yields = 0;
};

class DifferentialTest : public ::testing::Test {
 protected:
  void expectSameRun(const std::string& program, KeyCode key) {
    literal.run(program, key);
    fast.run(program, key);
    ASSERT_EQ(literal.observed(), fast.observed()) << "program:\n" << program;
    EXPECT_EQ(fast.programsKept(), 0u) << "a program was kept after its run";
  }

  EngineWindow literal{false};
  EngineWindow fast{true};
};

TEST_F(DifferentialTest, RandomProgramsRunAlikeFreelyAndInSingleStep) {
  const int seed = fromEnvironment("MORVANE_DIFFERENTIAL_SEED", 20261209);
  const int programs = fromEnvironment("MORVANE_DIFFERENTIAL_PROGRAMS", 300);
  RandomProgram generator(static_cast<unsigned>(seed));
  for (int i = 0; i < programs; ++i) {
    expectSameRun(generator.program(), i % 5 == 4 ? KeyCode::F8Go : KeyCode::F5Run);
    if (HasFatalFailure()) return;
  }
}

TEST_F(DifferentialTest, TypedCommandsRunAlike) {
  RandomProgram generator(static_cast<unsigned>(fromEnvironment("MORVANE_DIFFERENTIAL_SEED", 7)));
  const int commands = fromEnvironment("MORVANE_DIFFERENTIAL_PROGRAMS", 300);
  // A program first, so that the commands find variables and arrays.
  expectSameRun(generator.program(), KeyCode::F5Run);
  for (int i = 0; i < commands; ++i) {
    const std::string line = generator.commandLine();
    literal.type(line);
    fast.type(line);
    ASSERT_EQ(literal.observed(), fast.observed()) << "command: " << line;
  }
}

// A value that changes its kind between runs of one expression: the replay
// hands over to the literal reducer where the classes part.
TEST_F(DifferentialTest, NamesThatChangeTheirKindAreFollowed) {
  // DIM of a variable with the same shape may change its type.
  expectSameRun(
      "V = 1\r\nFOR I = 1 TO 4\r\n  PRINT V + V; I\r\n  IF I = 2 THEN DIM V AS STRING\r\n"
      "  IF I = 3 THEN DIM V AS DOUBLE\r\nNEXT I\r\n",
      KeyCode::F5Run);
  // A function's value is the kind its result variable has.
  expectSameRun(
      "FOR I = 1 TO 3\r\n  PRINT W(I) + W(I)\r\nNEXT I\r\nEND\r\n"
      "FUNCTION W(K)\r\n  IF K = 2 THEN DIM W AS STRING\r\nEND FUNCTION\r\n",
      KeyCode::F5Run);
}

// Declarations, resets and tables that are emptied under a kept reference.
TEST_F(DifferentialTest, ReferencesSurviveResetAndRedeclaration) {
  expectSameRun(
      "DIM A(3)\r\nFOR I = 0 TO 3\r\n  A(I) = I * 2\r\nNEXT I\r\nB = A(2)\r\n"
      "RESET\r\nDIM Z(5)\r\nDIM A(1)\r\nA(1) = 7\r\nPRINT A(1); B\r\n",
      KeyCode::F5Run);
  expectSameRun("GLOBAL G = 1\r\nPRINT G\r\nLOCAL G\r\nG = 2\r\nPRINT G\r\n", KeyCode::F5Run);
}

// Procedure calls whose headers bind on the fast path after their first
// call, and the cases where they must not: arguments of another type, a
// wrong count, names declared twice, the INLINE forms on their caller's
// variables, an emptied table before the end statement, and recursion.
TEST_F(DifferentialTest, ProcedureCallsRunAlikeFreelyAndInSingleStep) {
  const std::vector<std::string> programs = {
      "FOR I = 1 TO 3\r\n  PRINT H%(I); L$(I); S(CHR(64 + I)); W(I + 0.5)\r\nNEXT I\r\nPRINT H%(\"x\")\r\nEND\r\n"
      "FUNCTION H%(N AS INTEGER)\r\n  H% = N / 2\r\nEND FUNCTION\r\n"
      "FUNCTION L$(N) AS STRING\r\n  L$ = STR(N)\r\nEND FUNCTION\r\n"
      "FUNCTION S(T$) AS STRING\r\n  S = T$ + T$\r\nEND FUNCTION\r\n"
      "FUNCTION W(N&) AS LONG\r\n  W = N&\r\nEND FUNCTION\r\n",
      "PRINT ADD(1, 2); ADD(3, 4)\r\nCALL TWICE(5, 6)\r\nCALL TWICE(7, 8)\r\nPRINT ADD(5)\r\nEND\r\n"
      "FUNCTION ADD(A, B)\r\n  ADD = A + B\r\nEND FUNCTION\r\n"
      "SUB TWICE(A, A)\r\n  PRINT A\r\nEND SUB\r\n",
      "CALL SETUP(5)\r\nCALL SETUP(6)\r\nPRINT N; TOTAL; ADDTO(1); ADDTO(2)\r\nP = 1: Q = 2\r\n"
      "CALL ORDER(P, Q)\r\nCALL ORDER(P, Q)\r\nPRINT P; Q\r\nEND\r\n"
      "INLINE SUB SETUP(N)\r\n  TOTAL = N * 10\r\nEND SUB\r\n"
      "INLINEFUNCTION ADDTO(K)\r\n  TOTAL = TOTAL + K\r\n  ADDTO = TOTAL\r\nEND FUNCTION\r\n"
      "SUB ORDER(FIRST, SECOND)\r\n  RESET\r\n  SECOND = FIRST + 5\r\n  FIRST = 1\r\nEND SUB\r\n",
      "PRINT FIB(12); REV$(\"abc\")\r\nPRINT INV(2); INV(0)\r\nEND\r\n"
      "FUNCTION FIB(N)\r\n  IF N < 3 THEN\r\n    FIB = 1\r\n  ELSE\r\n    FIB = FIB(N - 1) + FIB(N - 2)\r\n  END IF\r\nEND FUNCTION\r\n"
      "FUNCTION REV$(S$)\r\n  IF LEN(S$) > 1 THEN EXIT FUNCTION\r\n  REV$ = S$\r\nEND FUNCTION\r\n"
      "FUNCTION INV(X)\r\n  INV = 1 / X\r\nEND FUNCTION\r\n",
  };
  for (const std::string& program : programs) {
    expectSameRun(program, KeyCode::F5Run);
    expectSameRun(program, KeyCode::F8Go);
  }
}

// Functions of numbers alone run whole once judged pure; a run stopped in
// the middle of one (here after 3000 yields, one before every line) ends
// on the same line, with the same message, as the levels would end it.
TEST_F(DifferentialTest, PureFunctionsStopWhereTheLevelsWould) {
  const std::vector<std::string> programs = {
      "PRINT FIB(12)\r\nPRINT FIB(24)\r\nEND\r\n"
      "FUNCTION FIB(N)\r\n  IF N < 3 THEN\r\n    FIB = 1\r\n  ELSE\r\n    FIB = FIB(N - 1) + FIB(N - 2)\r\n  END IF\r\nEND FUNCTION\r\n",
      "S = 0\r\nFOR I = 1 TO 400\r\n  S = S + EVEN(I) + GCD(I * 7, 21)\r\nNEXT I\r\nPRINT S\r\nEND\r\n"
      "FUNCTION EVEN(N)\r\n  IF N = 1 THEN EVEN = 0 ELSE EVEN = ODD(N - 1)\r\nEND FUNCTION\r\n"
      "FUNCTION ODD(N)\r\n  IF N = 1 THEN ODD = 1 ELSE ODD = EVEN(N - 1)\r\nEND FUNCTION\r\n"
      "FUNCTION GCD(A, B)\r\n  IF B = 0 THEN GCD = ABS(A) ELSE GCD = GCD(B, A - B * INT(A / B))\r\nEND FUNCTION\r\n",
  };
  for (const std::string& program : programs) {
    expectSameRun(program, KeyCode::F5Run);
    EXPECT_NE(fast.observed().find("Execution interrupted!"), std::string::npos) << program;
  }
}

}  // namespace
}  // namespace morvane
