#pragma once
// The fonts a document window offers: the twelve candidate names, those of
// them that are installed. A candidate counts as installed when a font
// family of that name is, or when the font configuration puts an installed
// family in the name's place (as fontconfig maps "Courier New" to
// Liberation Mono; platform/FontSubstitutes).

#include <QStringList>

#include "platform/FontSubstitutes.h"

namespace morvane {

// The candidate names, in the order the menu lists them.
const QStringList& FontCandidates();

// The candidates that are installed. `substitutesOf` answers the families
// the font configuration puts in a name's place.
QStringList InstalledCandidates(const QStringList& installedFamilies, const SubstituteLookup& substitutesOf);

// The same, asking the platform's font database.
QStringList InstalledFontCandidates();

// The font sizes offered, in points.
inline constexpr int FontSizes[] = {8, 10, 12, 14, 16, 18};

}  // namespace morvane
