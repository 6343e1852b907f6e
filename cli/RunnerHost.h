#pragma once
// The headless runner's system: its windows (the program's own and those
// that EXECUTE, EXECUTEGRAFIC and EDIT open), standard output, and the waits
// of a run (single step, INPUT), answered from the runner's options and
// standard input.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "cli/RunnerDocument.h"
#include "cli/RunnerOutput.h"
#include "exec/Host.h"
#include "exec/Workspace.h"

namespace morvane {

struct RunnerOptions {
  bool singleStep = false;       // --step: every step confirmed at once
  bool stdinIsTerminal = false;  // a terminal echoes typed answers itself
};

class RunnerHost final : public SystemHost {
 public:
  RunnerHost(RunnerOptions options, RunnerOutput& output);

  // The workspace whose windows this system hosts.
  void setWorkspace(Workspace& workspace) { m_workspace = &workspace; }
  // Opens a window drawing on `canvas` with the program text in its editor.
  RunnerDocument& openWindow(std::string program, Canvas& canvas);

  // SystemHost
  void yield() override;
  void sleepMilliseconds(std::int32_t milliseconds) override;
  bool tone(std::int32_t frequency, std::int32_t milliseconds) override;
  // The prompt goes to standard output, the answer is the next line of
  // standard input.
  std::string inputBox(std::string_view prompt, std::string_view caption) override;
  // A window without a screen: its program's output joins the runner's, its
  // drawing is not kept. EDIT opens the file and leaves it idle.
  std::int32_t openDocumentWindow(const std::string& path, WindowLayout layout) override;
  // TERMINATE: the window closes; a run in it ends silently.
  void unloadDocumentWindow(std::int32_t windowIndex) override;

 private:
  RunnerDocument& addWindow(std::string program, Canvas& canvas, std::unique_ptr<Canvas> ownCanvas);
  void answerInput(RunnerDocument& window);

  RunnerOptions m_options;
  RunnerOutput& m_output;
  Workspace* m_workspace = nullptr;
  std::vector<std::unique_ptr<RunnerDocument>> m_windows;
};

// Set by SIGINT; the next yield turns it into Ctrl-Break.
void InstallInterruptHandler();

}  // namespace morvane
