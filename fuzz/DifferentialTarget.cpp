// Fuzz target: a program through the fast engine and through the literal
// one, each in a session of its own, first freely (F5) and then stepped with
// Go (F8) in the same workspace, as fuzz_program runs it. After each run the
// two sessions must have shown the same protocol, ended with the same
// message and run state, highlighted the same lines, drawn the same calls
// and left the same variables.
// The first difference aborts with both versions of the line that differs,
// so the minimised input says what the fast engine does wrong.
//
// Runs stopped by the step budget are compared too: both engines yield in
// the one line loop of the executor, before every line, so the budget stops
// them at the same line.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "comparison/ProtocolLog.h"
#include "comparison/RunTranscript.h"
#include "exec/ProgramFile.h"
#include "fast/FastEngine.h"
#include "fuzz/FuzzSession.h"
#include "graphics/RecordingCanvas.h"

namespace {

using namespace morvane;

// One engine's session, watched: its protocols, its highlights and its
// canvases, with the clock fixed, so that everything it shows can be
// written down.
class WatchedSession {
 public:
  explicit WatchedSession(FastEngine* engine) : m_engine(engine), m_session(m_canvas) {
    if (m_engine != nullptr) m_session.useAccelerator(*m_engine);
    m_session.fixClock();
    m_canvas.setSink([this](std::string_view call) { m_notes += "window 1 draws " + std::string(call) + '\n'; });
    m_session.watch(m_protocol, [this](std::string_view line) { m_notes += std::string(line) + '\n'; });
  }

  void run(std::string_view program, KeyCode key) { m_session.run(program, key); }

  // Everything the session has shown and kept so far.
  std::string transcript() {
    const Document& document = m_session.window().document();
    return m_protocol.text() + DescribeRunEnd(document) + m_notes +
           DescribeVariables(document.localTable, m_session.globals());
  }

  // The programs the fast engine still keeps (none once every run ended).
  std::size_t programsKept() const { return m_engine != nullptr ? m_engine->programCount() : 0; }

 private:
  FastEngine* m_engine;
  RecordingCanvas m_canvas;
  ProtocolLog m_protocol;
  // The lines highlighted and the calls drawn, by every window, in order.
  std::string m_notes;
  fuzz::FuzzSession m_session;
};

[[noreturn]] void fail(std::string_view run, std::string_view what) {
  std::fprintf(stderr, "morvane fuzz: the engines differ after %.*s: %.*s\n", static_cast<int>(run.size()),
               run.data(), static_cast<int>(what.size()), what.data());
  std::abort();
}

void runAlike(WatchedSession& literal, WatchedSession& fast, std::string_view program, KeyCode key,
              std::string_view run) {
  literal.run(program, key);
  fast.run(program, key);
  if (const auto difference = FirstDifference(literal.transcript(), fast.transcript(), "literal", "fast")) {
    fail(run, *difference);
  }
  if (fast.programsKept() != 0) fail(run, "the fast engine still keeps a program after the run");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // The workbench opens no larger program.
  if (size > static_cast<std::size_t>(LargestProgramFile)) return -1;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::string program = WithCrLfLineEnds(bytes);

  FastEngine engine;
  WatchedSession literal(nullptr);
  WatchedSession fast(&engine);
  runAlike(literal, fast, program, KeyCode::F5Run, "Run");
  runAlike(literal, fast, program, KeyCode::F8Go, "Go");
  return 0;
}
