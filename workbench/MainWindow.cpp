#include "workbench/MainWindow.h"

#include <algorithm>

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDockWidget>
#include <QDir>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QToolBar>

#include "exec/Workspace.h"
#include "workbench/AboutBox.h"
#include "workbench/EditorSearchTarget.h"
#include "workbench/FileDialog.h"
#include "workbench/FindDialog.h"
#include "workbench/ImageButton.h"
#include "workbench/MessageBox.h"
#include "workbench/Pictures.h"
#include "workbench/ProgramEditor.h"
#include "workbench/RunSession.h"
#include "workbench/SettingsStore.h"
#include "workbench/WorkbenchTexts.h"
#include "workbench/help/HelpPane.h"
#include "workbench/help/ReferenceFolder.h"

namespace morvane {

namespace {

// Where the frame starts, in percent of the screen: left, top, width, height.
constexpr int FrameLeftPercent = 10;
constexpr int FrameTopPercent = 5;
constexpr int FrameWidthPercent = 70;
constexpr int FrameHeightPercent = 87;
// A new document window's size in percent of the frame's inner area, and
// the step by which new windows cascade.
constexpr int DocumentWidthPercent = 70;
constexpr int DocumentHeightPercent = 95;
constexpr int CascadeStepPercent = 1;

QAction* makeAction(QObject* owner, const char* name, const QString& text) {
  auto* action = new QAction(text, owner);
  action->setObjectName(QLatin1String(name));
  return action;
}

}  // namespace

MainWindow::MainWindow(Workspace& workspace, SettingsStore& settings, QWidget* parent)
    : QMainWindow(parent),
      m_workspace(workspace),
      m_settings(settings),
      m_recentFiles(settings),
      m_mdiArea(new QMdiArea(this)) {
  setObjectName(QStringLiteral("frmMDI"));
  setWindowTitle(texts::tr(texts::MainTitle));
  setWindowIcon(ApplicationIcon());
  m_mdiArea->setObjectName(QStringLiteral("mdiArea"));
  setCentralWidget(m_mdiArea);
  connect(m_mdiArea, &QMdiArea::subWindowActivated, this, &MainWindow::updateMenus);

  // 1. The frame takes most of the screen. (The current directory stays the
  // one the workbench was started in: the program's own folder is not the
  // user's to write in.)
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->availableGeometry();
    setGeometry(area.left() + area.width() * FrameLeftPercent / 100, area.top() + area.height() * FrameTopPercent / 100,
                area.width() * FrameWidthPercent / 100, area.height() * FrameHeightPercent / 100);
  }
  createActions();
  createToolbar();
  readSettings();
  updateMenus();
}

MainWindow::~MainWindow() {
  // The children that report to the frame go while it is still whole.
  disconnect(m_mdiArea, nullptr, this, nullptr);
  delete m_findDialog;
  for (QMdiSubWindow* window : m_mdiArea->subWindowList()) delete window;
}

// ---- Actions, menus, toolbar --------------------------------------------------------------

