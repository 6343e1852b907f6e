// morvane-help-screenshot: takes the README's picture of the help pane. Run
// it under a real X server (tools/screenshot.sh --help-pane starts Xvfb): it
// opens the workbench with a program, puts the caret on a keyword, presses
// F1 and saves the part of the screen the workbench covers as a PNG.
//
//   morvane-help-screenshot PROGRAM.bas LINE COLUMN OUTPUT.png

#include <cstdio>

#include <QApplication>
#include <QDir>
#include <QMdiSubWindow>
#include <QPixmap>
#include <QScreen>
#include <QTextBlock>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "exec/Workspace.h"
#include "workbench/EventLoopSystem.h"
#include "workbench/MainWindow.h"
#include "workbench/ProgramEditor.h"
#include "workbench/SettingsStore.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  if (argc != 5) {
    std::fprintf(stderr, "usage: morvane-help-screenshot PROGRAM.bas LINE COLUMN OUTPUT.png\n");
    return 2;
  }
  const QString program = QDir::current().absoluteFilePath(QString::fromLocal8Bit(argv[1]));
  const int line = QString::fromLocal8Bit(argv[2]).toInt();
  const int column = QString::fromLocal8Bit(argv[3]).toInt();
  const QString output = QDir::current().absoluteFilePath(QString::fromLocal8Bit(argv[4]));

  // A fresh settings store, so the picture shows the defaults.
  QTemporaryDir settingsDir;
  morvane::SettingsStore settings(settingsDir.filePath(QStringLiteral("Morvane.conf")));
  morvane::EventLoopSystem system(settings);
  morvane::Workspace workspace(system);
  morvane::MainWindow frame(workspace, settings);
  system.setFrame(&frame);
  // The whole screen, so that the help pane has room beside the window.
  // (Xvfb has no window manager to maximise it.)
  frame.setGeometry(QGuiApplication::primaryScreen()->availableGeometry());
  frame.show();
  frame.activateWindow();

  int status = 1;
  QTimer::singleShot(500, [&] {
    morvane::DocumentWindow* window = frame.openFile(program);
    if (window == nullptr) {
      QApplication::exit(1);
      return;
    }
    window->parentWidget()->showMaximized();
    morvane::ProgramEditor* editor = window->editor();
    QTextCursor caret(editor->document()->findBlockByNumber(line - 1));
    caret.movePosition(QTextCursor::Right, QTextCursor::MoveAnchor, column - 1);
    editor->setTextCursor(caret);
    editor->setFocus();
    QApplication::processEvents();
    QTest::keyClick(editor, Qt::Key_F1);
    QTimer::singleShot(800, [&] {
      const QRect area = frame.frameGeometry();
      const QPixmap screen =
          QGuiApplication::primaryScreen()->grabWindow(0, area.x(), area.y(), area.width(), area.height());
      status = screen.save(output) ? 0 : 1;
      QApplication::exit(status);
    });
  });
  QApplication::exec();
  return status;
}
