#pragma once
// A document window of the headless runner: its editor holds a program
// file, its protocol streams to the runner's output, and it has no screen.

#include <cstddef>
#include <memory>
#include <string>

#include "cli/RunnerOutput.h"
#include "exec/Host.h"
#include "exec/ProtocolBuffer.h"
#include "exec/RunControl.h"
#include "graphics/Canvas.h"

namespace morvane {

class RunnerDocument final : public DocumentHost, public ProtocolView {
 public:
  // The window draws on `canvas`; a window may own a canvas of its own.
  RunnerDocument(RunnerOutput& output, Canvas& canvas, std::unique_ptr<Canvas> ownCanvas = nullptr);

  // Connects the window to its slot once the workspace has opened it.
  void attach(Workspace& workspace, std::int32_t windowIndex);
  RunControl& control() { return *m_control; }
  std::int32_t windowIndex() const { return m_windowIndex; }
  Document& document() { return m_control->document(); }

  void setProgram(std::string text) { m_program = std::move(text); }
  // The first `count` characters that reach the protocol are not written
  // (the "Run" or "Go" echo and its line end).
  void skipOutput(std::size_t count) { m_skip = count; }
  // While set, what reaches the protocol is not written (answers typed at a
  // terminal are on the screen already).
  void setSilent(bool silent) { m_silent = silent; }

  // DocumentHost
  std::string editorText() const override { return m_program; }
  void setEditorText(std::string_view text) override { m_program = text; }
  void setEditorLocked(bool) override {}
  void selectEditorText(Position, Position) override {}
  std::string editorFontName() const override { return "Courier New"; }
  double editorFontSize() const override { return 10; }
  void setLamp(Lamp) override {}
  void enableProtocol() override {}
  bool protocolVisible() const override { return true; }
  void focusProtocol() override {}
  Canvas& canvas() override { return m_canvas; }

  // ProtocolView
  void protocolChanged(const ProtocolBuffer& protocol, ProtocolEdit edit,
                       std::string_view text) override;

 private:
  RunnerOutput& m_output;
  std::unique_ptr<Canvas> m_ownCanvas;
  Canvas& m_canvas;
  std::unique_ptr<RunControl> m_control;
  std::int32_t m_windowIndex = 0;
  std::string m_program;
  std::size_t m_skip = 0;
  bool m_silent = false;
};

}  // namespace morvane
