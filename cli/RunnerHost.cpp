#include "cli/RunnerHost.h"

#include <chrono>
#include <csignal>
#include <iostream>
#include <thread>

#include "core/Messages.h"
#include "exec/ProgramFile.h"
#include "graphics/RecordingCanvas.h"
#include "platform/Tone.h"

namespace morvane {

namespace {

volatile std::sig_atomic_t interruptRequested = 0;

extern "C" void onInterrupt(int) { interruptRequested = 1; }

}  // namespace

void InstallInterruptHandler() {
  struct sigaction action {};
  action.sa_handler = onInterrupt;
  sigemptyset(&action.sa_mask);
  sigaction(SIGINT, &action, nullptr);
}

RunnerHost::RunnerHost(RunnerOptions options, RunnerOutput& output) : m_options(options), m_output(output) {}

RunnerDocument& RunnerHost::openWindow(std::string program, Canvas& canvas) {
  return addWindow(std::move(program), canvas, nullptr);
}

RunnerDocument& RunnerHost::addWindow(std::string program, Canvas& canvas, std::unique_ptr<Canvas> ownCanvas) {
  auto window = std::make_unique<RunnerDocument>(m_output, canvas, std::move(ownCanvas));
  window->setProgram(std::move(program));
  window->attach(*m_workspace, m_workspace->openDocument(*window));
  m_windows.push_back(std::move(window));
  return *m_windows.back();
}

void RunnerHost::yield() {
  // Ctrl-C stops every run on the stack.
  if (interruptRequested) {
    interruptRequested = 0;
    for (std::size_t i = 0; i < m_windows.size(); ++i) {
      RunnerDocument& window = *m_windows[i];
      if (!window.document().free) window.control().Text2_KeyDown(KeyCode::CtrlBreak);
    }
    return;
  }
  // Windows are answered by index: a key may open another window.
  for (std::size_t i = 0; i < m_windows.size(); ++i) {
    RunnerDocument* window = m_windows[i].get();
    if (window->document().free) continue;
    switch (window->document().runState) {
      case RunState::WaitingForStep:
        // Nobody watches the highlight: a waiting step is confirmed at once,
        // with Go under --step and Run otherwise (after a PAUSE).
        window->control().Text2_KeyDown(m_options.singleStep ? KeyCode::F8Go : KeyCode::F5Run);
        return;
      case RunState::WaitingForInput:
        answerInput(*window);
        return;
      default:
        break;
    }
  }
}

// Types one line of standard input into the protocol and presses Enter; the
// end of input acts as Ctrl-Break.
void RunnerHost::answerInput(RunnerDocument& window) {
  std::string line;
  m_output.flush();
  if (!std::getline(std::cin, line)) {
    window.control().Text2_KeyDown(KeyCode::CtrlBreak);
    return;
  }
  if (!line.empty() && line.back() == '\r') line.pop_back();
  window.setSilent(m_options.stdinIsTerminal);
  for (char c : line) window.control().Text2_KeyPress(static_cast<unsigned char>(c));
  window.setSilent(false);
  window.control().Text2_KeyPress(static_cast<int>(KeyAscii::Enter));
}

void RunnerHost::sleepMilliseconds(std::int32_t milliseconds) {
  if (milliseconds > 0) std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

bool RunnerHost::tone(std::int32_t frequency, std::int32_t milliseconds) {
  return PlayTone(frequency, milliseconds);
}

std::string RunnerHost::inputBox(std::string_view prompt, std::string_view) {
  m_output.flush();
  std::FILE* out = m_output.stream();
  std::fwrite(prompt.data(), 1, prompt.size(), out);
  std::fputc('\n', out);
  std::fflush(out);
  std::string answer;
  if (!std::getline(std::cin, answer)) return {};
  if (!answer.empty() && answer.back() == '\r') answer.pop_back();
  if (!m_options.stdinIsTerminal) {
    std::fwrite(answer.data(), 1, answer.size(), out);
    std::fputc('\n', out);
  }
  return answer;
}

std::int32_t RunnerHost::openDocumentWindow(const std::string& path, WindowLayout layout) {
  if (m_workspace == nullptr) return 0;
  std::string program;
  if (LoadProgramFile(path, program) != ProgramFileStatus::Loaded) return 0;
  auto canvas = std::make_unique<RecordingCanvas>();
  canvas->setSink([](std::string_view) {});
  Canvas& drawing = *canvas;
  RunnerDocument& window = addWindow(std::move(program), drawing, std::move(canvas));
  // The window's run starts with its "Run" echo, as the program's own does.
  if (layout != WindowLayout::EditorOnly) window.skipOutput(msg::RunEcho.size() + 2);
  return window.windowIndex();
}

void RunnerHost::unloadDocumentWindow(std::int32_t windowIndex) {
  if (m_workspace != nullptr) m_workspace->closeDocument(windowIndex);
}

}  // namespace morvane
