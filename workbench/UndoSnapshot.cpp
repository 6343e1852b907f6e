#include "workbench/UndoSnapshot.h"

#include <utility>

namespace morvane {

void UndoSnapshot::textChanged(qsizetype selectionStart, qsizetype selectionLength) {
  if (m_marker == Marker::None) {
    m_snapshot.selectionStart = selectionStart;
    m_snapshot.selectionLength = selectionLength;
  }
  m_marker = Marker::None;
}

void UndoSnapshot::clicked(const EditorState& current) {
  m_snapshot = current;
  m_marker = Marker::Click;
}

void UndoSnapshot::focusLost(const QString& text, qsizetype selectionStart) {
  m_snapshot.text = text;
  m_snapshot.selectionStart = selectionStart;
}

EditorState UndoSnapshot::undo(const EditorState& current) {
  m_marker = Marker::KeyOrUndo;
  return std::exchange(m_snapshot, current);
}

}  // namespace morvane
