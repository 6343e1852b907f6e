// The program editor's colouring, its gutter of line numbers and the
// breakpoints that move with the text.

#include <QTest>
#include <QTextBlock>
#include <QTextLayout>

#include "GuiTestSupport.h"
#include "workbench/DocumentWindow.h"
#include "workbench/ProgramEditor.h"
#include "workbench/debug/BreakpointLines.h"
#include "workbench/editor/LineNumberGutter.h"
#include "workbench/editor/SyntaxColouring.h"

using namespace morvane;

namespace {

// The colour the editor shows at a column of a line (the plain colour when
// no format covers it).
QColor colourAt(const ProgramEditor& editor, int line, int column) {
  const QTextBlock block = editor.document()->findBlockByNumber(line);
  for (const QTextLayout::FormatRange& range : block.layout()->formats()) {
    if (column >= range.start && column < range.start + range.length) return range.format.foreground().color();
  }
  return QColor();
}

}  // namespace

class EditorFeaturesTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<testing::TemporarySettings> m_temporary;
  std::unique_ptr<testing::Application> m_app;
  std::unique_ptr<DocumentWindow> m_window;

  ProgramEditor* editor() { return m_window->editor(); }
  QColor of(TokenClass token) { return m_window->colouring()->format(token).foreground().color(); }

 private Q_SLOTS:
  void initTestCase() { m_temporary = std::make_unique<testing::TemporarySettings>(); }

  void init() {
    m_app = std::make_unique<testing::Application>(m_temporary->iniFile(QStringLiteral("settings")));
    m_window = std::make_unique<DocumentWindow>(m_app->workspace, m_app->settings);
    m_window->resize(900, 600);
    m_window->show();
  }

  void cleanup() {
    m_window.reset();
    m_app.reset();
  }

  void tokensOfASampleLine_data() {
    QTest::addColumn<int>("line");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("token");  // -1: plain
    //                 0         1         2         3
    //                 0123456789012345678901234567890123456
    const int keyword = static_cast<int>(TokenClass::Keyword);
    QTest::newRow("PRINT") << 0 << 2 << keyword;
    QTest::newRow("string") << 0 << 7 << static_cast<int>(TokenClass::String);
    QTest::newRow("number") << 0 << 15 << static_cast<int>(TokenClass::Number);
    QTest::newRow("variable") << 0 << 20 << -1;
    QTest::newRow("comment") << 0 << 25 << static_cast<int>(TokenClass::Comment);
    QTest::newRow("lower-case for") << 1 << 0 << keyword;
    QTest::newRow("TO") << 1 << 10 << keyword;
    QTest::newRow("label") << 2 << 1 << static_cast<int>(TokenClass::Label);
    QTest::newRow("GOTO's label") << 3 << 6 << static_cast<int>(TokenClass::Label);
    QTest::newRow("CALL's procedure") << 4 << 6 << static_cast<int>(TokenClass::Procedure);
    QTest::newRow("SUB's procedure") << 5 << 5 << static_cast<int>(TokenClass::Procedure);
    QTest::newRow("END of END SUB") << 6 << 0 << keyword;
    QTest::newRow("SUB of END SUB") << 6 << 4 << keyword;
    QTest::newRow("exponent") << 7 << 6 << static_cast<int>(TokenClass::Number);
    QTest::newRow("digit in a name") << 7 << 1 << -1;
  }
  void tokensOfASampleLine() {
    QFETCH(int, line);
    QFETCH(int, column);
    QFETCH(int, token);
    editor()->setProgramText(QStringLiteral("PRINT \"a 'b\"; 12.5; X ' note\n"
                                            "for i = 1 to 3\n"
                                            "Again:\n"
                                            "GOTO Again\n"
                                            "CALL Show(1)\n"
                                            "SUB Show(A)\n"
                                            "END SUB\n"
                                            "X2 = 1.5E-3\n"));
    const QColor expected = token < 0 ? QColor() : of(static_cast<TokenClass>(token));
    QCOMPARE(colourAt(*editor(), line, column), expected);
  }

  // The keywords are the interpreter's: every statement keyword is one.
  void keywordsComeFromTheStatementTable() {
    const QSet<QString>& words = SyntaxColouring::keywordWords();
    for (const char* word : {"PRINT", "LINEINPUT", "EXECUTEGRAFIC", "DRAWCOORDINATES", "INLINE", "ENDSUB", "THEN", "STEP", "OUTPUT", "INTEGER"}) {
      QVERIFY2(words.contains(QLatin1String(word)), word);
    }
    QVERIFY(!words.contains(QStringLiteral("X")));
  }

  void colouringOffByOptionsAndRemembered() {
    editor()->setProgramText(QStringLiteral("PRINT 1"));
    QAction* option = m_window->findChild<QAction*>(QStringLiteral("mnuSyntaxColouring"));
    QVERIFY(option->isChecked());
    option->trigger();
    QCOMPARE(colourAt(*editor(), 0, 0), QColor());
    QVERIFY(!m_app->settings.syntaxColouring());
    DocumentWindow next(m_app->workspace, m_app->settings);
    QVERIFY(!next.colouring()->isEnabled());
    option->trigger();
    QCOMPARE(colourAt(*editor(), 0, 0), of(TokenClass::Keyword));
  }

  // A program of 64 KB is coloured whole and stays editable.
  void colours64Kilobytes() {
    QString text;
    while (text.size() < 65000) text += QStringLiteral("FOR I = 1 TO 10 : PRINT \"x\"; I ' loop\nNEXT I\n");
    editor()->setProgramText(text);
    const int last = editor()->document()->blockCount() - 2;
    QCOMPARE(colourAt(*editor(), last, 0), of(TokenClass::Keyword));
  }

  void gutterNumbersTheLinesAsTheMessagesDo() {
    editor()->setProgramText(QStringLiteral("A = 1\nB = 2\nC = 3"));
    QTRY_VERIFY(m_window->gutter()->isVisible());
    const QList<VisibleLine> lines = editor()->visibleLines();
    QCOMPARE(lines.size(), 3);
    QCOMPARE(m_window->gutter()->lineAt(lines[1].top + 1), 1);  // shown as 2
    QVERIFY(m_window->gutter()->width() > 0);
    QVERIFY(editor()->viewport()->x() >= m_window->gutter()->width());
  }

  void clickInTheGutterAndF9ToggleABreakpoint() {
    editor()->setProgramText(QStringLiteral("A = 1\nB = 2\nC = 3"));
    const QList<VisibleLine> lines = editor()->visibleLines();
    QTest::mouseClick(m_window->gutter(), Qt::LeftButton, {}, QPoint(5, lines[2].top + 2));
    QVERIFY(m_window->breakpoints().contains(2));
    editor()->select(6, 0);  // the caret on line 2
    QAction* toggle = m_window->findChild<QAction*>(QStringLiteral("mnuToggleBreakpoint"));
    QCOMPARE(toggle->shortcut(), QKeySequence(Qt::Key_F9));
    toggle->trigger();
    QCOMPARE(m_window->breakpoints().lines(), (std::set<int>{1, 2}));
    toggle->trigger();
    QCOMPARE(m_window->breakpoints().lines(), (std::set<int>{2}));
  }

  void breakpointsMoveWithTheText() {
    editor()->setProgramText(QStringLiteral("A = 1\nB = 2\nC = 3\nD = 4"));
    editor()->noteClick();  // Undo returns to this text
    BreakpointLines& marks = m_window->breakpoints();
    marks.toggle(1);
    marks.toggle(3);
    // Two lines typed at the start of line 2 push both down.
    editor()->select(6, 0);
    editor()->insertPlainText(QStringLiteral("X = 0\nY = 0\n"));
    QCOMPARE(marks.lines(), (std::set<int>{3, 5}));
    // Typing within a line moves nothing.
    editor()->select(0, 0);
    editor()->insertPlainText(QStringLiteral("' "));
    QCOMPARE(marks.lines(), (std::set<int>{3, 5}));
    // Deleting lines 4 and 5 (C and half of D) takes the breakpoint of D
    // with them and leaves that of B.
    QTextCursor cursor(editor()->document()->findBlockByNumber(3));
    cursor.movePosition(QTextCursor::EndOfBlock);
    cursor.setPosition(editor()->document()->findBlockByNumber(5).position() + 2, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
    QCOMPARE(marks.lines(), (std::set<int>{3}));
    // Undo replaces the whole text: the breakpoints keep their lines.
    editor()->undoToSnapshot();
    QVERIFY(marks.contains(3));
  }
};

QTEST_MAIN(EditorFeaturesTest)
#include "EditorFeaturesTest.moc"
