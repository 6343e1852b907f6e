#pragma once
// What the language core needs from the layers above it: the shared variable
// table, the run state of a window, the statement executor (a user procedure
// runs as a nested level), and the platform services the built-in functions
// use. The execution driver implements it; unit tests use small fakes.

#include <cstdint>
#include <string>
#include <string_view>

#include "core/DiskFileSystem.h"
#include "core/ExpressionWorkspace.h"
#include "core/RunState.h"
#include "core/VariableTable.h"

namespace morvane {

struct InterpreterState;

class EngineServices {
 public:
  // Files are those of the disk.
  EngineServices() : m_fileSystem(m_disk) {}
  // Files are those of the given file system, which outlives the services.
  explicit EngineServices(FileSystem& fileSystem) : m_fileSystem(fileSystem) {}
  virtual ~EngineServices() = default;
  EngineServices(const EngineServices&) = delete;
  EngineServices& operator=(const EngineServices&) = delete;

  // The global variables, shared by every window.
  virtual VariableTable& globalTable() = 0;

  // The run state of the window in the given slot.
  virtual RunState runState(std::int32_t windowIndex) = 0;

  // Runs logical lines from level.currentLine on as a nested level
  // (ExecuteStatement); the outcome is level.message.
  virtual void executeStatement(InterpreterState& level) = 0;

  // Writes text to the protocol of the window in the given slot.
  virtual void displaytext(std::int32_t windowIndex, std::string_view text) = 0;

  // ---- Platform services of the built-in functions --------------------------
  // Each has a working default built on the standard library; a host
  // overrides what it does its own way (the workbench shows a dialog for
  // INPUTBOX, the runner reads stdin).

  // Seconds since local midnight, with fraction (TIMER).
  virtual double secondsSinceMidnight();
  // The time of day and the date as the user's locale writes them (TIME, DATE).
  virtual std::string timeOfDayText();
  virtual std::string dateText();
  // Shows the input box with this prompt and caption, waits until it is
  // closed and answers the text it then holds ("" when nothing was typed or
  // the box was cancelled) (INPUTBOX). The default has no one to ask.
  virtual std::string inputBox(std::string_view prompt, std::string_view caption);
  // Reads the whole file at path (relative to the current directory), its
  // bytes unchanged, into content; false when it cannot be opened or read.
  // The file is closed again on every path (FILE).
  virtual bool readWholeFile(std::string_view path, std::string& content);

  // Every file and directory the programs see.
  FileSystem& fileSystem() { return m_fileSystem; }

  // ---- The evaluator's own state --------------------------------------------
  // Its reusable token lists and its count of nested procedure calls. They
  // live here because all evaluations of one engine nest on one stack.
  ExpressionWorkspaces& expressionWorkspaces() { return m_expressionWorkspaces; }

 private:
  DiskFileSystem m_disk;
  FileSystem& m_fileSystem;
  ExpressionWorkspaces m_expressionWorkspaces;
};

}  // namespace morvane
