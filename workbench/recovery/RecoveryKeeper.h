#pragma once
// Keeps the main frame's unsaved texts in a RecoveryStore: every 30 seconds
// the text of every changed document window is written (while RUN shows an
// instruction file in the editor, the program that called it), and the
// texts of windows that were saved or closed are removed. A clean end of the
// workbench removes them all. At start it offers the texts that a crashed
// run left behind, each into a window of its own.

#include <QObject>
#include <QTimer>

namespace morvane {

class MainWindow;
class RecoveryStore;

class RecoveryKeeper final : public QObject {
  Q_OBJECT

 public:
  static constexpr int IntervalMilliseconds = 30000;

  RecoveryKeeper(MainWindow& frame, RecoveryStore& store);

  // Writes the changed windows' texts now.
  void keepNow();
  // Asks whether to restore what a crashed run left behind: Restore opens
  // each text in a new window, named as it was and marked changed; Discard
  // removes them; Later leaves them for the next start.
  void offerLeftBehind();

 private:
  MainWindow& m_frame;
  RecoveryStore& m_store;
  QTimer m_timer;
};

}  // namespace morvane
