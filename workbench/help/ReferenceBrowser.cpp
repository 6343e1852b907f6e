#include "workbench/help/ReferenceBrowser.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScrollBar>
#include <QTextBlock>

#include "workbench/WorkbenchTexts.h"
#include "workbench/help/ReferenceExamples.h"
#include "workbench/help/ReferenceIndex.h"

namespace morvane {

ReferenceBrowser::ReferenceBrowser(const QString& folder, QWidget* parent) : QTextBrowser(parent), m_folder(folder) {
  setObjectName(QStringLiteral("helpBrowser"));
  // Links are followed here: examples open windows, other sites the desktop's browser.
  setOpenLinks(false);
  connect(this, &QTextBrowser::anchorClicked, this, &ReferenceBrowser::linkClicked);
}

QString ReferenceBrowser::pageName() const { return QFileInfo(source().toLocalFile()).fileName(); }

QString ReferenceBrowser::example(int number) const {
  return number >= 0 && number < m_examples.size() ? m_examples[number] : QString();
}

void ReferenceBrowser::showPlace(const ReferencePlace& place) {
  const QUrl page = QUrl::fromLocalFile(QDir(m_folder).filePath(place.fileName));
  if (source() != page) setSource(page, QTextDocument::MarkdownResource);
  scrollTo(place.heading, place.entryText);
}

QVariant ReferenceBrowser::loadResource(int type, const QUrl& name) {
  if (type != QTextDocument::MarkdownResource) return QTextBrowser::loadResource(type, name);
  QFile file(name.toLocalFile());
  if (!file.open(QIODevice::ReadOnly)) return {};
  PreparedPage page = PrepareReferencePage(QString::fromUtf8(file.readAll()), texts::tr(texts::HelpOpenExample));
  m_examples = page.examples;
  return page.markdown;
}

void ReferenceBrowser::linkClicked(const QUrl& link) {
  if (const int number = ExampleNumber(link); number >= 0) {
    if (number < m_examples.size()) Q_EMIT exampleChosen(m_examples[number]);
    return;
  }
  const QUrl target = source().resolved(link);
  if (!target.isLocalFile()) {
    QDesktopServices::openUrl(target);
    return;
  }
  if (target.path().endsWith(QLatin1String(".md"))) {
    setSource(target, QTextDocument::MarkdownResource);
  } else {
    setSource(target);
  }
}

void ReferenceBrowser::scrollTo(const QString& heading, const QString& entryText) {
  QTextBlock block = document()->firstBlock();
  if (!heading.isEmpty()) {
    for (QTextBlock b = document()->firstBlock(); b.isValid(); b = b.next()) {
      if (b.blockFormat().headingLevel() > 0 && b.text().trimmed() == heading) {
        block = b;
        break;
      }
    }
  }
  QTextCursor at(block);
  if (!entryText.isEmpty()) {
    const QTextCursor entry = document()->find(entryText, block.position(), QTextDocument::FindCaseSensitively);
    if (!entry.isNull()) at.setPosition(entry.selectionStart());
  }
  setTextCursor(at);
  // The place at the top of the view, not just somewhere in it.
  const QRect caret = cursorRect(at);
  verticalScrollBar()->setValue(verticalScrollBar()->value() + caret.top());
}

}  // namespace morvane
