#include "workbench/FindDialog.h"

#include <algorithm>

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QVBoxLayout>

#include "workbench/EditorSearchTarget.h"
#include "workbench/ProgramEditor.h"
#include "workbench/TextSearch.h"
#include "workbench/WorkbenchTexts.h"

namespace morvane {

namespace {

QPushButton* button(const char* name, const char* caption, QWidget* parent) {
  auto* b = new QPushButton(texts::tr(caption), parent);
  b->setObjectName(QLatin1String(name));
  b->setAutoDefault(false);
  return b;
}

int indexOf(SearchDirection direction) { return static_cast<int>(direction); }

// The pixels QLineEdit keeps between its frame and its text, on each side.
constexpr int LineEditTextMargin = 2;
// The largest line and column the message line makes room for.
constexpr qint64 LargestPosition = 99999;

// The width a line edit needs to show this text whole, frame included.
int lineEditWidthFor(const QLineEdit& line, const QString& text) {
  QStyleOptionFrame option;
  option.initFrom(&line);
  option.lineWidth = line.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &line);
  option.midLineWidth = 0;
  option.state |= QStyle::State_Sunken;
  const QMargins margins = line.textMargins() + line.contentsMargins();
  const QSize contents(line.fontMetrics().horizontalAdvance(text) + 2 * LineEditTextMargin + margins.left() +
                           margins.right(),
                       line.sizeHint().height());
  return line.style()->sizeFromContents(QStyle::CT_LineEdit, &option, contents, &line).width();
}

}  // namespace

FindDialog::FindDialog(TextSearch& search, EditorLookup activeEditor, const Appearance& appearance, QWidget* parent)
    : QDialog(parent),
      m_search(search),
      m_activeEditor(std::move(activeEditor)),
      m_searchField(new QLineEdit(this)),
      m_replaceField(new QLineEdit(this)),
      m_messageLine(new QLineEdit(this)),
      m_directions{},
      m_case(new QCheckBox(texts::tr(texts::CaseSensitive), this)),
      m_find(button("cmdFind", texts::ButtonSearch, this)),
      m_replace(button("cmdReplace", texts::ButtonReplace, this)),
      m_oops(button("cmdOops", texts::ButtonOops, this)),
      m_cancel(button("cmdcancel", texts::ButtonCancel, this)) {
  setObjectName(QStringLiteral("frmFind"));
  setWindowTitle(texts::tr(texts::TitleFind));
  setModal(false);
  QFont dialogFont(appearance.fontName, appearance.fontSize);
  setFont(dialogFont);

  auto* searchLabel = new QLabel(texts::tr(texts::SearchFor), this);
  searchLabel->setObjectName(QStringLiteral("Label1"));
  auto* replaceLabel = new QLabel(texts::tr(texts::ReplaceWith), this);
  replaceLabel->setObjectName(QStringLiteral("Label2"));
  m_searchField->setObjectName(QStringLiteral("Text1"));
  m_replaceField->setObjectName(QStringLiteral("Text2"));
  m_messageLine->setObjectName(QStringLiteral("Text3"));
  m_messageLine->setReadOnly(true);
  m_messageLine->setFocusPolicy(Qt::NoFocus);
  m_case->setObjectName(QStringLiteral("chkCase"));

  auto* frame = new QGroupBox(texts::tr(texts::Direction), this);
  frame->setObjectName(QStringLiteral("Frame1"));
  auto* frameLayout = new QVBoxLayout(frame);
  const struct {
    SearchDirection direction;
    const char* caption;
  } options[] = {
      {SearchDirection::FromTheBeginning, texts::FromTheBeginning},
      {SearchDirection::Forward, texts::Forward},
      {SearchDirection::Backward, texts::Backward},
  };
  for (const auto& option : options) {
    auto* radio = new QRadioButton(texts::tr(option.caption), frame);
    const int index = indexOf(option.direction);
    radio->setObjectName(QStringLiteral("optDirection%1").arg(index));
    m_directions[index] = radio;
    frameLayout->addWidget(radio);
    const SearchDirection direction = option.direction;
    connect(radio, &QRadioButton::clicked, this, [this, direction] {
      m_search.state().direction = direction;
      countOccurrences();
    });
  }

  auto* grid = new QGridLayout(this);
  grid->addWidget(searchLabel, 0, 0);
  grid->addWidget(m_searchField, 0, 1, 1, 2);
  grid->addWidget(replaceLabel, 1, 0);
  grid->addWidget(m_replaceField, 1, 1, 1, 2);
  grid->addWidget(m_messageLine, 2, 0, 1, 3);
  grid->addWidget(frame, 3, 0, 2, 2);
  grid->addWidget(m_case, 5, 0, 1, 2);
  auto* buttons = new QVBoxLayout;
  buttons->addWidget(m_find);
  buttons->addWidget(m_replace);
  buttons->addWidget(m_oops);
  buttons->addWidget(m_cancel);
  buttons->addStretch(1);
  grid->addLayout(buttons, 3, 2, 3, 1);
  grid->setColumnStretch(1, 1);
  keepMessagesAndButtonsInPlace();

  connect(m_find, &QPushButton::clicked, this, &FindDialog::find);
  connect(m_replace, &QPushButton::clicked, this, &FindDialog::replace);
  connect(m_oops, &QPushButton::clicked, this, &FindDialog::oops);
  connect(m_cancel, &QPushButton::clicked, this, &FindDialog::cancel);
  connect(m_case, &QCheckBox::clicked, this, [this](bool checked) {
    m_search.state().caseSensitive = checked;
    countOccurrences();
  });
  connect(m_searchField, &QLineEdit::textChanged, this, &FindDialog::countOccurrences);
  m_searchField->installEventFilter(this);
  m_replaceField->installEventFilter(this);

  showDirection(m_search.state().direction);
  m_find->setEnabled(false);
  m_replace->setEnabled(false);
}

