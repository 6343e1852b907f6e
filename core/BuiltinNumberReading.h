#pragma once
// Reading numbers out of texts, for the built-in functions: VAL reads the
// number a text begins with; a function that needs a number where it was
// given a string reads the whole text as one.
//
// A number is an optional sign, digits with at most one point, and an
// optional exponent ("E" or "e", an optional sign, digits); or "&H" with
// hexadecimal digits, or "&O" with octal digits.

#include <string_view>

namespace morvane {

// VAL: blanks, tabs and line feeds are ignored wherever they stand; reading
// stops at the first character that cannot continue the number. 0 when the
// text does not begin with a number. The result may be infinite for a text
// of more than 300 digits; the caller decides what that means.
double ReadLeadingNumber(std::string_view text);

// The number that the whole text spells, blanks and tabs around it allowed;
// false when the text is not exactly one number.
bool ReadWholeNumber(std::string_view text, double& number);

}  // namespace morvane