void MainWindow::createActions() {
  using texts::tr;
  m_fileMenu = new QMenu(tr(texts::MenuFile), this);
  m_fileMenu->setObjectName(QStringLiteral("mnuFile"));
  QAction* newAction = makeAction(this, "mnuFNew", tr(texts::MenuNew));
  connect(newAction, &QAction::triggered, this, &MainWindow::newDocument);
  newAction->setShortcut(QKeySequence::New);
  QAction* openAction = makeAction(this, "mnuFopen", tr(texts::MenuFrameOpen));
  connect(openAction, &QAction::triggered, this, &MainWindow::open);
  openAction->setShortcut(QKeySequence::Open);
  QAction* exitAction = makeAction(this, "mnuFExit", tr(texts::MenuExit));
  // Exit asks every changed window first; a Cancel keeps the workbench open.
  connect(exitAction, &QAction::triggered, this, &QWidget::close);
  m_fileMenu->addActions({newAction, openAction});
  m_recentSeparator = m_fileMenu->addSeparator();
  for (int k = 1; k <= RecentFiles::MaxEntries; ++k) {
    auto* recent = new QAction(this);
    recent->setObjectName(QStringLiteral("mnuRecentFile%1").arg(k));
    recent->setVisible(false);
    connect(recent, &QAction::triggered, this, [this, recent] { openFile(recent->data().toString()); });
    m_recentFileActions.append(recent);
    m_fileMenu->addAction(recent);
  }
  m_fileMenu->addSeparator();
  m_fileMenu->addAction(exitAction);

  m_optionsMenu = new QMenu(tr(texts::MenuOptions), this);
  m_optionsMenu->setObjectName(QStringLiteral("mnuOptions"));
  m_toolbarAction = makeAction(this, "mnuOToolbar", tr(texts::MenuFrameToolbar));
  m_toolbarAction->setCheckable(true);
  m_toolbarAction->setChecked(true);
  connect(m_toolbarAction, &QAction::triggered, this, [this] { setToolbarShown(!m_toolbar->isVisible()); });
  m_optionsMenu->addAction(m_toolbarAction);
  connect(m_optionsMenu, &QMenu::aboutToShow, this, [this] { m_toolbarAction->setChecked(m_toolbar->isVisible()); });

  m_helpMenu = new QMenu(tr(texts::MenuHelp), this);
  m_helpMenu->setObjectName(QStringLiteral("mnuHelp"));
  QAction* referenceAction = makeAction(this, "mnuHReference", tr(texts::MenuLanguageReference));
  referenceAction->setShortcut(QKeySequence::HelpContents);
  connect(referenceAction, &QAction::triggered, this, [this] { showHelp(); });
  m_helpMenu->addAction(referenceAction);

  m_aboutAction = makeAction(this, "mnuAbout", tr(texts::MenuAbout));
  connect(m_aboutAction, &QAction::triggered, this, &MainWindow::showAbout);
}

void MainWindow::createToolbar() {
  m_toolbar = new QToolBar(this);
  m_toolbar->setObjectName(QStringLiteral("picToolbar"));
  m_toolbar->setMovable(false);
  m_toolbar->toggleViewAction()->setVisible(false);
  addToolBar(Qt::TopToolBarArea, m_toolbar);

  const struct {
    const char* name;
    ToolbarPicture picture;
    const char* tip;
    bool needsDocument;
  } pictures[] = {
      {"imgFileNewButton", ToolbarPicture::New, texts::TipNew, false},
      {"imgFileOpenButton", ToolbarPicture::Open, texts::TipOpen, false},
      {"imgCutButton", ToolbarPicture::Cut, texts::TipCut, true},
      {"imgCopyButton", ToolbarPicture::Copy, texts::TipCopy, true},
      {"imgPasteButton", ToolbarPicture::Paste, texts::TipPaste, true},
  };
  for (const auto& entry : pictures) {
    auto* picture = new ImageButton(QLatin1String(entry.name), entry.picture, m_toolbar);
    picture->setToolTip(texts::tr(entry.tip));
    QAction* placed = m_toolbar->addWidget(picture);
    if (entry.needsDocument) m_documentButtons.append(placed);
    switch (entry.picture) {
      case ToolbarPicture::New:
        connect(picture, &ImageButton::clicked, this, &MainWindow::newDocument);
        break;
      case ToolbarPicture::Open:
        connect(picture, &ImageButton::clicked, this, &MainWindow::open);
        break;
      case ToolbarPicture::Cut:
        connect(picture, &ImageButton::clicked, this, [this] {
          if (DocumentWindow* d = activeDocument()) d->cutText();
        });
        break;
      case ToolbarPicture::Copy:
        connect(picture, &ImageButton::clicked, this, [this] {
          if (DocumentWindow* d = activeDocument()) d->copyText();
        });
        break;
      case ToolbarPicture::Paste:
        connect(picture, &ImageButton::clicked, this, [this] {
          if (DocumentWindow* d = activeDocument()) d->pasteText();
        });
        break;
    }
  }
  m_toolbar->addSeparator();

  // The run buttons pass their key codes to the active window, with Shift 1.
  const struct {
    const char* name;
    const char* caption;
    KeyCode code;
  } runButtons[] = {
      {"Command1", texts::ButtonGo, KeyCode::F8Go},      {"Command2", texts::ButtonRun, KeyCode::F5Run},
      {"Command3", texts::ButtonPause, KeyCode::Pause},  {"Command4", texts::ButtonStop, KeyCode::CtrlBreak},
      {"Command5", texts::ButtonReset, KeyCode::Escape},
  };
  for (const auto& entry : runButtons) {
    auto* runButtonWidget = new QPushButton(texts::tr(entry.caption), m_toolbar);
    runButtonWidget->setObjectName(QLatin1String(entry.name));
    // The focus stays in the document, whose active pane the keys act on.
    runButtonWidget->setFocusPolicy(Qt::NoFocus);
    const KeyCode code = entry.code;
    connect(runButtonWidget, &QPushButton::clicked, this, [this, code] { runButton(code); });
    m_documentButtons.append(m_toolbar->addWidget(runButtonWidget));
  }
  updateToolbarButtons();
}

