// The main frame with its document windows: the menus and toolbar buttons
// as documents come and go, opening files (the size limit, the file
// dialog, the recent-files list in every window's menu), Exit with unsaved
// work, the toolbar's run and clipboard buttons, closing a window during its
// run, find and replace through the dialog and the menu, the input box of
// INPUTBOX, and the Window and About menus.

#include <algorithm>

#include <QAction>
#include <QClipboard>
#include <QFile>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QStyle>
#include <QToolBar>

#include "GuiTestSupport.h"
#include "exec/ProgramFile.h"
#include "workbench/FindDialog.h"
#include "workbench/ImageButton.h"
#include "workbench/MainWindow.h"
#include "workbench/ProgramEditor.h"
#include "workbench/ProtocolBox.h"
#include "workbench/RunSession.h"

using namespace morvane;
using morvane::testing::answerNextBox;
using morvane::testing::chooseInNextFileDialog;
using morvane::testing::DuringRun;
using morvane::testing::whenModalShown;

namespace {

bool writeBytes(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QStringList menuTitles(QMenuBar* bar) {
  QStringList titles;
  for (QAction* a : bar->actions()) titles.append(a->text());
  return titles;
}

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<testing::TemporarySettings> m_temporary;
  std::unique_ptr<testing::Application> m_app;
  std::unique_ptr<MainWindow> m_frame;
  std::unique_ptr<QTemporaryDir> m_files;
  int m_case = 0;

  QString file(const QString& name) { return m_files->filePath(name); }
  QString program(const QString& name, const QByteArray& text = "END") {
    const QString path = file(name);
    writeBytes(path, text);
    return path;
  }
  QWidget* button(const char* name) { return m_frame->findChild<QWidget*>(QLatin1String(name)); }
  // Whether the toolbar shows the button (a narrow frame may move it into
  // the toolbar's overflow menu, which still counts).
  bool buttonShown(const char* name) {
    auto* toolbar = m_frame->findChild<QToolBar*>(QStringLiteral("picToolbar"));
    for (QAction* a : toolbar->actions()) {
      if (toolbar->widgetForAction(a) == button(name)) return a->isVisible();
    }
    return false;
  }
  QAction* frameAction(const char* name) {
    for (QAction* a : m_frame->findChildren<QAction*>(QLatin1String(name))) {
      if (a->parent() == m_frame.get()) return a;
    }
    return nullptr;
  }
  QAction* documentAction(DocumentWindow* d, const char* name) {
    return d->findChild<QAction*>(QLatin1String(name));
  }
  QStringList shownRecentEntries(QObject* owner) {
    QStringList shown;
    for (int k = 1; k <= RecentFiles::MaxEntries; ++k) {
      QAction* entry = nullptr;
      for (QAction* a : owner->findChildren<QAction*>(QStringLiteral("mnuRecentFile%1").arg(k))) {
        if (a->parent() == owner) entry = a;
      }
      if (entry != nullptr && entry->isVisible()) shown.append(entry->data().toString());
    }
    return shown;
  }
  DocumentWindow* windowOf(const QString& path) {
    for (DocumentWindow* d : m_frame->documents()) {
      if (d->caption() == path) return d;
    }
    return nullptr;
  }
  void discardChanges() {
    for (DocumentWindow* d : m_frame->documents()) d->document().changed = false;
  }

 private Q_SLOTS:
  void initTestCase() { m_temporary = std::make_unique<testing::TemporarySettings>(); }

  void init() {
    m_files = std::make_unique<QTemporaryDir>();
    m_app = std::make_unique<testing::Application>(m_temporary->iniFile(QStringLiteral("case%1").arg(++m_case)));
    m_frame = std::make_unique<MainWindow>(m_app->workspace, m_app->settings);
    m_app->system.setFrame(m_frame.get());
    m_frame->show();
  }

  void cleanup() {
    if (m_frame) discardChanges();
    m_frame.reset();
    m_app.reset();
  }

  void frameWithoutDocuments() {
    QCOMPARE(m_frame->windowTitle(), QStringLiteral("Morvane Version 2.1"));
    QCOMPARE(m_frame->objectName(), QStringLiteral("frmMDI"));
    QCOMPARE(menuTitles(m_frame->menuBar()), (QStringList{"&File", "&Options", "&Help", "&About"}));
    QVERIFY(m_frame->findChild<QToolBar*>(QStringLiteral("picToolbar"))->isVisible());
    QVERIFY(buttonShown("imgFileNewButton"));
    QVERIFY(buttonShown("imgFileOpenButton"));
    for (const char* name : {"imgCutButton", "imgCopyButton", "imgPasteButton", "Command1", "Command2", "Command3",
                             "Command4", "Command5"}) {
      QVERIFY2(!buttonShown(name), name);
    }
    QCOMPARE(qobject_cast<QPushButton*>(button("Command1"))->text(), QStringLiteral("Go"));
    QCOMPARE(qobject_cast<QPushButton*>(button("Command5"))->text(), QStringLiteral("Reset"));
    QVERIFY(m_frame->findChild<QLabel*>(QStringLiteral("imgCopyButtonUp")) != nullptr);
    QVERIFY(m_frame->findChild<QLabel*>(QStringLiteral("imgCopyButtonDn")) != nullptr);
  }

  void documentsBringTheirMenusAndButtons() {
    DocumentWindow* d = m_frame->newDocument();
    QCOMPARE(m_frame->activeDocument(), d);
    QCOMPARE(menuTitles(m_frame->menuBar()),
             (QStringList{"&File", "&Edit", "&Search", "E&xecute", "&Options", "&Window", "&Help", "&About"}));
    QVERIFY(buttonShown("Command2"));
    QVERIFY(buttonShown("imgPasteButton"));
    // Closing every window hides them again.
    documentAction(d, "mnuFClose")->trigger();
    QTRY_VERIFY(m_frame->documents().isEmpty());
    QVERIFY(!buttonShown("Command2"));
    QVERIFY(!buttonShown("imgPasteButton"));
    QCOMPARE(menuTitles(m_frame->menuBar()), (QStringList{"&File", "&Options", "&Help", "&About"}));
  }

  void newWindowsTakeFreeSlotsAndNames() {
    DocumentWindow* first = m_frame->newDocument();
    DocumentWindow* second = m_frame->newDocument();
    QCOMPARE(first->caption(), QStringLiteral("NoName1.bas"));
    QCOMPARE(second->caption(), QStringLiteral("NoName2.bas"));
    first->parentWidget()->close();
    QTRY_COMPARE(m_frame->documents().size(), 1);
    QCOMPARE(m_frame->newDocument()->caption(), QStringLiteral("NoName1.bas"));
  }

  void fileOfExactlyTheLimitOpens() {
    const QString largest = program(QStringLiteral("largest.bas"), QByteArray(LargestProgramFile, 'x'));
    QVERIFY(m_frame->openFile(largest) != nullptr);
  }

  void fileOneByteLargerIsRefused() {
    const QString tooBig = program(QStringLiteral("too_big.bas"), QByteArray(LargestProgramFile + 1, 'x'));
    QString message;
    QString title;
    answerNextBox("Command1", &message, &title);
    QVERIFY(m_frame->openFile(tooBig) == nullptr);
    QCOMPARE(title, QStringLiteral("Error!"));
    QCOMPARE(message, QStringLiteral("File %1 is too big!").arg(ShortenedName(tooBig)));
    QVERIFY(m_frame->documents().isEmpty());
  }

  void unreadableFileIsReported() {
    QString message;
    answerNextBox("Command1", &message);
    QVERIFY(m_frame->openFile(file(QStringLiteral("missing.bas"))) == nullptr);
    QCOMPARE(message, QStringLiteral("Unable to open this file: %1 !").arg(ShortenedName(file(QStringLiteral("missing.bas")))));
  }

  void openThroughTheFileDialog() {
    const QString path = program(QStringLiteral("chosen.bas"));
    chooseInNextFileDialog(path);
    frameAction("mnuFopen")->trigger();
    QCOMPARE(m_frame->documents().size(), 1);
    QCOMPARE(m_frame->activeDocument()->caption(), path);
    QCOMPARE(m_frame->recentFiles().entries(), QStringList{path});
  }

  void sameFileTwiceGivesTwoWindowsAndOneRecentEntry() {
    const QString a = program(QStringLiteral("a.bas"));
    const QString b = program(QStringLiteral("b.bas"));
    m_frame->openFile(a);
    m_frame->openFile(b);
    m_frame->openFile(a);
    QCOMPARE(m_frame->documents().size(), 3);
    QCOMPARE(m_frame->recentFiles().entries(), (QStringList{a, b}));
    // Every window's menu and the frame's show the list.
    for (DocumentWindow* d : m_frame->documents()) QCOMPARE(shownRecentEntries(d), (QStringList{a, b}));
    QCOMPARE(shownRecentEntries(m_frame.get()), (QStringList{a, b}));
  }

  void aTenthFileDropsTheOldest() {
    QStringList paths;
    for (int i = 1; i <= 10; ++i) paths.append(program(QStringLiteral("f%1.bas").arg(i)));
    for (const QString& path : paths) m_frame->openFile(path);
    QStringList expected = paths.mid(1);
    std::reverse(expected.begin(), expected.end());
    QCOMPARE(shownRecentEntries(m_frame->activeDocument()), expected);
  }

  void deletedRecentFileDisappearsAtTheNextValidation() {
    const QString a = program(QStringLiteral("a.bas"));
    const QString b = program(QStringLiteral("b.bas"));
    const QString c = program(QStringLiteral("c.bas"));
    for (const QString& path : {a, b, c}) m_frame->openFile(path);
    QFile::remove(b);
    m_frame->newDocument();
    QCOMPARE(shownRecentEntries(m_frame.get()), (QStringList{c, a}));
    QCOMPARE(m_app->settings.read(SettingsSection::RecentFiles, QStringLiteral("RecentFile2")), a);
    QVERIFY(m_app->settings.read(SettingsSection::RecentFiles, QStringLiteral("RecentFile3")).isEmpty());
  }

  void recentEntryOpensItsFile() {
    const QString a = program(QStringLiteral("a.bas"));
    const QString b = program(QStringLiteral("b.bas"));
    m_frame->openFile(a);
    m_frame->openFile(b);
    documentAction(m_frame->activeDocument(), "mnuRecentFile2")->trigger();
    QCOMPARE(m_frame->activeDocument()->caption(), a);
    QCOMPARE(m_frame->recentFiles().entries(), (QStringList{a, b}));
  }

  void exitAsksEveryChangedWindow() {
    DocumentWindow* first = m_frame->newDocument();
    first->editor()->setProgramText(QStringLiteral("PRINT 1"));
    DocumentWindow* second = m_frame->newDocument();
    second->editor()->setProgramText(QStringLiteral("PRINT 2"));
    // Cancel at the first question: nothing closes.
    answerNextBox("Command3");
    frameAction("mnuFExit")->trigger();
    QVERIFY(m_frame->isVisible());
    QCOMPARE(m_frame->documents().size(), 2);
    // Discharge at each question, the second coming after the first was
    // answered: everything closes.
    int questions = 0;
    std::function<void()> discharge = [&] {
      whenModalShown(QStringLiteral("Form3"), [&](QWidget* box) {
        ++questions;
        box->findChild<QAbstractButton*>(QStringLiteral("Command2"))->click();
        if (questions < 2) discharge();
      });
    };
    discharge();
    documentAction(second, "mnuFExit")->trigger();
    QVERIFY(!m_frame->isVisible());
    QCOMPARE(questions, 2);
  }

  void toolbarRunButtonReachesTheActiveWindow() {
    DocumentWindow* d = m_frame->newDocument();
    d->editor()->setProgramText(QStringLiteral("PRINT 5\nEND"));
    QTest::mouseClick(qobject_cast<QPushButton*>(button("Command2")), Qt::LeftButton);
    QCOMPARE(d->protocol()->toPlainText(), QStringLiteral("Run\n 5 \nEnd\n"));
  }

  void toolbarClipboardButtons() {
    DocumentWindow* d = m_frame->newDocument();
    d->editor()->setProgramText(QStringLiteral("copied text"));
    d->editor()->select(0, 6);
    d->editor()->setFocus();
    auto* copy = m_frame->findChild<ImageButton*>(QStringLiteral("imgCopyButton"));
    QTest::mousePress(copy, Qt::LeftButton);
    QVERIFY(copy->isPressed());
    QTest::mouseRelease(copy, Qt::LeftButton);
    QVERIFY(!copy->isPressed());
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("copied"));
    // Released outside the picture: no click.
    QApplication::clipboard()->clear();
    QTest::mousePress(copy, Qt::LeftButton);
    QTest::mouseRelease(copy, Qt::LeftButton, {}, QPoint(-5, -5));
    QCOMPARE(QApplication::clipboard()->text(), QString());
  }

