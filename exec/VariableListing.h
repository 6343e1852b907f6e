#pragma once
// A read-only listing of a variable table for people: one entry per
// variable, with its type, its value as the protocol would show it and, for
// an array, its bounds. Used by the workbench's variables view.

#include <cstddef>
#include <string>
#include <vector>

#include "core/Value.h"
#include "core/VariableTable.h"

namespace morvane {

struct VariableEntry {
  std::string name;    // upper case, without its suffix
  char suffix = '#';   // '#', '&' or '$'
  std::string type;    // "DOUBLE", "LONG" or "STRING"
  std::string value;   // number text, a string in quotes; an array's first elements
  std::string bounds;  // "" for a scalar, else the upper bounds: "(5)", "(2, 3)"
};

// Longer value texts are cut and end with the ellipsis.
constexpr std::size_t VariableValueWidth = 60;
// The ellipsis, in the interpreter's single-byte code page.
constexpr char Ellipsis = '\x85';

// The type word of a suffix.
std::string_view TypeOfSuffix(char suffix);

// A value as the protocol shows it: a number by its number text, a string in
// double quotes; cut to `width` characters, the last one the ellipsis.
std::string ValueText(const Value& value, std::size_t width = VariableValueWidth);

// Every variable of the table, in the order of creation.
std::vector<VariableEntry> ListVariables(const VariableTable& table, std::size_t width = VariableValueWidth);

}  // namespace morvane
