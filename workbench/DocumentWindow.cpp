#include "workbench/DocumentWindow.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMouseEvent>
#include <QPointer>
#include <QTextBlock>
#include <QTimer>

#include "exec/Workspace.h"
#include "workbench/CanvasView.h"
#include "workbench/CodePage.h"
#include "workbench/FileDialog.h"
#include "workbench/FontChoice.h"
#include "workbench/KeyTranslation.h"
#include "workbench/MessageBox.h"
#include "workbench/ProgramEditor.h"
#include "workbench/ProtocolBox.h"
#include "workbench/RecentFiles.h"
#include "workbench/RunSession.h"
#include "workbench/SettingsStore.h"
#include "workbench/StatusStrip.h"
#include "workbench/WorkbenchTexts.h"
#include "workbench/debug/BreakpointLines.h"
#include "workbench/debug/DebugSession.h"
#include "workbench/debug/VariablesView.h"
#include "workbench/editor/LineNumberGutter.h"
#include "workbench/editor/SyntaxColouring.h"
#include "workbench/export/PictureExport.h"
#include "workbench/help/KeywordAtCaret.h"

namespace morvane {

namespace {

// How often a closed window looks whether a run started elsewhere has let
// go of its document.
constexpr int UnwindCheckMilliseconds = 20;
// The gap between the protocol and the Variables pane beside it.
constexpr int VariablesGap = 6;

DocumentLayout layoutFor(WindowLayout mode) {
  switch (mode) {
    case WindowLayout::Usual:
      return DocumentLayout(DocumentLayout::InitialProtocolShare, DocumentLayout::InitialTextShare);
    case WindowLayout::EditorOnly:
      return DocumentLayout(0.0199, 1.0);
    case WindowLayout::CanvasOnly:
      return DocumentLayout(DocumentLayout::InitialProtocolShare, 0.005);
  }
  return DocumentLayout();
}

QAction* makeAction(QObject* owner, const char* name, const QString& text) {
  auto* action = new QAction(text, owner);
  action->setObjectName(QLatin1String(name));
  return action;
}

// Every document window carries its own copy of the menus, and all of them
// live in the one main frame: a key works in the window that has the focus.
void giveShortcut(QWidget* window, QAction* action, const QKeySequence& keys) {
  action->setShortcut(keys);
  action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
  window->addAction(action);
}

// The pattern for Save As from a file name: "*." and its extension, or "*.*".
QString patternFor(const QString& fileName) {
  const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
  if (dot < 0) return QString::fromLatin1(texts::AllFilesPattern);
  return QStringLiteral("*.") + fileName.mid(dot + 1);
}

}  // namespace

DocumentWindow::DocumentWindow(Workspace& workspace, SettingsStore& settings, WindowLayout mode, QWidget* parent)
    : QWidget(parent),
      m_workspace(workspace),
      m_settings(settings),
      m_editor(new ProgramEditor(this)),
      m_protocol(new ProtocolBox(this)),
      m_canvasView(new CanvasView(this)),
      m_status(new StatusStrip(this)),
      m_breakpoints(new BreakpointLines(this)),
      m_gutter(new LineNumberGutter(*m_editor, *m_breakpoints)),
      m_colouring(new SyntaxColouring(m_editor->document())),
      m_debug(new DebugSession(*m_breakpoints, this)),
      m_variables(new VariablesView(this)),
      m_unwindCheck(new QTimer(this)),
      m_layout(layoutFor(mode)) {
  setObjectName(QStringLiteral("frmNotePad"));
  setAttribute(Qt::WA_DeleteOnClose, false);
  setMouseTracking(true);
  setFocusPolicy(Qt::ClickFocus);

  // The font from the settings, before the interpreter reads it.
  m_font = {m_settings.fontName(), m_settings.fontSize()};
  applyFont(m_font.name, m_font.size);

  // A slot of the document table, and the run control that works on it.
  m_host = std::make_unique<NotePadHost>(*m_editor, *m_protocol, m_status->lamp(), *m_canvasView, m_font);
  m_slot = m_workspace.openDocument(*m_host);
  m_session = std::make_unique<RunSession>(m_workspace, m_slot);
  document().protocol.setView(m_protocol);
  m_protocol->setBuffer(&document().protocol);

  connect(m_protocol, &ProtocolBox::keyDown, this, [this](KeyCode code, int shift) { m_session->keyDown(code, shift); });
  connect(m_protocol, &ProtocolBox::keyPress, this, [this](int keyAscii) { m_session->keyPress(keyAscii); });
  connect(m_editor, &ProgramEditor::runKey, this, [this](KeyCode code, int shift) { m_session->keyDown(code, shift); });
  connect(m_editor, &ProgramEditor::readoutChanged, m_status, &StatusStrip::showReadout);
  connect(m_editor, &ProgramEditor::edited, this, [this] {
    if (!m_unloaded) document().changed = true;
  });
  connect(m_canvasView, &CanvasView::pointerEntered, this, [this] { unsetCursor(); });
  connect(m_canvasView, &CanvasView::drawnOn, this, &DocumentWindow::showCanvasDrawnOn);
  m_canvasView->installEventFilter(this);
  m_unwindCheck->setInterval(UnwindCheckMilliseconds);
  connect(m_unwindCheck, &QTimer::timeout, this, [this] { m_session->checkUnwound(); });

  setUpDebugging();

  setCaption(texts::noNameCaption(m_slot), false);
  createActions();
  createDebugActions();
  setProtocolWordWrap(m_wordWrapAction->isChecked());
  setTabOrder(m_protocol, m_editor);
  m_status->showReadout(ReadoutAt(QString(), 0));
  m_settingUp = false;
  applyLayout();
}

DocumentWindow::~DocumentWindow() {
  // A window destroyed without being closed frees its slot now; a closed one
  // hands its slot's services back once nothing of it is on the stack.
  if (!m_unloaded) m_workspace.closeDocument(m_slot);
  Document& d = m_workspace.document(m_slot);
  if (d.host == m_host.get()) d.host = nullptr;
  if (d.observer == m_debug) d.observer = nullptr;
}

Document& DocumentWindow::document() { return m_workspace.document(m_slot); }

// Lists the main frame's open document windows at the end of the Window
// menu, the active one checked.
void DocumentWindow::fillWindowList() {
  const QList<QAction*> items = m_windowMenu->actions();
  for (qsizetype i = items.indexOf(m_windowListSeparator) + 1; i < items.size(); ++i) {
    m_windowMenu->removeAction(items[i]);
    items[i]->deleteLater();
  }
  auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget());
  QMdiArea* area = frame != nullptr ? frame->mdiArea() : nullptr;
  m_windowListSeparator->setVisible(area != nullptr);
  if (area == nullptr) return;
  int number = 0;
  for (QMdiSubWindow* window : area->subWindowList()) {
    if (window->isHidden()) continue;  // a window closing after its run
    QAction* item = m_windowMenu->addAction(QStringLiteral("&%1 %2").arg(++number).arg(window->windowTitle()));
    item->setCheckable(true);
    item->setChecked(window == area->activeSubWindow());
    connect(item, &QAction::triggered, area, [area, target = QPointer<QMdiSubWindow>(window)] {
      if (target) area->setActiveSubWindow(target);
    });
  }
}

