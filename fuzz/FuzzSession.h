#pragma once
// A workbench without a screen for the fuzz targets: one workspace whose
// programs see a file system in memory, document windows whose editor and
// protocol stay in memory, and a system that answers every wait at once
// (WAIT, BEEP and PAUSE take no time, INPUT gets an answer, a waiting step is
// released) and stops every run after a budget of steps, so that no input
// can hold a target for long, and none can touch the machine's files.
//
// A fault the engine must never show (a window left busy, a run still on
// the stack after it ended) aborts the process, so the fuzzer keeps the
// input as a crash.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/MemoryFileSystem.h"
#include "exec/Host.h"
#include "exec/KeyCode.h"
#include "exec/RunControl.h"
#include "exec/Workspace.h"
#include "graphics/Canvas.h"

namespace morvane::fuzz {

// Where a watched session writes down what its windows do besides the
// protocol, one line at a time.
using SessionNotes = std::function<void(std::string_view line)>;

// A document window: the editor holds its program, the protocol stays in
// the workspace's buffer, and drawing goes to the canvas it was given.
class FuzzWindow final : public DocumentHost {
 public:
  // The window notes every line it highlights (in single step) in `notes`.
  FuzzWindow(std::string program, Canvas& canvas, const SessionNotes& notes,
             std::unique_ptr<Canvas> ownCanvas = nullptr);

  void attach(Workspace& workspace, std::int32_t windowIndex);
  RunControl& control() { return *m_control; }
  std::int32_t windowIndex() const { return m_windowIndex; }
  Document& document() { return m_control->document(); }

  // DocumentHost
  std::string editorText() const override { return m_program; }
  void setEditorText(std::string_view text) override { m_program = text; }
  void setEditorLocked(bool) override {}
  void selectEditorText(Position start, Position length) override;
  std::string editorFontName() const override { return "Courier New"; }
  double editorFontSize() const override { return 10; }
  void setLamp(Lamp) override {}
  void enableProtocol() override {}
  bool protocolVisible() const override { return true; }
  void focusProtocol() override {}
  Canvas& canvas() override { return m_canvas; }

 private:
  std::string m_program;
  const SessionNotes& m_notes;
  std::unique_ptr<Canvas> m_ownCanvas;
  Canvas& m_canvas;
  std::unique_ptr<RunControl> m_control;
  std::int32_t m_windowIndex = 0;
};

class FuzzSession final : public SystemHost {
 public:
  // Yields (one before every statement) a run may take before it is stopped.
  static constexpr int DefaultStepBudget = 1000;
  // Windows a program may open with EXECUTE, EXECUTEGRAFIC and EDIT.
  static constexpr std::size_t MaxWindows = 4;

  // The first window draws on `canvas`. The file system holds a directory
  // /work (the current one) with a text file and an instruction file.
  explicit FuzzSession(Canvas& canvas, int stepBudget = DefaultStepBudget);

  FuzzWindow& window() { return *m_windows.front(); }
  MemoryFileSystem& files() { return m_files; }
  VariableTable& globals() { return m_workspace.globals(); }

  // Runs the programs with the given engine (which outlives the session)
  // instead of the literal one alone.
  void useAccelerator(StatementAccelerator& accelerator) { m_workspace.setAccelerator(&accelerator); }
  // TIMER, TIME and DATE read one moment, so that two sessions' runs compare.
  void fixClock() { m_workspace.fixClock(); }
  // Every window's protocol, now and opened later, reports to `protocol`;
  // the lines every window highlights and the drawing calls on the canvases
  // of windows a program opens go to `notes` (the first window's canvas is
  // the one the session was given).
  void watch(ProtocolView& protocol, SessionNotes notes);

  // Puts the program into the first window's editor and presses the key
  // (F5 or F8), with a fresh budget of steps.
  void run(std::string_view program, KeyCode key);
  // Types the line into the first window's protocol and presses Enter.
  void typeLine(std::string_view line);
  // Presses a key of the protocol (an arrow, Escape, Pause ...).
  void pressKey(KeyCode key);
  // Aborts unless every window is idle with no run on the stack.
  void checkSettled(std::string_view after) const;

  // SystemHost
  void yield() override;
  // A free run yields before every line, so each one counts against the budget.
  YieldClock::Clock::duration yieldInterval() const override { return YieldClock::Clock::duration::zero(); }
  void sleepMilliseconds(std::int32_t) override {}
  bool tone(std::int32_t, std::int32_t) override { return true; }
  std::string inputBox(std::string_view, std::string_view) override { return std::string(Answer); }
  std::int32_t openDocumentWindow(const std::string& path, WindowLayout layout) override;
  void unloadDocumentWindow(std::int32_t windowIndex) override;

 private:
  // What INPUT, LINEINPUT and INPUTBOX are answered.
  static constexpr std::string_view Answer = "7";

  FuzzWindow& addWindow(std::string program, Canvas& canvas, std::unique_ptr<Canvas> ownCanvas);
  void stopEveryRun();

  MemoryFileSystem m_files;
  Workspace m_workspace;
  SessionNotes m_notes = [](std::string_view) {};
  std::vector<std::unique_ptr<FuzzWindow>> m_windows;
  ProtocolView* m_protocolView = nullptr;
  int m_stepBudget;
  int m_stepsLeft;
  KeyCode m_stepKey = KeyCode::F5Run;
};

}  // namespace morvane::fuzz
