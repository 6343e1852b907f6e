#pragma once
// The state shared by the whole application: the global variables, the pens
// and user coordinate system, the document table, and the system services.
// One object, owned by the application (the workbench or the runner) and
// handed to every document by reference.

#include <cstdint>
#include <deque>
#include <string_view>

#include "core/EngineServices.h"
#include "core/VariableTable.h"
#include "exec/Document.h"
#include "exec/FileTable.h"
#include "exec/Host.h"
#include "exec/StatementAccelerator.h"
#include "exec/YieldClock.h"
#include "graphics/DrawingState.h"

namespace morvane {

class Workspace final : public EngineServices {
 public:
  // Programs reach the files of the disk.
  explicit Workspace(SystemHost& system)
      : m_system(system), m_yieldClock(system.yieldInterval()), m_files(fileSystem()) {}
  // Programs reach the files of the given file system, which outlives the
  // workspace.
  Workspace(SystemHost& system, FileSystem& fileSystem)
      : EngineServices(fileSystem), m_system(system), m_yieldClock(system.yieldInterval()), m_files(fileSystem) {}

  SystemHost& system() { return m_system; }
  // The faster engine the executor hands its lines to, or none: then every
  // line runs through the literal sections alone.
  StatementAccelerator* accelerator() { return m_accelerator; }
  void setAccelerator(StatementAccelerator* accelerator) { m_accelerator = accelerator; }
  // Lets the window system in (keys, menus, repaints); the free run's next
  // yield is due one interval later. Every level of every window shares
  // the one clock, as they share the one stack.
  void yieldToSystem() {
    m_system.yield();
    m_yieldClock.restart();
  }
  YieldClock& yieldClock() { return m_yieldClock; }
  VariableTable& globals() { return m_globals; }
  SharedDrawingState& drawing() { return m_drawing; }
  // The open text files of every window and run; they are closed, and what
  // was written to them flushed, when the workspace ends with the application.
  FileTable& files() { return m_files; }

  // Opens a document in a free slot (reusing one only when no run of its
  // former window is still on the stack) and returns its 1-based index.
  std::int32_t openDocument(DocumentHost& host);
  // Marks the slot free; a run of it still on the stack ends at its next check.
  void closeDocument(std::int32_t index);
  Document& document(std::int32_t index);
  bool isOpen(std::int32_t index) const;
  std::int32_t documentSlots() const { return static_cast<std::int32_t>(m_documents.size()); }

  // EngineServices
  VariableTable& globalTable() override { return m_globals; }
  RunState runState(std::int32_t windowIndex) override;
  void executeStatement(InterpreterState& level) override;
  void displaytext(std::int32_t windowIndex, std::string_view text) override;
  std::string inputBox(std::string_view prompt, std::string_view caption) override {
    return m_system.inputBox(prompt, caption);
  }
  // A clock that always reads the same moment, so that two runs of a
  // program that asks for TIMER, TIME or DATE can be compared.
  void fixClock() { m_clockFixed = true; }
  double secondsSinceMidnight() override;
  std::string timeOfDayText() override;
  std::string dateText() override;
  // FILE reads through the number the system keeps for it, closed again on
  // every path.
  bool readWholeFile(std::string_view path, std::string& content) override;

 private:
  SystemHost& m_system;
  StatementAccelerator* m_accelerator = nullptr;
  bool m_clockFixed = false;
  YieldClock m_yieldClock;
  VariableTable m_globals;
  SharedDrawingState m_drawing;
  FileTable m_files;
  // A deque keeps every Document at its address while slots are added.
  std::deque<Document> m_documents;
  Document m_nowhere;  // the answer for an index that names no slot
};

}  // namespace morvane
