// morvane: the workbench. Each file named on the command line opens in a
// document window of its own (the desktop's "Open with").

#include <QApplication>
#include <QFileInfo>

#include "exec/Workspace.h"
#include "workbench/EventLoopSystem.h"
#include "workbench/MainWindow.h"
#include "workbench/Pictures.h"
#include "workbench/SettingsStore.h"
#include "workbench/recovery/RecoveryKeeper.h"
#include "workbench/recovery/RecoveryStore.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setOrganizationName(QString::fromLatin1(morvane::settings::Application));
  QApplication::setApplicationName(QString::fromLatin1(morvane::settings::Application));
  QApplication::setApplicationVersion(QStringLiteral("2.1"));
  QApplication::setDesktopFileName(QStringLiteral("morvane"));
  QApplication::setWindowIcon(morvane::ApplicationIcon());

  // The application's one shared state, handed to every window.
  morvane::SettingsStore settings;
  morvane::EventLoopSystem system(settings);
  morvane::Workspace workspace(system);

  morvane::MainWindow frame(workspace, settings);
  system.setFrame(&frame);
  frame.show();
  // Qt has taken its own options out of argv; the rest are files.
  for (int i = 1; i < argc; ++i) frame.openFile(QFileInfo(QString::fromLocal8Bit(argv[i])).absoluteFilePath());

  // Unsaved texts are kept against a crash, and what a crash left is offered back.
  morvane::RecoveryStore recovery(morvane::RecoveryStore::defaultFolder());
  morvane::RecoveryKeeper keeper(frame, recovery);
  keeper.offerLeftBehind();
  return QApplication::exec();
}
