#include "fuzz/FuzzSession.h"

#include <cstdio>
#include <cstdlib>
#include <istream>
#include <string>

#include "exec/ProgramFile.h"
#include "graphics/RecordingCanvas.h"

namespace morvane::fuzz {

namespace {

// The directory a session starts in, and the files it holds: a text file to
// read and an instruction file to RUN, EXECUTE or COPY.
constexpr std::string_view WorkDirectory = "/work";
constexpr std::string_view DataFile = "data.txt";
constexpr std::string_view DataText = "1\r\ntwo, three\r\n4.5e1\r\n\r\nlast";
constexpr std::string_view InstructionFile = "prog.bas";
constexpr std::string_view InstructionText = "B = 2\r\nPRINT \"prog\"; B\r\n";

void writeFile(FileSystem& files, std::string_view name, std::string_view text) {
  const auto stream = files.openFile(std::string(name), FileMode::Output);
  if (stream) stream->write(text.data(), static_cast<std::streamsize>(text.size()));
}

[[noreturn]] void fail(std::string_view what, std::string_view after) {
  std::fprintf(stderr, "morvane fuzz: %.*s after %.*s\n", static_cast<int>(what.size()), what.data(),
               static_cast<int>(after.size()), after.data());
  std::abort();
}

}  // namespace

FuzzWindow::FuzzWindow(std::string program, Canvas& canvas, const SessionNotes& notes,
                       std::unique_ptr<Canvas> ownCanvas)
    : m_program(std::move(program)), m_notes(notes), m_ownCanvas(std::move(ownCanvas)), m_canvas(canvas) {}

void FuzzWindow::selectEditorText(Position start, Position length) {
  m_notes("window " + std::to_string(m_windowIndex) + " selects " + std::to_string(start) + "+" +
          std::to_string(length));
}

void FuzzWindow::attach(Workspace& workspace, std::int32_t windowIndex) {
  m_windowIndex = windowIndex;
  m_control = std::make_unique<RunControl>(workspace, windowIndex);
}

FuzzSession::FuzzSession(Canvas& canvas, int stepBudget)
    : m_workspace(*this, m_files), m_stepBudget(stepBudget), m_stepsLeft(stepBudget) {
  m_files.makeDirectory(std::string(WorkDirectory));
  m_files.changeDirectory(std::string(WorkDirectory));
  writeFile(m_files, DataFile, DataText);
  writeFile(m_files, InstructionFile, InstructionText);
  addWindow(std::string(), canvas, nullptr);
}

FuzzWindow& FuzzSession::addWindow(std::string program, Canvas& canvas, std::unique_ptr<Canvas> ownCanvas) {
  auto window = std::make_unique<FuzzWindow>(std::move(program), canvas, m_notes, std::move(ownCanvas));
  window->attach(m_workspace, m_workspace.openDocument(*window));
  window->document().protocol.setView(m_protocolView);
  m_windows.push_back(std::move(window));
  return *m_windows.back();
}

void FuzzSession::watch(ProtocolView& protocol, SessionNotes notes) {
  m_protocolView = &protocol;
  m_notes = std::move(notes);
  for (const auto& window : m_windows) window->document().protocol.setView(m_protocolView);
}

void FuzzSession::run(std::string_view program, KeyCode key) {
  window().setEditorText(program);
  m_stepsLeft = m_stepBudget;
  // A program started with Go steps on with Go; one that pauses itself
  // goes on as a free run.
  m_stepKey = key == KeyCode::F8Go ? KeyCode::F8Go : KeyCode::F5Run;
  window().control().Text2_KeyDown(key);
  checkSettled(key == KeyCode::F8Go ? "Go" : "Run");
}

void FuzzSession::typeLine(std::string_view line) {
  m_stepsLeft = m_stepBudget;
  m_stepKey = KeyCode::F5Run;
  RunControl& control = window().control();
  for (const char c : line) control.Text2_KeyPress(static_cast<unsigned char>(c));
  control.Text2_KeyPress(static_cast<int>(KeyAscii::Enter));
  checkSettled(line);
}

void FuzzSession::pressKey(KeyCode key) {
  m_stepsLeft = m_stepBudget;
  window().control().Text2_KeyDown(key);
  checkSettled("a key");
}

void FuzzSession::checkSettled(std::string_view after) const {
  for (const auto& window : m_windows) {
    const Document& d = window->document();
    if (d.activeRuns != 0) fail("a run is still on the stack", after);
    if (!d.free && d.runState != RunState::Idle) fail("a window is left busy", after);
  }
}

void FuzzSession::stopEveryRun() {
  // By index: stopping a run may close its window, never add one.
  for (std::size_t i = 0; i < m_windows.size(); ++i) {
    FuzzWindow& window = *m_windows[i];
    if (!window.document().free) window.control().Text2_KeyDown(KeyCode::CtrlBreak);
  }
}

void FuzzSession::yield() {
  if (--m_stepsLeft < 0) {
    stopEveryRun();
    return;
  }
  // By index: releasing a step may run EXECUTE, which opens a window.
  for (std::size_t i = 0; i < m_windows.size(); ++i) {
    FuzzWindow& window = *m_windows[i];
    if (window.document().free) continue;
    switch (window.document().runState) {
      case RunState::WaitingForStep:
        window.control().Text2_KeyDown(m_stepKey);
        return;
      case RunState::WaitingForInput:
        for (const char c : Answer) window.control().Text2_KeyPress(static_cast<unsigned char>(c));
        window.control().Text2_KeyPress(static_cast<int>(KeyAscii::Enter));
        return;
      default:
        break;
    }
  }
}

std::int32_t FuzzSession::openDocumentWindow(const std::string& path, WindowLayout) {
  if (m_windows.size() >= MaxWindows) return 0;
  std::string bytes;
  if (!m_files.readWholeFile(path, bytes)) return 0;
  if (static_cast<std::int64_t>(bytes.size()) > LargestProgramFile) return 0;
  auto canvas = std::make_unique<RecordingCanvas>();
  RecordingCanvas& drawing = *canvas;
  const FuzzWindow& window = addWindow(WithCrLfLineEnds(bytes), drawing, std::move(canvas));
  const std::string heading = "window " + std::to_string(window.windowIndex()) + " draws ";
  drawing.setSink([this, heading](std::string_view call) { m_notes(heading + std::string(call)); });
  return window.windowIndex();
}

void FuzzSession::unloadDocumentWindow(std::int32_t windowIndex) { m_workspace.closeDocument(windowIndex); }

}  // namespace morvane::fuzz
