#pragma once
// The language reference inside the workbench: the table of contents (each
// page with its headings) and the index of statements and functions beside
// the page view, with Back, Forward and the start page above it. The main
// frame shows it in a dock; F1 opens it at the entry of the keyword under
// the editor's caret.

#include <memory>

#include <QWidget>

class QLineEdit;
class QListWidget;
class QTreeWidget;
class QTreeWidgetItem;

namespace morvane {

class ReferenceBrowser;
class ReferenceIndex;

class HelpPane final : public QWidget {
  Q_OBJECT

 public:
  // `folder` holds the reference's pages; an empty folder shows that the
  // reference was not found.
  explicit HelpPane(const QString& folder, QWidget* parent = nullptr);
  ~HelpPane() override;

  void showStartPage();
  // Shows the entry of the first of the names the index knows; false (and
  // the view as it was) when it knows none.
  bool showEntry(const QStringList& names);

  ReferenceBrowser* browser() const { return m_browser; }
  const ReferenceIndex& index() const { return *m_index; }

 Q_SIGNALS:
  // An example's "Open in new window".
  void exampleChosen(const QString& program);

 private:
  void fillContents();
  void fillIndex();
  void filterIndex(const QString& text);
  void contentsChosen(QTreeWidgetItem* item);

  std::unique_ptr<ReferenceIndex> m_index;
  ReferenceBrowser* m_browser;
  QTreeWidget* m_contents;
  QLineEdit* m_filter;
  QListWidget* m_names;
};

}  // namespace morvane
