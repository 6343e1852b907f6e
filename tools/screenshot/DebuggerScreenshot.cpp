// morvane-debugger-screenshot: takes the README's picture of the debugger.
// Run it under a real X server (tools/screenshot-debugger.sh starts Xvfb):
// it opens the workbench with a program, sets a breakpoint on the given
// editor line, shows the Variables pane, runs the program and, while the run
// waits at the breakpoint, saves the part of the screen the workbench covers
// as a PNG. Then it stops the run and ends.
//
//   morvane-debugger-screenshot PROGRAM.bas LINE OUTPUT.png

#include <cstdio>

#include <QApplication>
#include <QDir>
#include <QMdiSubWindow>
#include <QPixmap>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>

#include "exec/Workspace.h"
#include "workbench/EventLoopSystem.h"
#include "workbench/MainWindow.h"
#include "workbench/RunSession.h"
#include "workbench/SettingsStore.h"
#include "workbench/debug/BreakpointLines.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  if (argc != 4) {
    std::fprintf(stderr, "usage: morvane-debugger-screenshot PROGRAM.bas LINE OUTPUT.png\n");
    return 2;
  }
  const QString program = QDir::current().absoluteFilePath(QString::fromLocal8Bit(argv[1]));
  const int breakpointLine = QString::fromLocal8Bit(argv[2]).toInt();
  const QString output = QDir::current().absoluteFilePath(QString::fromLocal8Bit(argv[3]));

  // A fresh settings store, so the picture shows the defaults.
  QTemporaryDir settingsDir;
  morvane::SettingsStore settings(settingsDir.filePath(QStringLiteral("Morvane.conf")));
  morvane::EventLoopSystem system(settings);
  morvane::Workspace workspace(system);
  morvane::MainWindow frame(workspace, settings);
  system.setFrame(&frame);
  frame.resize(1100, 720);
  frame.show();

  int status = 1;
  QTimer waitForBreakpoint;
  QTimer::singleShot(500, [&] {
    morvane::DocumentWindow* window = frame.openFile(program);
    if (window == nullptr) {
      QApplication::exit(1);
      return;
    }
    window->parentWidget()->showMaximized();
    window->showVariablesView(true);
    window->breakpoints().toggle(breakpointLine - 1);
    // The picture is taken from inside the run, once the line waits.
    waitForBreakpoint.setInterval(200);
    QObject::connect(&waitForBreakpoint, &QTimer::timeout, [&, window] {
      if (window->document().runState != morvane::RunState::WaitingForStep) return;
      waitForBreakpoint.stop();
      const QRect area = frame.frameGeometry();
      const QPixmap screen =
          QGuiApplication::primaryScreen()->grabWindow(0, area.x(), area.y(), area.width(), area.height());
      status = screen.save(output) ? 0 : 1;
      window->session().keyDown(morvane::KeyCode::Escape);
    });
    waitForBreakpoint.start();
    window->session().keyDown(morvane::KeyCode::F5Run);
    QApplication::exit(status);
  });
  QApplication::exec();
  return status;
}
