#pragma once
// The fonts a document window offers: the twelve candidate names, those of
// them that are installed. A candidate counts as installed when a font
// family of that name is, or when the system maps the name to a
// metric-compatible family of its own (as fontconfig maps "Courier New" to
// Liberation Mono): the name then resolves to something other than what an
// unknown name falls back to.

#include <functional>

#include <QStringList>

namespace morvane {

// The candidate names, in the order the menu lists them.
const QStringList& FontCandidates();

// The candidates that are installed. `resolve` answers the family a name
// is shown with.
QStringList InstalledCandidates(const QStringList& installedFamilies,
                                const std::function<QString(const QString&)>& resolve);

// The same, asking the platform's font database.
QStringList InstalledFontCandidates();

// The font sizes offered, in points.
inline constexpr int FontSizes[] = {8, 10, 12, 14, 16, 18};

}  // namespace morvane