// ---- Menus ------------------------------------------------------------------------------

void DocumentWindow::createActions() {
  using texts::tr;

  // File
  m_fileMenu = new QMenu(tr(texts::MenuFile), this);
  m_fileMenu->setObjectName(QStringLiteral("mnuFile"));
  QAction* newAction = makeAction(this, "mnuFNew", tr(texts::MenuNew));
  connect(newAction, &QAction::triggered, this, &DocumentWindow::newRequested);
  QAction* openAction = makeAction(this, "mnuFOpen", tr(texts::MenuOpen));
  connect(openAction, &QAction::triggered, this, &DocumentWindow::openRequested);
  QAction* closeAction = makeAction(this, "mnuFClose", tr(texts::MenuClose));
  connect(closeAction, &QAction::triggered, this, [this] {
    if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget())) {
      frame->close();
    } else {
      close();
    }
  });
  QAction* saveAction = makeAction(this, "mnuFSave", tr(texts::MenuSave));
  connect(saveAction, &QAction::triggered, this, [this] { save(); });
  QAction* saveAsAction = makeAction(this, "mnuFSaveAs", tr(texts::MenuSaveAs));
  connect(saveAsAction, &QAction::triggered, this, [this] { saveAs(); });
  QAction* deleteAction = makeAction(this, "mnuFDelete", tr(texts::MenuDeleteFile));
  connect(deleteAction, &QAction::triggered, this, &DocumentWindow::deleteFile);
  QAction* exitAction = makeAction(this, "mnuFExit", tr(texts::MenuExit));
  connect(exitAction, &QAction::triggered, this, &DocumentWindow::exitRequested);
  QAction* exportAction = makeAction(this, "mnuFExportPicture", tr(texts::MenuExportPicture));
  connect(exportAction, &QAction::triggered, this, &DocumentWindow::exportPicture);
  m_fileMenu->addActions({newAction, openAction, closeAction, saveAction, saveAsAction, deleteAction});
  m_fileMenu->addSeparator();
  m_fileMenu->addAction(exportAction);
  giveShortcut(this, newAction, QKeySequence::New);
  giveShortcut(this, openAction, QKeySequence::Open);
  giveShortcut(this, saveAction, QKeySequence::Save);
  m_recentSeparator = m_fileMenu->addSeparator();
  for (int k = 1; k <= RecentFiles::MaxEntries; ++k) {
    auto* recent = new QAction(this);
    recent->setObjectName(QStringLiteral("mnuRecentFile%1").arg(k));
    recent->setVisible(false);
    connect(recent, &QAction::triggered, this, [this, recent] { Q_EMIT recentFileChosen(recent->data().toString()); });
    m_recentFileActions.append(recent);
    m_fileMenu->addAction(recent);
  }
  m_fileMenu->addSeparator();
  m_fileMenu->addAction(exitAction);

  // Edit
  m_editMenu = new QMenu(tr(texts::MenuEdit), this);
  m_editMenu->setObjectName(QStringLiteral("mnuEdit"));
  QAction* undoAction = makeAction(this, "mnuUndo", tr(texts::MenuUndo));
  connect(undoAction, &QAction::triggered, m_editor, &ProgramEditor::undoToSnapshot);
  QAction* cutAction = makeAction(this, "mnuECut", tr(texts::MenuCut));
  connect(cutAction, &QAction::triggered, this, &DocumentWindow::cutText);
  QAction* copyAction = makeAction(this, "mnuECopy", tr(texts::MenuCopy));
  connect(copyAction, &QAction::triggered, this, &DocumentWindow::copyText);
  QAction* pasteAction = makeAction(this, "mnuEPaste", tr(texts::MenuPaste));
  connect(pasteAction, &QAction::triggered, this, &DocumentWindow::pasteText);
  QAction* deleteTextAction = makeAction(this, "mnuEDelete", tr(texts::MenuDelete));
  connect(deleteTextAction, &QAction::triggered, this, [this] {
    // In the protocol the buffer has the last word: only the editor changes.
    if (activeTextPane() == m_editor) m_editor->deleteSelectionOrCharacter();
  });
  QAction* graficCopyAction = makeAction(this, "Grafic_copy", tr(texts::MenuGraficCopy));
  connect(graficCopyAction, &QAction::triggered, this, &DocumentWindow::graficCopy);
  QAction* graficPasteAction = makeAction(this, "Grafic_insert", tr(texts::MenuGraficPaste));
  connect(graficPasteAction, &QAction::triggered, this, &DocumentWindow::graficPaste);
  QAction* graficDeleteAction = makeAction(this, "Grafic_delete", tr(texts::MenuGraficDelete));
  connect(graficDeleteAction, &QAction::triggered, this, &DocumentWindow::graficDelete);
  QAction* clearProtocolAction = makeAction(this, "clear_protocol", tr(texts::MenuClearProtocol));
  connect(clearProtocolAction, &QAction::triggered, this, [this] { document().protocol.clear(); });
  QAction* selectAllAction = makeAction(this, "mnuESelectAll", tr(texts::MenuSelectAll));
  connect(selectAllAction, &QAction::triggered, this, [this] {
    m_editor->selectAll();
    m_editor->setFocus(Qt::OtherFocusReason);
  });
  m_editMenu->addActions({undoAction, cutAction, copyAction, pasteAction, deleteTextAction});
  giveShortcut(this, undoAction, QKeySequence::Undo);
  m_editMenu->addSeparator();
  m_editMenu->addActions({graficCopyAction, graficPasteAction, graficDeleteAction});
  m_editMenu->addSeparator();
  m_editMenu->addActions({clearProtocolAction, selectAllAction});

  // Search
  m_searchMenu = new QMenu(tr(texts::MenuSearch), this);
  m_searchMenu->setObjectName(QStringLiteral("mnuSearch"));
  QAction* findAction = makeAction(this, "mnuSFind", tr(texts::MenuFind));
  connect(findAction, &QAction::triggered, this, &DocumentWindow::findRequested);
  QAction* findNextAction = makeAction(this, "mnuSFindNext", tr(texts::MenuFindNext));
  connect(findNextAction, &QAction::triggered, this, &DocumentWindow::findNextRequested);
  QAction* replaceNextAction = makeAction(this, "mnuSReplaceNext", tr(texts::MenuReplaceNext));
  connect(replaceNextAction, &QAction::triggered, this, &DocumentWindow::replaceNextRequested);
  m_searchMenu->addActions({findAction, findNextAction, replaceNextAction});
  giveShortcut(this, findAction, QKeySequence::Find);
  giveShortcut(this, findNextAction, QKeySequence(Qt::Key_F3));

  // Execute: the same key codes as the keys, with Shift 1.
  m_executeMenu = new QMenu(tr(texts::MenuExecute), this);
  m_executeMenu->setObjectName(QStringLiteral("mnuExecute"));
  const struct {
    const char* name;
    const char* text;
    KeyCode code;
  } runItems[] = {
      {"mnuGo", texts::MenuGo, KeyCode::F8Go},          {"mnuRun", texts::MenuRun, KeyCode::F5Run},
      {"mnuPause", texts::MenuPause, KeyCode::Pause},   {"mnuStop", texts::MenuStop, KeyCode::CtrlBreak},
      {"mnuReset", texts::MenuReset, KeyCode::Escape},
  };
  for (const auto& item : runItems) {
    QAction* action = makeAction(this, item.name, tr(item.text));
    const KeyCode code = item.code;
    connect(action, &QAction::triggered, this, [this, code] { m_session->keyDown(code, 1); });
    m_executeMenu->addAction(action);
  }

  // Options
  m_optionsMenu = new QMenu(tr(texts::MenuOptions), this);
  m_optionsMenu->setObjectName(QStringLiteral("mnuOptions"));
  m_toolbarAction = makeAction(this, "mnuOToolbar", tr(texts::MenuToolbar));
  m_toolbarAction->setCheckable(true);
  connect(m_toolbarAction, &QAction::triggered, this, &DocumentWindow::toolbarToggleRequested);
  m_optionsMenu->addAction(m_toolbarAction);
  m_wordWrapAction = makeAction(this, "mnuOWordWrap", tr(texts::MenuProtocolWordWrap));
  m_wordWrapAction->setCheckable(true);
  m_wordWrapAction->setChecked(m_settings.protocolWordWrap());
  connect(m_wordWrapAction, &QAction::triggered, this, &DocumentWindow::protocolWordWrapRequested);
  m_optionsMenu->addAction(m_wordWrapAction);
  m_optionsMenu->addSeparator();
  m_fontNameMenu = m_optionsMenu->addMenu(tr(texts::MenuFontName));
  m_fontNameMenu->setObjectName(QStringLiteral("mnuFontName"));
  fillFontMenu();
  for (int size : FontSizes) {
    // The first size's name is spelled differently from the others.
    const QString name = size == FontSizes[0] ? QStringLiteral("mnuFontsize%1").arg(size)
                                              : QStringLiteral("mnufontsize%1").arg(size);
    auto* action = new QAction(texts::fontSizeCaption(size), this);
    action->setObjectName(name);
    connect(action, &QAction::triggered, this, [this, size] { chooseFontSize(size); });
    m_optionsMenu->addAction(action);
  }
  m_optionsMenu->addSeparator();
  QAction* defaultsAction = makeAction(this, "mnuDefaults", tr(texts::MenuDefaults));
  connect(defaultsAction, &QAction::triggered, this, &DocumentWindow::restoreFontDefaults);
  m_optionsMenu->addAction(defaultsAction);

  // Window
  m_windowMenu = new QMenu(tr(texts::MenuWindow), this);
  m_windowMenu->setObjectName(QStringLiteral("mnuWindow"));
  const struct {
    const char* name;
    const char* text;
    WindowArrangement arrangement;
  } windowItems[] = {
      {"mnuWCascade", texts::MenuCascade, WindowArrangement::Cascade},
      {"mnuWTile", texts::MenuTile, WindowArrangement::TileHorizontally},
      {"mnuWArrange", texts::MenuArrange, WindowArrangement::ArrangeIcons},
  };
  for (const auto& item : windowItems) {
    QAction* action = makeAction(this, item.name, tr(item.text));
    const WindowArrangement arrangement = item.arrangement;
    connect(action, &QAction::triggered, this, [this, arrangement] { Q_EMIT arrangeRequested(arrangement); });
    m_windowMenu->addAction(action);
  }
  // Below the arrangements, the open windows, to bring one to the front.
  m_windowListSeparator = m_windowMenu->addSeparator();
  connect(m_windowMenu, &QMenu::aboutToShow, this, &DocumentWindow::fillWindowList);

  // Help: the language reference, at the entry of the word under the caret.
  m_helpMenu = new QMenu(tr(texts::MenuHelp), this);
  m_helpMenu->setObjectName(QStringLiteral("mnuHelp"));
  QAction* referenceAction = makeAction(this, "mnuHReference", tr(texts::MenuLanguageReference));
  connect(referenceAction, &QAction::triggered, this, [this] {
    const QTextCursor caret = m_editor->textCursor();
    Q_EMIT helpRequested(KeywordsAtCaret(caret.block().text(), caret.positionInBlock()));
  });
  giveShortcut(this, referenceAction, QKeySequence::HelpContents);
  m_helpMenu->addAction(referenceAction);

  // About
  m_aboutAction = makeAction(this, "mnuAbout", tr(texts::MenuAbout));
  connect(m_aboutAction, &QAction::triggered, this, &DocumentWindow::aboutRequested);
}

