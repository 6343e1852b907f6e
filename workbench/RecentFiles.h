#pragma once
// The recent-files list: at most nine paths in the settings store, most
// recent first ("Recent Files", "RecentFile1" to "RecentFile9").

#include <functional>

#include <QString>
#include <QStringList>

#include "workbench/SettingsStore.h"

namespace morvane {

class RecentFiles {
 public:
  static constexpr int MaxEntries = 9;
  using ReadableCheck = std::function<bool(const QString& path)>;

  explicit RecentFiles(SettingsStore& store, ReadableCheck readable = canBeOpened)
      : m_store(store), m_readable(std::move(readable)) {}

  // Puts the path first; the entries before its older copy move down one
  // key, and an entry pushed beyond the ninth is dropped.
  void add(const QString& path);
  // Drops repeated entries and files that cannot be opened for reading, and
  // writes the survivors back without gaps.
  void validate();
  // The stored entries in key order, up to the first missing key.
  QStringList entries() const;

  // True when the file can be opened for reading.
  static bool canBeOpened(const QString& path);

 private:
  QString entry(int k) const;
  void setEntry(int k, const QString& path);

  SettingsStore& m_store;
  ReadableCheck m_readable;
};

}  // namespace morvane
