// A document window driven through its real widgets: typing and Enter in the
// protocol, the command history, F5 and F8 runs with the editor's highlight
// and lock and the lamp's colours, Pause and Escape during a run, INPUT
// answered in the protocol, and closing a window during its own run.

#include <QFile>
#include <QKeyEvent>
#include <QPointer>
#include <QScrollBar>
#include <QTest>

#include "GuiTestSupport.h"
#include "workbench/CanvasView.h"
#include "workbench/DocumentWindow.h"
#include "workbench/ProgramEditor.h"
#include "workbench/ProtocolBox.h"
#include "workbench/RunSession.h"
#include "workbench/StatusStrip.h"

using namespace morvane;
using morvane::testing::DuringRun;

namespace {

const QColor Green(0, 255, 0);
const QColor Yellow(255, 255, 0);
const QColor Red(255, 0, 0);

}  // namespace

class RunControlWindowTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<testing::TemporarySettings> m_temporary;
  std::unique_ptr<testing::Application> m_app;
  std::unique_ptr<DocumentWindow> m_window;

  ProtocolBox* protocol() { return m_window->protocol(); }
  ProgramEditor* editor() { return m_window->editor(); }
  QString protocolText() { return protocol()->toPlainText(); }
  QColor lamp() { return m_window->statusStrip()->lamp().colour(); }
  RunState runState() { return m_window->document().runState; }
  QString highlighted() { return editor()->textCursor().selectedText(); }
  // A program in the editor of `window`, which counts as saved (closing it
  // asks nothing).
  static void setProgram(DocumentWindow& window, const QString& text) {
    window.editor()->setProgramText(text);
    window.document().changed = false;
  }
  void setProgram(const QString& text) { setProgram(*m_window, text); }

  // Types each character as a key press that carries it (also letters
  // beyond ASCII, which QTest::keyClicks cannot send).
  void type(const QString& text) {
    for (QChar c : text) {
      QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
      QApplication::sendEvent(protocol(), &press);
      QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
      QApplication::sendEvent(protocol(), &release);
    }
  }
  void enter() { QTest::keyClick(protocol(), Qt::Key_Return); }
  void key(Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::NoModifier) { QTest::keyClick(protocol(), k, modifiers); }
  // The protocol's last line, where the user types.
  QString inputLine() { return protocolText().section(QLatin1Char('\n'), -1); }

 private Q_SLOTS:
  void initTestCase() { m_temporary = std::make_unique<testing::TemporarySettings>(); }

  void init() {
    m_app = std::make_unique<testing::Application>(m_temporary->iniFile(QStringLiteral("settings")));
    m_window = std::make_unique<DocumentWindow>(m_app->workspace, m_app->settings);
    m_window->resize(900, 600);
    m_window->show();
    protocol()->setFocus();
  }

  void cleanup() {
    m_window.reset();
    m_app.reset();
  }

  void typedExpressionShowsItsValue() {
    type(QStringLiteral("3+4"));
    QCOMPARE(protocolText(), QStringLiteral("3+4"));
    enter();
    QCOMPARE(protocolText(), QStringLiteral("3+4\n3+4 ( =  7 )\n"));
    QCOMPARE(lamp(), Green);
  }

  void typedEndIsNotAllowed() {
    type(QStringLiteral("END"));
    enter();
    QVERIFY(protocolText().endsWith(QStringLiteral("END Not allowed in single line mode! \n")));
  }

  void backspaceStopsAtTheLineStart() {
    type(QStringLiteral("ab"));
    enter();
    type(QStringLiteral("x"));
    key(Qt::Key_Backspace);
    key(Qt::Key_Backspace);
    QVERIFY(protocolText().endsWith(QLatin1Char('\n')));
    QCOMPARE(inputLine(), QString());
  }

  void lettersOfTheCodePage() {
    type(QStringLiteral("é€"));
    QCOMPARE(protocolText(), QStringLiteral("é€"));
    QCOMPARE(m_window->document().protocol.text(), std::string("\xE9\x80"));
  }

  void commandHistory() {
    type(QStringLiteral("END"));
    enter();
    type(QStringLiteral("STOP"));
    enter();
    key(Qt::Key_Up);
    QCOMPARE(inputLine(), QStringLiteral("STOP"));
    key(Qt::Key_Up);
    QCOMPARE(inputLine(), QStringLiteral("END"));
    key(Qt::Key_Up);  // the first command stays
    QCOMPARE(inputLine(), QStringLiteral("END"));
    key(Qt::Key_Down);
    QCOMPARE(inputLine(), QStringLiteral("STOP"));
    key(Qt::Key_Down);
    QCOMPARE(inputLine(), QString());
  }

  void caretKeysStayOnTheCommandLine() {
    type(QStringLiteral("ab"));
    enter();
    type(QStringLiteral("cd"));
    key(Qt::Key_Home);
    key(Qt::Key_Left);  // never into the line above
    type(QStringLiteral("x"));
    QCOMPARE(inputLine(), QStringLiteral("xcd"));
    // The box shows the caret where the buffer has it.
    QCOMPARE(protocol()->textCursor().position(), protocolText().size() - 2);
    key(Qt::Key_End);
    QCOMPARE(protocol()->textCursor().position(), protocolText().size());
  }

  void clearProtocolKeepsTheHistory() {
    type(QStringLiteral("END"));
    enter();
    m_window->findChild<QAction*>(QStringLiteral("clear_protocol"))->trigger();
    QCOMPARE(protocolText(), QString());
    key(Qt::Key_Up);
    QCOMPARE(protocolText(), QStringLiteral("END"));
  }

  void runEndsWithItsMessage() {
    setProgram(QStringLiteral("PRINT 1\nEND"));
    key(Qt::Key_F5);
    QCOMPARE(protocolText(), QStringLiteral("Run\n 1 \nEnd\n"));
    QCOMPARE(lamp(), Green);
    QVERIFY(!editor()->isReadOnly());
    QCOMPARE(m_window->focusWidget(), protocol());
  }

  void typedLettersBeforeF5AreOneCommand() {
    setProgram(QStringLiteral("PRINT 1"));
    type(QStringLiteral("abc"));
    key(Qt::Key_F5);
    // "abcRun" is no RUN: it is executed as a command of its own.
    QVERIFY(protocolText().startsWith(QStringLiteral("abcRun\n")));
    QVERIFY(!protocolText().contains(QStringLiteral(" 1 ")));
  }

  void structureErrorStopsBeforeTheRun() {
    setProgram(QStringLiteral("FOR I = 1 TO 2\nPRINT I"));
    key(Qt::Key_F5);
    QVERIFY(protocolText().contains(QStringLiteral("(Line ")));
    QCOMPARE(runState(), RunState::Idle);
  }

  void runningLampIsRedAndTheEditorLocked() {
    setProgram(QStringLiteral("FOR I = 1 TO 3\n  WAIT 0.05\nNEXT I\nEND"));
    QColor during;
    bool lockedDuring = false;
    DuringRun run([this] { key(Qt::Key_Escape); });
    run.when([this] { return runState() == RunState::Running; }, [&] {
      during = lamp();
      lockedDuring = editor()->isReadOnly();
    });
    run.start();
    key(Qt::Key_F5);
    QVERIFY(run.allDone());
    QCOMPARE(during, Red);
    QVERIFY(lockedDuring);
    QCOMPARE(lamp(), Green);
    QVERIFY(protocolText().endsWith(QStringLiteral("End\n")));
  }

  // F8 highlights the first line without running it; each further F8 runs
  // the highlighted line and highlights the next.
  void singleStepHighlightsEachLine() {
    setProgram(QStringLiteral("PRINT \"é\"\n\tPRINT 2\nEND"));
    QStringList highlights;
    QList<QColor> lamps;
    QStringList protocolAtSteps;
    auto waiting = [this] { return runState() == RunState::WaitingForStep; };
    auto step = [&] {
      highlights.append(highlighted());
      lamps.append(lamp());
      protocolAtSteps.append(protocolText());
      key(Qt::Key_F8);
    };
    DuringRun run([this] { key(Qt::Key_Escape); });
    run.when(waiting, step)
        .when([&] { return waiting() && highlighted() != highlights.last(); }, step)
        .when([&] { return waiting() && highlighted() != highlights.last(); }, step);
    run.start();
    key(Qt::Key_F8);
    QVERIFY(run.allDone());
    QCOMPARE(highlights, (QStringList{QStringLiteral("PRINT \"é\""), QStringLiteral("PRINT 2"), QStringLiteral("END")}));
    QCOMPARE(lamps, (QList<QColor>{Yellow, Yellow, Yellow}));
    QCOMPARE(protocolAtSteps[0], QStringLiteral("Go\n"));
    QVERIFY(protocolAtSteps[1].startsWith(QStringLiteral("Go\nPRINT \"é\"")));
    QVERIFY(protocolAtSteps[2].contains(QStringLiteral("PRINT 2")));
    QCOMPARE(lamp(), Green);
  }

  void pauseThenResumeThenEscape() {
    setProgram(QStringLiteral("X = 0\nDO\n  X = X + 1\nLOOP"));
    QColor pausedLamp;
    QString pausedAt;
    QColor resumedLamp;
    DuringRun run([this] { key(Qt::Key_Escape); });
    run.when([this] { return runState() == RunState::Running; }, [this] { key(Qt::Key_Pause); })
        .when([this] { return runState() == RunState::WaitingForStep; },
              [&] {
                pausedLamp = lamp();
                pausedAt = highlighted();
                key(Qt::Key_F5);
                resumedLamp = lamp();
              })
        .when([this] { return runState() == RunState::Running; }, [this] { key(Qt::Key_Escape); });
    run.start();
    key(Qt::Key_F5);
    QVERIFY(run.allDone());
    QCOMPARE(pausedLamp, Yellow);
    QVERIFY(!pausedAt.isEmpty());
    QCOMPARE(resumedLamp, Red);
    QVERIFY(protocolText().contains(QStringLiteral("Clear Screen and Variables\n")));
    QVERIFY(protocolText().endsWith(QStringLiteral("Execution interrupted!\n")));
    QCOMPARE(lamp(), Green);
    QVERIFY(!editor()->isReadOnly());
  }

  void menuAndCtrlBreakStopARun() {
    setProgram(QStringLiteral("DO\nLOOP"));
    DuringRun run([this] { key(Qt::Key_Escape); });
    run.when([this] { return runState() == RunState::Running; },
             [this] { m_window->findChild<QAction*>(QStringLiteral("mnuStop"))->trigger(); });
    run.start();
    m_window->findChild<QAction*>(QStringLiteral("mnuRun"))->trigger();
    QVERIFY(run.allDone());
    QVERIFY(protocolText().endsWith(QStringLiteral("Execution interrupted!\n")));
    QVERIFY(!protocolText().contains(QStringLiteral("Clear Screen")));

    DuringRun again([this] { key(Qt::Key_Escape); });
    again.when([this] { return runState() == RunState::Running; },
               [this] { key(Qt::Key_Pause, Qt::ControlModifier); });
    again.start();
    QTest::keyClick(editor(), Qt::Key_F5);  // the run keys work from the editor too
    QVERIFY(again.allDone());
    QCOMPARE(protocolText().count(QStringLiteral("Execution interrupted!")), 2);
  }

  // Ctrl+Pause comes as the Pause key with Ctrl, as the Cancel key, or on
  // X11 as the Break keysym that Qt gives no key of its own (key 0): each
  // stops a free run and a single step, in the protocol and in the editor.
  void ctrlBreakStopsARun_data() {
    QTest::addColumn<int>("qtKey");
    QTest::addColumn<quint32>("keysym");
    QTest::addColumn<bool>("singleStep");
    QTest::addColumn<bool>("inEditor");
    constexpr quint32 BreakKeysym = 0xFF6B;
    for (const bool step : {false, true}) {
      const char* mode = step ? "single step" : "free run";
      QTest::addRow("Ctrl+Pause, %s", mode) << int(Qt::Key_Pause) << 0u << step << false;
      QTest::addRow("Cancel, %s", mode) << int(Qt::Key_Cancel) << 0u << step << false;
      QTest::addRow("Break keysym, %s", mode) << 0 << BreakKeysym << step << false;
      QTest::addRow("Break keysym in the editor, %s", mode) << 0 << BreakKeysym << step << true;
    }
  }
  void ctrlBreakStopsARun() {
    QFETCH(int, qtKey);
    QFETCH(quint32, keysym);
    QFETCH(bool, singleStep);
    QFETCH(bool, inEditor);
    setProgram(QStringLiteral("DO\nLOOP"));
    const RunState awaited = singleStep ? RunState::WaitingForStep : RunState::Running;
    RunState afterTheKey = awaited;
    DuringRun run([this] { key(Qt::Key_Escape); });
    run.when([&] { return runState() == awaited; },
             [&] {
               const quint32 scanCode = 0;
               const quint32 nativeModifiers = 0;
               QKeyEvent press(QEvent::KeyPress, qtKey, Qt::ControlModifier, scanCode, keysym, nativeModifiers);
               QApplication::sendEvent(inEditor ? static_cast<QWidget*>(editor()) : protocol(), &press);
               afterTheKey = runState();
               // A key that did not stop the run leaves Escape to end it.
               if (afterTheKey != RunState::StopRequested) key(Qt::Key_Escape);
             });
    run.start();
    key(singleStep ? Qt::Key_F8 : Qt::Key_F5);
    QVERIFY(run.allDone());
    QVERIFY(afterTheKey == RunState::StopRequested);
    QVERIFY(protocolText().endsWith(QStringLiteral("Execution interrupted!\n")));
  }

  // F5 or F8 pressed in the editor hands the focus to the protocol, where
  // Enter takes the next step.
  void runStartedInTheEditorGivesTheProtocolTheFocus() {
    setProgram(QStringLiteral("PRINT 1\nPRINT 2\nEND"));
    editor()->setFocus();
    QWidget* focusedWhileWaiting = nullptr;
    auto waitingAt = [this](const char* line) {
      return [this, line] { return runState() == RunState::WaitingForStep && highlighted() == QLatin1String(line); };
    };
    auto enterWhereTheFocusIs = [&] {
      focusedWhileWaiting = m_window->focusWidget();
      QTest::keyClick(m_window->focusWidget(), Qt::Key_Return);
    };
    DuringRun run([this] { key(Qt::Key_Escape); });
    run.when(waitingAt("PRINT 1"), enterWhereTheFocusIs)
        .when(waitingAt("PRINT 2"), enterWhereTheFocusIs)
        .when(waitingAt("END"), enterWhereTheFocusIs);
    run.start();
    QTest::keyClick(editor(), Qt::Key_F8);
    QVERIFY(run.allDone());
    QCOMPARE(focusedWhileWaiting, protocol());
    QVERIFY(protocolText().endsWith(QStringLiteral("End\n")));

    // The same for a free run started from the editor.
    setProgram(QStringLiteral("DO\nLOOP"));
    editor()->setFocus();
    focusedWhileWaiting = nullptr;
    DuringRun running([this] { key(Qt::Key_Escape); });
    running.when([this] { return runState() == RunState::Running; },
                 [&] {
                   focusedWhileWaiting = m_window->focusWidget();
                   key(Qt::Key_Escape);
                 });
    running.start();
    QTest::keyClick(editor(), Qt::Key_F5);
    QVERIFY(running.allDone());
    QCOMPARE(focusedWhileWaiting, protocol());
  }

  // One PRINT line whose recursion would run for hours: its lines pass no
  // loop head, yet Stop ends it.
  void stopEndsADeepRecursionInsideOneLine() {
    setProgram(QStringLiteral("PRINT FIB(40)\n"
                              "FUNCTION FIB(N)\n"
                              "  IF N < 3 THEN FIB = 1 ELSE FIB = FIB(N - 1) + FIB(N - 2)\n"
                              "END FUNCTION"));
    DuringRun run([this] { key(Qt::Key_Escape); });
    run.when([this] { return runState() == RunState::Running; },
             [this] { m_window->findChild<QAction*>(QStringLiteral("mnuStop"))->trigger(); });
    run.start();
    key(Qt::Key_F5);
    QVERIFY(run.allDone());
    QVERIFY(protocolText().contains(QStringLiteral("Execution interrupted!\n")));
    QCOMPARE(runState(), RunState::Idle);
    QCOMPARE(lamp(), Green);
  }

  void inputIsAnsweredInTheProtocol() {
    setProgram(QStringLiteral("INPUT A\nPRINT A * 2\nEND"));
    QString prompt;
    DuringRun run([this] { key(Qt::Key_Escape); });
    run.when([this] { return runState() == RunState::WaitingForInput; },
             [&] {
               prompt = inputLine();
               type(QStringLiteral("21"));
               enter();
             });
    run.start();
    key(Qt::Key_F5);
    QVERIFY(run.allDone());
    QCOMPARE(prompt, QStringLiteral("A="));
    QVERIFY(protocolText().contains(QStringLiteral("A=21")));
    QVERIFY(protocolText().contains(QStringLiteral(" 42 ")));
    QVERIFY(protocolText().endsWith(QStringLiteral("End\n")));
  }

  void escapeWhileInputWaits() {
    setProgram(QStringLiteral("INPUT A\nEND"));
    DuringRun run([this] { key(Qt::Key_Escape); });
    run.when([this] { return runState() == RunState::WaitingForInput; }, [this] { key(Qt::Key_Escape); });
    run.start();
    key(Qt::Key_F5);
    QVERIFY(run.allDone());
    QVERIFY(protocolText().contains(QStringLiteral("Clear Screen and Variables\n")));
    QVERIFY(protocolText().endsWith(QStringLiteral("Execution interrupted!\n")));
  }

  void drawingBeyondThePaneScrolls() {
    setProgram(QStringLiteral("DRAW SCALE PIXEL\nDRAW LINE (0, 0) TO (3000, 2500), RED\nEND"));
    key(Qt::Key_F5);
    QVERIFY(protocolText().endsWith(QStringLiteral("End\n")));
    CanvasView* canvas = m_window->canvasView();
    QVERIFY(canvas->canvas().size().width() > canvas->viewport()->width());
    QTRY_VERIFY(canvas->horizontalScrollBar()->maximum() > 0);
    QVERIFY(canvas->verticalScrollBar()->maximum() > 0);
  }

  // RUN shows its instruction file in the editor while it runs and gives
  // the program back afterwards, the window still counting as unchanged.
  void instructionFileShowsInTheEditor() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("steps.bas"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("WAIT 0.01\r\nPRINT \"inside\"\r\n");
    file.close();
    const QString program = QStringLiteral("RUN \"%1\"\nPRINT \"after\"\nEND").arg(path);
    setProgram(program);
    QString shownDuring;
    DuringRun run([this] { key(Qt::Key_Escape); });
    run.when([this] { return editor()->programText().startsWith(QStringLiteral("WAIT")); },
             [&] { shownDuring = editor()->programText(); });
    run.start();
    key(Qt::Key_F5);
    QVERIFY(run.allDone());
    QCOMPARE(shownDuring, QStringLiteral("WAIT 0.01\nPRINT \"inside\"\n"));
    QCOMPARE(editor()->programText(), program);
    QVERIFY(protocolText().contains(QStringLiteral("inside")));
    QVERIFY(protocolText().contains(QStringLiteral("after")));
    QVERIFY(!m_window->document().changed);
  }

  // Closing the window while its program runs ends the run silently; the
  // window goes only once the run's frames have unwound.
  void closingDuringItsOwnRun() {
    setProgram(QStringLiteral("DO\nLOOP"));
    const std::int32_t slot = m_window->slot();
    QPointer<DocumentWindow> window(m_window.release());
    bool stillThereDuringRun = false;
    DuringRun run([&] {
      if (window) QTest::keyClick(window->protocol(), Qt::Key_Escape);
    });
    run.when([&] { return window->document().runState == RunState::Running; },
             [&] {
               window->close();
               stillThereDuringRun = !window.isNull() && window->isUnloaded() && window->isHidden();
             });
    run.start();
    QTest::keyClick(window->protocol(), Qt::Key_F5);
    QVERIFY(run.allDone());
    QVERIFY(stillThereDuringRun);
    QVERIFY(m_app->workspace.document(slot).free);
    const std::string& text = m_app->workspace.document(slot).protocol.text();
    QVERIFY(text.find("interrupted") == std::string::npos);
    QVERIFY(text.find("DELETED") == std::string::npos);
    QTRY_VERIFY(window.isNull());
    QCOMPARE(m_app->workspace.document(slot).activeRuns, 0);
  }

  // A run started in another window during a yield runs nested; closing the
  // outer window meanwhile must wait for both to unwind.
  void closingTheOuterWindowOfANestedRun() {
    DocumentWindow other(m_app->workspace, m_app->settings);
    other.resize(600, 400);
    other.show();
    setProgram(other, QStringLiteral("FOR I = 1 TO 20\n  WAIT 0.01\nNEXT I\nPRINT \"inner done\""));
    setProgram(QStringLiteral("DO\nLOOP"));
    QPointer<DocumentWindow> outer(m_window.release());
    DuringRun run([&] {
      if (outer) QTest::keyClick(outer->protocol(), Qt::Key_Escape);
    });
    run.when([&] { return outer->document().runState == RunState::Running; },
             [&] {
               // The inner run: the outer window closes during it.
               QTimer::singleShot(30, outer, [&] { outer->close(); });
               QTest::keyClick(other.protocol(), Qt::Key_F5);
             });
    run.start();
    QTest::keyClick(outer->protocol(), Qt::Key_F5);
    QVERIFY(run.allDone());
    QVERIFY(other.protocol()->toPlainText().contains(QStringLiteral("inner done")));
    QTRY_VERIFY(outer.isNull());
  }
};

QTEST_MAIN(RunControlWindowTest)
#include "RunControlWindowTest.moc"
