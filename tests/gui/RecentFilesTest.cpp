// The settings store and the recent-files list in a temporary store: the
// defaults, adding with its rotation, and validation.

#include <algorithm>

#include <QFile>
#include <QSettings>
#include <QTest>

#include "GuiTestSupport.h"
#include "workbench/RecentFiles.h"
#include "workbench/SettingsStore.h"

using namespace morvane;

namespace {

QStringList names(int from, int to) {
  QStringList list;
  for (int i = from; i <= to; ++i) list.append(QStringLiteral("/p/f%1.bas").arg(i));
  return list;
}

}  // namespace

class RecentFilesTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<testing::TemporarySettings> m_temporary;
  std::unique_ptr<SettingsStore> m_store;
  int m_case = 0;

  // Every path counts as readable unless the test says otherwise.
  RecentFiles list(RecentFiles::ReadableCheck readable = [](const QString&) { return true; }) {
    return RecentFiles(*m_store, std::move(readable));
  }

 private Q_SLOTS:
  void initTestCase() { m_temporary = std::make_unique<testing::TemporarySettings>(); }

  void init() { m_store = std::make_unique<SettingsStore>(m_temporary->iniFile(QStringLiteral("case%1").arg(++m_case))); }

  void fontDefaultsWhenNothingIsStored() {
    QCOMPARE(m_store->fontName(), QStringLiteral("Courier New"));
    QCOMPARE(m_store->fontSize(), 12);
    m_store->saveFontName(QStringLiteral("Arial"));
    m_store->saveFontSize(16);
    QCOMPARE(m_store->fontName(), QStringLiteral("Arial"));
    QCOMPARE(m_store->fontSize(), 16);
  }

  void keysAsTheStoreWritesThem() {
    RecentFiles recent = list();
    recent.add(QStringLiteral("/p/a.bas"));
    m_store->saveFontSize(10);
    m_store->sync();
    QSettings raw(m_temporary->iniFile(QStringLiteral("case%1").arg(m_case)), QSettings::IniFormat);
    QCOMPARE(raw.value(QStringLiteral("Recent Files/RecentFile1")).toString(), QStringLiteral("/p/a.bas"));
    QCOMPARE(raw.value(QStringLiteral("Font/Size")).toString(), QStringLiteral("10"));
  }

  void mostRecentFirst() {
    RecentFiles recent = list();
    recent.add(QStringLiteral("/p/a.bas"));
    recent.add(QStringLiteral("/p/b.bas"));
    recent.add(QStringLiteral("/p/c.bas"));
    QCOMPARE(recent.entries(), (QStringList{"/p/c.bas", "/p/b.bas", "/p/a.bas"}));
  }

  void addingAgainMovesToTheTopOnce() {
    RecentFiles recent = list();
    for (const QString& path : names(1, 4)) recent.add(path);
    recent.add(QStringLiteral("/p/f2.bas"));
    QCOMPARE(recent.entries(), (QStringList{"/p/f2.bas", "/p/f4.bas", "/p/f3.bas", "/p/f1.bas"}));
    recent.add(QStringLiteral("/p/f2.bas"));
    QCOMPARE(recent.entries().size(), 4);
  }

  void aTenthDropsTheOldest() {
    RecentFiles recent = list();
    for (const QString& path : names(1, 10)) recent.add(path);
    QStringList expected = names(2, 10);
    std::reverse(expected.begin(), expected.end());
    QCOMPARE(recent.entries(), expected);
  }

  void validationDropsRepeatsAndMissingFilesWithoutGaps() {
    m_store->save(SettingsSection::RecentFiles, QStringLiteral("RecentFile1"), QStringLiteral("/p/a.bas"));
    m_store->save(SettingsSection::RecentFiles, QStringLiteral("RecentFile2"), QStringLiteral("/p/gone.bas"));
    m_store->save(SettingsSection::RecentFiles, QStringLiteral("RecentFile3"), QStringLiteral("/p/a.bas"));
    m_store->save(SettingsSection::RecentFiles, QStringLiteral("RecentFile5"), QStringLiteral("/p/b.bas"));
    RecentFiles recent = list([](const QString& path) { return !path.contains(QLatin1String("gone")); });
    recent.validate();
    QCOMPARE(recent.entries(), (QStringList{"/p/a.bas", "/p/b.bas"}));
    QVERIFY(m_store->read(SettingsSection::RecentFiles, QStringLiteral("RecentFile3")).isEmpty());
    QVERIFY(m_store->read(SettingsSection::RecentFiles, QStringLiteral("RecentFile5")).isEmpty());
  }

  void realFilesAreChecked() {
    QTemporaryDir dir;
    const QString present = dir.filePath(QStringLiteral("present.bas"));
    QFile file(present);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    RecentFiles recent(*m_store);
    recent.add(dir.filePath(QStringLiteral("absent.bas")));
    recent.add(present);
    recent.add(dir.path());  // a folder is no program file
    recent.validate();
    QCOMPARE(recent.entries(), QStringList{present});
  }
};

QTEST_GUILESS_MAIN(RecentFilesTest)
#include "RecentFilesTest.moc"
