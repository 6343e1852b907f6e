// A document window's own parts: its controls and menu items by name, the
// layout's hiding thresholds when the gaps are dragged, the status
// read-outs, the toggling Undo, Edit > Delete, the file commands with their
// questions (answered by the test), the canvas commands and the fonts.

#include <QAction>
#include <QClipboard>
#include <QFile>
#include <QFontInfo>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTest>

#include "GuiTestSupport.h"
#include "workbench/CanvasView.h"
#include "workbench/DocumentWindow.h"
#include "workbench/FontChoice.h"
#include "workbench/ProgramEditor.h"
#include "workbench/ProtocolBox.h"
#include "workbench/RunSession.h"
#include "workbench/StatusStrip.h"

using namespace morvane;
using morvane::testing::answerNextBox;
using morvane::testing::chooseInNextFileDialog;

namespace {

QByteArray readBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeBytes(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

void sendMouse(QWidget* widget, QEvent::Type type, QPoint at, Qt::MouseButtons buttons) {
  QMouseEvent event(type, QPointF(at), widget->mapToGlobal(QPointF(at)),
                    type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, buttons, Qt::NoModifier);
  QApplication::sendEvent(widget, &event);
}

// Drags with the left button from one point of the window to another.
void drag(QWidget* window, QPoint from, QPoint to) {
  sendMouse(window, QEvent::MouseButtonPress, from, Qt::LeftButton);
  sendMouse(window, QEvent::MouseMove, to, Qt::LeftButton);
  sendMouse(window, QEvent::MouseButtonRelease, to, Qt::NoButton);
}

}  // namespace

class DocumentWindowTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<testing::TemporarySettings> m_temporary;
  std::unique_ptr<testing::Application> m_app;
  std::unique_ptr<DocumentWindow> m_window;
  std::unique_ptr<QTemporaryDir> m_files;
  int m_case = 0;

  ProgramEditor* editor() { return m_window->editor(); }
  QAction* action(const char* name) { return m_window->findChild<QAction*>(QLatin1String(name)); }
  QString label(const char* name) { return m_window->findChild<QLabel*>(QLatin1String(name))->text(); }
  QString file(const char* name) { return m_files->filePath(QLatin1String(name)); }

 private Q_SLOTS:
  void initTestCase() { m_temporary = std::make_unique<testing::TemporarySettings>(); }

  void init() {
    m_files = std::make_unique<QTemporaryDir>();
    m_app = std::make_unique<testing::Application>(m_temporary->iniFile(QStringLiteral("case%1").arg(++m_case)));
    m_window = std::make_unique<DocumentWindow>(m_app->workspace, m_app->settings);
    m_window->resize(1000, 650);
    m_window->show();
  }

  void cleanup() {
    if (m_window) m_window->document().changed = false;
    m_window.reset();
    m_app.reset();
  }

  void controlsByName() {
    for (const char* name : {"Text1", "Text2", "Picture1", "Picture2", "Shape1", "Label1", "Label2", "Label3",
                             "Label4", "Label5", "Label6"}) {
      QVERIFY2(m_window->findChild<QWidget*>(QLatin1String(name)) != nullptr, name);
    }
    QCOMPARE(label("Label1"), QStringLiteral("Line:"));
    QCOMPARE(label("Label3"), QStringLiteral("Column:"));
    QCOMPARE(label("Label5"), QStringLiteral("Length:"));
    QCOMPARE(m_window->caption(), QStringLiteral("NoName%1.bas").arg(m_window->slot()));
  }

