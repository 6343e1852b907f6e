#pragma once
// The one conversion of a number to text, used by STR and FORMAT, PRINT, the
// traces and every message that shows a number: a leading blank when the
// number is not negative ("-" when it is), "." as the decimal point in every
// locale, no thousands separators.

#include <cstdint>
#include <string>

#include "core/Value.h"

namespace morvane {

std::string NumberText(double number);
std::string NumberText(std::int32_t number);
// A number value by its kind; a String or Empty value gives its text ("" for Empty).
std::string NumberText(const Value& value);

}  // namespace morvane
