#include "platform/FontSubstitutes.h"

#include <fontconfig/fontconfig.h>

#include <memory>

namespace morvane {

namespace {

struct PatternDeleter {
  void operator()(FcPattern* pattern) const { FcPatternDestroy(pattern); }
};
using Pattern = std::unique_ptr<FcPattern, PatternDeleter>;

}  // namespace

QStringList ConfiguredSubstitutes(const QString& family) {
  QStringList substitutes;
  if (family.trimmed().isEmpty() || FcInit() == FcFalse) return substitutes;
  const QByteArray name = family.toUtf8();
  Pattern pattern(FcPatternCreate());
  if (!pattern) return substitutes;
  FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(name.constData()));
  // The configuration's rules for a pattern: aliases, then the generic
  // families and their preferred members.
  if (FcConfigSubstitute(nullptr, pattern.get(), FcMatchPattern) == FcFalse) return substitutes;

  // The name stands first with a strong binding; aliases that stand in for
  // it share that binding, the generic fallbacks come weak.
  FcPatternIter families;
  FcPatternIterStart(pattern.get(), &families);
  if (FcPatternFindIter(pattern.get(), &families, FC_FAMILY) == FcFalse) return substitutes;
  const int count = FcPatternIterValueCount(pattern.get(), &families);
  for (int i = 0; i < count; ++i) {
    FcValue value;
    FcValueBinding binding = FcValueBindingWeak;
    if (FcPatternIterGetValue(pattern.get(), &families, i, &value, &binding) != FcResultMatch) continue;
    if (value.type != FcTypeString || binding == FcValueBindingWeak) continue;
    const QString substitute = QString::fromUtf8(reinterpret_cast<const char*>(value.u.s));
    if (substitute.compare(family, Qt::CaseInsensitive) == 0 || substitutes.contains(substitute, Qt::CaseInsensitive)) {
      continue;
    }
    substitutes.append(substitute);
  }
  return substitutes;
}

bool FontNameAvailable(const QString& family, const QStringList& installedFamilies,
                       const SubstituteLookup& substitutesOf) {
  const QString name = family.trimmed();
  if (name.isEmpty()) return false;
  if (installedFamilies.contains(name, Qt::CaseInsensitive)) return true;
  for (const QString& substitute : substitutesOf(name)) {
    if (installedFamilies.contains(substitute, Qt::CaseInsensitive)) return true;
  }
  return false;
}

}  // namespace morvane