void MainWindow::runButton(KeyCode code) {
  if (DocumentWindow* d = activeDocument()) d->session().keyDown(code, 1);
}

void MainWindow::setToolbarShown(bool shown) {
  m_toolbar->setVisible(shown);
  m_toolbarAction->setChecked(shown);
  for (DocumentWindow* d : documents()) d->setToolbarChecked(shown);
}

// The run and clipboard buttons show only while a document is open.
void MainWindow::updateToolbarButtons() {
  const bool anyOpen = anyDocumentOpen();
  for (QAction* button : m_documentButtons) button->setVisible(anyOpen);
}

// The active window's menus take the menu bar; without one, the frame's own.
void MainWindow::updateMenus() {
  QMenuBar* bar = menuBar();
  bar->clear();
  if (DocumentWindow* d = activeDocument()) {
    for (QMenu* menu : d->menus()) bar->addMenu(menu);
    bar->addAction(d->aboutAction());
    d->setToolbarChecked(m_toolbar->isVisible());
  } else {
    bar->addMenu(m_fileMenu);
    bar->addMenu(m_optionsMenu);
    bar->addMenu(m_helpMenu);
    bar->addAction(m_aboutAction);
  }
}

// ---- Settings -----------------------------------------------------------------------------------

void MainWindow::readSettings() { updateRecentFiles(); }

void MainWindow::writeSettings() { m_settings.sync(); }

int MainWindow::dialogFontSize() const { return m_settings.fontSize(); }

void MainWindow::updateRecentFiles() {
  m_recentFiles.validate();
  const QStringList paths = m_recentFiles.entries();
  for (int k = 0; k < m_recentFileActions.size(); ++k) {
    QAction* action = m_recentFileActions[k];
    const bool shown = k < paths.size();
    action->setVisible(shown);
    if (shown) {
      action->setText(QString(paths[k]).replace(QLatin1Char('&'), QLatin1String("&&")));
      action->setData(paths[k]);
    }
  }
  m_recentSeparator->setVisible(!paths.isEmpty());
  for (DocumentWindow* d : documents()) d->showRecentFiles(paths);
}

// ---- Documents -----------------------------------------------------------------------------------

DocumentWindow* MainWindow::activeDocument() const {
  // The current window even while the frame is not the active application
  // window (a dialog is open, or the tests run without a window system).
  QMdiSubWindow* window = m_mdiArea->currentSubWindow();
  auto* d = window != nullptr ? qobject_cast<DocumentWindow*>(window->widget()) : nullptr;
  return d != nullptr && !d->isUnloaded() ? d : nullptr;
}

QList<DocumentWindow*> MainWindow::documents() const {
  QList<DocumentWindow*> list;
  for (QMdiSubWindow* window : m_mdiArea->subWindowList()) {
    auto* d = qobject_cast<DocumentWindow*>(window->widget());
    if (d != nullptr && !d->isUnloaded()) list.append(d);
  }
  return list;
}

bool MainWindow::anyDocumentOpen() const {
  for (std::int32_t i = 1; i <= m_workspace.documentSlots(); ++i) {
    if (m_workspace.isOpen(i)) return true;
  }
  return false;
}

