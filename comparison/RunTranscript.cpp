#include "comparison/RunTranscript.h"

#include <algorithm>

#include "core/NumberText.h"

namespace morvane {

namespace {

char kindLetter(ValueKind kind) {
  switch (kind) {
    case ValueKind::Empty:
      return 'E';
    case ValueKind::Double:
      return 'D';
    case ValueKind::Long:
      return 'L';
    case ValueKind::String:
      return 'S';
  }
  return '?';
}

void describeTable(std::string& text, std::string_view scope, const VariableTable& table) {
  for (std::size_t k = 1; k < table.records.size(); ++k) {
    text += scope;
    text += " variable " + table.records[k].name + table.records[k].suffix + '\n';
  }
  const std::size_t slots = std::min(table.values.size(), DescribedSlots + 1);
  for (std::size_t k = 1; k < slots; ++k) {
    text += scope;
    text += " slot " + std::to_string(k) + ": " + kindLetter(table.values[k].kind()) + ' ' +
            NumberText(table.values[k]) + '\n';
  }
}

// The line of `text` that starts at `start`, without its line feed.
std::string_view lineAt(std::string_view text, std::size_t start) {
  if (start >= text.size()) return "(the end)";
  const std::size_t end = text.find('\n', start);
  return text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
}

}  // namespace

std::string DescribeRunEnd(const Document& document) {
  return "message: " + document.message + "\nstate: " + std::to_string(number(document.runState)) + '\n';
}

std::string DescribeDrawing(const std::vector<std::string>& calls) {
  std::string text;
  for (const std::string& call : calls) text += "draw " + call + '\n';
  return text;
}

std::string DescribeVariables(const VariableTable& locals, const VariableTable& globals) {
  std::string text;
  describeTable(text, "local", locals);
  describeTable(text, "global", globals);
  return text;
}

std::optional<std::string> FirstDifference(std::string_view first, std::string_view second,
                                           std::string_view firstName, std::string_view secondName) {
  if (first == second) return std::nullopt;
  const std::size_t common =
      static_cast<std::size_t>(std::mismatch(first.begin(), first.end(), second.begin(), second.end()).first -
                               first.begin());
  const std::size_t lineStart = first.rfind('\n', common == 0 ? 0 : common - 1);
  const std::size_t start = lineStart == std::string_view::npos || common == 0 ? 0 : lineStart + 1;
  const auto lineNumber = std::count(first.begin(), first.begin() + static_cast<std::ptrdiff_t>(start), '\n') + 1;
  std::string text = "line " + std::to_string(lineNumber) + " differs\n";
  text += std::string(firstName) + ": " + std::string(lineAt(first, start)) + '\n';
  text += std::string(secondName) + ": " + std::string(lineAt(second, start)) + '\n';
  return text;
}

}  // namespace morvane
