#pragma once
// The surface a document window's drawing statements paint on. The workbench
// and the runner paint a picture in memory (platform/RasterCanvas); the
// recording canvas writes the calls down as text for tests and debugging.
//
// A canvas works in pixels, with the origin at its top left corner and y
// growing downwards. It keeps no pen or font of its own: every call carries
// what it draws with, taken from the window's CanvasSettings by the caller
// (graphics/CanvasDrawing), so both implementations draw the same picture
// from the same calls.

#include <cstdint>
#include <string_view>

#include "graphics/DrawingState.h"

namespace morvane {

struct PixelPoint {
  double x = 0;
  double y = 0;
};

struct PixelSize {
  int width = 0;
  int height = 0;
};

// The extent of a text in pixels: its advance and its line height.
struct TextExtent {
  double width = 0;
  double height = 0;
};

struct Stroke {
  ColourNumber colour = Black;
  int width = 1;  // pixels
  LineStyle style = LineStyle::Solid;
};

struct Fill {
  FillMode mode = FillMode::Transparent;
  ColourNumber colour = Black;
};

// The resolution of a canvas that no screen decides (the runner's picture).
constexpr double DefaultLogicalDpi = 96;

// The canvas grows when drawing needs room, but never beyond these bounds:
// coordinates up to the drawscale limit would otherwise ask for pictures of
// many gigabytes. What lies beyond is clipped.
constexpr int MaxCanvasSide = 8192;
constexpr std::int64_t MaxCanvasPixels = std::int64_t{8192} * 4096;

// Pixels per unit of measure at the given resolution (dots per inch).
constexpr double PixelsPerUnit(CanvasUnit unit, double logicalDpi) {
  switch (unit) {
    case CanvasUnit::Centimetre:
      return logicalDpi / 2.54;
    case CanvasUnit::Millimetre:
      return logicalDpi / 25.4;
    case CanvasUnit::Inch:
      return logicalDpi;
    case CanvasUnit::Pixel:
      return 1;
  }
  return 1;
}

class Canvas {
 public:
  virtual ~Canvas() = default;

  // Erases everything drawn.
  virtual void clear() = 0;

  // Dots per inch: what a centimetre, a millimetre, an inch and a font's
  // point measure in pixels.
  virtual double logicalDpi() const = 0;
  // The visible extent in pixels.
  virtual PixelSize pixelSize() const = 0;
  // Makes the canvas at least this large; what is drawn stays where it is.
  // The canvas never shrinks.
  virtual void grow(PixelSize atLeast) = 0;

  virtual void drawLine(PixelPoint from, PixelPoint to, const Stroke& stroke) = 0;
  // The rectangle with the two points as opposite corners.
  virtual void drawRectangle(PixelPoint corner1, PixelPoint corner2, const Stroke& stroke,
                             const Fill& fill) = 0;
  virtual void drawEllipse(PixelPoint centre, double radiusX, double radiusY, const Stroke& stroke,
                           const Fill& fill) = 0;
  // A dot as large as the width.
  virtual void drawPoint(PixelPoint at, ColourNumber colour, int width) = 0;

  // Text is a string of the interpreter's single-byte code page.
  virtual TextExtent measureText(std::string_view text, const CanvasFont& font) = 0;
  virtual void drawText(PixelPoint topLeft, std::string_view text, const CanvasFont& font,
                        ColourNumber colour) = 0;
  // Whether a font of this name, or a substitute the system's font
  // configuration offers for it, can be used.
  virtual bool hasFont(std::string_view name) = 0;

  double pixelsPerUnit(CanvasUnit unit) const { return PixelsPerUnit(unit, logicalDpi()); }
};

}  // namespace morvane
