// morvane: the workbench. Each file named on the command line opens in a
// document window of its own (the desktop's "Open with"); when the user's
// workbench already runs, the files open there instead.

#include <QApplication>
#include <QFileInfo>
#include <QStringList>

#include <iostream>
#include <string_view>

#include "exec/Workspace.h"
#include "manual/WorkbenchHelp.h"
#include "workbench/EventLoopSystem.h"
#include "workbench/MainWindow.h"
#include "workbench/Pictures.h"
#include "workbench/SettingsStore.h"
#include "workbench/desktop/SingleInstance.h"
#include "workbench/recovery/RecoveryKeeper.h"
#include "workbench/recovery/RecoveryStore.h"

int main(int argc, char** argv) {
  // Answered before Qt starts, so they need no display.
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--help" || arg == "-h") {
      std::cout << morvane::manual::Help;
      return 0;
    }
    if (arg == "--version") {
      std::cout << morvane::manual::Version;
      return 0;
    }
  }

  QApplication application(argc, argv);
  QApplication::setOrganizationName(QString::fromLatin1(morvane::settings::Application));
  QApplication::setApplicationName(QString::fromLatin1(morvane::settings::Application));
  QApplication::setApplicationVersion(QStringLiteral("2.1"));
  QApplication::setDesktopFileName(QStringLiteral("morvane"));
  QApplication::setWindowIcon(morvane::ApplicationIcon());

  // Qt has taken its own options out of argv; the rest are files.
  QStringList files;
  for (int i = 1; i < argc; ++i) files.append(QFileInfo(QString::fromLocal8Bit(argv[i])).absoluteFilePath());
  morvane::SingleInstance instance(morvane::SingleInstance::defaultServerName());
  if (instance.start(files) == morvane::SingleInstance::Role::HandedOver) return 0;

  // The application's one shared state, handed to every window.
  morvane::SettingsStore settings;
  morvane::EventLoopSystem system(settings);
  morvane::Workspace workspace(system);

  morvane::MainWindow frame(workspace, settings);
  system.setFrame(&frame);
  QObject::connect(&instance, &morvane::SingleInstance::filesRequested, &frame,
                   &morvane::MainWindow::openRequestedFiles);
  frame.show();
  for (const QString& file : files) frame.openFile(file);

  // Unsaved texts are kept against a crash, and what a crash left is offered back.
  morvane::RecoveryStore recovery(morvane::RecoveryStore::defaultFolder());
  morvane::RecoveryKeeper keeper(frame, recovery);
  keeper.offerLeftBehind();
  return QApplication::exec();
}
