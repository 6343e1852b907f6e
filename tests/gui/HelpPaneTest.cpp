// The language reference inside the workbench: the index read from the
// pages of docs/ (every statement and function finds its entry), the
// keyword under the caret, the examples' links, and the help pane in the
// main frame: F1 opening the entry under the caret at the top of the view,
// the pictures, the table of contents, and an example opened in a new
// window that runs.

#include <QDockWidget>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTreeWidget>

#include "GuiTestSupport.h"
#include "exec/KeyCode.h"
#include "workbench/DocumentWindow.h"
#include "workbench/MainWindow.h"
#include "workbench/ProgramEditor.h"
#include "workbench/ProtocolBox.h"
#include "workbench/RunSession.h"
#include "workbench/help/HelpPane.h"
#include "workbench/help/KeywordAtCaret.h"
#include "workbench/help/ReferenceBrowser.h"
#include "workbench/help/ReferenceExamples.h"
#include "workbench/help/ReferenceFolder.h"
#include "workbench/help/ReferenceIndex.h"

using namespace morvane;

class HelpPaneTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<testing::TemporarySettings> m_temporary;
  std::unique_ptr<testing::Application> m_app;
  std::unique_ptr<MainWindow> m_frame;

  // The line the browser's caret stands on.
  static QString lineAtCaret(const ReferenceBrowser& browser) { return browser.textCursor().block().text(); }

 private Q_SLOTS:
  void initTestCase() { m_temporary = std::make_unique<testing::TemporarySettings>(); }

  void cleanup() {
    if (m_frame) {
      for (DocumentWindow* d : m_frame->documents()) d->document().changed = false;
    }
    m_frame.reset();
    m_app.reset();
  }

  // ---- The index ------------------------------------------------------------------------

  void everyNameFindsItsEntry_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("heading");
    QTest::addColumn<QString>("entry");
    QTest::newRow("heading of its own") << "PRINT" << "console-and-files.md" << "PRINT" << "";
    QTest::newRow("among others") << "END IF" << "control-flow.md" << "IF, ELSEIF, ELSE, END IF" << "";
    QTest::newRow("heading goes on in words") << "LINE" << "graphics.md" << "LINE and the ten pens" << "";
    QTest::newRow("two words") << "DRAW COLOR" << "graphics.md" << "DRAW COLOR" << "";
    QTest::newRow("a whole heading beats a page title") << "FUNCTION" << "procedures.md" << "FUNCTION" << "";
    QTest::newRow("function in a table") << "ABS" << "functions.md" << "Numbers" << "ABS(x)";
    QTest::newRow("second name in a row") << "LOG" << "functions.md" << "Numbers" << "LOG(x)";
    QTest::newRow("function without arguments") << "TIMER" << "functions.md" << "Time, input and files" << "TIMER";
    QTest::newRow("paragraph") << "RGB" << "functions.md" << "Colours" << "RGB(r, g, b)";
    QTest::newRow("statement in a table") << "CD" << "declarations-and-files.md" << "Files and directories"
                                          << "CD name";
    QTest::newRow("other spelling") << "CDIR" << "declarations-and-files.md" << "Files and directories" << "CDIR";
  }
  void everyNameFindsItsEntry() {
    QFETCH(QString, name);
    QFETCH(QString, page);
    QFETCH(QString, heading);
    QFETCH(QString, entry);
    const ReferenceIndex index(FindReferenceFolder());
    const ReferencePlace* place = index.find({name});
    QVERIFY2(place != nullptr, qPrintable(name));
    QCOMPARE(*place, (ReferencePlace{page, heading, entry}));
  }

  void aMissingReferenceShowsSo() {
    HelpPane pane{QString()};
    QVERIFY(pane.index().pages().isEmpty());
    QVERIFY(pane.browser()->toPlainText().startsWith(QLatin1String("The language reference was not found.")));
    QVERIFY(!pane.showEntry({QStringLiteral("PRINT")}));
  }

  void messagesAndTextsAreNoEntries() {
    const ReferenceIndex index(FindReferenceFolder());
    // "`This variable A has ...`" stands first in a table of messages, and
    // the pages' titles are no keywords.
    QVERIFY(index.find({QStringLiteral("THIS")}) == nullptr);
    QVERIFY(index.find({QStringLiteral("MESSAGES")}) == nullptr);
    QVERIFY(index.find({QStringLiteral("INPUTBOX")}) != nullptr);
  }

  void pagesComeInTheStartPagesOrder() {
    const ReferenceIndex index(FindReferenceFolder());
    QVERIFY(index.pages().size() >= 12);
    QCOMPARE(index.pages()[0].fileName, QStringLiteral("README.md"));
    QCOMPARE(index.pages()[1].fileName, QStringLiteral("programs.md"));
    QCOMPARE(index.pages()[1].title, QStringLiteral("Programs, lines and the protocol"));
  }

  void bestFitWinsWhateverTheOrder() {
    const ReferenceIndex index({
        {QStringLiteral("a.md"), QStringLiteral("# A\n\n| statement | does |\n|---|---|\n| `GOTO label` | jumps |\n")},
        {QStringLiteral("b.md"), QStringLiteral("# GOTO and labels\n\n## GOTO\n\n    # GOTO in code is no heading\n")},
    });
    QCOMPARE(*index.find({QStringLiteral("goto")}), (ReferencePlace{"b.md", "GOTO", ""}));
    QCOMPARE(index.pages()[1].headings.size(), 2);
    // The first of the names that the index knows.
    QCOMPARE(index.find({QStringLiteral("NONE"), QStringLiteral("GOTO")})->heading, QStringLiteral("GOTO"));
  }

  // ---- The keyword under the caret -----------------------------------------------------------

  void keywordsAtCaret_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("column");
    QTest::addColumn<QStringList>("candidates");
    QTest::newRow("in a word") << "  print x" << 4 << QStringList{"PRINT X", "PRINT", "X"};
    QTest::newRow("second of two") << "DRAW COLOR RED" << 7
                                   << QStringList{"DRAW COLOR", "COLOR RED", "COLOR", "RED"};
    QTest::newRow("leading word") << "DRAW BRICK (1, 1)" << 2 << QStringList{"DRAW BRICK", "DRAW", "BRICK"};
    QTest::newRow("just after the word") << "END IF" << 6 << QStringList{"END IF", "IF"};
    QTest::newRow("not across a parenthesis") << "X = ABS(Y)" << 5 << QStringList{"ABS"};
    QTest::newRow("pen digit") << "DRAW LINE3 (0, 0)" << 6 << QStringList{"DRAW LINE3", "LINE3", "LINE"};
    QTest::newRow("first word, pen digit") << "DRAW LINE3 (0, 0)" << 0
                                           << QStringList{"DRAW LINE3", "DRAW", "LINE3"};
    QTest::newRow("no word") << "  (1, 2)" << 1 << QStringList{};
  }
  void keywordsAtCaret() {
    QFETCH(QString, line);
    QFETCH(int, column);
    QFETCH(QStringList, candidates);
    QCOMPARE(KeywordsAtCaret(line, column), candidates);
  }

  // ---- Examples -------------------------------------------------------------------------------

  void examplesGetTheirLinks() {
    const PreparedPage page = PrepareReferencePage(
        QStringLiteral("Text\n\n```basic\nPRINT 1\n\nEND\n```\n\n```text\n```basic\n```\n\n    PRINT 2\n"),
        QStringLiteral("Open"));
    QCOMPARE(page.examples, (QStringList{"PRINT 1\n\nEND\n"}));
    QVERIFY(page.markdown.contains(QLatin1String("```\n\n[Open](morvane-example:0)\n")));
    QCOMPARE(page.markdown.count(QLatin1String("morvane-example:")), 1);
    QCOMPARE(ExampleNumber(QUrl(QStringLiteral("morvane-example:0"))), 0);
    QCOMPARE(ExampleNumber(QUrl(QStringLiteral("https://example.org/0"))), -1);
  }

  // ---- The pane in the main frame --------------------------------------------------------------

  void f1OpensTheEntryUnderTheCaret() {
    m_app = std::make_unique<testing::Application>(m_temporary->iniFile(QStringLiteral("f1")));
    m_frame = std::make_unique<MainWindow>(m_app->workspace, m_app->settings);
    m_frame->show();
    m_frame->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_frame.get()));
    DocumentWindow* d = m_frame->newDocument();
    d->editor()->setProgramText(QStringLiteral("PRINT 1\nDRAW FILLCOLOR YELLOW\nEND\n"));
    QTextCursor caret(d->editor()->document()->findBlockByNumber(1));
    caret.movePosition(QTextCursor::Right, QTextCursor::MoveAnchor, 7);
    d->editor()->setTextCursor(caret);
    d->editor()->setFocus();
    QTRY_VERIFY(d->editor()->hasFocus());
    QTest::keyClick(d->editor(), Qt::Key_F1);

    HelpPane* pane = m_frame->helpPane();
    QVERIFY(pane != nullptr);
    QTRY_VERIFY(pane->isVisible());
    ReferenceBrowser* browser = pane->browser();
    QCOMPARE(browser->pageName(), QStringLiteral("graphics.md"));
    QCOMPARE(lineAtCaret(*browser), QStringLiteral("DRAW FILLCOLOR"));
    // The entry stands at the top of the view.
    QVERIFY(browser->verticalScrollBar()->value() > 0);
    QVERIFY(std::abs(browser->cursorRect().top()) < browser->fontMetrics().height() * 2);

    // The page's pictures are found beside it.
    const QVariant house = browser->loadResource(QTextDocument::ImageResource, browser->source().resolved(QUrl(QStringLiteral("house.png"))));
    QVERIFY(!house.isNull());

    // A function's entry in a table, on another page.
    d->editor()->setProgramText(QStringLiteral("X = SQR(2)\n"));
    d->editor()->setTextCursor(QTextCursor(d->editor()->document()->findBlockByNumber(0)));
    d->editor()->moveCursor(QTextCursor::Right);
    d->editor()->moveCursor(QTextCursor::Right);
    d->editor()->moveCursor(QTextCursor::Right);
    d->editor()->moveCursor(QTextCursor::Right);
    d->editor()->moveCursor(QTextCursor::Right);
    QTest::keyClick(d->editor(), Qt::Key_F1);
    QCOMPARE(browser->pageName(), QStringLiteral("functions.md"));
    QVERIFY(lineAtCaret(*browser).startsWith(QLatin1String("SQR(x)")));
  }

  void contentsAndIndexLeadToTheirPlaces() {
    m_app = std::make_unique<testing::Application>(m_temporary->iniFile(QStringLiteral("contents")));
    m_frame = std::make_unique<MainWindow>(m_app->workspace, m_app->settings);
    m_frame->show();
    m_frame->showHelp();
    HelpPane* pane = m_frame->helpPane();
    QCOMPARE(pane->browser()->pageName(), QStringLiteral("README.md"));

    auto* contents = pane->findChild<QTreeWidget*>(QStringLiteral("helpContents"));
    QTreeWidgetItem* runControl = contents->findItems(QStringLiteral("Run control"), Qt::MatchExactly).value(0);
    QVERIFY(runControl != nullptr);
    QTreeWidgetItem* wait = runControl->child(3);
    QCOMPARE(wait->text(0), QStringLiteral("WAIT"));
    Q_EMIT contents->itemActivated(wait, 0);
    QCOMPARE(pane->browser()->pageName(), QStringLiteral("run-control.md"));
    QCOMPARE(lineAtCaret(*pane->browser()), QStringLiteral("WAIT"));

    auto* names = pane->findChild<QListWidget*>(QStringLiteral("helpIndex"));
    auto* filter = pane->findChild<QLineEdit*>(QStringLiteral("helpFilter"));
    filter->setText(QStringLiteral("ren"));
    QStringList shown;
    for (int i = 0; i < names->count(); ++i) {
      if (!names->item(i)->isHidden()) shown.append(names->item(i)->text());
    }
    QCOMPARE(shown, QStringList{QStringLiteral("RENAME")});
    Q_EMIT names->itemActivated(names->findItems(QStringLiteral("RENAME"), Qt::MatchExactly).value(0));
    QCOMPARE(pane->browser()->pageName(), QStringLiteral("declarations-and-files.md"));
  }

  void exampleOpensInANewWindowAndRuns() {
    m_app = std::make_unique<testing::Application>(m_temporary->iniFile(QStringLiteral("example")));
    m_frame = std::make_unique<MainWindow>(m_app->workspace, m_app->settings);
    m_app->system.setFrame(m_frame.get());
    m_frame->show();
    m_frame->showHelp({QStringLiteral("FUNCTION")});
    ReferenceBrowser* browser = m_frame->helpPane()->browser();
    QCOMPARE(browser->pageName(), QStringLiteral("procedures.md"));
    QVERIFY(browser->toPlainText().contains(QLatin1String("Open in new window")));
    QVERIFY(browser->example(0).startsWith(QLatin1String("PRINT AREA(3, 4)")));

    Q_EMIT browser->anchorClicked(QUrl(QStringLiteral("morvane-example:0")));
    QCOMPARE(m_frame->documents().size(), 1);
    DocumentWindow* d = m_frame->activeDocument();
    QCOMPARE(d->editor()->programText(), browser->example(0));
    QVERIFY(!d->document().changed);
    d->session().keyDown(KeyCode::F5Run, 0);
    QVERIFY2(d->protocol()->toPlainText().contains(QLatin1String(" 12")), qPrintable(d->protocol()->toPlainText()));
  }
};

QTEST_MAIN(HelpPaneTest)
#include "HelpPaneTest.moc"
