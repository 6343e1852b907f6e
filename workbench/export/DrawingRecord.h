#pragma once
// The canvas a document window's program draws on: every call goes on to
// the window's raster picture, and is also kept, in order, since the canvas
// was last cleared. The kept calls let Export Picture write the drawing as
// vectors (an SVG file) rather than as pixels.
//
// Only so many calls are kept: a program that draws without end would
// otherwise fill the memory. Past the cap the record gives up and the export
// falls back to the picture's pixels.

#include <cstddef>
#include <string>
#include <variant>
#include <vector>

#include "graphics/Canvas.h"

class QPainter;

namespace morvane {

class RasterCanvas;

struct RecordedLine {
  PixelPoint from;
  PixelPoint to;
  Stroke stroke;
};
struct RecordedRectangle {
  PixelPoint corner1;
  PixelPoint corner2;
  Stroke stroke;
  Fill fill;
};
struct RecordedEllipse {
  PixelPoint centre;
  double radiusX = 0;
  double radiusY = 0;
  Stroke stroke;
  Fill fill;
};
struct RecordedPoint {
  PixelPoint at;
  ColourNumber colour = Black;
  int width = 1;
};
struct RecordedText {
  PixelPoint topLeft;
  std::string text;
  CanvasFont font;
  ColourNumber colour = Black;
};
using RecordedCall = std::variant<RecordedLine, RecordedRectangle, RecordedEllipse, RecordedPoint, RecordedText>;

class DrawingRecord final : public Canvas {
 public:
  // Enough for every example and a good deal more; an SVG file of this many
  // shapes is a few megabytes.
  static constexpr std::size_t DefaultCap = 20000;

  explicit DrawingRecord(RasterCanvas& picture, std::size_t cap = DefaultCap);

  // The calls since the last clear, while there were no more than the cap.
  const std::vector<RecordedCall>& calls() const { return m_calls; }
  // False once more calls were drawn than the record keeps.
  bool complete() const { return m_complete; }

  // Paints the kept calls, in their order, with the painter.
  void replay(QPainter& painter) const;

  // Canvas
  void clear() override;
  double logicalDpi() const override;
  PixelSize pixelSize() const override;
  void grow(PixelSize atLeast) override;
  void drawLine(PixelPoint from, PixelPoint to, const Stroke& stroke) override;
  void drawRectangle(PixelPoint corner1, PixelPoint corner2, const Stroke& stroke, const Fill& fill) override;
  void drawEllipse(PixelPoint centre, double radiusX, double radiusY, const Stroke& stroke,
                   const Fill& fill) override;
  void drawPoint(PixelPoint at, ColourNumber colour, int width) override;
  TextExtent measureText(std::string_view text, const CanvasFont& font) override;
  void drawText(PixelPoint topLeft, std::string_view text, const CanvasFont& font, ColourNumber colour) override;
  bool hasFont(std::string_view name) override;

 private:
  void keep(RecordedCall call);

  RasterCanvas& m_picture;
  std::size_t m_cap;
  std::vector<RecordedCall> m_calls;
  bool m_complete = true;
};

}  // namespace morvane