DocumentWindow* MainWindow::createDocumentWindow(WindowLayout mode) {
  auto* d = new DocumentWindow(m_workspace, m_settings, mode);
  connect(d, &DocumentWindow::newRequested, this, &MainWindow::newDocument);
  connect(d, &DocumentWindow::openRequested, this, &MainWindow::open);
  connect(d, &DocumentWindow::recentFileChosen, this, &MainWindow::openFile);
  connect(d, &DocumentWindow::exitRequested, this, &QWidget::close);
  connect(d, &DocumentWindow::toolbarToggleRequested, this, [this] { setToolbarShown(!m_toolbar->isVisible()); });
  connect(d, &DocumentWindow::arrangeRequested, this, &MainWindow::arrange);
  connect(d, &DocumentWindow::aboutRequested, this, &MainWindow::showAbout);
  connect(d, &DocumentWindow::findRequested, this, &MainWindow::showFindDialog);
  connect(d, &DocumentWindow::findNextRequested, this, &MainWindow::findNext);
  connect(d, &DocumentWindow::replaceNextRequested, this, &MainWindow::replaceNext);
  connect(d, &DocumentWindow::fileSaved, this, [this](const QString& path) {
    m_recentFiles.add(path);
    updateRecentFiles();
  });
  connect(d, &DocumentWindow::recentFilesOutdated, this, &MainWindow::updateRecentFiles);
  connect(d, &DocumentWindow::protocolWordWrapRequested, this,
          [this] { setProtocolWordWrap(!m_settings.protocolWordWrap()); });
  connect(d, &DocumentWindow::helpRequested, this, &MainWindow::showHelp);
  connect(d, &DocumentWindow::unloaded, this, [this] {
    updateToolbarButtons();
    updateRecentFiles();
    updateMenus();
  });
  QMdiSubWindow* window = m_mdiArea->addSubWindow(d);
  window->setWindowIcon(ApplicationIcon());
  placeNewWindow(window);
  d->setToolbarChecked(m_toolbar->isVisible());
  // Every window's File menu lists the recent files from the start, also one
  // a program opens (EXECUTE, EXECUTEGRAFIC, EDIT).
  d->showRecentFiles(m_recentFiles.entries());
  return d;
}

QSize MainWindow::newWindowSize() const {
  const QSize inner = m_mdiArea->viewport()->size();
  return {inner.width() * DocumentWidthPercent / 100, inner.height() * DocumentHeightPercent / 100};
}

// New windows take most of the frame and cascade by one percent each.
void MainWindow::placeNewWindow(QMdiSubWindow* window) {
  const QSize inner = m_mdiArea->viewport()->size();
  const int upperBound = m_workspace.documentSlots();
  window->resize(newWindowSize());
  window->move((upperBound - 1) * CascadeStepPercent * inner.width() / 100,
               (upperBound - 1) * CascadeStepPercent * inner.height() / 100);
}

DocumentWindow* MainWindow::newDocument() {
  DocumentWindow* d = createDocumentWindow(WindowLayout::Usual);
  d->parentWidget()->show();
  m_mdiArea->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(d->parentWidget()));
  d->editor()->setFocus(Qt::OtherFocusReason);
  updateToolbarButtons();
  updateRecentFiles();
  updateMenus();
  return d;
}

void MainWindow::open() {
  FileDialogRequest request;
  request.title = texts::tr(texts::TitleFileOpen);
  request.directory = QDir::currentPath();
  request.pattern = QString::fromLatin1(texts::ProgramPattern);
  request.fontSize = dialogFontSize();
  FileDialog dialog(request, this);
  dialog.exec();
  if (dialog.abbrechen()) return;
  openFile(dialog.filename());
}

DocumentWindow* MainWindow::openFile(const QString& path) {
  DocumentWindow* d = openDocumentFromPath(path, WindowLayout::Usual);
  if (d != nullptr) m_recentFiles.add(d->filePath());
  updateRecentFiles();
  return d;
}

void MainWindow::openRequestedFiles(const QStringList& paths) {
  for (const QString& path : paths) openFile(path);
  if (isMinimized()) showNormal();
  raise();
  activateWindow();
}

