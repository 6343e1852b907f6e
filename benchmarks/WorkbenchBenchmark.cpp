// Runs programs as a user does in the workbench: each in a fresh document
// window (offscreen unless QT_QPA_PLATFORM says otherwise), started with F5,
// timed until the window is idle again. Prints one line per program: its
// name, then the best elapsed time and the best processor time of the runs
// in seconds, for benchmarks/side-by-side.sh to set beside the runner's.
// The timings are for people to read.
//
//   workbench_benchmark [--runs N] FILE.bas ...

#include <algorithm>
#include <ctime>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <memory>

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QSettings>
#include <QTemporaryDir>

#include "exec/Workspace.h"
#include "fast/EngineChoice.h"
#include "workbench/DocumentWindow.h"
#include "workbench/EventLoopSystem.h"
#include "workbench/ProgramEditor.h"
#include "workbench/ProtocolBox.h"
#include "workbench/SettingsStore.h"

using namespace morvane;

namespace {

struct Timing {
  double elapsed = std::numeric_limits<double>::max();
  double processor = std::numeric_limits<double>::max();
};

// One run with F5 in a fresh window; its times in seconds.
Timing runOnce(Workspace& workspace, SettingsStore& settings, const QString& program) {
  DocumentWindow window(workspace, settings);
  window.resize(900, 600);
  window.show();
  window.editor()->setProgramText(program);
  window.document().changed = false;
  window.protocol()->setFocus();
  QApplication::processEvents();

  QElapsedTimer clock;
  clock.start();
  const std::clock_t processorStart = std::clock();
  // The key press returns once the run has ended.
  QKeyEvent press(QEvent::KeyPress, Qt::Key_F5, Qt::NoModifier);
  QApplication::sendEvent(window.protocol(), &press);
  QApplication::processEvents();  // the last repaint belongs to the run
  Timing timing;
  timing.processor = static_cast<double>(std::clock() - processorStart) / CLOCKS_PER_SEC;
  timing.elapsed = static_cast<double>(clock.nsecsElapsed()) / 1e9;
  return timing;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);

  // The settings go to a temporary place, not to the user's.
  QTemporaryDir settingsDir;
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir.path());
  SettingsStore settings(settingsDir.filePath(QStringLiteral("benchmark.ini")));
  EventLoopSystem system(settings);
  Workspace workspace(system);
  // The engine the workbench runs with (MORVANE_ENGINE=literal for the other).
  const auto accelerator = MakeAccelerator(EngineChoiceFromEnvironment());
  workspace.setAccelerator(accelerator.get());

  int runs = 3;
  const QStringList arguments = QApplication::arguments();
  for (qsizetype i = 1; i < arguments.size(); ++i) {
    if (arguments[i] == QStringLiteral("--runs") && i + 1 < arguments.size()) {
      runs = std::max(1, arguments[++i].toInt());
      continue;
    }
    QFile file(arguments[i]);
    if (!file.open(QIODevice::ReadOnly)) {
      std::fprintf(stderr, "workbench_benchmark: cannot read %s\n", qPrintable(arguments[i]));
      return 2;
    }
    // The editor holds lines, as when the file is opened.
    QString program = QString::fromUtf8(file.readAll());
    program.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));

    Timing best;
    for (int run = 0; run < runs; ++run) {
      const Timing timing = runOnce(workspace, settings, program);
      best.elapsed = std::min(best.elapsed, timing.elapsed);
      best.processor = std::min(best.processor, timing.processor);
    }
    std::printf("%s %.3f %.3f\n", qPrintable(QFileInfo(arguments[i]).completeBaseName()), best.elapsed,
                best.processor);
    std::fflush(stdout);
  }
  return 0;
}
