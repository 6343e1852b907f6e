// The file dialog Form1 (drives, directories, files by pattern, the chosen
// path, Cancel) and the message box Form3 (buttons, input mode, answers).

#include <QAbstractButton>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>

#include "GuiTestSupport.h"
#include "workbench/FileDialog.h"
#include "workbench/MessageBox.h"

using namespace morvane;

namespace {

void touch(const QString& path) {
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
}

QStringList items(QListWidget* list) {
  QStringList texts;
  for (int i = 0; i < list->count(); ++i) texts.append(list->item(i)->text().trimmed());
  return texts;
}

}  // namespace

class DialogsTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void drivesAreRootVolumesAndHome() {
    const QList<Volume> volumes{{QStringLiteral("/"), QStringLiteral("overlay")},
                                {QStringLiteral("/proc"), QStringLiteral("proc")},
                                {QStringLiteral("/media/usb"), QStringLiteral("/dev/sdb1")},
                                {QStringLiteral("/boot"), QStringLiteral("/dev/sda1")}};
    QCOMPARE(DrivePaths(volumes, QStringLiteral("/home/ann")),
             (QStringList{"/", "/media/usb", "/boot", "/home/ann"}));
  }

  void patterns_data() {
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QStringList>("filters");
    QTest::newRow("programs") << "*.bas" << QStringList{"*.bas"};
    QTest::newRow("every file") << "*.*" << QStringList{"*"};
    QTest::newRow("two") << "*.bas; *.txt" << QStringList{"*.bas", "*.txt"};
    QTest::newRow("empty") << "" << QStringList{"*"};
  }
  void patterns() {
    QFETCH(QString, pattern);
    QFETCH(QStringList, filters);
    QCOMPARE(NameFilters(pattern), filters);
  }

  void listsFollowTheDirectoryAndPattern() {
    QTemporaryDir dir;
    QDir(dir.path()).mkdir(QStringLiteral("sub"));
    touch(dir.filePath(QStringLiteral("b.bas")));
    touch(dir.filePath(QStringLiteral("a.bas")));
    touch(dir.filePath(QStringLiteral("notes.txt")));
    touch(dir.filePath(QStringLiteral("README")));
    FileDialog dialog({QStringLiteral("File Open"), dir.path(), QString(), QStringLiteral("*.bas"), 12});
    QCOMPARE(dialog.windowTitle(), QStringLiteral("File Open"));
    auto* files = dialog.findChild<QListWidget*>(QStringLiteral("File1"));
    QCOMPARE(items(files), (QStringList{"a.bas", "b.bas"}));
    dialog.findChild<QLineEdit*>(QStringLiteral("Text2"))->setText(QStringLiteral("*.*"));
    QCOMPARE(items(files), (QStringList{"a.bas", "b.bas", "notes.txt", "README"}));
    // The directory list shows the way down and the subdirectories.
    auto* directories = dialog.findChild<QListWidget*>(QStringLiteral("Dir1"));
    QVERIFY(items(directories).contains(QStringLiteral("sub")));
    QCOMPARE(items(directories).first(), QStringLiteral("/"));
    QCOMPARE(dialog.findChild<QLabel*>(QStringLiteral("Label1"))->text(), QStringLiteral("Stored Files of Filetype:"));
  }

  void clickingAFileAndConfirming() {
    QTemporaryDir dir;
    touch(dir.filePath(QStringLiteral("prog.bas")));
    FileDialog dialog({QStringLiteral("File Open"), dir.path(), QString(), QStringLiteral("*.bas"), 12});
    auto* files = dialog.findChild<QListWidget*>(QStringLiteral("File1"));
    QTest::mouseClick(files->viewport(), Qt::LeftButton, {}, files->visualItemRect(files->item(0)).center());
    QCOMPARE(dialog.findChild<QLineEdit*>(QStringLiteral("Text1"))->text(), QStringLiteral("prog.bas"));
    dialog.findChild<QAbstractButton*>(QStringLiteral("Command1"))->click();
    QVERIFY(!dialog.abbrechen());
    QCOMPARE(dialog.filename(), dir.filePath(QStringLiteral("prog.bas")));
  }

  void confirmWithoutANameDoesNothingAndCancelCancels() {
    QTemporaryDir dir;
    FileDialog dialog({QStringLiteral("File Save"), dir.path(), QString(), QStringLiteral("*.bas"), 12});
    dialog.findChild<QAbstractButton*>(QStringLiteral("Command1"))->click();
    QVERIFY(dialog.abbrechen());
    QCOMPARE(dialog.result(), 0);
    dialog.findChild<QAbstractButton*>(QStringLiteral("Command2"))->click();
    QVERIFY(dialog.abbrechen());
    QVERIFY(dialog.filename().isEmpty());
  }

  void unreadableDirectoryLeavesTheLists() {
    QTemporaryDir dir;
    FileDialog dialog({QStringLiteral("File Open"), dir.path(), QString(), QStringLiteral("*.bas"), 12});
    QVERIFY(!dialog.setDirectory(dir.filePath(QStringLiteral("missing"))));
    QCOMPARE(dialog.directory(), QDir(dir.path()).absolutePath());
  }

  void messageBoxButtonsAndAnswer() {
    MessageBox box({QStringLiteral("Attention!"), QStringLiteral("Delete File x ?"),
                    {QStringLiteral("Yes"), QStringLiteral("No")}, false, 12});
    QCOMPARE(box.objectName(), QStringLiteral("Form3"));
    QCOMPARE(box.windowTitle(), QStringLiteral("Attention!"));
    QCOMPARE(box.findChild<QLabel*>(QStringLiteral("Label1"))->text(), QStringLiteral("Delete File x ?"));
    QCOMPARE(box.findChild<QAbstractButton*>(QStringLiteral("Command2"))->text(), QStringLiteral("No"));
    QVERIFY(box.findChild<QAbstractButton*>(QStringLiteral("Command3"))->isHidden());
    QVERIFY(box.findChild<QLineEdit*>(QStringLiteral("Text1"))->isHidden());
    box.findChild<QAbstractButton*>(QStringLiteral("Command2"))->click();
    QCOMPARE(box.answer().icommand, BoxButton::Command2);
  }

  void messageBoxDefaultTitle() {
    MessageBox box({QString(), QStringLiteral("x"), {QStringLiteral("OK")}, false, 12});
    QCOMPARE(box.windowTitle(), QStringLiteral("Messagebox"));
  }

  void inputModeTakesTheTextOnlyWithTheFirstButton() {
    testing::whenModalShown(QStringLiteral("Form3"), [](QWidget* box) {
      auto* input = box->findChild<QLineEdit*>(QStringLiteral("Text1"));
      QVERIFY(input->isVisible());
      QCOMPARE(box->focusWidget(), input);
      QTest::keyClicks(input, QStringLiteral("answer"));
      QTest::keyClick(input, Qt::Key_Return);  // Enter confirms
    });
    const MessageBoxAnswer answer =
        MessageBox::ask(nullptr, {QStringLiteral("Message/Input-Box"), QStringLiteral("Name?"),
                                  {QStringLiteral("OK"), QStringLiteral("Cancel")}, true, 12});
    QCOMPARE(answer.icommand, BoxButton::Command1);
    QCOMPARE(answer.text1text, QStringLiteral("answer"));

    testing::whenModalShown(QStringLiteral("Form3"), [](QWidget* box) {
      QTest::keyClicks(box->findChild<QLineEdit*>(QStringLiteral("Text1")), QStringLiteral("ignored"));
      box->findChild<QAbstractButton*>(QStringLiteral("Command2"))->click();
    });
    const MessageBoxAnswer cancelled =
        MessageBox::ask(nullptr, {QStringLiteral("Message/Input-Box"), QStringLiteral("Name?"),
                                  {QStringLiteral("OK"), QStringLiteral("Cancel")}, true, 12});
    QCOMPARE(cancelled.icommand, BoxButton::Command2);
    QVERIFY(cancelled.text1text.isEmpty());
  }
};

QTEST_MAIN(DialogsTest)
#include "DialogsTest.moc"
