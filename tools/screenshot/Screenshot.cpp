// morvane-screenshot: takes the README's picture of the workbench. Run it
// under a real X server (tools/screenshot.sh starts Xvfb): it opens the
// workbench with a program, widens the canvas, runs the program, and saves
// the part of the screen the workbench covers as a PNG.
//
//   morvane-screenshot PROGRAM.bas OUTPUT.png

#include <cstdio>

#include <QApplication>
#include <QDir>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QPixmap>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>

#include "exec/Workspace.h"
#include "workbench/EventLoopSystem.h"
#include "workbench/MainWindow.h"
#include "workbench/RunSession.h"
#include "workbench/SettingsStore.h"

namespace {

// Drags the gap before the canvas to `share` of the window's width.
void widenCanvas(morvane::DocumentWindow& window, double share) {
  const int h = window.height() - morvane::DocumentLayout::StatusHeight;
  const QPoint from(static_cast<int>(window.width() * window.layoutFractions().textShare()), h / 2);
  const QPoint to(static_cast<int>(window.width() * share), h / 2);
  for (auto [type, at, buttons] : {std::tuple{QEvent::MouseButtonPress, from, Qt::MouseButtons(Qt::LeftButton)},
                                   std::tuple{QEvent::MouseMove, to, Qt::MouseButtons(Qt::LeftButton)},
                                   std::tuple{QEvent::MouseButtonRelease, to, Qt::MouseButtons(Qt::NoButton)}}) {
    QMouseEvent event(type, QPointF(at), window.mapToGlobal(QPointF(at)),
                      type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, buttons, Qt::NoModifier);
    QApplication::sendEvent(&window, &event);
  }
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  if (argc != 3) {
    std::fprintf(stderr, "usage: morvane-screenshot PROGRAM.bas OUTPUT.png\n");
    return 2;
  }
  const QString program = QDir::current().absoluteFilePath(QString::fromLocal8Bit(argv[1]));
  const QString output = QDir::current().absoluteFilePath(QString::fromLocal8Bit(argv[2]));

  // A fresh settings store, so the picture shows the defaults.
  QTemporaryDir settingsDir;
  morvane::SettingsStore settings(settingsDir.filePath(QStringLiteral("Morvane.conf")));
  morvane::EventLoopSystem system(settings);
  morvane::Workspace workspace(system);
  morvane::MainWindow frame(workspace, settings);
  system.setFrame(&frame);
  frame.show();

  int status = 1;
  QTimer::singleShot(500, [&] {
    morvane::DocumentWindow* window = frame.openFile(program);
    if (window == nullptr) {
      QApplication::exit(1);
      return;
    }
    window->parentWidget()->showMaximized();
    QApplication::processEvents();
    widenCanvas(*window, 0.45);
    window->session().keyDown(morvane::KeyCode::F5Run);
    // Let the window paint what the run left, then take the picture.
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