  // The read-outs follow the toolbar's Cut and Paste.
  void toolbarCutAndPasteUpdateTheReadouts() {
    DocumentWindow* d = m_frame->newDocument();
    d->editor()->setProgramText(QStringLiteral("one\ntwo"));
    d->editor()->select(0, 4);
    d->editor()->setFocus();
    const auto readout = [d](const char* name) { return d->findChild<QLabel*>(QLatin1String(name))->text(); };
    const auto click = [this](const char* name) {
      auto* picture = m_frame->findChild<ImageButton*>(QLatin1String(name));
      QTest::mousePress(picture, Qt::LeftButton);
      QTest::mouseRelease(picture, Qt::LeftButton);
    };
    click("imgCutButton");
    QCOMPARE(d->editor()->programText(), QStringLiteral("two"));
    QCOMPARE(readout("Label6"), QStringLiteral("3"));
    d->editor()->moveCursor(QTextCursor::End);
    click("imgPasteButton");
    QCOMPARE(d->editor()->programText(), QStringLiteral("twoone\n"));
    QCOMPARE(readout("Label2"), QStringLiteral("2"));
    QCOMPARE(readout("Label4"), QStringLiteral("1"));
    QCOMPARE(readout("Label6"), QStringLiteral("8"));  // the line end counts two
  }

