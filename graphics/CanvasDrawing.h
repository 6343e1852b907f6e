#pragma once
// Drawing on a canvas as the window's picture box does: in the canvas's unit
// of measure, with its line width and style, fill settings, font and pen
// colour taken from the window's CanvasSettings, and with the current
// position left where the drawing ends (a line at its end, a box at its
// second corner, a circle or ellipse at its centre, a point on itself, a
// text after its last character).

#include <string_view>

#include "graphics/Canvas.h"
#include "graphics/DrawingState.h"
#include "graphics/UserCoordinates.h"

namespace morvane {

class CanvasDrawing {
 public:
  CanvasDrawing(Canvas& canvas, CanvasSettings& settings) : m_canvas(canvas), m_settings(settings) {}

  Canvas& canvas() { return m_canvas; }
  CanvasSettings& settings() { return m_settings; }

  double pixelsPerUnit() const { return m_canvas.pixelsPerUnit(m_settings.unit); }
  // The visible width in the current unit.
  double scaleWidth() const;
  CanvasPoint currentPosition() const { return {m_settings.currentX, m_settings.currentY}; }
  void setCurrentPosition(CanvasPoint p);

  void line(CanvasPoint from, CanvasPoint to, ColourNumber colour);
  // The rectangle's outline in the colour, its inside filled by the fill
  // settings or, with FillWith::OwnColour, with the colour itself.
  enum class FillWith { Settings, OwnColour };
  void rectangle(CanvasPoint corner1, CanvasPoint corner2, ColourNumber colour, FillWith fill);
  // An ellipse around the centre, its inside filled by the fill settings.
  void ellipse(CanvasPoint centre, double radiusX, double radiusY, ColourNumber colour);
  // A dot as large as the line width.
  void point(CanvasPoint at, ColourNumber colour);

  // Measures of a text in the current font, in the current unit.
  double textWidth(std::string_view text);
  double textHeight(std::string_view text);
  // Writes the text at the current position in the pen colour; the current
  // x advances by its width.
  void print(std::string_view text);

 private:
  PixelPoint toPixels(CanvasPoint p) const;
  Stroke stroke(ColourNumber colour) const;

  Canvas& m_canvas;
  CanvasSettings& m_settings;
};

}  // namespace morvane
