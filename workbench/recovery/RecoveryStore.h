#pragma once
// Where typed work survives a crash: the texts of changed document windows,
// written now and then into a folder of this run under
// $XDG_STATE_HOME/morvane (~/.local/state/morvane by default), and removed
// again when the workbench ends cleanly. A folder left behind is a crash's;
// the next start finds it and offers its texts back.
//
// Each running workbench holds a lock on its own folder, so a second one
// never takes the texts of a first that is still running. Files are
// written whole or not at all (QSaveFile), and the folders are the user's
// alone (mode 0700).

#include <memory>
#include <vector>

#include <QList>
#include <QString>
#include <QStringList>

#include "workbench/ProgramFile.h"

class QLockFile;

namespace morvane {

// One window's text as it was kept.
struct RecoveredText {
  QString caption;  // the window's caption: its file's path, or its NoName
  bool hasFile = false;
  QString text;  // the editor's text, '\n' line ends
  ProgramFileFormat format;
  bool operator==(const RecoveredText&) const = default;
};

class RecoveryStore {
 public:
  // $XDG_STATE_HOME/morvane, or ~/.local/state/morvane.
  static QString defaultFolder();

  // Makes the folder (private to the user) and a locked folder of this run
  // in it. Without them the store keeps nothing and says so in isActive().
  explicit RecoveryStore(const QString& folder);
  // Leaves the files: only endSession() removes them.
  ~RecoveryStore();
  RecoveryStore(const RecoveryStore&) = delete;
  RecoveryStore& operator=(const RecoveryStore&) = delete;

  bool isActive() const { return m_lock != nullptr; }
  QString sessionFolder() const { return m_session; }

  // Keeps the texts under their keys (one per window) and removes every
  // other text of this run. False when one could not be written.
  bool keep(const QList<QPair<QString, RecoveredText>>& texts);

  // The texts of runs that ended without cleaning up and whose folders
  // nobody else holds; they are held by this store from now on.
  QList<RecoveredText> claimLeftBehind();
  // Removes the claimed folders (their texts were restored, or refused).
  void discardClaimed();
  // Lets go of the claimed folders untouched, for a later start.
  void releaseClaimed();

  // The clean end: this run's folder goes.
  void endSession();

 private:
  struct Claim;
  QString m_folder;
  QString m_session;
  std::unique_ptr<QLockFile> m_lock;
  std::vector<std::unique_ptr<Claim>> m_claims;
};

}  // namespace morvane