  void toolbarToggles() {
    auto* toolbar = m_frame->findChild<QToolBar*>(QStringLiteral("picToolbar"));
    frameAction("mnuOToolbar")->trigger();
    QVERIFY(!toolbar->isVisible());
    DocumentWindow* d = m_frame->newDocument();
    QVERIFY(!documentAction(d, "mnuOToolbar")->isChecked());
    documentAction(d, "mnuOToolbar")->trigger();
    QVERIFY(toolbar->isVisible());
    QVERIFY(documentAction(d, "mnuOToolbar")->isChecked());
  }

  void closingAWindowDuringItsRun() {
    DocumentWindow* d = m_frame->newDocument();
    d->editor()->setProgramText(QStringLiteral("DO\nLOOP"));
    d->document().changed = false;
    QPointer<QMdiSubWindow> window(qobject_cast<QMdiSubWindow*>(d->parentWidget()));
    QPointer<DocumentWindow> document(d);
    DuringRun run([&] {
      if (document) document->session().keyDown(KeyCode::Escape);
    });
    run.when([&] { return document->document().runState == RunState::Running; },
             [&] { documentAction(document, "mnuFClose")->trigger(); });
    run.start();
    QTest::keyClick(d->protocol(), Qt::Key_F5);
    QVERIFY(run.allDone());
    QVERIFY(m_frame->documents().isEmpty());
    QVERIFY(!buttonShown("Command2"));
    QTRY_VERIFY(window.isNull());
    QVERIFY(document.isNull());
  }

