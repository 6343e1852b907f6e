#pragma once
// Which font names can be drawn with. A name counts when a family of that
// name is installed, or when the system's font configuration puts installed
// families of its own in the name's place: fontconfig's metric aliases map
// "Courier New" to Liberation Mono, "Arial" to Liberation Sans. These
// stand-ins are told apart from the general fallback (what any unknown name
// ends up with) by how the configuration binds them: a stand-in is bound as
// strongly as the name itself, the fallback only weakly. Comparing with what
// an unknown name resolves to does not work where few fonts are installed:
// the fallback can then be the very stand-in.

#include <functional>

#include <QString>
#include <QStringList>

namespace morvane {

// The families the font configuration binds in this name's place, in its
// order of preference, without the name itself.
QStringList ConfiguredSubstitutes(const QString& family);

using SubstituteLookup = std::function<QStringList(const QString&)>;

// True when this family, or one of its substitutes, is installed.
// `installedFamilies` are the families the font database knows.
bool FontNameAvailable(const QString& family, const QStringList& installedFamilies,
                       const SubstituteLookup& substitutesOf = ConfiguredSubstitutes);

}  // namespace morvane
