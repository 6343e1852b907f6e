#pragma once
// Hosts for driving a document window in tests: they record what the
// interpreter asked of the window and let a test act at each yield.

#include <functional>
#include <string>
#include <vector>

#include "exec/Host.h"
#include "graphics/RecordingCanvas.h"

namespace morvane::testing {

// A recording canvas that also counts how often it was cleared.
class CountingCanvas {
 public:
  int clears() const {
    int n = 0;
    for (const std::string& call : recorder.calls()) n += call == "clear" ? 1 : 0;
    return n;
  }
  RecordingCanvas recorder;
};

class FakeDocumentHost final : public DocumentHost {
 public:
  std::string editorText() const override { return program; }
  void setEditorText(std::string_view text) override {
    program = text;
    ++editorReplaced;
  }
  void setEditorLocked(bool locked) override { lockedDuringRun |= locked; editorLocked = locked; }
  void selectEditorText(Position start, Position length) override { selections.push_back({start, length}); }
  std::string editorFontName() const override { return "Courier New"; }
  double editorFontSize() const override { return 10; }
  void setLamp(Lamp l) override { lamp = l; }
  void enableProtocol() override {}
  bool protocolVisible() const override { return true; }
  void focusProtocol() override { ++focused; }
  Canvas& canvas() override { return drawing.recorder; }

  struct Selection {
    Position start;
    Position length;
  };
  std::string program;
  int editorReplaced = 0;
  bool editorLocked = false;
  bool lockedDuringRun = false;
  std::vector<Selection> selections;
  Lamp lamp = Lamp::Green;
  int focused = 0;
  CountingCanvas drawing;
};

class FakeSystem final : public SystemHost {
 public:
  void yield() override {
    ++yields;
    if (onYield) onYield();
  }
  // A free run yields before every line, so what a test does at a yield
  // never depends on the clock.
  YieldClock::Clock::duration yieldInterval() const override { return YieldClock::Clock::duration::zero(); }
  void sleepMilliseconds(std::int32_t ms) override { sleeps.push_back(ms); }
  bool tone(std::int32_t frequency, std::int32_t ms) override {
    tones.push_back({frequency, ms});
    return soundAvailable;
  }

  std::int32_t openDocumentWindow(const std::string& path, WindowLayout layout) override {
    return onOpenWindow ? onOpenWindow(path, layout) : 0;
  }
  void unloadDocumentWindow(std::int32_t windowIndex) override {
    if (onUnload) onUnload(windowIndex);
  }

  std::function<void()> onYield;
  std::function<std::int32_t(const std::string&, WindowLayout)> onOpenWindow;
  std::function<void(std::int32_t)> onUnload;
  int yields = 0;
  std::vector<std::int32_t> sleeps;
  std::vector<std::pair<std::int32_t, std::int32_t>> tones;
  bool soundAvailable = true;
};

}  // namespace morvane::testing
