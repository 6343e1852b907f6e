#pragma once
// frmFind, the modeless find and replace dialog. It works on the editor of
// the active document window through the application's one TextSearch; with
// no document window open its actions do nothing.

#include <functional>

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace morvane {

class ProgramEditor;
class TextSearch;
enum class SearchDirection : int;

class FindDialog final : public QDialog {
  Q_OBJECT

 public:
  using EditorLookup = std::function<ProgramEditor*()>;

  struct Appearance {
    QString fontName;
    int fontSize = 12;
  };

  FindDialog(TextSearch& search, EditorLookup activeEditor, const Appearance& appearance, QWidget* parent = nullptr);

  // Find/Replace of the menu: the fields take the editor's selection (or the
  // search text) and the replace text, and the next search starts behind the
  // selection.
  void prepare();

  // The dialog's actions, also reached through F3 and Ctrl+F3 in its fields.
  void find();
  void replace();
  void oops();
  void cancel();

  QString message() const;
  // The message line after a search of the menu.
  void showMessage(const QString& message);

 Q_SIGNALS:
  // The dialog is being unloaded at this position.
  void closedAt(QPoint position);

 protected:
  void done(int result) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void keepMessagesAndButtonsInPlace();
  void countOccurrences();
  void showDirection(SearchDirection direction);
  void replaceCaptionIfSelected();
  void setReplaceCaption(const char* caption);

  TextSearch& m_search;
  EditorLookup m_activeEditor;
  QLineEdit* m_searchField;
  QLineEdit* m_replaceField;
  QLineEdit* m_messageLine;
  QRadioButton* m_directions[3];
  QCheckBox* m_case;
  QPushButton* m_find;
  QPushButton* m_replace;
  QPushButton* m_oops;
  QPushButton* m_cancel;
};

}  // namespace morvane
