#include "platform/RasterCanvas.h"

#include <algorithm>
#include <cmath>

#include <QColor>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPainter>
#include <QPen>

#include "core/CodePageTable.h"
#include "platform/FontSubstitutes.h"

namespace morvane {

namespace {

constexpr QImage::Format PictureFormat = QImage::Format_RGB32;
constexpr double MetresPerInch = 0.0254;

QImage whitePicture(QSize size) {
  QImage picture(size.expandedTo(QSize(1, 1)), PictureFormat);
  picture.fill(Qt::white);
  return picture;
}

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

RasterCanvas::RasterCanvas(QSize size, double logicalDpi)
    : m_image(whitePicture(size)), m_dpi(logicalDpi > 0 ? logicalDpi : DefaultLogicalDpi) {
  applyResolution(m_image);
}

void RasterCanvas::clear() {
  m_image.fill(Qt::white);
  paintBackground();
  changed(PictureChange::Cleared);
}

void RasterCanvas::ensureSize(QSize size) {
  const QSize grown = m_image.size().expandedTo(size);
  if (grown == m_image.size()) return;
  QImage larger = whitePicture(grown);
  applyResolution(larger);
  QPainter painter(&larger);
  painter.drawImage(0, 0, m_image);
  painter.end();
  m_image = std::move(larger);
  changed(PictureChange::Grown);
}

void RasterCanvas::setBackground(const QImage& picture) {
  m_background = picture.convertToFormat(PictureFormat);
  ensureSize(m_background.size());
  paintBackground();
  changed(PictureChange::Pasted);
}

void RasterCanvas::removeBackground() { m_background = QImage(); }

void RasterCanvas::setLogicalDpi(double dotsPerInch) {
  if (!(dotsPerInch > 0)) return;
  m_dpi = dotsPerInch;
  applyResolution(m_image);
}

void RasterCanvas::paintBackground() {
  if (m_background.isNull()) return;
  QPainter painter(&m_image);
  painter.drawImage(0, 0, m_background);
}

void RasterCanvas::changed(PictureChange change) {
  if (m_changed) m_changed(change);
}

// The image's own resolution decides how large a font's points are drawn.
void RasterCanvas::applyResolution(QImage& picture) const {
  const int dotsPerMetre = static_cast<int>(std::lround(m_dpi / MetresPerInch));
  picture.setDotsPerMeterX(dotsPerMetre);
  picture.setDotsPerMeterY(dotsPerMetre);
}

void RasterCanvas::grow(PixelSize atLeast) {
  ensureSize(QSize(std::clamp(atLeast.width, 1, MaxCanvasSide), std::clamp(atLeast.height, 1, MaxCanvasSide)));
}

void RasterCanvas::drawLine(PixelPoint from, PixelPoint to, const Stroke& stroke) {
  QPainter painter(&m_image);
  painter.setPen(qtPen(stroke));
  painter.drawLine(qtPoint(from), qtPoint(to));
  painter.end();
  changed(PictureChange::Drawn);
}

void RasterCanvas::drawRectangle(PixelPoint corner1, PixelPoint corner2, const Stroke& stroke,
                                 const Fill& fill) {
  QPainter painter(&m_image);
  painter.setPen(qtPen(stroke));
  painter.setBrush(qtBrush(fill));
  painter.drawRect(QRectF(qtPoint(corner1), qtPoint(corner2)).normalized());
  painter.end();
  changed(PictureChange::Drawn);
}

void RasterCanvas::drawEllipse(PixelPoint centre, double radiusX, double radiusY, const Stroke& stroke,
                               const Fill& fill) {
  QPainter painter(&m_image);
  painter.setPen(qtPen(stroke));
  painter.setBrush(qtBrush(fill));
  painter.drawEllipse(qtPoint(centre), radiusX, radiusY);
  painter.end();
  changed(PictureChange::Drawn);
}

void RasterCanvas::drawPoint(PixelPoint at, ColourNumber colour, int width) {
  QPainter painter(&m_image);
  QPen pen(qtColour(colour), std::max(width, 1), Qt::SolidLine, Qt::RoundCap);
  painter.setPen(pen);
  painter.drawPoint(qtPoint(at));
  painter.end();
  changed(PictureChange::Drawn);
}

TextExtent RasterCanvas::measureText(std::string_view text, const CanvasFont& font) {
  const QFontMetricsF metrics(qtFont(font), &m_image);
  return {metrics.horizontalAdvance(decodeText(text)), metrics.height()};
}

void RasterCanvas::drawText(PixelPoint topLeft, std::string_view text, const CanvasFont& font,
                            ColourNumber colour) {
  const QFont qfont = qtFont(font);
  const QFontMetricsF metrics(qfont, &m_image);
  QPainter painter(&m_image);
  painter.setFont(qfont);
  painter.setPen(qtColour(colour));
  painter.drawText(QPointF(topLeft.x, topLeft.y + metrics.ascent()), decodeText(text));
  painter.end();
  changed(PictureChange::Drawn);
}

bool RasterCanvas::hasFont(std::string_view name) {
  // Installed under this name, or put in its place by the font configuration
  // (a metric-compatible substitute).
  return FontNameAvailable(decodeText(name), QFontDatabase::families());
}

QFont RasterCanvas::qtFont(const CanvasFont& font) {
  QFont qfont(decodeText(font.name));
  if (font.size > 0) qfont.setPointSizeF(font.size);
  qfont.setBold(font.bold);
  qfont.setItalic(font.italic);
  qfont.setUnderline(font.underline);
  return qfont;
}

QString RasterCanvas::decodeText(std::string_view text) {
  QString decoded;
  decoded.reserve(static_cast<qsizetype>(text.size()));
  for (const char c : text) decoded.append(QChar(CodePageCharacter(static_cast<unsigned char>(c))));
  return decoded;
}

}  // namespace morvane
