#include "graphics/ColourNames.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "core/IntegerConversion.h"
#include "prepare/Characters.h"

namespace morvane {

ColourNumber ColorFromName(std::string_view name) {
  while (!name.empty() && isBlank(name.front())) name.remove_prefix(1);
  while (!name.empty() && isBlank(name.back())) name.remove_suffix(1);
  for (const ColourName& entry : ColourNames) {
    if (entry.name.size() == name.size() &&
        std::equal(name.begin(), name.end(), entry.name.begin(),
                   [](char typed, char listed) { return upperChar(typed) == listed; })) {
      return entry.colour;
    }
  }
  return NoColourName;
}

std::optional<ColourNumber> ColourFromNumber(double value) {
  const std::optional<ColourNumber> rounded = ToInteger<ColourNumber>(std::nearbyint(value));
  if (!rounded || *rounded < 0 || *rounded > MaxColourNumber) return std::nullopt;
  return rounded;
}

}  // namespace morvane
