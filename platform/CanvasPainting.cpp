#include "platform/CanvasPainting.h"

#include <algorithm>

#include <QColor>
#include <QFontMetricsF>
#include <QPainter>
#include <QPen>

#include "core/CodePageTable.h"

namespace morvane {

namespace {

QColor qtColour(ColourNumber colour) { return QColor(RedOf(colour), GreenOf(colour), BlueOf(colour)); }

Qt::PenStyle qtPenStyle(LineStyle style) {
  switch (style) {
    case LineStyle::Solid:
      return Qt::SolidLine;
    case LineStyle::Dash:
      return Qt::DashLine;
    case LineStyle::Dot:
      return Qt::DotLine;
    case LineStyle::DashDot:
      return Qt::DashDotLine;
    case LineStyle::DashDotDot:
      return Qt::DashDotDotLine;
  }
  return Qt::SolidLine;
}

// Solid lines end round, so that joined segments of a wide pen meet without
// notches; patterned lines end flat, so that their gaps stay open.
QPen qtPen(const Stroke& stroke) {
  QPen pen(qtColour(stroke.colour), std::max(stroke.width, 1), qtPenStyle(stroke.style));
  const bool solid = stroke.style == LineStyle::Solid;
  pen.setCapStyle(solid ? Qt::RoundCap : Qt::FlatCap);
  pen.setJoinStyle(Qt::RoundJoin);
  return pen;
}

QBrush qtBrush(const Fill& fill) {
  if (fill.mode == FillMode::Transparent) return Qt::NoBrush;
  return QBrush(qtColour(fill.colour));
}

QPointF qtPoint(PixelPoint p) { return QPointF(p.x, p.y); }

}  // namespace

void PaintLine(QPainter& painter, PixelPoint from, PixelPoint to, const Stroke& stroke) {
  painter.setPen(qtPen(stroke));
  painter.drawLine(qtPoint(from), qtPoint(to));
}

void PaintRectangle(QPainter& painter, PixelPoint corner1, PixelPoint corner2, const Stroke& stroke,
                    const Fill& fill) {
  painter.setPen(qtPen(stroke));
  painter.setBrush(qtBrush(fill));
  painter.drawRect(QRectF(qtPoint(corner1), qtPoint(corner2)).normalized());
}

void PaintEllipse(QPainter& painter, PixelPoint centre, double radiusX, double radiusY, const Stroke& stroke,
                  const Fill& fill) {
  painter.setPen(qtPen(stroke));
  painter.setBrush(qtBrush(fill));
  painter.drawEllipse(qtPoint(centre), radiusX, radiusY);
}

void PaintPoint(QPainter& painter, PixelPoint at, ColourNumber colour, int width) {
  painter.setPen(QPen(qtColour(colour), std::max(width, 1), Qt::SolidLine, Qt::RoundCap));
  painter.drawPoint(qtPoint(at));
}

void PaintText(QPainter& painter, PixelPoint topLeft, std::string_view text, const CanvasFont& font,
               ColourNumber colour) {
  const QFont qfont = CanvasQtFont(font);
  const QFontMetricsF metrics(qfont, painter.device());
  painter.setFont(qfont);
  painter.setPen(qtColour(colour));
  painter.drawText(QPointF(topLeft.x, topLeft.y + metrics.ascent()), DecodeCanvasText(text));
}

QFont CanvasQtFont(const CanvasFont& font) {
  QFont qfont(DecodeCanvasText(font.name));
  if (font.size > 0) qfont.setPointSizeF(font.size);
  qfont.setBold(font.bold);
  qfont.setItalic(font.italic);
  qfont.setUnderline(font.underline);
  return qfont;
}

QString DecodeCanvasText(std::string_view text) {
  QString decoded;
  decoded.reserve(static_cast<qsizetype>(text.size()));
  for (const char c : text) decoded.append(QChar(CodePageCharacter(static_cast<unsigned char>(c))));
  return decoded;
}

}  // namespace morvane