  void exitDuringARun() {
    DocumentWindow* d = m_frame->newDocument();
    d->editor()->setProgramText(QStringLiteral("DO\nLOOP"));
    d->document().changed = false;
    QPointer<DocumentWindow> document(d);
    DuringRun run([&] {
      if (document) document->session().keyDown(KeyCode::Escape);
    });
    run.when([&] { return document->document().runState == RunState::Running; },
             [&] { m_frame->close(); });
    run.start();
    QTest::keyClick(d->protocol(), Qt::Key_F5);
    QVERIFY(run.allDone());
    QVERIFY(!m_frame->isVisible());
    QTRY_VERIFY(document.isNull());
  }

  void inputBoxAnswersTheProgram() {
    DocumentWindow* d = m_frame->newDocument();
    d->editor()->setProgramText(QStringLiteral("A$ = INPUTBOX(\"Your name?\")\nPRINT \"Hello \"; A$\nEND"));
    QString title;
    QString prompt;
    bool inputShown = false;
    whenModalShown(QStringLiteral("Form3"), [&](QWidget* box) {
      title = box->windowTitle();
      prompt = box->findChild<QLabel*>(QStringLiteral("Label1"))->text();
      auto* input = box->findChild<QLineEdit*>(QStringLiteral("Text1"));
      inputShown = input->isVisible();
      input->setText(QStringLiteral("Zoë"));
      box->findChild<QAbstractButton*>(QStringLiteral("Command1"))->click();
    });
    QTest::keyClick(d->protocol(), Qt::Key_F5);
    QCOMPARE(title, QStringLiteral("Message/Input-Box"));
    QCOMPARE(prompt, QStringLiteral("Your name?"));
    QVERIFY(inputShown);
    QVERIFY(d->protocol()->toPlainText().contains(QStringLiteral("Hello Zoë")));
  }

