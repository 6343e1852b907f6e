#include "workbench/export/DrawingRecord.h"

#include <QPainter>

#include "platform/CanvasPainting.h"
#include "platform/RasterCanvas.h"

namespace morvane {

namespace {

// Paints one kept call; a visitor over the kinds of call.
struct CallPainter {
  QPainter& painter;
  void operator()(const RecordedLine& c) const { PaintLine(painter, c.from, c.to, c.stroke); }
  void operator()(const RecordedRectangle& c) const { PaintRectangle(painter, c.corner1, c.corner2, c.stroke, c.fill); }
  void operator()(const RecordedEllipse& c) const {
    PaintEllipse(painter, c.centre, c.radiusX, c.radiusY, c.stroke, c.fill);
  }
  void operator()(const RecordedPoint& c) const { PaintPoint(painter, c.at, c.colour, c.width); }
  void operator()(const RecordedText& c) const { PaintText(painter, c.topLeft, c.text, c.font, c.colour); }
};

}  // namespace

DrawingRecord::DrawingRecord(RasterCanvas& picture, std::size_t cap) : m_picture(picture), m_cap(cap) {}

void DrawingRecord::replay(QPainter& painter) const {
  const CallPainter paint{painter};
  for (const RecordedCall& call : m_calls) std::visit(paint, call);
}

void DrawingRecord::keep(RecordedCall call) {
  if (!m_complete) return;
  if (m_calls.size() >= m_cap) {
    // The drawing is too large to keep as vectors: the memory goes back.
    m_complete = false;
    std::vector<RecordedCall>().swap(m_calls);
    return;
  }
  m_calls.push_back(std::move(call));
}

void DrawingRecord::clear() {
  m_calls.clear();
  m_complete = true;
  m_picture.clear();
}

double DrawingRecord::logicalDpi() const { return m_picture.logicalDpi(); }

PixelSize DrawingRecord::pixelSize() const { return m_picture.pixelSize(); }

void DrawingRecord::grow(PixelSize atLeast) { m_picture.grow(atLeast); }

void DrawingRecord::drawLine(PixelPoint from, PixelPoint to, const Stroke& stroke) {
  keep(RecordedLine{from, to, stroke});
  m_picture.drawLine(from, to, stroke);
}

void DrawingRecord::drawRectangle(PixelPoint corner1, PixelPoint corner2, const Stroke& stroke, const Fill& fill) {
  keep(RecordedRectangle{corner1, corner2, stroke, fill});
  m_picture.drawRectangle(corner1, corner2, stroke, fill);
}

void DrawingRecord::drawEllipse(PixelPoint centre, double radiusX, double radiusY, const Stroke& stroke,
                                const Fill& fill) {
  keep(RecordedEllipse{centre, radiusX, radiusY, stroke, fill});
  m_picture.drawEllipse(centre, radiusX, radiusY, stroke, fill);
}

void DrawingRecord::drawPoint(PixelPoint at, ColourNumber colour, int width) {
  keep(RecordedPoint{at, colour, width});
  m_picture.drawPoint(at, colour, width);
}

TextExtent DrawingRecord::measureText(std::string_view text, const CanvasFont& font) {
  return m_picture.measureText(text, font);
}

void DrawingRecord::drawText(PixelPoint topLeft, std::string_view text, const CanvasFont& font,
                             ColourNumber colour) {
  keep(RecordedText{topLeft, std::string(text), font, colour});
  m_picture.drawText(topLeft, text, font, colour);
}

bool DrawingRecord::hasFont(std::string_view name) { return m_picture.hasFont(name); }

}  // namespace morvane
