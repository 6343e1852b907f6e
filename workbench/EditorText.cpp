#include "workbench/EditorText.h"

#include <QTextDocument>

#include "workbench/CodePage.h"

namespace morvane {

namespace {

constexpr char16_t LineFeed = u'\n';

// How many interpreter bytes the widget unit at i stands for, and how many
// widget units it takes.
struct Unit {
  qsizetype widthInWidget;
  std::int64_t widthInInterpreter;
};

Unit unitAt(QStringView text, qsizetype i) {
  const QChar c = text[i];
  if (c == LineFeed) return {1, 2};
  if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) return {2, 1};
  return {1, 1};
}

}  // namespace

QString EditorText::fromDocument(const QTextDocument& document) {
  QString text = document.toRawText();
  for (QChar& c : text) {
    if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator) c = LineFeed;
  }
  return text;
}

std::string EditorText::toInterpreter(QStringView text) {
  std::string bytes;
  bytes.reserve(static_cast<std::size_t>(interpreterLength(text)));
  qsizetype lineStart = 0;
  for (qsizetype i = 0; i <= text.size(); ++i) {
    if (i == text.size() || text[i] == LineFeed) {
      bytes += EncodeCodePage(text.mid(lineStart, i - lineStart));
      if (i < text.size()) bytes += "\r\n";
      lineStart = i + 1;
    }
  }
  return bytes;
}

std::int64_t EditorText::interpreterLength(QStringView text) { return toInterpreterOffset(text, text.size()); }

std::int64_t EditorText::toInterpreterOffset(QStringView text, qsizetype position) {
  std::int64_t offset = 0;
  qsizetype i = 0;
  while (i < text.size() && i < position) {
    const Unit unit = unitAt(text, i);
    offset += unit.widthInInterpreter;
    i += unit.widthInWidget;
  }
  return offset;
}

qsizetype EditorText::toWidgetPosition(QStringView text, std::int64_t offset) {
  std::int64_t reached = 0;
  qsizetype i = 0;
  while (i < text.size()) {
    const Unit unit = unitAt(text, i);
    if (reached + unit.widthInInterpreter > offset) break;
    reached += unit.widthInInterpreter;
    i += unit.widthInWidget;
  }
  return i;
}

WidgetSelection EditorText::toWidgetSelection(QStringView text, std::int64_t start, std::int64_t length) {
  const qsizetype from = toWidgetPosition(text, start);
  qsizetype to = toWidgetPosition(text, start + std::max<std::int64_t>(length, 0));
  // A selection that ends between a CR and its LF takes the line end.
  if (length > 0 && toInterpreterOffset(text, to) < start + length) to += unitAt(text, to).widthInWidget;
  return {from, std::max<qsizetype>(to - from, 0)};
}

StatusReadout ReadoutAt(QStringView text, qsizetype caret) {
  caret = std::clamp<qsizetype>(caret, 0, text.size());
  const QStringView before = text.first(caret);
  StatusReadout readout;
  readout.line = 1 + before.count(QChar(LineFeed));
  const qsizetype lastLineFeed = before.lastIndexOf(QChar(LineFeed));
  readout.column = caret - lastLineFeed;  // -1 when there is none: the caret's index + 1
  readout.length = EditorText::interpreterLength(text);
  return readout;
}

}  // namespace morvane
