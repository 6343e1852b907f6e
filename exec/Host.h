#pragma once
// The platform services the execution driver uses, as small interfaces. The
// workbench implements them with Qt widgets and its event loop; the headless
// runner with standard input and output. The interpreter never sees either.

#include <chrono>
#include <cstdint>
#include <string>
#include <string_view>

#include "exec/YieldClock.h"
#include "prepare/ProgramChars.h"

namespace morvane {

class Canvas;

enum class Lamp { Green, Yellow, Red };

// How a document window opened by a program divides itself (EXECUTE,
// EXECUTEGRAFIC, EDIT); the numbers are the window's layout modes.
enum class WindowLayout : int {
  Usual = 0,       // editor, protocol and canvas as usual
  EditorOnly = 1,  // only the editor shows
  CanvasOnly = 3,  // only the canvas shows
};

// Services of one document window: its editor, its run lamp, its protocol
// box (the protocol's text itself goes through ProtocolView) and its canvas.
class DocumentHost {
 public:
  virtual ~DocumentHost() = default;

  // The editor's text with CR LF line ends (one line end counts two positions).
  virtual std::string editorText() const = 0;
  virtual void setEditorLocked(bool locked) = 0;
  // Selects `length` characters from the 0-based offset `start` of
  // editorText() and refreshes the status read-outs as a click would.
  virtual void selectEditorText(Position start, Position length) = 0;
  // The name and size of the editor's font (the canvas font starts from it).
  virtual std::string editorFontName() const = 0;
  virtual double editorFontSize() const = 0;

  virtual void setLamp(Lamp lamp) = 0;

  virtual void enableProtocol() = 0;
  virtual bool protocolVisible() const = 0;
  virtual void focusProtocol() = 0;

  virtual Canvas& canvas() = 0;

  // Replaces the editor's whole text (RUN shows its instruction file there
  // and gives the program back afterwards). The text uses CR LF line ends.
  virtual void setEditorText(std::string_view text) { (void)text; }
};

// Services of the system, shared by every window.
class SystemHost {
 public:
  virtual ~SystemHost() = default;
  // Lets the window system process pending events (keys and menu commands of
  // any window); they run nested inside the executor.
  virtual void yield() = 0;
  // How long a free run goes between yields (exec/YieldClock.h). A test
  // host answers zero, so that a free run yields before every line.
  virtual YieldClock::Clock::duration yieldInterval() const { return YieldClock::DefaultInterval; }
  virtual void sleepMilliseconds(std::int32_t milliseconds) = 0;
  // Sounds a tone; false when the system has no way to play it.
  [[nodiscard]] virtual bool tone(std::int32_t frequency, std::int32_t milliseconds) = 0;
  // Asks the user for a line of text (INPUTBOX) and waits for the answer;
  // "" when nothing was typed or the question was cancelled.
  virtual std::string inputBox(std::string_view prompt, std::string_view caption) {
    (void)prompt;
    (void)caption;
    return {};
  }

  // Opens the program file in a new document window with the given layout
  // and makes it the active one; answers its slot, or 0 when it could not be
  // opened. A host without windows opens nothing.
  virtual std::int32_t openDocumentWindow(const std::string& path, WindowLayout layout) {
    (void)path;
    (void)layout;
    return 0;
  }
  // Closes the window in the slot without asking about unsaved changes. The
  // window goes once no run of it is left on the stack.
  virtual void unloadDocumentWindow(std::int32_t windowIndex) { (void)windowIndex; }
};

}  // namespace morvane
