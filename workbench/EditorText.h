#pragma once
// The program editor's text as the interpreter sees it. The editor widget
// holds Unicode text with a single '\n' per line end; the interpreter reads
// single bytes of the code page with CR LF line ends, one line end counting
// two positions. Offsets and selections are mapped between the two exactly,
// also across tabs, non-ASCII letters and characters outside the Basic
// Multilingual Plane (two UTF-16 units, one byte).

#include <cstdint>
#include <string>

#include <QString>
#include <QStringView>

class QTextDocument;

namespace morvane {

// A selection in the widget: a start and a length in UTF-16 units.
struct WidgetSelection {
  qsizetype start = 0;
  qsizetype length = 0;
  bool operator==(const WidgetSelection&) const = default;
};

class EditorText {
 public:
  // The text of a document with every paragraph and line separator as '\n'
  // and nothing else changed (no-break spaces stay).
  static QString fromDocument(const QTextDocument& document);

  // The bytes the interpreter runs: CR LF line ends, the code page.
  static std::string toInterpreter(QStringView text);
  // The length of toInterpreter(text), without building it.
  static std::int64_t interpreterLength(QStringView text);

  // A widget position as a 0-based interpreter offset.
  static std::int64_t toInterpreterOffset(QStringView text, qsizetype position);
  // A 0-based interpreter offset as a widget position; an offset between a
  // CR and its LF maps to the line end, one past the text to the text's end.
  static qsizetype toWidgetPosition(QStringView text, std::int64_t offset);
  // An interpreter selection (start, length) as a widget selection.
  static WidgetSelection toWidgetSelection(QStringView text, std::int64_t start, std::int64_t length);
};

// The status read-outs of the editor for a caret position: the caret's line
// and column (a caret at a line's start is column 1) and the text's length as
// the interpreter counts it.
struct StatusReadout {
  qsizetype line = 1;
  qsizetype column = 1;
  std::int64_t length = 0;
  bool operator==(const StatusReadout&) const = default;
};

StatusReadout ReadoutAt(QStringView text, qsizetype caret);

}  // namespace morvane
