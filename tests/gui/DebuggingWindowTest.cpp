// Debugging in a document window: the fault a run or the check ends with
// marked in place, a breakpoint stopping a free run as Go would and F5
// running on, Step Over and Run to Cursor through a recursive function, and
// the Variables pane at a breakpoint inside a SUB.

#include <QTest>
#include <QTextBlock>

#include "GuiTestSupport.h"
#include "workbench/DocumentWindow.h"
#include "workbench/ProgramEditor.h"
#include "workbench/ProtocolBox.h"
#include "workbench/StatusStrip.h"
#include "workbench/WorkbenchTexts.h"
#include "workbench/debug/BreakpointLines.h"
#include "workbench/debug/DebugSession.h"
#include "workbench/debug/VariablesView.h"
#include "workbench/editor/LineNumberGutter.h"

using namespace morvane;
using morvane::testing::DuringRun;

namespace {

const QColor Yellow(255, 255, 0);

// The recursive factorial: lines 0 to 9.
const char* const Factorial =
    "X = F(3)\n"
    "PRINT X\n"
    "END\n"
    "FUNCTION F(N)\n"
    "  IF N <= 1 THEN\n"
    "    F = 1\n"
    "  ELSE\n"
    "    F = N * F(N - 1)\n"
    "  END IF\n"
    "END FUNCTION\n";

}  // namespace

class DebuggingWindowTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<testing::TemporarySettings> m_temporary;
  std::unique_ptr<testing::Application> m_app;
  std::unique_ptr<DocumentWindow> m_window;

  ProgramEditor* editor() { return m_window->editor(); }
  QString protocolText() { return m_window->protocol()->toPlainText(); }
  RunState runState() { return m_window->document().runState; }
  bool waiting() { return runState() == RunState::WaitingForStep; }
  QString highlighted() { return editor()->textCursor().selectedText(); }
  void setProgram(const QString& text) {
    editor()->setProgramText(text);
    m_window->document().changed = false;
  }
  void key(Qt::Key k) { QTest::keyClick(m_window->protocol(), k); }
  void escape() { key(Qt::Key_Escape); }
  // The Variables pane's row of a name, -1 when it has none.
  int rowOf(const QString& name) {
    VariablesView* view = m_window->variablesView();
    for (int row = 0; row < view->rowCount(); ++row) {
      if (view->cell(row, VariablesView::Column::Name) == name) return row;
    }
    return -1;
  }
  QString cell(const QString& name, VariablesView::Column column) {
    const int row = rowOf(name);
    return row < 0 ? QString() : m_window->variablesView()->cell(row, column);
  }

 private Q_SLOTS:
  void initTestCase() { m_temporary = std::make_unique<testing::TemporarySettings>(); }

  void init() {
    m_app = std::make_unique<testing::Application>(m_temporary->iniFile(QStringLiteral("settings")));
    m_window = std::make_unique<DocumentWindow>(m_app->workspace, m_app->settings);
    m_window->resize(900, 600);
    m_window->show();
    m_window->protocol()->setFocus();
  }

  void cleanup() {
    m_window.reset();
    m_app.reset();
  }

  // An error in a PRINT item takes the plain exit: the protocol shows the
  // bare message, and the editor shows where.
  void faultOfAPrintItemIsMarkedUntilTheNextEdit() {
    setProgram(QStringLiteral("A = 0\n\nPRINT 1 / A\nEND"));
    key(Qt::Key_F5);
    QVERIFY(protocolText().endsWith(QStringLiteral("Illegal division\n")));
    QCOMPARE(editor()->faultLine(), 2);
    QCOMPARE(m_window->gutter()->faultLine(), 2);
    QCOMPARE(editor()->extraSelections().size(), 1);
    QCOMPARE(editor()->textCursor().blockNumber(), 2);
    // A run that ends well leaves no mark.
    editor()->insertPlainText(QStringLiteral("' "));
    QCOMPARE(editor()->faultLine(), -1);
    QVERIFY(editor()->extraSelections().isEmpty());
  }

  void faultOfACallInsideTheProcedure() {
    setProgram(QStringLiteral("CALL S\nEND\nSUB S\n  X = 1\n  Y = X / 0\nEND SUB"));
    key(Qt::Key_F5);
    QCOMPARE(editor()->faultLine(), 4);
    // The next run clears the mark and sets no other.
    setProgram(QStringLiteral("PRINT 1"));
    key(Qt::Key_F5);
    QCOMPARE(editor()->faultLine(), -1);
  }

  void structureFaultIsMarked() {
    setProgram(QStringLiteral("PRINT 1\nFOR I = 1 TO 2\nPRINT I"));
    key(Qt::Key_F5);
    QCOMPARE(editor()->faultLine(), 1);
  }

  // The breakpoint inside a loop stops each pass as Go would: highlighted,
  // yellow, the gutter's arrow on it; F8 steps (with the echo), F5 runs on.
  void breakpointStopsAFreeRunAndF5RunsOn() {
    setProgram(QStringLiteral("A = 1\nFOR I = 1 TO 3\n  B = I\nNEXT I\nPRINT A"));
    m_window->breakpoints().toggle(2);
    QStringList stops;
    QColor lampAtStop;
    int arrowAtStop = -1;
    DuringRun run([this] { escape(); });
    run.when([this] { return waiting(); }, [&] {
         stops << highlighted();
         lampAtStop = m_window->statusStrip()->lamp().colour();
         arrowAtStop = m_window->gutter()->currentLine();
         key(Qt::Key_F8);  // one step: B = I runs, NEXT I waits
       })
        .when([this] { return waiting(); }, [&] {
          stops << highlighted();
          key(Qt::Key_F5);
        })
        .when([this] { return waiting(); }, [&] {
          stops << highlighted();
          key(Qt::Key_F5);
        })
        .when([this] { return waiting(); }, [&] {
          stops << highlighted();
          key(Qt::Key_F5);
        });
    run.start();
    key(Qt::Key_F5);
    QVERIFY(run.allDone());
    QCOMPARE(stops, (QStringList{QStringLiteral("B = I"), QStringLiteral("NEXT I"), QStringLiteral("B = I"),
                                 QStringLiteral("B = I")}));
    QCOMPARE(lampAtStop, Yellow);
    QCOMPARE(arrowAtStop, 2);
    QCOMPARE(m_window->gutter()->currentLine(), -1);
    QCOMPARE(protocolText(), QStringLiteral("Run\nB = I  ( B =  1 )\n 1 \n"));
    QCOMPARE(runState(), RunState::Idle);
  }

  // A breakpoint set on the second line of a continued statement, or on a
  // line of an instruction file, never stops: only a line a statement
  // begins on can.
  void breakpointOnAStatementsSecondStatementOnlyAtItsLine() {
    setProgram(QStringLiteral("A = 1 : B = 2\nC = 3"));
    m_window->breakpoints().toggle(0);
    int stops = 0;
    DuringRun run([this] { escape(); });
    run.when([this] { return waiting(); }, [&] {
      ++stops;
      QCOMPARE(highlighted(), QStringLiteral("A = 1"));
      key(Qt::Key_F5);
    });
    run.start();
    key(Qt::Key_F5);
    QVERIFY(run.allDone());
    QCOMPARE(stops, 1);
    QCOMPARE(runState(), RunState::Idle);
  }

  void variablesAtABreakpointInsideASub() {
    setProgram(QStringLiteral("GLOBAL G&\nG& = 7\nX = 2\nCALL S(5)\nEND\nSUB S(P)\n  DIM V(3)\n  T$ = \"hi\"\n"
                              "  Q = P * 2\nEND SUB"));
    m_window->showVariablesView(true);
    QTRY_VERIFY(m_window->variablesView()->isVisible());
    m_window->breakpoints().toggle(8);
    int rowsAtStop = -1;
    QString scopeOfP, valueOfT, valueOfG, typeOfG, boundsOfV, globalX;
    DuringRun run([this] { escape(); });
    run.when([this] { return waiting(); }, [&] {
      rowsAtStop = m_window->variablesView()->rowCount();
      scopeOfP = cell(QStringLiteral("P"), VariablesView::Column::Scope);
      valueOfT = cell(QStringLiteral("T"), VariablesView::Column::Value);
      valueOfG = cell(QStringLiteral("G"), VariablesView::Column::Value);
      typeOfG = cell(QStringLiteral("G"), VariablesView::Column::Type);
      boundsOfV = cell(QStringLiteral("V"), VariablesView::Column::Bounds);
      globalX = cell(QStringLiteral("X"), VariablesView::Column::Value);
      key(Qt::Key_F5);
    });
    run.start();
    key(Qt::Key_F5);
    QVERIFY(run.allDone());
    // G; then the SUB's result variable S, P, V and T$ (X belongs to the
    // main program's level, which does not stand still).
    QCOMPARE(rowsAtStop, 5);
    QCOMPARE(scopeOfP, texts::variablesLocal(2));
    QCOMPARE(valueOfT, QStringLiteral("\"hi\""));
    QCOMPARE(valueOfG, QStringLiteral(" 7"));
    QCOMPARE(typeOfG, QStringLiteral("LONG (&)"));
    QCOMPARE(boundsOfV, QStringLiteral("(3)"));
    QCOMPARE(globalX, QString());
    // At the end of the run the main program's variables show.
    QCOMPARE(cell(QStringLiteral("X"), VariablesView::Column::Value), QStringLiteral(" 2"));
    QCOMPARE(rowOf(QStringLiteral("P")), -1);
  }

  // Run to Cursor to the recursive line, then Step Over: the call of F
  // runs whole and the next line of the same level waits.
  void runToCursorAndStepOverThroughRecursion() {
    setProgram(QString::fromLatin1(Factorial));
    editor()->select(editor()->document()->findBlockByNumber(7).position(), 0);
    QCOMPARE(m_window->findChild<QAction*>(QStringLiteral("mnuStepOver"))->shortcut(),
             QKeySequence(Qt::SHIFT | Qt::Key_F8));
    QCOMPARE(m_window->findChild<QAction*>(QStringLiteral("mnuRunToCursor"))->shortcut(),
             QKeySequence(Qt::CTRL | Qt::Key_F8));
    QStringList stops;
    QList<int> levels;
    QString nAtStepOver;
    DuringRun run([this] { escape(); });
    run.when([this] { return waiting(); }, [&] {
         stops << highlighted();
         levels << m_window->debugSession().waitingLevel();
         m_window->stepOver();
       })
        .when([this] { return waiting(); }, [&] {
          stops << highlighted();
          levels << m_window->debugSession().waitingLevel();
          const auto& locals = m_window->debugSession().variables().locals;
          for (const VariableEntry& entry : locals) {
            if (entry.name == "N") nAtStepOver = QString::fromStdString(entry.value);
          }
          key(Qt::Key_F5);
        });
    run.start();
    m_window->runToCursor();
    QVERIFY(run.allDone());
    QCOMPARE(stops, (QStringList{QStringLiteral("F = N * F(N - 1)"), QStringLiteral("END IF")}));
    QCOMPARE(levels, (QList<int>{2, 2}));
    QCOMPARE(nAtStepOver, QStringLiteral(" 3"));
    QVERIFY(protocolText().endsWith(QStringLiteral(" 6 \nEnd\n")));
  }

  // Step Over on a line whose expression calls a function: the whole call
  // runs and the next line of the main program waits.
  void stepOverAMainProgramLine() {
    setProgram(QString::fromLatin1(Factorial));
    QStringList stops;
    DuringRun run([this] { escape(); });
    run.when([this] { return waiting(); }, [&] {
         stops << highlighted();
         m_window->stepOver();
       })
        .when([this] { return waiting(); }, [&] {
          stops << highlighted();
          escape();
        });
    run.start();
    m_window->stepOver();  // idle: as Go
    QVERIFY(run.allDone());
    QCOMPARE(stops, (QStringList{QStringLiteral("X = F(3)"), QStringLiteral("PRINT X")}));
    QVERIFY(protocolText().contains(QStringLiteral("Execution interrupted!")));
  }
};

QTEST_MAIN(DebuggingWindowTest)
#include "DebuggingWindowTest.moc"
