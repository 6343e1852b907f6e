#pragma once
// The program editor as the target of find and replace.

#include "workbench/ProgramEditor.h"
#include "workbench/TextSearch.h"

namespace morvane {

class EditorSearchTarget final : public SearchTarget {
 public:
  explicit EditorSearchTarget(ProgramEditor& editor) : m_editor(editor) {}

  QString text() const override { return m_editor.programText(); }
  qint64 selectionStart() const override { return m_editor.selectionStart(); }
  qint64 selectionLength() const override { return m_editor.selectionLength(); }
  void select(qint64 start, qint64 length) override {
    m_editor.select(static_cast<qsizetype>(start), static_cast<qsizetype>(length));
    m_editor.ensureCursorVisible();
  }
  void replaceSelection(const QString& replacement) override {
    if (m_editor.isReadOnly()) return;
    QTextCursor cursor = m_editor.textCursor();
    cursor.insertText(replacement);
    m_editor.setTextCursor(cursor);
  }
  void setText(const QString& text) override {
    if (!m_editor.isReadOnly()) m_editor.setProgramText(text);
  }

 private:
  ProgramEditor& m_editor;
};

}  // namespace morvane
