#include "platform/RasterCanvas.h"

#include <algorithm>
#include <cmath>

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPainter>

#include "core/CodePageTable.h"
#include "platform/FontSubstitutes.h"
#include "platform/CanvasPainting.h"

namespace morvane {

namespace {

constexpr QImage::Format PictureFormat = QImage::Format_RGB32;
constexpr double MetresPerInch = 0.0254;

QImage whitePicture(QSize size) {
  QImage picture(size.expandedTo(QSize(1, 1)), PictureFormat);
  picture.fill(Qt::white);
  return picture;
}

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
  PaintLine(painter, from, to, stroke);
  painter.end();
  changed(PictureChange::Drawn);
}

void RasterCanvas::drawRectangle(PixelPoint corner1, PixelPoint corner2, const Stroke& stroke,
                                 const Fill& fill) {
  QPainter painter(&m_image);
  PaintRectangle(painter, corner1, corner2, stroke, fill);
  painter.end();
  changed(PictureChange::Drawn);
}

void RasterCanvas::drawEllipse(PixelPoint centre, double radiusX, double radiusY, const Stroke& stroke,
                               const Fill& fill) {
  QPainter painter(&m_image);
  PaintEllipse(painter, centre, radiusX, radiusY, stroke, fill);
  painter.end();
  changed(PictureChange::Drawn);
}

void RasterCanvas::drawPoint(PixelPoint at, ColourNumber colour, int width) {
  QPainter painter(&m_image);
  PaintPoint(painter, at, colour, width);
  painter.end();
  changed(PictureChange::Drawn);
}

TextExtent RasterCanvas::measureText(std::string_view text, const CanvasFont& font) {
  const QFontMetricsF metrics(qtFont(font), &m_image);
  return {metrics.horizontalAdvance(decodeText(text)), metrics.height()};
}

void RasterCanvas::drawText(PixelPoint topLeft, std::string_view text, const CanvasFont& font,
                            ColourNumber colour) {
  QPainter painter(&m_image);
  PaintText(painter, topLeft, text, font, colour);
  painter.end();
  changed(PictureChange::Drawn);
}

bool RasterCanvas::hasFont(std::string_view name) {
  // Installed under this name, or put in its place by the font configuration
  // (a metric-compatible substitute).
  return FontNameAvailable(decodeText(name), QFontDatabase::families());
}

QFont RasterCanvas::qtFont(const CanvasFont& font) { return CanvasQtFont(font); }

QString RasterCanvas::decodeText(std::string_view text) { return DecodeCanvasText(text); }

}  // namespace morvane
