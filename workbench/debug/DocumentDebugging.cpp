// The document window's debugging: the gutter, the colouring, the
// breakpoints, the session that watches the window's runs, the Variables
// pane and the commands of the Execute menu that drive them. Kept apart from
// DocumentWindow.cpp, which lays out the window and handles its files.

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QTextBlock>

#include "exec/Workspace.h"
#include "workbench/DocumentWindow.h"
#include "workbench/ProgramEditor.h"
#include "workbench/RunSession.h"
#include "workbench/SettingsStore.h"
#include "workbench/WorkbenchTexts.h"
#include "workbench/debug/BreakpointLines.h"
#include "workbench/debug/DebugSession.h"
#include "workbench/debug/VariablesView.h"
#include "workbench/editor/LineNumberGutter.h"
#include "workbench/editor/SyntaxColouring.h"

namespace morvane {

void DocumentWindow::setUpDebugging() {
  m_editor->attachGutter(m_gutter);
  m_breakpoints->follow(m_editor->document());
  m_colouring->setEnabled(m_settings.syntaxColouring());
  m_variables->hide();
  document().observer = m_debug;

  connect(m_gutter, &LineNumberGutter::lineClicked, m_breakpoints, &BreakpointLines::toggle);
  connect(m_breakpoints, &BreakpointLines::changed, m_gutter, qOverload<>(&QWidget::update));
  connect(m_debug, &DebugSession::waitingAt, m_gutter, &LineNumberGutter::setCurrentLine);
  connect(m_debug, &DebugSession::variablesRead, m_variables, &VariablesView::showVariables);
  connect(m_debug, &DebugSession::runStarted, this, [this] { m_editor->setFaultLine(-1); });
  connect(m_debug, &DebugSession::faultAt, m_editor, &ProgramEditor::setFaultLine);
  // The fault stays marked until the text changes.
  connect(m_editor, &ProgramEditor::edited, this, [this] {
    if (m_editor->faultLine() >= 0) m_editor->setFaultLine(-1);
  });
}

void DocumentWindow::createDebugActions() {
  using texts::tr;
  const auto makeShortcutAction = [this](const char* name, const char* text, const QKeySequence& keys) {
    auto* action = new QAction(tr(text), this);
    action->setObjectName(QLatin1String(name));
    action->setShortcut(keys);
    // The keys work wherever the focus is in this window, with or without
    // the main frame's menu bar.
    action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    addAction(action);
    return action;
  };

  m_executeMenu->addSeparator();
  QAction* toggle = makeShortcutAction("mnuToggleBreakpoint", texts::MenuToggleBreakpoint, QKeySequence(Qt::Key_F9));
  connect(toggle, &QAction::triggered, this, &DocumentWindow::toggleBreakpointAtCaret);
  QAction* over = makeShortcutAction("mnuStepOver", texts::MenuStepOver, QKeySequence(Qt::SHIFT | Qt::Key_F8));
  connect(over, &QAction::triggered, this, &DocumentWindow::stepOver);
  QAction* toCursor = makeShortcutAction("mnuRunToCursor", texts::MenuRunToCursor, QKeySequence(Qt::CTRL | Qt::Key_F8));
  connect(toCursor, &QAction::triggered, this, &DocumentWindow::runToCursor);
  m_executeMenu->addActions({toggle, over, toCursor});

  // Options: the colouring, remembered for the windows to come, and the
  // Variables pane. (The Window menu's checked items are the open windows.)
  QAction* colouring = new QAction(tr(texts::MenuSyntaxColouring), this);
  colouring->setObjectName(QStringLiteral("mnuSyntaxColouring"));
  colouring->setCheckable(true);
  colouring->setChecked(m_colouring->isEnabled());
  connect(colouring, &QAction::toggled, this, [this](bool on) {
    m_colouring->setEnabled(on);
    m_settings.saveSyntaxColouring(on);
  });
  m_variablesAction = new QAction(tr(texts::MenuVariables), this);
  m_variablesAction->setObjectName(QStringLiteral("mnuVariables"));
  m_variablesAction->setCheckable(true);
  connect(m_variablesAction, &QAction::toggled, this, [this] { applyLayout(); });
  QAction* afterToolbar = m_optionsMenu->actions().value(1);
  m_optionsMenu->insertActions(afterToolbar, {colouring, m_variablesAction});
}

void DocumentWindow::showVariablesView(bool shown) { m_variablesAction->setChecked(shown); }

void DocumentWindow::toggleBreakpointAtCaret() { m_breakpoints->toggle(m_editor->textCursor().blockNumber()); }

void DocumentWindow::stepOver() {
  switch (document().runState) {
    case RunState::Idle:  // as Go: the first line waits
      m_session->keyDown(KeyCode::F8Go, 1);
      break;
    case RunState::WaitingForStep:
      m_debug->stepOverFromWaitingLine();
      m_session->keyDown(KeyCode::F5Run, 1);
      break;
    default:
      break;
  }
}

void DocumentWindow::runToCursor() {
  const RunState state = document().runState;
  if (state != RunState::Idle && state != RunState::WaitingForStep) return;
  m_debug->runToLine(m_editor->textCursor().blockNumber());
  m_session->keyDown(KeyCode::F5Run, 1);
}

}  // namespace morvane
