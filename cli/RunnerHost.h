#pragma once
// The headless runner's side of a document window: the editor holds the
// program file, the protocol streams to standard output, and the waits of a
// run (single step, INPUT) are answered from the runner's options and
// standard input.

#include <cstdint>
#include <cstdio>
#include <string>

#include "exec/Host.h"
#include "exec/ProtocolBuffer.h"
#include "exec/RunControl.h"
#include "exec/Workspace.h"
#include "graphics/Canvas.h"

namespace morvane {

struct RunnerOptions {
  bool singleStep = false;        // --step: every step confirmed at once
  bool stdinIsTerminal = false;   // a terminal echoes typed answers itself
};

class RunnerHost final : public DocumentHost, public SystemHost, public ProtocolView {
 public:
  // The window's canvas is `canvas` (the runner's picture, or a recording
  // canvas when no picture is wanted).
  RunnerHost(RunnerOptions options, std::FILE* out, Canvas& canvas);

  // Connects the runner to its window once the workspace has opened it.
  void attach(RunControl& control);
  void setProgram(std::string text) { m_program = std::move(text); }
  // The first `count` characters that reach the protocol are not written
  // (the "Run" or "Go" echo and its line end).
  void skipOutput(std::size_t count) { m_skip = count; }
  void flush();
  // Writes a line of the canvas log to the output, in order with the
  // protocol's text: at once between protocol lines, else after the
  // protocol line that is being written.
  void writeLogLine(std::string_view line);

  // DocumentHost
  std::string editorText() const override { return m_program; }
  void setEditorLocked(bool) override {}
  void selectEditorText(Position, Position) override {}
  std::string editorFontName() const override { return "Courier New"; }
  double editorFontSize() const override { return 10; }
  void setLamp(Lamp) override {}
  void enableProtocol() override {}
  bool protocolVisible() const override { return true; }
  void focusProtocol() override {}
  Canvas& canvas() override { return m_canvas; }

  // SystemHost
  void yield() override;
  void sleepMilliseconds(std::int32_t milliseconds) override;
  bool tone(std::int32_t frequency, std::int32_t milliseconds) override;
  // The runner writes a stream that nobody watches grow: PRINT does not pause.
  void pauseAfterPrintItem() override {}
  // The prompt goes to standard output, the answer is the next line of
  // standard input.
  std::string inputBox(std::string_view prompt, std::string_view caption) override;

  // ProtocolView
  void protocolChanged(const ProtocolBuffer& protocol, ProtocolEdit edit,
                       std::string_view text) override;

 private:
  void answerInput();
  void writeWaitingLogLines();
  void write(std::string_view text);

  RunnerOptions m_options;
  std::FILE* m_out;
  RunControl* m_control = nullptr;
  std::string m_program;
  Canvas& m_canvas;
  std::size_t m_skip = 0;
  bool m_pendingCR = false;  // a CR whose LF may arrive with the next text
  bool m_silent = false;     // answers typed at a terminal are already on screen
  bool m_atLineStart = true;     // the output's last character ended a line
  std::string m_waitingLogLines;  // canvas log lines held until the line ends
};

// Set by SIGINT; the next yield turns it into Ctrl-Break.
void InstallInterruptHandler();

}  // namespace morvane
