// Keyboard and dialogs as desktop users expect: the usual shortcuts shown
// in the menus and working in the window that has the focus, Enter keeping
// the file in the Delete and Overwrite questions, and the protocol's word
// wrap as an option kept in the settings.

#include <QFile>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include "GuiTestSupport.h"
#include "workbench/DocumentWindow.h"
#include "workbench/MainWindow.h"
#include "workbench/ProgramEditor.h"
#include "workbench/ProtocolBox.h"
#include "workbench/TextSearch.h"

using namespace morvane;

class KeyboardTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<testing::TemporarySettings> m_temporary;
  std::unique_ptr<testing::Application> m_app;
  std::unique_ptr<MainWindow> m_frame;
  std::unique_ptr<QTemporaryDir> m_files;
  int m_case = 0;

  static QAction* action(DocumentWindow* d, const char* name) { return d->findChild<QAction*>(QLatin1String(name)); }
  DocumentWindow* focusedDocument() {
    DocumentWindow* d = m_frame->newDocument();
    d->editor()->setFocus();
    // A key's shortcut goes to the window whose widget has the focus.
    QTest::qWaitFor([d] { return d->editor()->hasFocus(); });
    return d;
  }

 private Q_SLOTS:
  void initTestCase() { m_temporary = std::make_unique<testing::TemporarySettings>(); }

  void init() {
    m_files = std::make_unique<QTemporaryDir>();
    m_app = std::make_unique<testing::Application>(m_temporary->iniFile(QStringLiteral("case%1").arg(++m_case)));
    m_frame = std::make_unique<MainWindow>(m_app->workspace, m_app->settings);
    m_app->system.setFrame(m_frame.get());
    m_frame->show();
    m_frame->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_frame.get()));
  }

  void cleanup() {
    if (m_frame) {
      for (DocumentWindow* d : m_frame->documents()) d->document().changed = false;
    }
    m_frame.reset();
    m_app.reset();
  }

  void shortcutsAreShownInTheMenus_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QKeySequence>("keys");
    QTest::newRow("New") << "mnuFNew" << QKeySequence(Qt::CTRL | Qt::Key_N);
    QTest::newRow("Open") << "mnuFOpen" << QKeySequence(Qt::CTRL | Qt::Key_O);
    QTest::newRow("Save") << "mnuFSave" << QKeySequence(Qt::CTRL | Qt::Key_S);
    QTest::newRow("Undo") << "mnuUndo" << QKeySequence(Qt::CTRL | Qt::Key_Z);
    QTest::newRow("Find") << "mnuSFind" << QKeySequence(Qt::CTRL | Qt::Key_F);
    QTest::newRow("Find Next") << "mnuSFindNext" << QKeySequence(Qt::Key_F3);
    QTest::newRow("Help") << "mnuHReference" << QKeySequence(Qt::Key_F1);
  }
  void shortcutsAreShownInTheMenus() {
    QFETCH(QString, name);
    QFETCH(QKeySequence, keys);
    DocumentWindow* d = m_frame->newDocument();
    QAction* a = action(d, name.toLatin1().constData());
    QCOMPARE(a->shortcut(), keys);
    // Shown in its menu, beside its caption.
    bool inAMenu = false;
    for (QMenu* menu : d->menus()) inAMenu = inAMenu || menu->actions().contains(a);
    QVERIFY(inAMenu);
  }

  void ctrlNAndCtrlSWorkInTheFocusedWindow() {
    DocumentWindow* first = focusedDocument();
    DocumentWindow* second = focusedDocument();
    QTest::keyClick(second->editor(), Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(m_frame->documents().size(), 3);

    // Ctrl+S saves the window whose editor has the focus, and only it.
    const QString path = m_files->filePath(QStringLiteral("saved.bas"));
    testing::chooseInNextFileDialog(path);
    first->editor()->setFocus();
    QTRY_VERIFY(first->editor()->hasFocus());
    QTest::keyClicks(first->editor(), QStringLiteral("END"));
    QTest::keyClick(first->editor(), Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(first->caption(), path);
    QVERIFY(QFile::exists(path));
    QVERIFY(!first->document().changed);
  }

  void ctrlZTogglesAndF3FindsNext() {
    DocumentWindow* d = focusedDocument();
    ProgramEditor* editor = d->editor();
    editor->setProgramText(QStringLiteral("ab ab ab"));
    editor->noteClick();
    QTest::keyClicks(editor, QStringLiteral("x"));
    QCOMPARE(editor->programText(), QStringLiteral("xab ab ab"));
    QTest::keyClick(editor, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(editor->programText(), QStringLiteral("ab ab ab"));
    QTest::keyClick(editor, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(editor->programText(), QStringLiteral("xab ab ab"));

    m_frame->textSearch().state().searchText = QStringLiteral("ab");
    m_frame->textSearch().state().direction = SearchDirection::Forward;
    editor->moveCursor(QTextCursor::Start);
    QTest::keyClick(editor, Qt::Key_F3);
    QCOMPARE(editor->textCursor().selectionStart(), 1);
    QTest::keyClick(editor, Qt::Key_F3);
    QCOMPARE(editor->textCursor().selectionStart(), 4);
  }

  void enterKeepsTheFileInTheDeleteQuestion() {
    const QString path = m_files->filePath(QStringLiteral("keep.bas"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("END");
    file.close();
    DocumentWindow* d = m_frame->openFile(path);
    QVERIFY(d != nullptr);
    bool noIsDefault = false;
    testing::whenModalShown(QStringLiteral("Form3"), [&noIsDefault](QWidget* box) {
      auto* no = box->findChild<QPushButton*>(QStringLiteral("Command2"));
      noIsDefault = no->isDefault() && no->text() == QLatin1String("No");
      QTest::keyClick(box, Qt::Key_Return);
    });
    action(d, "mnuFDelete")->trigger();
    QVERIFY(noIsDefault);
    QVERIFY(QFile::exists(path));
    QCOMPARE(m_frame->documents().size(), 1);
  }

  void otherQuestionsKeepTheFirstButtonAsDefault() {
    DocumentWindow* d = focusedDocument();
    QTest::keyClicks(d->editor(), QStringLiteral("END"));
    bool saveIsDefault = false;
    testing::whenModalShown(QStringLiteral("Form3"), [&saveIsDefault](QWidget* box) {
      auto* save = box->findChild<QPushButton*>(QStringLiteral("Command1"));
      saveIsDefault = save->isDefault();
      box->findChild<QPushButton*>(QStringLiteral("Command3"))->click();  // Cancel
    });
    action(d, "mnuFClose")->trigger();
    QVERIFY(saveIsDefault);
    QCOMPARE(m_frame->documents().size(), 1);
  }

  void protocolWordWrapIsAnOptionForEveryWindow() {
    DocumentWindow* first = m_frame->newDocument();
    DocumentWindow* second = m_frame->newDocument();
    QCOMPARE(first->protocol()->lineWrapMode(), QPlainTextEdit::NoWrap);
    QAction* wrap = action(second, "mnuOWordWrap");
    QVERIFY(wrap->isCheckable());
    QVERIFY(!wrap->isChecked());
    wrap->trigger();
    for (DocumentWindow* d : {first, second}) {
      QCOMPARE(d->protocol()->lineWrapMode(), QPlainTextEdit::WidgetWidth);
      QVERIFY(action(d, "mnuOWordWrap")->isChecked());
    }
    QVERIFY(m_app->settings.protocolWordWrap());
    // A new window starts as the option says; choosing it again turns it off.
    DocumentWindow* third = m_frame->newDocument();
    QCOMPARE(third->protocol()->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    action(first, "mnuOWordWrap")->trigger();
    QCOMPARE(third->protocol()->lineWrapMode(), QPlainTextEdit::NoWrap);
    QVERIFY(!m_app->settings.protocolWordWrap());
  }
};

QTEST_MAIN(KeyboardTest)
#include "KeyboardTest.moc"
