#include "workbench/help/ReferenceFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "workbench/help/ReferenceIndex.h"

namespace morvane {

QString FindReferenceFolder() {
  const QStringList candidates{
      QCoreApplication::applicationDirPath() + QStringLiteral("/../share/morvane/docs"),
      QStringLiteral(MORVANE_SOURCE_DOCS),
  };
  for (const QString& folder : candidates) {
    if (QFileInfo::exists(QDir(folder).filePath(QLatin1String(ReferenceIndex::StartPage)))) {
      return QDir(folder).canonicalPath();
    }
  }
  return {};
}

}  // namespace morvane