// The Font Name entries: the installed candidates.
void DocumentWindow::fillFontMenu() {
  m_fontNameMenu->clear();
  int index = 0;
  for (const QString& name : InstalledFontCandidates()) {
    auto* action = new QAction(name, m_fontNameMenu);
    action->setObjectName(QStringLiteral("mnuFontName%1").arg(index++));
    connect(action, &QAction::triggered, this, [this, name] { chooseFont(name); });
    m_fontNameMenu->addAction(action);
  }
}

QList<QMenu*> DocumentWindow::menus() const {
  return {m_fileMenu, m_editMenu, m_searchMenu, m_executeMenu, m_optionsMenu, m_windowMenu, m_helpMenu};
}

void DocumentWindow::showRecentFiles(const QStringList& paths) {
  for (int k = 0; k < m_recentFileActions.size(); ++k) {
    QAction* action = m_recentFileActions[k];
    const bool shown = k < paths.size();
    action->setVisible(shown);
    if (shown) {
      // "&" in a path would otherwise mark a shortcut letter.
      action->setText(QString(paths[k]).replace(QLatin1Char('&'), QLatin1String("&&")));
      action->setData(paths[k]);
    }
  }
  m_recentSeparator->setVisible(!paths.isEmpty());
}

void DocumentWindow::setToolbarChecked(bool checked) { m_toolbarAction->setChecked(checked); }

