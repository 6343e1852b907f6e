#include "cli/RunnerOutput.h"

namespace morvane {

void RunnerOutput::write(std::string_view text) {
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

void RunnerOutput::writeLogLine(std::string_view line) {
  m_waitingLogLines.append(line).push_back('\n');
  if (m_atLineStart && !m_pendingCR) writeWaitingLogLines();
}

void RunnerOutput::writeWaitingLogLines() {
  std::fwrite(m_waitingLogLines.data(), 1, m_waitingLogLines.size(), m_out);
  m_waitingLogLines.clear();
}

void RunnerOutput::flush() {
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
