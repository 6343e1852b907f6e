#include "workbench/FontChoice.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>

namespace morvane {

namespace {
// A name no font has, to learn what unknown names fall back to.
constexpr char UnknownFamily[] = "Morvane No Such Font";
}  // namespace

const QStringList& FontCandidates() {
  static const QStringList candidates{
      QStringLiteral("Arial"),         QStringLiteral("Century Gothic"),
      QStringLiteral("Century Schoolbook"), QStringLiteral("Courier New"),
      QStringLiteral("Gill Sans MT"),  QStringLiteral("Lucida Sans Typewriter"),
      QStringLiteral("MS Gothic"),     QStringLiteral("Rockwell"),
      QStringLiteral("Rod"),           QStringLiteral("Simplified Arabic Fixed"),
      QStringLiteral("Tahoma"),        QStringLiteral("Times New Roman"),
  };
  return candidates;
}

QStringList InstalledCandidates(const QStringList& installedFamilies,
                                const std::function<QString(const QString&)>& resolve) {
  const QString fallback = resolve(QString::fromLatin1(UnknownFamily));
  QStringList offered;
  for (const QString& candidate : FontCandidates()) {
    const bool installed = installedFamilies.contains(candidate, Qt::CaseInsensitive);
    const QString shownWith = resolve(candidate);
    if (installed || shownWith.compare(fallback, Qt::CaseInsensitive) != 0) offered.append(candidate);
  }
  return offered;
}

QStringList InstalledFontCandidates() {
  return InstalledCandidates(QFontDatabase::families(), [](const QString& name) {
    return QFontInfo(QFont(name)).family();
  });
}

}  // namespace morvane
