#include "exec/VariableListing.h"

#include "core/NumberText.h"

namespace morvane {

namespace {

// Cuts the text to `width` characters, the last one the ellipsis.
void cut(std::string& text, std::size_t width) {
  if (text.size() <= width || width == 0) return;
  text.resize(width - 1);
  text.push_back(Ellipsis);
}

std::string boundsText(const VariableRecord& record) {
  if (record.blockSize() == 1) return {};
  std::string text = "(" + std::to_string(record.bound1);
  if (record.bound2 > 0 || record.bound3 > 0) text += ", " + std::to_string(record.bound2);
  if (record.bound3 > 0) text += ", " + std::to_string(record.bound3);
  return text + ")";
}

// The elements of an array one after the other, as far as the width allows.
std::string elementsText(const VariableTable& table, std::size_t first, std::int64_t count, std::size_t width) {
  std::string text;
  for (std::int64_t i = 0; i < count; ++i) {
    if (i > 0) text += ", ";
    text += ValueText(table.values[first + static_cast<std::size_t>(i)], width);
    if (text.size() > width) break;  // the rest would be cut anyway
  }
  cut(text, width);
  return text;
}

}  // namespace

std::string_view TypeOfSuffix(char suffix) {
  switch (suffix) {
    case '&':
      return "LONG";
    case '$':
      return "STRING";
    default:
      return "DOUBLE";
  }
}

std::string ValueText(const Value& value, std::size_t width) {
  std::string text;
  if (value.isString()) {
    text = "\"" + value.text() + "\"";
  } else if (value.isNumber()) {
    text = NumberText(value);
  }
  cut(text, width);
  return text;
}

std::vector<VariableEntry> ListVariables(const VariableTable& table, std::size_t width) {
  std::vector<VariableEntry> entries;
  std::size_t blockStart = 1;  // slot 0 is never used
  for (std::size_t r = 1; r < table.records.size(); ++r) {
    const VariableRecord& record = table.records[r];
    const std::int64_t size = record.blockSize();
    // A table is never torn, but a listing must not read past it if it were.
    if (blockStart + static_cast<std::size_t>(size) > table.values.size()) break;
    VariableEntry entry;
    entry.name = record.name;
    entry.suffix = record.suffix;
    entry.type = TypeOfSuffix(record.suffix);
    entry.bounds = boundsText(record);
    entry.value = size == 1 ? ValueText(table.values[blockStart], width)
                            : elementsText(table, blockStart, size, width);
    entries.push_back(std::move(entry));
    blockStart += static_cast<std::size_t>(size);
  }
  return entries;
}

}  // namespace morvane
