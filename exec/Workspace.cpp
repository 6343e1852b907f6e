#include "exec/Workspace.h"

#include "exec/ExecuteStatement.h"

namespace morvane {

std::int32_t Workspace::openDocument(DocumentHost& host) {
  std::int32_t index = 0;
  for (std::int32_t i = 1; i <= documentSlots(); ++i) {
    const Document& d = m_documents[static_cast<std::size_t>(i - 1)];
    if (d.free && d.activeRuns == 0) {
      index = i;
      break;
    }
  }
  if (index == 0) {
    m_documents.emplace_back();
    index = documentSlots();
  }
  Document& d = m_documents[static_cast<std::size_t>(index - 1)];
  // A fresh window: everything as at its creation, the protocol's view kept
  // by the host, which sets it after opening.
  d.free = false;
  d.changed = false;
  d.runState = RunState::Idle;
  d.protocol = ProtocolBuffer{};
  d.commandHistory.clear();
  d.historyPosition = 0;
  d.inputLine.clear();
  d.message.clear();
  d.resultValue = Value{};
  d.localTable.clear();
  d.argValues.assign(TopLevelArgumentSlots, Value{});
  d.argCount = 0;
  d.canvasSettings = CanvasSettings{};
  d.canvasSettings.font.name = host.editorFontName();
  d.canvasSettings.font.size = host.editorFontSize();
  d.host = &host;
  // A window that is loaded starts with fresh pens and coordinates.
  m_drawing.reset();
  return index;
}

void Workspace::closeDocument(std::int32_t index) {
  if (!isOpen(index)) return;
  Document& d = document(index);
  d.free = true;
  d.protocol.setView(nullptr);
  if (d.activeRuns == 0) d.host = nullptr;
}

bool Workspace::isOpen(std::int32_t index) const {
  return index >= 1 && index <= documentSlots() && !m_documents[static_cast<std::size_t>(index - 1)].free;
}

Document& Workspace::document(std::int32_t index) {
  if (index < 1 || index > documentSlots()) {
    // A level that names no window writes nowhere: it gets a closed slot of
    // its own, so the executor ends it at its first check.
    m_nowhere = Document{};
    return m_nowhere;
  }
  return m_documents[static_cast<std::size_t>(index - 1)];
}

RunState Workspace::runState(std::int32_t windowIndex) { return document(windowIndex).runState; }

void Workspace::executeStatement(InterpreterState& level) { ExecuteStatement(level, *this); }

bool Workspace::readWholeFile(std::string_view path, std::string& content) {
  if (!m_files.openForReading(SystemFile::FileFunction, std::string(path))) return false;
  const bool read = m_files.readAll(SystemFile::FileFunction, content);
  m_files.close(SystemFile::FileFunction);
  return read;
}

// The fixed moment: half past noon and a half second, on the second of January 2026.
double Workspace::secondsSinceMidnight() {
  return m_clockFixed ? 45000.5 : EngineServices::secondsSinceMidnight();
}

std::string Workspace::timeOfDayText() { return m_clockFixed ? "12:30:00" : EngineServices::timeOfDayText(); }

std::string Workspace::dateText() { return m_clockFixed ? "01/02/26" : EngineServices::dateText(); }

void Workspace::displaytext(std::int32_t windowIndex, std::string_view text) {
  if (isOpen(windowIndex)) document(windowIndex).protocol.displaytext(text);
}

}  // namespace morvane
