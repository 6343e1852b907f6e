#include "cli/RunnerHost.h"

#include <csignal>
#include <chrono>
#include <iostream>
#include <thread>

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

RunnerHost::RunnerHost(RunnerOptions options, std::FILE* out, Canvas& canvas)
    : m_options(options), m_out(out), m_canvas(canvas) {}

void RunnerHost::attach(RunControl& control) {
  m_control = &control;
  control.document().protocol.setView(this);
}

void RunnerHost::yield() {
  if (m_control == nullptr) return;
  Document& d = m_control->document();
  if (interruptRequested) {
    interruptRequested = 0;
    m_control->Text2_KeyDown(KeyCode::CtrlBreak);
    return;
  }
  switch (d.runState) {
    case RunState::WaitingForStep:
      // Nobody watches the highlight: a waiting step is confirmed at once,
      // with Go under --step and Run otherwise (after a PAUSE).
      m_control->Text2_KeyDown(m_options.singleStep ? KeyCode::F8Go : KeyCode::F5Run);
      break;
    case RunState::WaitingForInput:
      answerInput();
      break;
    default:
      break;
  }
}

// Types one line of standard input into the protocol and presses Enter; the
// end of input acts as Ctrl-Break.
void RunnerHost::answerInput() {
  std::string line;
  std::fflush(m_out);
  if (!std::getline(std::cin, line)) {
    m_control->Text2_KeyDown(KeyCode::CtrlBreak);
    return;
  }
  if (!line.empty() && line.back() == '\r') line.pop_back();
  m_silent = m_options.stdinIsTerminal;
  for (char c : line) m_control->Text2_KeyPress(static_cast<unsigned char>(c));
  m_silent = false;
  m_control->Text2_KeyPress(static_cast<int>(KeyAscii::Enter));
}

void RunnerHost::sleepMilliseconds(std::int32_t milliseconds) {
  if (milliseconds > 0) std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

bool RunnerHost::tone(std::int32_t frequency, std::int32_t milliseconds) {
  return PlayTone(frequency, milliseconds);
}

std::string RunnerHost::inputBox(std::string_view prompt, std::string_view) {
  flush();
  std::fwrite(prompt.data(), 1, prompt.size(), m_out);
  std::fputc('\n', m_out);
  std::fflush(m_out);
  std::string answer;
  if (!std::getline(std::cin, answer)) return {};
  if (!answer.empty() && answer.back() == '\r') answer.pop_back();
  if (!m_options.stdinIsTerminal) {
    std::fwrite(answer.data(), 1, answer.size(), m_out);
    std::fputc('\n', m_out);
  }
  return answer;
}

void RunnerHost::protocolChanged(const ProtocolBuffer&, ProtocolEdit edit, std::string_view text) {
  if (edit != ProtocolEdit::Inserted || m_silent) return;
  if (m_skip > 0) {
    const std::size_t skipped = std::min(m_skip, text.size());
    m_skip -= skipped;
    text.remove_prefix(skipped);
  }
  write(text);
}

// Writes protocol text with each CR LF as a single line feed.
void RunnerHost::write(std::string_view text) {
  for (char c : text) {
    if (m_pendingCR) {
      m_pendingCR = false;
      if (c != '\n') std::fputc('\r', m_out);
    }
    if (c == '\r') {
      m_pendingCR = true;
      continue;
    }
    std::fputc(c, m_out);
    m_atLineStart = c == '\n';
    if (m_atLineStart && !m_waitingLogLines.empty()) writeWaitingLogLines();
  }
}

void RunnerHost::writeLogLine(std::string_view line) {
  m_waitingLogLines.append(line).push_back('\n');
  if (m_atLineStart && !m_pendingCR) writeWaitingLogLines();
}

void RunnerHost::writeWaitingLogLines() {
  std::fwrite(m_waitingLogLines.data(), 1, m_waitingLogLines.size(), m_out);
  m_waitingLogLines.clear();
}

void RunnerHost::flush() {
  if (m_pendingCR) std::fputc('\r', m_out);
  m_pendingCR = false;
  if (!m_waitingLogLines.empty()) {
    if (!m_atLineStart) std::fputc('\n', m_out);
    m_atLineStart = true;
    writeWaitingLogLines();
  }
  std::fflush(m_out);
}

}  // namespace morvane