void DocumentWindow::setProtocolWordWrap(bool wrap) {
  m_wordWrapAction->setChecked(wrap);
  m_protocol->setLineWrapMode(wrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
}

// ---- Fonts ----------------------------------------------------------------------------------

void DocumentWindow::applyFont(const QString& name, int size) {
  m_font = {name, size};
  QFont font(name, size);
  font.setBold(false);
  font.setItalic(false);
  font.setUnderline(false);
  m_editor->setFont(font);
  m_protocol->setFont(font);
  m_editor->setTabStopDistance(QFontMetricsF(font).horizontalAdvance(QLatin1Char(' ')) * 8);
  if (m_session) {
    CanvasFont& canvasFont = document().canvasSettings.font;
    canvasFont = CanvasFont{EncodeCodePage(name), static_cast<double>(size), false, false, false};
  }
}

void DocumentWindow::chooseFont(const QString& name) {
  applyFont(name, m_font.size);
  m_settings.saveFontName(name);
}

void DocumentWindow::chooseFontSize(int size) {
  applyFont(m_font.name, size);
  m_settings.saveFontSize(size);
}

void DocumentWindow::restoreFontDefaults() {
  applyFont(QString::fromLatin1(settings::DefaultFontName), settings::DefaultFontSize);
  m_settings.saveFontName(m_font.name);
  m_settings.saveFontSize(m_font.size);
}

int DocumentWindow::dialogFontSize() const { return m_settings.fontSize(); }

// ---- Layout -----------------------------------------------------------------------------------

void DocumentWindow::applyLayout() {
  if (m_settingUp || isMinimized()) return;
  m_panes = m_layout.arrange(size(), m_panes);
  m_status->setGeometry(m_panes.status);
  m_protocol->setGeometry(m_panes.protocol);
  m_editor->setGeometry(m_panes.editor);
  m_canvasView->setGeometry(m_panes.canvas);
  m_protocol->setVisible(m_panes.protocolShown);
  // The Variables pane takes the right part of the protocol's place.
  const bool variablesShown = m_variablesAction != nullptr && m_variablesAction->isChecked() && m_panes.protocolShown;
  if (variablesShown) {
    const QRect place = m_panes.protocol;
    const int protocolWidth = place.width() * 11 / 20;
    m_protocol->setGeometry(place.left(), place.top(), protocolWidth, place.height());
    m_variables->setGeometry(place.left() + protocolWidth + VariablesGap, place.top(),
                             place.width() - protocolWidth - VariablesGap, place.height());
  }
  m_variables->setVisible(variablesShown);
  m_editor->setVisible(m_panes.editorShown);
}

// A drawing on a canvas too narrow to see it widens the canvas, once. The
// panes move after the drawing call has returned, at the run's next yield
// or when it ends.
void DocumentWindow::showCanvasDrawnOn() {
  if (m_layout.canvasWidthSettled() || m_canvasRevealPending) return;
  m_canvasRevealPending = true;
  QTimer::singleShot(0, this, [this] {
    m_canvasRevealPending = false;
    if (m_layout.revealCanvas(size())) applyLayout();
  });
}

void DocumentWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  applyLayout();
}