  // ---- Statements that open and close windows --------------------------------------------

  void executeOpensAnotherWindowAndRunsIt() {
    const QString other = program(QStringLiteral("other.bas"), "PRINT \"from other\"\r\nEND\r\n");
    DocumentWindow* caller = m_frame->newDocument();
    caller->editor()->setProgramText(QStringLiteral("EXECUTE \"%1\"\nPRINT \"back\"\nEND").arg(other));
    QTest::keyClick(caller->protocol(), Qt::Key_F5);
    QCOMPARE(m_frame->documents().size(), 2);
    DocumentWindow* opened = windowOf(other);
    QVERIFY(opened != nullptr);
    QCOMPARE(opened->protocol()->toPlainText(), QStringLiteral("Run\nfrom other \nEnd\n"));
    QVERIFY(caller->protocol()->toPlainText().contains(QStringLiteral("back")));
  }

  void openedWindowsTakeTheirLayout_data() {
    QTest::addColumn<QString>("statement");
    QTest::addColumn<bool>("protocolShown");
    QTest::addColumn<bool>("editorShown");
    QTest::newRow("EDIT: the editor alone") << "EDIT" << false << true;
    QTest::newRow("EXECUTEGRAFIC: the canvas alone") << "EXECUTEGRAFIC" << false << false;
  }
  void openedWindowsTakeTheirLayout() {
    QFETCH(QString, statement);
    QFETCH(bool, protocolShown);
    QFETCH(bool, editorShown);
    const QString other = program(QStringLiteral("shown.bas"), "DRAW SCALE PIXEL\r\nEND\r\n");
    DocumentWindow* caller = m_frame->newDocument();
    caller->editor()->setProgramText(QStringLiteral("%1 \"%2\"").arg(statement, other));
    QTest::keyClick(caller->protocol(), Qt::Key_F5);
    DocumentWindow* opened = windowOf(other);
    QVERIFY(opened != nullptr);
    QCOMPARE(!opened->protocol()->isHidden(), protocolShown);
    QCOMPARE(!opened->editor()->isHidden(), editorShown);
  }

  // A window a program opens lists the recent files from the start.
  void windowsOpenedByAProgramListTheRecentFiles_data() {
    QTest::addColumn<QString>("statement");
    QTest::newRow("EXECUTE") << "EXECUTE";
    QTest::newRow("EXECUTEGRAFIC") << "EXECUTEGRAFIC";
    QTest::newRow("EDIT") << "EDIT";
  }
  void windowsOpenedByAProgramListTheRecentFiles() {
    QFETCH(QString, statement);
    const QString recent = program(QStringLiteral("recent.bas"));
    QVERIFY(m_frame->openFile(recent) != nullptr);
    const QString other = program(QStringLiteral("opened.bas"), "END\r\n");
    DocumentWindow* caller = m_frame->newDocument();
    caller->editor()->setProgramText(QStringLiteral("%1 \"%2\"").arg(statement, other));
    QTest::keyClick(caller->protocol(), Qt::Key_F5);
    DocumentWindow* opened = windowOf(other);
    QVERIFY(opened != nullptr);
    QCOMPARE(shownRecentEntries(opened), QStringList{recent});
  }

