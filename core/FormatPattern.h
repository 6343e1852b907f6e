#pragma once
// FORMAT's pattern language. A pattern is made of five characters:
//   "0"  a digit position that shows a digit or a 0;
//   "#"  a digit position that shows a digit or nothing;
//   "."  the place of the decimal point;
//   "E"  scientific notation, the exponent always signed ("e+05", "e-05");
//   "e"  scientific notation, only a negative exponent signed ("e05", "e-05").
// The exponent letter is always written "e". Formatting is followed by a
// clean-up that blanks leading zeros and moves a minus sign up to the first
// significant digit, so that numbers formatted by one pattern line up.

#include <string>
#include <string_view>

namespace morvane {

// Checks the pattern and translates it: "E" becomes "e+", "e" becomes "e-",
// every other accepted character stays. False (translated unspecified) at the
// first character that is not one of "#0.eE".
bool TranslateFormatPattern(std::string_view pattern, std::string& translated);

// Formats a finite number by a translated pattern. Integer digits beyond the
// pattern's positions are all shown; the fraction is rounded to the
// pattern's positions, halves away from zero, judged on the number's
// shortest exact decimal form (so 2.675 with "0.00" gives "2.68"). A number
// whose shown digits are all zero shows no minus sign. An empty pattern gives
// the number text without its leading blank.
std::string FormatByPattern(double number, std::string_view translated);

// The clean-up of a formatted text, in this order: every "," becomes ".";
// "-0" at the start loses its "0"; a leading "-0" moves right over each
// further zero that is not followed by "."; leading zeros that are not
// followed by "." become blanks.
void CleanUpFormattedText(std::string& text);

}  // namespace morvane
