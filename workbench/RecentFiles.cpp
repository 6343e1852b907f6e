#include "workbench/RecentFiles.h"

#include <QFile>
#include <QFileInfo>

namespace morvane {

QString RecentFiles::entry(int k) const { return m_store.read(SettingsSection::RecentFiles, SettingsStore::recentFileKey(k)); }

void RecentFiles::setEntry(int k, const QString& path) {
  m_store.save(SettingsSection::RecentFiles, SettingsStore::recentFileKey(k), path);
}

bool RecentFiles::canBeOpened(const QString& path) {
  if (path.isEmpty() || QFileInfo(path).isDir()) return false;
  QFile file(path);
  return file.open(QIODevice::ReadOnly);
}

void RecentFiles::add(const QString& path) {
  // 1. Already first: nothing changes.
  if (entry(1) == path) return;
  // 2. The entries above the path's older copy (or all) move down one key.
  int k = MaxEntries + 1;
  for (int j = 1; j <= MaxEntries; ++j) {
    if (entry(j) == path) {
      k = j;
      break;
    }
  }
  for (int j = std::min(k - 1, MaxEntries - 1); j >= 1; --j) {
    const QString moved = entry(j);
    if (!moved.isEmpty()) setEntry(j + 1, moved);
  }
  // 3. The path comes first.
  setEntry(1, path);
}

void RecentFiles::validate() {
  // 1. Repeated and unreadable entries are dropped.
  QStringList survivors;
  for (int k = 1; k <= MaxEntries; ++k) {
    const QString path = entry(k);
    if (path.isEmpty() || survivors.contains(path) || !m_readable(path)) continue;
    survivors.append(path);
  }
  // 2. The survivors are written back without gaps; the keys after them go.
  for (int k = 1; k <= MaxEntries; ++k) {
    if (k <= survivors.size()) {
      setEntry(k, survivors[k - 1]);
    } else {
      m_store.remove(SettingsSection::RecentFiles, SettingsStore::recentFileKey(k));
    }
  }
}

QStringList RecentFiles::entries() const {
  QStringList list;
  for (int k = 1; k <= MaxEntries; ++k) {
    const QString path = entry(k);
    if (path.isEmpty()) break;
    list.append(path);
  }
  return list;
}

}  // namespace morvane