  void unopenableFileIsReportedByTheStatement() {
    DocumentWindow* caller = m_frame->newDocument();
    caller->editor()->setProgramText(QStringLiteral("EXECUTE \"%1\"").arg(file(QStringLiteral("missing.bas"))));
    answerNextBox("Command1");  // the workbench's "Unable to open this file"
    QTest::keyClick(caller->protocol(), Qt::Key_F5);
    QVERIFY(caller->protocol()->toPlainText().contains(QStringLiteral("Unable to start")));
    QCOMPARE(m_frame->documents().size(), 1);
  }

  // TERMINATE closes the window whose program is running, without asking.
  void terminateClosesItsWindowDuringItsRun() {
    DocumentWindow* d = m_frame->newDocument();
    d->editor()->setProgramText(QStringLiteral("PRINT 1\nTERMINATE\nPRINT 2"));
    QVERIFY(d->document().changed);
    QPointer<DocumentWindow> window(d);
    QTest::keyClick(d->protocol(), Qt::Key_F5);  // a question would hang the test here
    QVERIFY(m_frame->documents().isEmpty());
    QTRY_VERIFY(window.isNull());
  }

  // ---- Find and replace -----------------------------------------------------------------

  void findDialogSearchesCountsReplacesAndOops() {
    DocumentWindow* d = m_frame->newDocument();
    d->editor()->setProgramText(QStringLiteral("xx ab ab"));
    d->editor()->select(0, 0);
    documentAction(d, "mnuSFind")->trigger();
    FindDialog* dialog = m_frame->findDialog();
    QVERIFY(dialog != nullptr);
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Find"));
    auto* field = dialog->findChild<QLineEdit*>(QStringLiteral("Text1"));
    auto* replaceField = dialog->findChild<QLineEdit*>(QStringLiteral("Text2"));
    auto* findButton = dialog->findChild<QPushButton*>(QStringLiteral("cmdFind"));
    auto* replaceButton = dialog->findChild<QPushButton*>(QStringLiteral("cmdReplace"));
    QVERIFY(!findButton->isEnabled());
    QTest::keyClicks(field, QStringLiteral("ab"));
    QVERIFY(findButton->isEnabled());
    QCOMPARE(dialog->message(), QStringLiteral("2 Occurences "));
    dialog->findChild<QRadioButton*>(QStringLiteral("optDirection1"))->click();  // Forward
    QTest::keyClick(field, Qt::Key_F3);
    QCOMPARE(dialog->message(), QStringLiteral("Searchstring found at Line 1, Column 4"));
    QCOMPARE(d->editor()->textCursor().selectedText(), QStringLiteral("ab"));
    QCOMPARE(replaceButton->text(), QStringLiteral("Replace"));
    replaceField->setText(QStringLiteral("cd"));
    QTest::keyClick(replaceField, Qt::Key_F3, Qt::ControlModifier);
    QCOMPARE(d->editor()->programText(), QStringLiteral("xx cd ab"));
    QCOMPARE(d->editor()->textCursor().selectedText(), QStringLiteral("cd"));
    QCOMPARE(replaceButton->text(), QStringLiteral("Find and Replace"));
    dialog->findChild<QPushButton*>(QStringLiteral("cmdOops"))->click();
    QCOMPARE(d->editor()->programText(), QStringLiteral("xx ab ab"));
    QCOMPARE(d->editor()->textCursor().selectedText(), QStringLiteral("ab"));
    QCOMPARE(replaceButton->text(), QStringLiteral("Replace"));
    // Cancel keeps the search for Find Next.
    dialog->findChild<QPushButton*>(QStringLiteral("cmdcancel"))->click();
    QTRY_VERIFY(m_frame->findDialog() == nullptr);
    documentAction(d, "mnuSFindNext")->trigger();
    QCOMPARE(d->editor()->selectionStart(), 6);
  }

