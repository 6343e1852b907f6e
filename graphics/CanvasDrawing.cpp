#include "graphics/CanvasDrawing.h"

namespace morvane {

double CanvasDrawing::scaleWidth() const { return m_canvas.pixelSize().width / pixelsPerUnit(); }

void CanvasDrawing::setCurrentPosition(CanvasPoint p) {
  m_settings.currentX = p.x;
  m_settings.currentY = p.y;
}

PixelPoint CanvasDrawing::toPixels(CanvasPoint p) const {
  const double ppu = pixelsPerUnit();
  return {p.x * ppu, p.y * ppu};
}

Stroke CanvasDrawing::stroke(ColourNumber colour) const {
  return {colour, m_settings.lineWidth, m_settings.lineStyle};
}

void CanvasDrawing::line(CanvasPoint from, CanvasPoint to, ColourNumber colour) {
  m_canvas.drawLine(toPixels(from), toPixels(to), stroke(colour));
  setCurrentPosition(to);
}

void CanvasDrawing::rectangle(CanvasPoint corner1, CanvasPoint corner2, ColourNumber colour, FillWith fill) {
  const Fill inside = fill == FillWith::OwnColour ? Fill{FillMode::Solid, colour}
                                                  : Fill{m_settings.fillMode, m_settings.fillColour};
  m_canvas.drawRectangle(toPixels(corner1), toPixels(corner2), stroke(colour), inside);
  setCurrentPosition(corner2);
}

void CanvasDrawing::ellipse(CanvasPoint centre, double radiusX, double radiusY, ColourNumber colour) {
  const double ppu = pixelsPerUnit();
  m_canvas.drawEllipse(toPixels(centre), radiusX * ppu, radiusY * ppu, stroke(colour),
                       Fill{m_settings.fillMode, m_settings.fillColour});
  setCurrentPosition(centre);
}

void CanvasDrawing::point(CanvasPoint at, ColourNumber colour) {
  m_canvas.drawPoint(toPixels(at), colour, m_settings.lineWidth);
  setCurrentPosition(at);
}

double CanvasDrawing::textWidth(std::string_view text) {
  return m_canvas.measureText(text, m_settings.font).width / pixelsPerUnit();
}

double CanvasDrawing::textHeight(std::string_view text) {
  return m_canvas.measureText(text, m_settings.font).height / pixelsPerUnit();
}

void CanvasDrawing::print(std::string_view text) {
  const double width = textWidth(text);
  m_canvas.drawText(toPixels(currentPosition()), text, m_settings.font, m_settings.penColour);
  m_settings.currentX += width;
}

}  // namespace morvane