// The message line is wide enough for every message it shows, and the
// buttons are as wide as the longest caption the Replace button takes, so
// that a caption changing between "Replace" and "Find and Replace" moves
// nothing.
void FindDialog::keepMessagesAndButtonsInPlace() {
  int messageWidth = 0;
  for (const QString& message : {texts::foundAt(LargestPosition, LargestPosition),
                                 texts::occurrences(LargestPosition), texts::tr(texts::UnableToFind)}) {
    messageWidth = std::max(messageWidth, lineEditWidthFor(*m_messageLine, message));
  }
  m_messageLine->setMinimumWidth(messageWidth);

  const QString replaceCaption = m_replace->text();
  int buttonWidth = 0;
  for (const char* caption : {texts::ButtonReplace, texts::ButtonFindAndReplace}) {
    m_replace->setText(texts::tr(caption));
    buttonWidth = std::max(buttonWidth, m_replace->sizeHint().width());
  }
  m_replace->setText(replaceCaption);
  for (QPushButton* b : {m_find, m_replace, m_oops, m_cancel}) {
    buttonWidth = std::max(buttonWidth, b->sizeHint().width());
  }
  for (QPushButton* b : {m_find, m_replace, m_oops, m_cancel}) b->setMinimumWidth(buttonWidth);
}

void FindDialog::prepare() {
  SearchState& s = m_search.state();
  ProgramEditor* editor = m_activeEditor();
  const QString selected = editor != nullptr ? editor->textCursor().selectedText() : QString();
  m_searchField->setText(selected.isEmpty() ? s.searchText : selected);
  m_replaceField->setText(s.replaceText);
  s.skipSelection = true;
  m_case->setChecked(s.caseSensitive);
  showDirection(s.direction);
  countOccurrences();
  m_searchField->setFocus(Qt::OtherFocusReason);
  m_searchField->selectAll();
}

QString FindDialog::message() const { return m_messageLine->text(); }

void FindDialog::showMessage(const QString& message) { m_messageLine->setText(message); }

void FindDialog::showDirection(SearchDirection direction) { m_directions[indexOf(direction)]->setChecked(true); }

void FindDialog::setReplaceCaption(const char* caption) { m_replace->setText(texts::tr(caption)); }

void FindDialog::replaceCaptionIfSelected() {
  ProgramEditor* editor = m_activeEditor();
  if (editor != nullptr && editor->selectionLength() > 0) setReplaceCaption(texts::ButtonReplace);
}

void FindDialog::countOccurrences() {
  const QString needle = m_searchField->text();
  m_find->setEnabled(!needle.isEmpty());
  m_replace->setEnabled(!needle.isEmpty());
  ProgramEditor* editor = m_activeEditor();
  if (needle.isEmpty() || editor == nullptr) return;
  m_messageLine->setText(m_search.countOccurrences(EditorSearchTarget(*editor), needle));
}

void FindDialog::find() {
  ProgramEditor* editor = m_activeEditor();
  if (editor == nullptr) return;
  m_search.state().searchText = m_searchField->text();
  EditorSearchTarget target(*editor);
  const SearchOutcome outcome = m_search.search(target);
  m_messageLine->setText(outcome.message);
  if (outcome.directionChanged) {
    // "From the Beginnig" is done once: the search goes on forward.
    showDirection(m_search.state().direction);
    countOccurrences();
    m_messageLine->setText(outcome.message);
  }
  replaceCaptionIfSelected();
}

void FindDialog::replace() {
  ProgramEditor* editor = m_activeEditor();
  if (editor == nullptr) return;
  SearchState& s = m_search.state();
  s.searchText = m_searchField->text();
  s.replaceText = m_replaceField->text();
  EditorSearchTarget target(*editor);
  SearchOutcome outcome;
  const bool replaced = m_search.replace(target, outcome);
  if (!outcome.message.isEmpty()) m_messageLine->setText(outcome.message);
  if (outcome.directionChanged) showDirection(s.direction);
  if (replaced) setReplaceCaption(texts::ButtonFindAndReplace);
}

void FindDialog::oops() {
  ProgramEditor* editor = m_activeEditor();
  if (editor == nullptr) return;
  EditorSearchTarget target(*editor);
  m_search.oops(target);
  replaceCaptionIfSelected();
}

void FindDialog::cancel() {
  SearchState& s = m_search.state();
  s.searchText = m_searchField->text();
  s.replaceText = m_replaceField->text();
  s.caseSensitive = m_case->isChecked();
  s.undoText.clear();
  close();
}

void FindDialog::done(int result) {
  Q_EMIT closedAt(pos());
  QDialog::done(result);
}

bool FindDialog::eventFilter(QObject* watched, QEvent* event) {
  if (watched == m_searchField || watched == m_replaceField) {
    if (event->type() == QEvent::KeyPress) {
      const auto* key = static_cast<QKeyEvent*>(event);
      if (key->key() == Qt::Key_F3) {
        if (key->modifiers().testFlag(Qt::ControlModifier)) {
          replace();
        } else {
          find();
        }
        return true;
      }
    }
    if (watched == m_searchField && event->type() == QEvent::MouseButtonRelease) {
      setReplaceCaption(texts::ButtonFindAndReplace);
    }
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace morvane
