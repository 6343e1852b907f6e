#include "workbench/FontChoice.h"

#include <QFontDatabase>

namespace morvane {

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

QStringList InstalledCandidates(const QStringList& installedFamilies, const SubstituteLookup& substitutesOf) {
  QStringList offered;
  for (const QString& candidate : FontCandidates()) {
    if (FontNameAvailable(candidate, installedFamilies, substitutesOf)) offered.append(candidate);
  }
  return offered;
}

QStringList InstalledFontCandidates() { return InstalledCandidates(QFontDatabase::families(), ConfiguredSubstitutes); }

}  // namespace morvane
