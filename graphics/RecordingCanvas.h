#pragma once
// A canvas that writes every drawing call down as a line of text: the tool
// for looking at what a program draws without a picture, and for testing the
// drawing statements' geometry.
//
// On its own it is a canvas of fixed measures: a size and resolution given at
// construction, fonts from a list of names, and text whose characters are all
// 0.6 em wide and whose lines are 1.2 em high. Given another canvas, it
// passes every call on to that one, which then answers the questions of size
// and measure.
//
// One line per call, coordinates in pixels with up to two decimals:
//   clear
//   grow 1280x480
//   line 0,0 37.8,37.8 pen=#FF0000 width=3 style=solid
//   rectangle 0,0 37.8,37.8 pen=#000000 width=1 style=dash fill=#0000FF
//   ellipse 75.59,75.59 radius=37.8x18.9 pen=#000000 width=1 style=solid fill=none
//   point 10,10 colour=#000000 width=2
//   text 10,20 "H" font="Courier New" size=10 bold italic underline colour=#000000

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "graphics/Canvas.h"

namespace morvane {

class RecordingCanvas final : public Canvas {
 public:
  using Sink = std::function<void(std::string_view line)>;

  static constexpr PixelSize DefaultSize{640, 480};

  explicit RecordingCanvas(PixelSize size = DefaultSize, double logicalDpi = DefaultLogicalDpi);
  // Records the calls and passes them on to `target`.
  explicit RecordingCanvas(Canvas& target);

  // Where the lines go; by default they are kept in calls().
  void setSink(Sink sink) { m_sink = std::move(sink); }
  const std::vector<std::string>& calls() const { return m_calls; }
  void forgetCalls() { m_calls.clear(); }

  // The font names this canvas offers on its own.
  void setFonts(std::vector<std::string> names) { m_fonts = std::move(names); }

  // Canvas
  void clear() override;
  double logicalDpi() const override;
  PixelSize pixelSize() const override;
  void grow(PixelSize atLeast) override;
  void drawLine(PixelPoint from, PixelPoint to, const Stroke& stroke) override;
  void drawRectangle(PixelPoint corner1, PixelPoint corner2, const Stroke& stroke,
                     const Fill& fill) override;
  void drawEllipse(PixelPoint centre, double radiusX, double radiusY, const Stroke& stroke,
                   const Fill& fill) override;
  void drawPoint(PixelPoint at, ColourNumber colour, int width) override;
  TextExtent measureText(std::string_view text, const CanvasFont& font) override;
  void drawText(PixelPoint topLeft, std::string_view text, const CanvasFont& font,
                ColourNumber colour) override;
  bool hasFont(std::string_view name) override;

 private:
  void record(std::string line);

  Canvas* m_target = nullptr;
  PixelSize m_size;
  double m_dpi;
  std::vector<std::string> m_fonts;
  std::vector<std::string> m_calls;
  Sink m_sink;
};

// The log's texts for a length in pixels and a colour.
std::string PixelText(double pixels);
std::string ColourText(ColourNumber colour);

}  // namespace morvane
