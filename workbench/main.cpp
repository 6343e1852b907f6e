// morvane: the workbench. Each file named on the command line opens in a
// document window of its own (the desktop's "Open with").

#include <QApplication>
#include <QFileInfo>

#include "exec/Workspace.h"
#include "fast/EngineChoice.h"
#include "workbench/EventLoopSystem.h"
#include "workbench/MainWindow.h"
#include "workbench/Pictures.h"
#include "workbench/SettingsStore.h"

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
  // The fast engine unless MORVANE_ENGINE=literal asks for the literal one.
  const auto accelerator = morvane::MakeAccelerator(morvane::EngineChoiceFromEnvironment());
  workspace.setAccelerator(accelerator.get());

  morvane::MainWindow frame(workspace, settings);
  system.setFrame(&frame);
  frame.show();
  // Qt has taken its own options out of argv; the rest are files.
  for (int i = 1; i < argc; ++i) frame.openFile(QFileInfo(QString::fromLocal8Bit(argv[i])).absoluteFilePath());
  return QApplication::exec();
}
