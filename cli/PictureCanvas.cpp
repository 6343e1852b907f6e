#include "cli/PictureCanvas.h"

#include <algorithm>

namespace morvane {

Picture* PictureCanvas::picture() {
  if (!m_picture && !m_unpainted) m_picture = CreatePicture(m_size, m_programName.c_str());
  return m_picture.get();
}

// Should the module fail to load after all, the program still runs and
// draws on a canvas of fixed measures, as without a picture module.
Canvas& PictureCanvas::painted() {
  if (Picture* made = picture()) return made->canvas();
  if (!m_unpainted) {
    m_unpainted = std::make_unique<RecordingCanvas>(m_size);
    m_unpainted->setSink([](std::string_view) {});
  }
  return *m_unpainted;
}

void PictureCanvas::clear() {
  if (Canvas* drawn = drawnOn()) drawn->clear();
}

PixelSize PictureCanvas::pixelSize() const {
  if (m_picture) return m_picture->canvas().pixelSize();
  return m_unpainted ? m_unpainted->pixelSize() : m_size;
}

void PictureCanvas::grow(PixelSize atLeast) {
  if (Canvas* drawn = drawnOn()) {
    drawn->grow(atLeast);
    return;
  }
  m_size.width = std::max(m_size.width, std::min(atLeast.width, MaxCanvasSide));
  m_size.height = std::max(m_size.height, std::min(atLeast.height, MaxCanvasSide));
}

void PictureCanvas::drawLine(PixelPoint from, PixelPoint to, const Stroke& stroke) {
  if (Canvas* canvas = paintedIfKept()) canvas->drawLine(from, to, stroke);
}

void PictureCanvas::drawRectangle(PixelPoint corner1, PixelPoint corner2, const Stroke& stroke, const Fill& fill) {
  if (Canvas* canvas = paintedIfKept()) canvas->drawRectangle(corner1, corner2, stroke, fill);
}

void PictureCanvas::drawEllipse(PixelPoint centre, double radiusX, double radiusY, const Stroke& stroke,
                                const Fill& fill) {
  if (Canvas* canvas = paintedIfKept()) canvas->drawEllipse(centre, radiusX, radiusY, stroke, fill);
}

void PictureCanvas::drawPoint(PixelPoint at, ColourNumber colour, int width) {
  if (Canvas* canvas = paintedIfKept()) canvas->drawPoint(at, colour, width);
}

TextExtent PictureCanvas::measureText(std::string_view text, const CanvasFont& font) {
  return painted().measureText(text, font);
}

void PictureCanvas::drawText(PixelPoint topLeft, std::string_view text, const CanvasFont& font,
                             ColourNumber colour) {
  if (Canvas* canvas = paintedIfKept()) canvas->drawText(topLeft, text, font, colour);
}

bool PictureCanvas::hasFont(std::string_view name) { return painted().hasFont(name); }

}  // namespace morvane