DocumentWindow* MainWindow::openDocumentFromPath(const QString& path, WindowLayout mode) {
  const QString fullPath = QFileInfo(path).absoluteFilePath();
  ProgramText program;
  QApplication::setOverrideCursor(Qt::WaitCursor);
  const ProgramReadStatus status = ReadProgramFile(fullPath, program);
  QApplication::restoreOverrideCursor();
  switch (status) {
    case ProgramReadStatus::Loaded:
      break;
    case ProgramReadStatus::TooBig:
      MessageBox::ask(this, {texts::tr(texts::TitleError), texts::fileTooBig(ShortenedName(fullPath)),
                             {texts::tr(texts::ButtonOk)}, false, dialogFontSize()});
      return nullptr;
    case ProgramReadStatus::CannotRead:
      MessageBox::ask(this, {texts::tr(texts::TitleError), texts::unableToOpen(ShortenedName(fullPath)),
                             {texts::tr(texts::ButtonOk)}, false, dialogFontSize()});
      return nullptr;
  }
  DocumentWindow* d = createDocumentWindow(mode);
  d->loadProgram(fullPath, program);
  d->parentWidget()->show();
  m_mdiArea->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(d->parentWidget()));
  d->editor()->setFocus(Qt::OtherFocusReason);
  updateToolbarButtons();
  updateMenus();
  return d;
}

void MainWindow::unloadDocument(std::int32_t slot) {
  for (DocumentWindow* d : documents()) {
    if (d->slot() != slot) continue;
    d->document().changed = false;
    d->parentWidget()->close();
    return;
  }
}

// ---- Window menu ------------------------------------------------------------------------------------

// The windows that Cascade and Tile arrange: shown and not minimised.
QList<QMdiSubWindow*> MainWindow::arrangedWindows(QMdiArea::WindowOrder order) const {
  QList<QMdiSubWindow*> shown;
  for (QMdiSubWindow* window : m_mdiArea->subWindowList(order)) {
    if (window->isVisible() && !window->isMinimized()) shown.append(window);
  }
  return shown;
}

void MainWindow::arrange(WindowArrangement arrangement) {
  switch (arrangement) {
    case WindowArrangement::Cascade: {
      // Each window the size a new one gets, each one title bar further to
      // the right and down than the one behind it, so every title shows.
      // (The area's own cascade sizes windows by their size hint, which a
      // document window without a layout does not have: it left bare title
      // bars.)
      const QList<QMdiSubWindow*> shown = arrangedWindows(QMdiArea::StackingOrder);  // the frontmost last
      if (shown.isEmpty()) return;
      const QSize size = newWindowSize();
      const int step = std::max(1, shown.first()->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, shown.first()));
      // Past the area's lower half, the cascade starts again at the top.
      const int positions = std::max(1, m_mdiArea->viewport()->height() / 2 / step);
      for (int i = 0; i < shown.size(); ++i) {
        const int offset = (i % positions) * step;
        shown[i]->showNormal();
        shown[i]->setGeometry(QRect(QPoint(offset, offset), size));
      }
      break;
    }
    case WindowArrangement::TileHorizontally: {
      // One above the other, each the frame's full width.
      const QList<QMdiSubWindow*> shown = arrangedWindows(QMdiArea::CreationOrder);
      if (shown.isEmpty()) return;
      const QSize inner = m_mdiArea->viewport()->size();
      const int height = inner.height() / static_cast<int>(shown.size());
      for (int i = 0; i < shown.size(); ++i) {
        shown[i]->showNormal();
        shown[i]->setGeometry(0, i * height, inner.width(), height);
      }
      break;
    }
    case WindowArrangement::ArrangeIcons: {
      // The minimised windows in a row along the bottom.
      const QSize inner = m_mdiArea->viewport()->size();
      int left = 0;
      for (QMdiSubWindow* window : m_mdiArea->subWindowList()) {
        if (!window->isVisible() || !window->isMinimized()) continue;
        const QSize size = window->size();
        window->move(left, inner.height() - size.height());
        left += size.width();
      }
      break;
    }
  }
}

