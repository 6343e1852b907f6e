#include "workbench/help/HelpPane.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QSplitter>
#include <QTabWidget>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "workbench/WorkbenchTexts.h"
#include "workbench/help/ReferenceBrowser.h"
#include "workbench/help/ReferenceIndex.h"

namespace morvane {

namespace {

// The place an item of the contents or the index stands for, kept in the
// item as its file, heading and entry text.
constexpr int PlaceRole = Qt::UserRole;

QVariant placeData(const ReferencePlace& place) {
  return QStringList{place.fileName, place.heading, place.entryText};
}

ReferencePlace placeFrom(const QVariant& data) {
  const QStringList parts = data.toStringList();
  if (parts.size() != 3) return {};
  return {parts[0], parts[1], parts[2]};
}

// The table of contents and the index share the width with the page.
constexpr int ListsStretch = 1;
constexpr int PageStretch = 3;

QToolButton* makeButton(const char* text, const char* name, QWidget* parent) {
  auto* button = new QToolButton(parent);
  button->setText(texts::tr(text));
  button->setObjectName(QLatin1String(name));
  return button;
}

}  // namespace

HelpPane::HelpPane(const QString& folder, QWidget* parent)
    : QWidget(parent),
      m_index(folder.isEmpty() ? std::make_unique<ReferenceIndex>(QList<QPair<QString, QString>>{})
                               : std::make_unique<ReferenceIndex>(folder)),
      m_browser(new ReferenceBrowser(folder, this)),
      m_contents(new QTreeWidget(this)),
      m_filter(new QLineEdit(this)),
      m_names(new QListWidget(this)) {
  setObjectName(QStringLiteral("helpPane"));
  m_contents->setObjectName(QStringLiteral("helpContents"));
  m_contents->setHeaderHidden(true);
  m_filter->setObjectName(QStringLiteral("helpFilter"));
  m_filter->setPlaceholderText(texts::tr(texts::HelpFilter));
  m_filter->setClearButtonEnabled(true);
  m_names->setObjectName(QStringLiteral("helpIndex"));

  auto* indexTab = new QWidget(this);
  auto* indexColumn = new QVBoxLayout(indexTab);
  indexColumn->setContentsMargins(0, 0, 0, 0);
  indexColumn->addWidget(m_filter);
  indexColumn->addWidget(m_names);
  auto* tabs = new QTabWidget(this);
  tabs->addTab(m_contents, texts::tr(texts::HelpContents));
  tabs->addTab(indexTab, texts::tr(texts::HelpIndex));

  QToolButton* back = makeButton(texts::HelpBack, "helpBack", this);
  QToolButton* forward = makeButton(texts::HelpForward, "helpForward", this);
  QToolButton* home = makeButton(texts::HelpHome, "helpHome", this);
  back->setEnabled(false);
  forward->setEnabled(false);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(back);
  buttons->addWidget(forward);
  buttons->addWidget(home);
  buttons->addStretch(1);
  auto* page = new QWidget(this);
  auto* pageColumn = new QVBoxLayout(page);
  pageColumn->setContentsMargins(0, 0, 0, 0);
  pageColumn->addLayout(buttons);
  pageColumn->addWidget(m_browser);

  auto* splitter = new QSplitter(this);
  splitter->addWidget(tabs);
  splitter->addWidget(page);
  splitter->setStretchFactor(0, ListsStretch);
  splitter->setStretchFactor(1, PageStretch);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(splitter);

  connect(back, &QToolButton::clicked, m_browser, &QTextBrowser::backward);
  connect(forward, &QToolButton::clicked, m_browser, &QTextBrowser::forward);
  connect(home, &QToolButton::clicked, this, &HelpPane::showStartPage);
  connect(m_browser, &QTextBrowser::backwardAvailable, back, &QWidget::setEnabled);
  connect(m_browser, &QTextBrowser::forwardAvailable, forward, &QWidget::setEnabled);
  connect(m_browser, &ReferenceBrowser::exampleChosen, this, &HelpPane::exampleChosen);
  connect(m_contents, &QTreeWidget::itemActivated, this, &HelpPane::contentsChosen);
  connect(m_contents, &QTreeWidget::itemClicked, this, &HelpPane::contentsChosen);
  connect(m_names, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) { m_browser->showPlace(placeFrom(item->data(PlaceRole))); });
  connect(m_names, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { m_browser->showPlace(placeFrom(item->data(PlaceRole))); });
  connect(m_filter, &QLineEdit::textChanged, this, &HelpPane::filterIndex);

  fillContents();
  fillIndex();
  if (folder.isEmpty()) m_browser->setPlainText(texts::tr(texts::HelpNotFound));
}

HelpPane::~HelpPane() = default;

void HelpPane::showStartPage() {
  if (m_index->pages().isEmpty()) return;
  m_browser->showPlace({QLatin1String(ReferenceIndex::StartPage), {}, {}});
}

bool HelpPane::showEntry(const QStringList& names) {
  const ReferencePlace* place = m_index->find(names);
  if (place == nullptr) return false;
  m_browser->showPlace(*place);
  return true;
}

// Every page with its headings below it, each level under the one above.
void HelpPane::fillContents() {
  for (const ReferencePage& page : m_index->pages()) {
    auto* top = new QTreeWidgetItem(m_contents, {page.title});
    top->setData(0, PlaceRole, placeData({page.fileName, {}, {}}));
    QList<QTreeWidgetItem*> parents{top};  // the last item of each level
    for (qsizetype i = 1; i < page.headings.size(); ++i) {
      const ReferenceHeading& heading = page.headings[i];
      const qsizetype depth = std::clamp<qsizetype>(heading.level - 1, 1, parents.size());
      auto* item = new QTreeWidgetItem(parents[depth - 1], {heading.text});
      item->setData(0, PlaceRole, placeData({page.fileName, heading.text, {}}));
      parents.resize(depth);
      parents.append(item);
    }
  }
}

void HelpPane::fillIndex() {
  for (auto entry = m_index->entries().cbegin(); entry != m_index->entries().cend(); ++entry) {
    auto* item = new QListWidgetItem(entry.key(), m_names);
    item->setData(PlaceRole, placeData(entry.value()));
  }
}

void HelpPane::filterIndex(const QString& text) {
  const QString wanted = text.trimmed().toUpper();
  for (int i = 0; i < m_names->count(); ++i) {
    QListWidgetItem* item = m_names->item(i);
    item->setHidden(!item->text().startsWith(wanted));
  }
}

void HelpPane::contentsChosen(QTreeWidgetItem* item) { m_browser->showPlace(placeFrom(item->data(0, PlaceRole))); }

}  // namespace morvane
