#pragma once
// The view of one reference page: Qt's rendering of the page's Markdown,
// with its pictures, and a link under every example. It goes to a place by
// the text of a heading, since the rendered headings have no anchors.

#include <QStringList>
#include <QTextBrowser>

namespace morvane {

struct ReferencePlace;

class ReferenceBrowser final : public QTextBrowser {
  Q_OBJECT

 public:
  ReferenceBrowser(const QString& folder, QWidget* parent = nullptr);

  // Shows the page and scrolls so that the place stands at the top; the
  // caret goes to where the place begins.
  void showPlace(const ReferencePlace& place);
  // The file name of the page shown ("graphics.md").
  QString pageName() const;
  // The program text of the shown page's example.
  QString example(int number) const;

  QVariant loadResource(int type, const QUrl& name) override;

 Q_SIGNALS:
  // "Open in new window" under an example.
  void exampleChosen(const QString& program);

 private:
  void linkClicked(const QUrl& link);
  void scrollTo(const QString& heading, const QString& entryText);

  QString m_folder;
  QStringList m_examples;  // of the page shown
};

}  // namespace morvane
