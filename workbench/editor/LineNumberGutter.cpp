#include "workbench/editor/LineNumberGutter.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include "workbench/ProgramEditor.h"
#include "workbench/debug/BreakpointLines.h"

namespace morvane {

namespace {

const QColor GutterBackground(236, 236, 236);
const QColor NumberColour(110, 110, 110);
const QColor BreakpointColour(200, 30, 30);
const QColor CurrentLineColour(255, 215, 0);
const QColor FaultBackground(255, 170, 170);
// Room left of the numbers for the marks, and the gap to the text.
constexpr int MarkWidth = 14;
constexpr int Padding = 6;

}  // namespace

LineNumberGutter::LineNumberGutter(ProgramEditor& editor, const BreakpointLines& breakpoints)
    : QWidget(&editor), m_editor(editor), m_breakpoints(breakpoints) {
  setObjectName(QStringLiteral("LineNumberGutter"));
  setCursor(Qt::PointingHandCursor);
}

void LineNumberGutter::setCurrentLine(int line) {
  if (line == m_currentLine) return;
  m_currentLine = line;
  update();
}

void LineNumberGutter::setFaultLine(int line) {
  if (line == m_faultLine) return;
  m_faultLine = line;
  update();
}

int LineNumberGutter::neededWidth() const {
  int digits = 1;
  for (int count = std::max(1, m_editor.blockCount()); count >= 10; count /= 10) ++digits;
  digits = std::max(digits, 2);
  return MarkWidth + fontMetrics().horizontalAdvance(QLatin1Char('9')) * digits + Padding;
}

int LineNumberGutter::lineAt(int y) const {
  for (const VisibleLine& line : m_editor.visibleLines()) {
    if (y >= line.top && y < line.top + line.height) return line.number;
  }
  return -1;
}

void LineNumberGutter::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.fillRect(event->rect(), GutterBackground);
  painter.setRenderHint(QPainter::Antialiasing);
  const int numberRight = width() - Padding / 2;
  for (const VisibleLine& line : m_editor.visibleLines()) {
    const QRect row(0, line.top, width(), line.height);
    if (!row.intersects(event->rect())) continue;
    if (line.number == m_faultLine) painter.fillRect(row, FaultBackground);
    const int middle = line.top + line.height / 2;
    if (m_breakpoints.contains(line.number)) {
      painter.setPen(Qt::NoPen);
      painter.setBrush(BreakpointColour);
      const int r = std::min(MarkWidth, line.height) / 2 - 1;
      painter.drawEllipse(QPoint(MarkWidth / 2 + 1, middle), r, r);
    }
    if (line.number == m_currentLine) {
      QPainterPath arrow;
      arrow.moveTo(2, middle - 4);
      arrow.lineTo(MarkWidth - 1, middle);
      arrow.lineTo(2, middle + 4);
      arrow.closeSubpath();
      painter.setPen(QPen(Qt::black, 1));
      painter.setBrush(CurrentLineColour);
      painter.drawPath(arrow);
    }
    painter.setPen(NumberColour);
    painter.drawText(QRect(MarkWidth, line.top, numberRight - MarkWidth, line.height), Qt::AlignRight | Qt::AlignVCenter,
                     QString::number(line.number + 1));
  }
}

void LineNumberGutter::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const int line = lineAt(event->position().toPoint().y());
  if (line >= 0) Q_EMIT lineClicked(line);
}

}  // namespace morvane