  void menuItemsByName_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    const char* items[][2] = {
        {"mnuFNew", "&New"},           {"mnuFOpen", "Open..."},
        {"mnuFClose", "Close"},        {"mnuFSave", "Save"},
        {"mnuFSaveAs", "Save As..."},  {"mnuFDelete", "Delete"},
        {"mnuFExit", "&Exit"},         {"mnuUndo", "Undo"},
        {"mnuECut", "Cut"},            {"mnuECopy", "Copy"},
        {"mnuEPaste", "Paste"},        {"mnuEDelete", "Delete"},
        {"Grafic_copy", "Grafic Copy"}, {"Grafic_insert", "Grafic Paste"},
        {"Grafic_delete", "Grafic Delete"}, {"clear_protocol", "Clear Protocol"},
        {"mnuESelectAll", "Select All"}, {"mnuSFind", "Find/Replace"},
        {"mnuSFindNext", "Find Next"}, {"mnuSReplaceNext", "Replace Next"},
        {"mnuGo", "Go (Single Step)"}, {"mnuRun", "Run (Start Program)"},
        {"mnuPause", "Pause"},         {"mnuStop", "Stop"},
        {"mnuReset", "Reset"},         {"mnuOToolbar", "Toolbar"},
        {"mnuFontsize8", "Font Size 8pt"}, {"mnufontsize10", "Font Size 10pt"},
        {"mnufontsize18", "Font Size 18pt"}, {"mnuDefaults", "Defaults"},
        {"mnuWCascade", "Cascade"},    {"mnuWTile", "Tile"},
        {"mnuWArrange", "Arrange"},    {"mnuAbout", "&About"},
    };
    for (const auto& item : items) QTest::newRow(item[0]) << QString::fromLatin1(item[0]) << QString::fromUtf8(item[1]);
  }
  void menuItemsByName() {
    QFETCH(QString, name);
    QFETCH(QString, caption);
    auto* item = m_window->findChild<QAction*>(name);
    QVERIFY(item != nullptr);
    QCOMPARE(item->text(), caption);
  }

  // ---- Layout --------------------------------------------------------------------------

  void initialLayout() {
    QVERIFY(m_window->protocol()->isVisible());
    QVERIFY(editor()->isVisible());
    // The canvas is a narrow strip on the right until it is dragged wider.
    QCOMPARE(m_window->canvasView()->geometry(), QRect(990, 0, 10, 600));
    QCOMPARE(m_window->statusStrip()->geometry(), QRect(0, 600, 1000, 50));
  }

  void draggingHidesPanes_data() {
    QTest::addColumn<QPoint>("from");
    QTest::addColumn<QPoint>("to");
    QTest::addColumn<bool>("protocolShown");
    QTest::addColumn<bool>("editorShown");
    // h = 600: the gap between the text panes is at y 210, the canvas gap at x 980.
    QTest::newRow("protocol below 0.09") << QPoint(300, 210) << QPoint(300, 50) << false << true;
    QTest::newRow("editor above 0.91") << QPoint(300, 210) << QPoint(300, 560) << true << false;
    QTest::newRow("canvas to the left edge") << QPoint(980, 300) << QPoint(0, 300) << false << false;
    QTest::newRow("canvas dragged wider") << QPoint(980, 300) << QPoint(500, 300) << true << true;
  }
  void draggingHidesPanes() {
    QFETCH(QPoint, from);
    QFETCH(QPoint, to);
    QFETCH(bool, protocolShown);
    QFETCH(bool, editorShown);
    drag(m_window.get(), from, to);
    QCOMPARE(m_window->protocol()->isVisible(), protocolShown);
    QCOMPARE(editor()->isVisible(), editorShown);
  }

  void draggingBackShowsThePanesAgain() {
    drag(m_window.get(), QPoint(980, 300), QPoint(0, 300));
    QVERIFY(!editor()->isVisible());
    // The gap is now at the left edge.
    drag(m_window.get(), QPoint(10, 300), QPoint(600, 300));
    QVERIFY(editor()->isVisible());
    QVERIFY(m_window->protocol()->isVisible());
    QCOMPARE(m_window->canvasView()->geometry().left(), 610);
  }

  // The first drawing on the narrow canvas strip widens the canvas to half
  // the window; a width the user drags afterwards stays.
  void drawingShowsTheCanvasOnce() {
    editor()->setProgramText(QStringLiteral("DRAW PSET (1, 1), RED, 3\nEND"));
    QTest::keyClick(m_window->protocol(), Qt::Key_F5);
    QTRY_COMPARE(m_window->canvasView()->geometry().left(), 510);
    QVERIFY(editor()->isVisible());
    drag(m_window.get(), QPoint(500, 300), QPoint(950, 300));
    QCOMPARE(m_window->canvasView()->geometry().left(), 960);
    QTest::keyClick(m_window->protocol(), Qt::Key_F5);
    QCoreApplication::processEvents();
    QCOMPARE(m_window->canvasView()->geometry().left(), 960);
  }

  void onlyDrawingShowsTheCanvas() {
    editor()->setProgramText(QStringLiteral("CLS\nPRINT 1\nEND"));
    QTest::keyClick(m_window->protocol(), Qt::Key_F5);
    QCoreApplication::processEvents();
    QCOMPARE(m_window->canvasView()->geometry(), QRect(990, 0, 10, 600));
  }

  // A window that shows its canvas alone (EXECUTEGRAFIC) keeps that layout.
  void canvasOnlyWindowKeepsItsLayout() {
    DocumentWindow canvasOnly(m_app->workspace, m_app->settings, WindowLayout::CanvasOnly);
    canvasOnly.resize(1000, 650);
    canvasOnly.show();
    canvasOnly.editor()->setProgramText(QStringLiteral("DRAW PSET (1, 1), RED, 3\nEND"));
    canvasOnly.document().changed = false;
    canvasOnly.session().keyDown(KeyCode::F5Run);
    QCoreApplication::processEvents();
    QCOMPARE(canvasOnly.layoutFractions().textShare(), 0.005);
    QVERIFY(canvasOnly.editor()->isHidden());
    QVERIFY(canvasOnly.protocol()->isHidden());
  }

  void pointerShowsTheGap() {
    sendMouse(m_window.get(), QEvent::MouseMove, QPoint(300, 210), Qt::NoButton);
    QCOMPARE(m_window->cursor().shape(), Qt::SizeVerCursor);
    sendMouse(m_window.get(), QEvent::MouseMove, QPoint(980, 300), Qt::NoButton);
    QCOMPARE(m_window->cursor().shape(), Qt::SizeHorCursor);
  }

  // ---- Editor ---------------------------------------------------------------------------

  void statusReadouts() {
    editor()->setFocus();
    QTest::keyClicks(editor(), QStringLiteral("ab"));
    QTest::keyClick(editor(), Qt::Key_Return);
    QTest::keyClicks(editor(), QStringLiteral("c"));
    QCOMPARE(label("Label2"), QStringLiteral("2"));
    QCOMPARE(label("Label4"), QStringLiteral("2"));
    QCOMPARE(label("Label6"), QStringLiteral("5"));  // the line end counts two
    QVERIFY(m_window->document().changed);
  }

  void undoToggles() {
    editor()->setProgramText(QStringLiteral("PRINT 1"));
    editor()->moveCursor(QTextCursor::End);
    QTest::mouseClick(editor()->viewport(), Qt::LeftButton, {}, QPoint(200, 5));
    editor()->moveCursor(QTextCursor::End);
    QTest::keyClicks(editor(), QStringLiteral("23"));
    QCOMPARE(editor()->programText(), QStringLiteral("PRINT 123"));
    action("mnuUndo")->trigger();
    QCOMPARE(editor()->programText(), QStringLiteral("PRINT 1"));
    action("mnuUndo")->trigger();
    QCOMPARE(editor()->programText(), QStringLiteral("PRINT 123"));
    // Ctrl+Z is the same Undo.
    QTest::keyClick(editor(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(editor()->programText(), QStringLiteral("PRINT 1"));
  }

  // Undo chosen from the Edit menu: the open menu holds the focus only for
  // a while, which is no leaving of the editor.
  void undoFromTheOpenedMenu() {
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    editor()->setProgramText(QStringLiteral("PRINT 1"));
    editor()->setFocus();
    QTest::mouseClick(editor()->viewport(), Qt::LeftButton, {}, QPoint(200, 5));
    editor()->moveCursor(QTextCursor::End);
    QTest::keyClicks(editor(), QStringLiteral("23"));
    auto* menu = m_window->findChild<QMenu*>(QStringLiteral("mnuEdit"));
    menu->popup(m_window->mapToGlobal(QPoint(10, 10)));
    QTRY_VERIFY(menu->isVisible());
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action("mnuUndo")).center());
    QTRY_VERIFY(!menu->isVisible());
    QCOMPARE(editor()->programText(), QStringLiteral("PRINT 1"));
  }

  void undoRightAfterOpeningKeepsTheText() {
    const QString path = file("opened.bas");
    ProgramText program{QStringLiteral("END"), {}};
    m_window->loadProgram(path, program);
    action("mnuUndo")->trigger();
    QCOMPARE(editor()->programText(), QStringLiteral("END"));
  }

  void deleteTakesALineEndWhole() {
    editor()->setProgramText(QStringLiteral("ab\ncd"));
    editor()->select(2, 0);
    editor()->setFocus();
    action("mnuEDelete")->trigger();
    QCOMPARE(editor()->programText(), QStringLiteral("abcd"));
    QCOMPARE(editor()->interpreterText(), std::string("abcd"));
    editor()->select(1, 2);
    action("mnuEDelete")->trigger();
    QCOMPARE(editor()->programText(), QStringLiteral("ad"));
    editor()->select(2, 0);
    action("mnuEDelete")->trigger();  // at the end: nothing
    QCOMPARE(editor()->programText(), QStringLiteral("ad"));
  }

  void clipboardCommands() {
    editor()->setProgramText(QStringLiteral("one\ntwo"));
    editor()->select(0, 7);
    editor()->setFocus();
    action("mnuECut")->trigger();
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("one\ntwo"));
    QCOMPARE(editor()->programText(), QString());
    action("mnuEPaste")->trigger();
    action("mnuEPaste")->trigger();
    QCOMPARE(editor()->programText(), QStringLiteral("one\ntwoone\ntwo"));
  }

  // ---- Files ------------------------------------------------------------------------------

  void saveWithoutAFileAsksForAName() {
    editor()->setProgramText(QStringLiteral("PRINT \"Grüße\"\nEND"));
    const QString path = file("named.bas");
    chooseInNextFileDialog(path);
    action("mnuFSave")->trigger();
    QCOMPARE(m_window->caption(), path);
    QCOMPARE(readBytes(path), QByteArray("PRINT \"Gr\xC3\xBC\xC3\x9F" "e\"\r\nEND"));
    QVERIFY(!m_window->document().changed);
  }

  void saveAsAsksBeforeOverwriting() {
    const QString path = file("existing.bas");
    QVERIFY(writeBytes(path, "old"));
    editor()->setProgramText(QStringLiteral("new"));
    QString message;
    QString title;
    chooseInNextFileDialog(path);
    answerNextBox("Command2", &message, &title);  // Cancel
    action("mnuFSaveAs")->trigger();
    QCOMPARE(title, QStringLiteral("Attention!"));
    QCOMPARE(message, QStringLiteral("File %1 exists! Overwrite?").arg(ShortenedName(path)));
    QCOMPARE(readBytes(path), QByteArray("old"));
    QVERIFY(!m_window->hasFile());

    chooseInNextFileDialog(path);
    answerNextBox("Command1");  // Overwrite
    action("mnuFSaveAs")->trigger();
    QCOMPARE(readBytes(path), QByteArray("new"));
    QCOMPARE(m_window->caption(), path);
  }

  void saveAsToTheSameNameAsksNothing() {
    const QString path = file("same.bas");
    m_window->loadProgram(path, ProgramText{QStringLiteral("a"), {}});
    editor()->setProgramText(QStringLiteral("b"));
    QVERIFY(m_window->save());
    chooseInNextFileDialog(path);
    action("mnuFSaveAs")->trigger();  // no box: the test would hang on one
    QCOMPARE(readBytes(path), QByteArray("b"));
  }

  void saveAsInAnotherCaseIsAnotherFile() {
    const QString lower = file("case.bas");
    const QString upper = file("CASE.bas");
    QVERIFY(writeBytes(upper, "keep"));
    m_window->loadProgram(lower, ProgramText{QStringLiteral("x"), {}});
    QVERIFY(m_window->save());
    QString message;
    chooseInNextFileDialog(upper);
    answerNextBox("Command2", &message);
    action("mnuFSaveAs")->trigger();
    QVERIFY(message.contains(QStringLiteral("exists! Overwrite?")));
    QCOMPARE(readBytes(upper), QByteArray("keep"));
  }

  void failedSaveIsReportedAndTheTextStaysChanged() {
    const QString path = file("no/such/folder/a.bas");
    m_window->loadProgram(path, ProgramText{QStringLiteral("x"), {}});
    QTest::keyClicks(editor(), QStringLiteral("y"));
    QString message;
    QString title;
    answerNextBox("Command1", &message, &title);
    QVERIFY(!m_window->save());
    QCOMPARE(title, QStringLiteral("Error!"));
    QCOMPARE(message, QStringLiteral("Unable to save this file: %1 !").arg(ShortenedName(path)));
    QVERIFY(m_window->document().changed);
  }

  void closeQuestion_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("closed");
    QTest::addColumn<bool>("saved");
    QTest::newRow("Save") << "Command1" << true << true;
    QTest::newRow("Discharge") << "Command2" << true << false;
    QTest::newRow("Cancel") << "Command3" << false << false;
  }
  void closeQuestion() {
    QFETCH(QString, button);
    QFETCH(bool, closed);
    QFETCH(bool, saved);
    const QString path = file("asked.bas");
    QVERIFY(writeBytes(path, "before"));
    m_window->loadProgram(path, ProgramText{QStringLiteral("before"), {}});
    editor()->setProgramText(QStringLiteral("after"));
    QString message;
    QString title;
    const QByteArray name = button.toLatin1();
    answerNextBox(name.constData(), &message, &title);
    const bool accepted = m_window->close();
    QCOMPARE(title, QStringLiteral("Attention:"));
    QCOMPARE(message, QStringLiteral("File %1 has been changed!").arg(ShortenedName(path)));
    QCOMPARE(accepted, closed);
    QCOMPARE(m_window->isUnloaded(), closed);
    QCOMPARE(readBytes(path), saved ? QByteArray("after") : QByteArray("before"));
  }

  // "Save" at the close question closes the window only when the text
  // reached its file.
  void closeQuestionSaveThatFailsKeepsTheWindow() {
    const QString path = file("no/such/folder/lost.bas");
    m_window->loadProgram(path, ProgramText{QStringLiteral("x"), {}});
    editor()->setProgramText(QStringLiteral("precious"));
    QString error;
    testing::whenModalShown(QStringLiteral("Form3"), [&](QWidget* question) {
      answerNextBox("Command1", &error);  // the error box that follows
      question->findChild<QAbstractButton*>(QStringLiteral("Command1"))->click();  // Save
    });
    QVERIFY(!m_window->close());
    QCOMPARE(error, QStringLiteral("Unable to save this file: %1 !").arg(ShortenedName(path)));
    QVERIFY(!m_window->isUnloaded());
    QCOMPARE(editor()->programText(), QStringLiteral("precious"));
  }

  void unchangedWindowClosesWithoutAQuestion() {
    QVERIFY(m_window->close());
    QVERIFY(m_app->workspace.document(m_window->slot()).free);
  }

  void deleteFileAfterAskingYes() {
    const QString path = file("doomed.bas");
    QVERIFY(writeBytes(path, "x"));
    m_window->loadProgram(path, ProgramText{QStringLiteral("x"), {}});
    QString message;
    answerNextBox("Command2", &message);  // No
    action("mnuFDelete")->trigger();
    QVERIFY(QFile::exists(path));
    QCOMPARE(message, QStringLiteral("Delete File %1 ?").arg(ShortenedName(path)));
    answerNextBox("Command1");  // Yes
    action("mnuFDelete")->trigger();
    QVERIFY(!QFile::exists(path));
    QVERIFY(m_window->isUnloaded());
  }

  void utf8FileSavesBackUnchanged() {
    const QString path = file("accents.bas");
    const QByteArray bytes("' na\xC3\xAFve caf\xC3\xA9\nPRINT \"\xC3\xA0\"\n");
    QVERIFY(writeBytes(path, bytes));
    ProgramText program;
    QCOMPARE(ReadProgramFile(path, program), ProgramReadStatus::Loaded);
    m_window->loadProgram(path, program);
    // The interpreter reads the code page, with CR LF.
    QCOMPARE(editor()->interpreterText(), std::string("' na\xEFve caf\xE9\r\nPRINT \"\xE0\"\r\n"));
    QVERIFY(m_window->save());
    QCOMPARE(readBytes(path), bytes);
  }

  // ---- Canvas -----------------------------------------------------------------------------

  void graficCopyPutsTheCanvasOnTheClipboard() {
    RasterCanvas& canvas = m_window->canvasView()->canvas();
    canvas.ensureSize(QSize(300, 200));
    action("Grafic_copy")->trigger();
    const QImage copied = QApplication::clipboard()->image();
    QCOMPARE(copied.size(), canvas.size());
    QCOMPARE(copied.pixelColor(10, 10), QColor(Qt::white));
  }

  void graficPasteAndDelete() {
    QImage red(40, 30, QImage::Format_RGB32);
    red.fill(Qt::red);
    QApplication::clipboard()->setImage(red);
    action("Grafic_insert")->trigger();
    RasterCanvas& canvas = m_window->canvasView()->canvas();
    QCOMPARE(canvas.image().pixelColor(5, 5), QColor(Qt::red));
    canvas.clear();  // CLS keeps the background picture
    QCOMPARE(canvas.image().pixelColor(5, 5), QColor(Qt::red));
    m_app->workspace.drawing().scaleX = 3;
    action("Grafic_delete")->trigger();
    QCOMPARE(canvas.image().pixelColor(5, 5), QColor(Qt::white));
    QCOMPARE(m_app->workspace.drawing().scaleX, 1.0);
  }

  void canvasGrowsWithItsPaneAndScrolls() {
    drag(m_window.get(), QPoint(980, 300), QPoint(500, 300));
    RasterCanvas& canvas = m_window->canvasView()->canvas();
    QVERIFY(canvas.size().width() >= m_window->canvasView()->viewport()->width());
    canvas.ensureSize(QSize(3000, 3000));
    QTRY_VERIFY(m_window->canvasView()->horizontalScrollBar()->maximum() > 0);
    QVERIFY(m_window->canvasView()->verticalScrollBar()->maximum() > 0);
  }

  // ---- Fonts ------------------------------------------------------------------------------

  void defaultFontIsFixedPitchCourierNew() {
    QCOMPARE(m_window->documentFont().name, QStringLiteral("Courier New"));
    QCOMPARE(editor()->font().pointSize(), 12);
    QVERIFY(QFontInfo(editor()->font()).fixedPitch());
    QCOMPARE(m_window->protocol()->font(), editor()->font());
    QCOMPARE(m_window->document().canvasSettings.font.name, std::string("Courier New"));
  }

  void fontSizeAndDefaultsAreSaved() {
    action("mnufontsize16")->trigger();
    QCOMPARE(editor()->font().pointSize(), 16);
    QCOMPARE(m_window->protocol()->font().pointSize(), 16);
    QCOMPARE(m_window->document().canvasSettings.font.size, 16.0);
    QCOMPARE(m_app->settings.fontSize(), 16);
    action("mnuDefaults")->trigger();
    QCOMPARE(editor()->font().pointSize(), 12);
    QCOMPARE(m_app->settings.read(SettingsSection::Font, QStringLiteral("Name")), QStringLiteral("Courier New"));
    QCOMPARE(m_app->settings.fontSize(), 12);
  }

  void fontNameMenuListsInstalledCandidates() {
    auto* menu = m_window->findChild<QMenu*>(QStringLiteral("mnuFontName"));
    QVERIFY(menu != nullptr);
    QStringList offered;
    for (QAction* entry : menu->actions()) offered.append(entry->text());
    QVERIFY(offered.contains(QStringLiteral("Courier New")));
    for (const QString& name : offered) QVERIFY(FontCandidates().contains(name));
    menu->actions().first()->trigger();
    QCOMPARE(m_app->settings.fontName(), offered.first());
  }

  void storedFontIsUsedByANewWindow() {
    m_app->settings.saveFontName(QStringLiteral("No Such Font At All"));
    m_app->settings.saveFontSize(8);
    DocumentWindow another(m_app->workspace, m_app->settings);
    QCOMPARE(another.documentFont().name, QStringLiteral("No Such Font At All"));
    QCOMPARE(another.editor()->font().pointSize(), 8);
  }

  // A candidate is offered when it is installed, or when the font
  // configuration puts an installed family in its place, also where that
  // family is all there is (and so what every unknown name falls back to).
  void candidatesAreFilteredBySubstitutes() {
    const auto substitutesOf = [](const QString& name) {
      if (name == QLatin1String("Courier New")) return QStringList{"Cousine", "Liberation Mono"};
      if (name == QLatin1String("Arial")) return QStringList{"Arimo"};
      return QStringList();
    };
    QCOMPARE(InstalledCandidates({QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Mono")},
                                 substitutesOf),
             (QStringList{QStringLiteral("Courier New"), QStringLiteral("Tahoma")}));
    QCOMPARE(InstalledCandidates({QStringLiteral("Liberation Mono")}, substitutesOf),
             (QStringList{QStringLiteral("Courier New")}));
    QCOMPARE(InstalledCandidates({}, substitutesOf), QStringList());
  }
};

QTEST_MAIN(DocumentWindowTest)
#include "DocumentWindowTest.moc"