void MainWindow::setProtocolWordWrap(bool wrap) {
  m_settings.saveProtocolWordWrap(wrap);
  for (DocumentWindow* d : documents()) d->setProtocolWordWrap(wrap);
}

// ---- Help ----------------------------------------------------------------------------------------------

void MainWindow::showHelp(const QStringList& keywords) {
  if (m_helpPane == nullptr) {
    // Read once, when first asked for.
    m_helpDock = new QDockWidget(texts::tr(texts::TitleHelp), this);
    m_helpDock->setObjectName(QStringLiteral("helpDock"));
    m_helpPane = new HelpPane(FindReferenceFolder(), m_helpDock);
    m_helpDock->setWidget(m_helpPane);
    addDockWidget(Qt::RightDockWidgetArea, m_helpDock);
    resizeDocks({m_helpDock}, {width() / 2}, Qt::Horizontal);
    connect(m_helpPane, &HelpPane::exampleChosen, this, [this](const QString& program) {
      // A fresh copy of the example: nothing of the user's to save yet.
      DocumentWindow* d = newDocument();
      d->editor()->setProgramText(program);
      d->editor()->noteClick();
      d->document().changed = false;
    });
    m_helpPane->showStartPage();
  }
  m_helpDock->show();
  m_helpDock->raise();
  if (!keywords.isEmpty()) m_helpPane->showEntry(keywords);
}

void MainWindow::showAbout() {
  AboutBox about(this);
  about.exec();
}

// ---- Find and replace ------------------------------------------------------------------------------

void MainWindow::showFindDialog() {
  if (m_findDialog == nullptr) {
    FindDialog::Appearance appearance{
        m_settings.read(SettingsSection::Font, QString::fromLatin1(settings::FontName),
                        QString::fromLatin1(settings::DefaultFontName)),
        m_settings.fontSize()};
    m_findDialog = new FindDialog(
        m_search,
        [this]() -> ProgramEditor* {
          DocumentWindow* d = activeDocument();
          return d != nullptr ? d->editor() : nullptr;
        },
        appearance, this);
    m_findDialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(m_findDialog, &FindDialog::closedAt, this, [this](QPoint position) {
      m_findPosition = position;
      m_findPositionKnown = true;
    });
    if (m_findPositionKnown) m_findDialog->move(m_findPosition);
  }
  m_findDialog->prepare();
  m_findDialog->show();
  m_findDialog->raise();
  m_findDialog->activateWindow();
}

void MainWindow::findNext() {
  DocumentWindow* d = activeDocument();
  if (d == nullptr) return;
  if (m_search.state().searchText.isEmpty()) {
    showFindDialog();
    return;
  }
  EditorSearchTarget target(*d->editor());
  const SearchOutcome outcome = m_search.search(target);
  if (m_findDialog != nullptr) m_findDialog->showMessage(outcome.message);
}

void MainWindow::replaceNext() {
  DocumentWindow* d = activeDocument();
  if (d == nullptr) return;
  if (m_search.state().searchText.isEmpty()) {
    showFindDialog();
    return;
  }
  EditorSearchTarget target(*d->editor());
  SearchOutcome outcome;
  m_search.replaceNext(target, outcome);
  if (m_findDialog != nullptr) m_findDialog->showMessage(outcome.message);
}

// ---- Closing ------------------------------------------------------------------------------------------

void MainWindow::closeEvent(QCloseEvent* event) {
  // Every window with changes asks first; a Cancel keeps the workbench.
  for (QMdiSubWindow* window : m_mdiArea->subWindowList()) {
    auto* d = qobject_cast<DocumentWindow*>(window->widget());
    if (d != nullptr && d->isUnloaded()) continue;
    if (!window->close()) {
      auto* still = qobject_cast<DocumentWindow*>(window->widget());
      if (still != nullptr && !still->isUnloaded()) {
        event->ignore();
        return;
      }
    }
  }
  if (m_findDialog != nullptr) m_findDialog->close();
  writeSettings();
  event->accept();
  Q_EMIT closedCleanly();
}

}  // namespace morvane
