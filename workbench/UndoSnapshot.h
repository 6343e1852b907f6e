#pragma once
// The editor's one-level Undo that toggles. The snapshot is taken when the
// user clicks into the editor or leaves it, not while typing; Undo swaps the
// editor's text and selection with the snapshot, so a second Undo restores
// what the first one replaced.

#include <QString>

namespace morvane {

struct EditorState {
  QString text;
  qsizetype selectionStart = 0;
  qsizetype selectionLength = 0;
  bool operator==(const EditorState&) const = default;
};

class UndoSnapshot {
 public:
  // Why the next change of the text must not refresh the snapshot.
  enum class Marker { None, KeyOrUndo, Click };

  // A key is typed into the editor: the change it makes leaves the snapshot.
  void keyTyped() { m_marker = Marker::KeyOrUndo; }
  // The text changed. Unless a key, a click or Undo caused it, the
  // snapshot's selection follows the editor's.
  void textChanged(qsizetype selectionStart, qsizetype selectionLength);
  // A click into the editor: the snapshot takes text and selection.
  void clicked(const EditorState& current);
  // The editor lost the focus: the snapshot takes text and selection start.
  void focusLost(const QString& text, qsizetype selectionStart);
  // Undo: returns the state the editor must show and keeps `current`.
  EditorState undo(const EditorState& current);

  const EditorState& snapshot() const { return m_snapshot; }
  Marker marker() const { return m_marker; }

 private:
  EditorState m_snapshot;
  Marker m_marker = Marker::None;
};

}  // namespace morvane