void DocumentWindow::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) m_dragging = m_layout.splitterAt(size(), event->position().toPoint());
  QWidget::mousePressEvent(event);
}

void DocumentWindow::mouseMoveEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  if (m_dragging != Splitter::None && event->buttons().testFlag(Qt::LeftButton)) {
    if (m_layout.drag(m_dragging, size(), at)) applyLayout();
    return;
  }
  // Over a gap the pointer shows which way it can be dragged.
  switch (m_layout.splitterAt(size(), at)) {
    case Splitter::BetweenTexts:
      setCursor(Qt::SizeVerCursor);
      break;
    case Splitter::BeforeCanvas:
      setCursor(Qt::SizeHorCursor);
      break;
    case Splitter::None:
      unsetCursor();
      break;
  }
}

void DocumentWindow::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) m_dragging = Splitter::None;
  QWidget::mouseReleaseEvent(event);
}

void DocumentWindow::focusOutEvent(QFocusEvent* event) {
  unsetCursor();
  QWidget::focusOutEvent(event);
}

bool DocumentWindow::eventFilter(QObject* watched, QEvent* event) {
  // The run keys also work while the canvas has the focus.
  if (watched == m_canvasView && event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    const TranslatedKey translated = TranslateKey(*key);
    if (translated.keyDown && IsRunKey(*translated.keyDown)) {
      m_session->keyDown(*translated.keyDown, key->modifiers().testFlag(Qt::ShiftModifier) ? 1 : 0);
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

// ---- Text and files -------------------------------------------------------------------------------

void DocumentWindow::setCaption(const QString& caption, bool hasFile) {
  m_hasFile = hasFile;
  setWindowTitle(caption);
}

void DocumentWindow::loadProgram(const QString& path, const ProgramText& program) {
  setCaption(path, true);
  m_format = program.format;
  m_editor->setProgramText(program.text);
  // Undo right after opening returns to the opened text.
  m_editor->noteClick();
  m_editor->moveCursor(QTextCursor::Start);
  document().changed = false;
}

void DocumentWindow::restoreText(const QString& caption, bool hasFile, const QString& text,
                                 const ProgramFileFormat& format) {
  setCaption(caption, hasFile);
  m_format = format;
  m_editor->setProgramText(text);
  m_editor->noteClick();
  m_editor->moveCursor(QTextCursor::Start);
  document().changed = true;
}

QString DocumentWindow::programToKeep() const { return m_host->program(); }

bool DocumentWindow::save() {
  // 1. A window without a file asks for a name first.
  if (!m_hasFile) return saveAs();
  // 2. The text goes to the file as it stands, without a line end added.
  QApplication::setOverrideCursor(Qt::WaitCursor);
  const bool written = WriteProgramFile(caption(), m_editor->programText(), m_format);
  QApplication::restoreOverrideCursor();
  if (!written) {
    // 3. The file and the window's text stay as they were.
    MessageBox::ask(this, {texts::tr(texts::TitleError), texts::unableToSave(ShortenedName(caption())),
                           {texts::tr(texts::ButtonOk)}, false, dialogFontSize()});
    Q_EMIT recentFilesOutdated();
    return false;
  }
  document().changed = false;
  // 4. The recent-files list takes the file.
  Q_EMIT fileSaved(caption());
  return true;
}

bool DocumentWindow::saveAs() {
  // 1. The dialog starts at the window's file, or in the current directory.
  const QFileInfo current(caption());
  FileDialogRequest request;
  request.title = texts::tr(texts::TitleFileSave);
  request.directory = m_hasFile ? current.absolutePath() : QDir::currentPath();
  request.fileName = current.fileName();
  request.pattern = patternFor(current.fileName());
  request.fontSize = dialogFontSize();
  FileDialog dialog(request, this);
  dialog.exec();
  if (dialog.abbrechen()) return false;
  const QString chosen = dialog.filename();

  // 2. Another file of that name is only replaced when the user agrees. The
  // names are compared exactly: on this system "a.bas" and "A.bas" are two
  // different files.
  const bool sameFile = m_hasFile && QFileInfo(chosen).absoluteFilePath() == current.absoluteFilePath();
  if (!sameFile && RecentFiles::canBeOpened(chosen)) {
    const MessageBoxAnswer answer =
        MessageBox::ask(this, {texts::tr(texts::TitleAttention), texts::fileExists(ShortenedName(chosen)),
                               {texts::tr(texts::ButtonOverwrite), texts::tr(texts::ButtonCancel)}, false,
                               dialogFontSize(), BoxButton::Command2});
    if (answer.icommand != BoxButton::Command1) return false;  // Cancel
  }
  // 3. The window takes the new name and is saved.
  setCaption(chosen, true);
  return save();
}

void DocumentWindow::deleteFile() {
  if (m_hasFile && QFileInfo::exists(caption())) {
    const MessageBoxAnswer answer =
        MessageBox::ask(this, {texts::tr(texts::TitleAttention), texts::deleteFile(ShortenedName(caption())),
                               {texts::tr(texts::ButtonYes), texts::tr(texts::ButtonNo)}, false, dialogFontSize(),
                           BoxButton::Command2});
    if (answer.icommand == BoxButton::Command1 && QFile::remove(caption())) {  // Yes
      // The file is gone: there is nothing left to save.
      document().changed = false;
      Q_EMIT recentFilesOutdated();
      if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget())) {
        frame->close();
      } else {
        close();
      }
      return;
    }
  }
  Q_EMIT recentFilesOutdated();
}

bool DocumentWindow::maybeSave() {
  if (m_unloaded || !document().changed) return true;
  const MessageBoxAnswer answer = MessageBox::ask(
      this, {texts::tr(texts::TitleChanged), texts::fileChanged(ShortenedName(caption())),
             {texts::tr(texts::ButtonSave), texts::tr(texts::ButtonDischarge), texts::tr(texts::ButtonCancel)}, false,
             dialogFontSize()});
  switch (answer.icommand) {
    case BoxButton::Command1:  // Save: the window closes only when its text reached the file
      return save();
    case BoxButton::Command2:  // Discharge
      document().changed = false;
      return true;
    case BoxButton::Command3:  // Cancel
    case BoxButton::None:
      return false;
  }
  return false;
}

// ---- Closing ---------------------------------------------------------------------------------------------

void DocumentWindow::closeEvent(QCloseEvent* event) {
  if (!m_unloaded) {
    if (!maybeSave()) {
      event->ignore();
      return;
    }
    unload();
  }
  // A run of this window may still be on the stack, below the handler that
  // closes it: the window hides now and goes once the run has unwound.
  if (m_session->onStack()) {
    event->ignore();
    if (parentWidget() != nullptr) parentWidget()->hide();
    hide();
    m_session->whenUnwound([this] { finishUnload(); });
    if (m_session->waiting()) m_unwindCheck->start();
    return;
  }
  event->accept();
}

void DocumentWindow::unload() {
  m_unloaded = true;
  m_workspace.closeDocument(m_slot);
  m_protocol->setBuffer(nullptr);
  Q_EMIT unloaded(this);
}

void DocumentWindow::finishUnload() {
  m_unwindCheck->stop();
  QWidget* frame = parentWidget() != nullptr ? parentWidget() : this;
  frame->deleteLater();
}

// ---- Clipboard ---------------------------------------------------------------------------------------------

QPlainTextEdit* DocumentWindow::activeTextPane() const {
  QWidget* focused = focusWidget();
  if (focused == m_protocol) return m_protocol;
  return m_editor;
}

void DocumentWindow::copyText() {
  QClipboard* clipboard = QApplication::clipboard();
  clipboard->clear();
  clipboard->setText(activeTextPane()->textCursor().selectedText().replace(QChar::ParagraphSeparator, QLatin1Char('\n')));
}

void DocumentWindow::cutText() {
  copyText();
  // The protocol shows its buffer, and a locked editor stays as it is.
  if (activeTextPane() == m_editor && !m_editor->isReadOnly()) m_editor->textCursor().removeSelectedText();
}

void DocumentWindow::pasteText() {
  if (activeTextPane() != m_editor || m_editor->isReadOnly()) return;
  m_editor->insertPlainText(QApplication::clipboard()->text());
}

// ---- Canvas ------------------------------------------------------------------------------------------------

void DocumentWindow::graficCopy() {
  QClipboard* clipboard = QApplication::clipboard();
  clipboard->clear();
  clipboard->setImage(m_canvasView->canvas().image());
}

void DocumentWindow::graficPaste() {
  const QImage picture = QApplication::clipboard()->image();
  if (!picture.isNull()) m_canvasView->canvas().setBackground(picture);
}

void DocumentWindow::graficDelete() {
  m_canvasView->canvas().removeBackground();
  // Through the record, which then starts a new drawing.
  m_canvasView->drawing().clear();
  document().canvasSettings.reset(EncodeCodePage(m_font.name), m_font.size);
  m_workspace.drawing().reset();
}

void DocumentWindow::exportPicture() {
  // The dialog suggests the program's name with ".png" beside its file.
  const QFileInfo program(caption());
  const QString directory = m_hasFile ? program.absolutePath() : QDir::currentPath();
  const QString suggested = QDir(directory).filePath(program.completeBaseName() + QStringLiteral(".png"));
  ExportPicture(this, m_canvasView->drawing(), m_canvasView->canvas(), suggested, dialogFontSize());
}

}  // namespace morvane
