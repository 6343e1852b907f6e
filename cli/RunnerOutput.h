#pragma once
// The runner's standard output: the protocol text of its windows, each CR LF
// written as a single line feed, with the lines of the canvas log put
// between protocol lines.

#include <cstdio>
#include <string>
#include <string_view>

namespace morvane {

class RunnerOutput {
 public:
  explicit RunnerOutput(std::FILE* out) : m_out(out) {}

  void write(std::string_view text);
  // Writes a line of the canvas log in order with the protocol's text: at
  // once between protocol lines, else after the line that is being written.
  void writeLogLine(std::string_view line);
  // Writes out what is held back and hands everything to the system.
  void flush();
  std::FILE* stream() { return m_out; }

 private:
  void writeWaitingLogLines();

  std::FILE* m_out;
  bool m_pendingCR = false;       // a CR whose LF may arrive with the next text
  bool m_atLineStart = true;      // the output's last character ended a line
  std::string m_waitingLogLines;  // canvas log lines held until the line ends
};

}  // namespace morvane