  // The message line shows a whole message, and the buttons stay where
  // they are when the Replace button's caption changes.
  void findDialogShowsWholeMessagesAndKeepsItsButtons() {
    DocumentWindow* d = m_frame->newDocument();
    d->editor()->setProgramText(QStringLiteral("a\nb\nc\nfind me"));
    d->editor()->select(0, 0);
    documentAction(d, "mnuSFind")->trigger();
    FindDialog* dialog = m_frame->findDialog();
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    const auto buttonPlaces = [dialog] {
      QList<QRect> places;
      for (const char* name : {"cmdFind", "cmdReplace", "cmdOops", "cmdcancel"}) {
        places.append(dialog->findChild<QPushButton*>(QLatin1String(name))->geometry());
      }
      return places;
    };
    const QList<QRect> before = buttonPlaces();
    auto* field = dialog->findChild<QLineEdit*>(QStringLiteral("Text1"));
    QTest::keyClicks(field, QStringLiteral("find"));
    dialog->findChild<QRadioButton*>(QStringLiteral("optDirection1"))->click();  // Forward
    QTest::keyClick(field, Qt::Key_F3);
    const QString found = QStringLiteral("Searchstring found at Line 4, Column 1");
    QCOMPARE(dialog->message(), found);
    auto* line = dialog->findChild<QLineEdit*>(QStringLiteral("Text3"));
    const int frame = line->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, line);
    QVERIFY(line->width() >= line->fontMetrics().horizontalAdvance(found) + 2 * frame + 4);
    QTest::mouseClick(field, Qt::LeftButton);
    QCOMPARE(dialog->findChild<QPushButton*>(QStringLiteral("cmdReplace"))->text(), QStringLiteral("Find and Replace"));
    QCoreApplication::sendPostedEvents();
    QCOMPARE(buttonPlaces(), before);
  }

  void fromTheBeginningSwitchesToForward() {
    DocumentWindow* d = m_frame->newDocument();
    d->editor()->setProgramText(QStringLiteral("ab x ab"));
    d->editor()->select(5, 0);
    documentAction(d, "mnuSFind")->trigger();
    FindDialog* dialog = m_frame->findDialog();
    dialog->findChild<QLineEdit*>(QStringLiteral("Text1"))->setText(QStringLiteral("ab"));
    dialog->findChild<QRadioButton*>(QStringLiteral("optDirection2"))->click();
    dialog->findChild<QPushButton*>(QStringLiteral("cmdFind"))->click();
    QCOMPARE(d->editor()->selectionStart(), 0);
    QVERIFY(dialog->findChild<QRadioButton*>(QStringLiteral("optDirection1"))->isChecked());
    dialog->findChild<QPushButton*>(QStringLiteral("cmdFind"))->click();
    QCOMPARE(d->editor()->selectionStart(), 5);
  }

  void findNextWithoutSearchTextOpensTheDialog() {
    DocumentWindow* d = m_frame->newDocument();
    d->editor()->setProgramText(QStringLiteral("abc"));
    documentAction(d, "mnuSReplaceNext")->trigger();
    QVERIFY(m_frame->findDialog() != nullptr);
    QVERIFY(m_frame->findDialog()->isVisible());
    QCOMPARE(d->editor()->programText(), QStringLiteral("abc"));
  }

  void replaceNextOfTheMenu() {
    DocumentWindow* d = m_frame->newDocument();
    d->editor()->setProgramText(QStringLiteral("ab ab"));
    m_frame->textSearch().state().searchText = QStringLiteral("ab");
    m_frame->textSearch().state().replaceText = QStringLiteral("x");
    m_frame->textSearch().state().direction = SearchDirection::Forward;
    d->editor()->select(0, 0);
    documentAction(d, "mnuSReplaceNext")->trigger();
    documentAction(d, "mnuSReplaceNext")->trigger();
    QCOMPARE(d->editor()->programText(), QStringLiteral("x x"));
    documentAction(d, "mnuSReplaceNext")->trigger();  // nothing left: unchanged
    QCOMPARE(d->editor()->programText(), QStringLiteral("x x"));
  }

  void findDialogWithoutWindowsDoesNothing() {
    DocumentWindow* d = m_frame->newDocument();
    documentAction(d, "mnuSFind")->trigger();
    FindDialog* dialog = m_frame->findDialog();
    d->parentWidget()->close();
    QTRY_VERIFY(m_frame->documents().isEmpty());
    dialog->findChild<QLineEdit*>(QStringLiteral("Text1"))->setText(QStringLiteral("x"));
    dialog->find();
    dialog->replace();
    dialog->oops();
    QVERIFY(dialog->isVisible());
  }

  // ---- Window and About ------------------------------------------------------------------

  // Cascade gives every window the size a new one gets, each one title
  // bar further than the one behind it.
  void cascadeKeepsTheWindowsUsable_data() {
    QTest::addColumn<int>("count");
    QTest::newRow("one window") << 1;
    QTest::newRow("three windows") << 3;
  }
  void cascadeKeepsTheWindowsUsable() {
    QFETCH(int, count);
    DocumentWindow* last = nullptr;
    for (int i = 0; i < count; ++i) last = m_frame->newDocument();
    auto* area = m_frame->findChild<QMdiArea*>();
    const QSize newWindow = area->subWindowList().first()->size();
    documentAction(last, "mnuWCascade")->trigger();
    const QList<QMdiSubWindow*> windows = area->subWindowList(QMdiArea::StackingOrder);
    for (QMdiSubWindow* window : windows) QCOMPARE(window->size(), newWindow);
    QCOMPARE(windows.first()->pos(), QPoint(0, 0));
    for (int i = 1; i < windows.size(); ++i) {
      QVERIFY(windows[i]->x() > windows[i - 1]->x());
      QVERIFY(windows[i]->y() > windows[i - 1]->y());
    }
    QCOMPARE(m_frame->activeDocument(), last);
  }

  void tileStacksTheWindows() {
    DocumentWindow* first = m_frame->newDocument();
    m_frame->newDocument();
    documentAction(first, "mnuWTile")->trigger();
    const QList<QMdiSubWindow*> windows = m_frame->findChild<QMdiArea*>()->subWindowList();
    const int width = m_frame->findChild<QMdiArea*>()->viewport()->width();
    QCOMPARE(windows[0]->width(), width);
    QCOMPARE(windows[1]->width(), width);
    QCOMPARE(windows[1]->y(), windows[0]->height());
  }

  void windowMenuListsTheOpenWindowsAndActivatesOne() {
    DocumentWindow* first = m_frame->newDocument();
    DocumentWindow* second = m_frame->newDocument();
    QCOMPARE(m_frame->activeDocument(), second);
    auto* menu = second->findChild<QMenu*>(QStringLiteral("mnuWindow"));
    QVERIFY(menu != nullptr);
    Q_EMIT menu->aboutToShow();
    QList<QAction*> entries;
    for (QAction* a : menu->actions()) {
      if (a->isCheckable()) entries.append(a);
    }
    QCOMPARE(entries.size(), 2);
    QVERIFY(entries[0]->text().endsWith(first->caption()));
    QVERIFY(!entries[0]->isChecked());
    QVERIFY(entries[1]->isChecked());
    entries[0]->trigger();
    QCOMPARE(m_frame->activeDocument(), first);
    // Shown again, the list is made afresh, not added to.
    Q_EMIT menu->aboutToShow();
    QCOMPARE(std::count_if(menu->actions().cbegin(), menu->actions().cend(),
                           [](QAction* a) { return a->isCheckable(); }),
             2);
  }

  void aboutBox() {
    QString title;
    QString version;
    whenModalShown(QStringLiteral("Form2"), [&](QWidget* box) {
      title = box->windowTitle();
      version = box->findChild<QLabel*>(QStringLiteral("Label2"))->text();
      box->findChild<QAbstractButton*>(QStringLiteral("Command1"))->click();
    });
    frameAction("mnuAbout")->trigger();
    QCOMPARE(title, QStringLiteral("Software Licence Notice"));
    QCOMPARE(version, QStringLiteral("Version 2.1"));
  }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
