#pragma once
// What a drawing statement draws with. The canvas settings belong to each
// document window's canvas; the ten pens and the user coordinate system are
// held once for the whole application.

#include <array>
#include <cstdint>
#include <string>

namespace morvane {

enum class CanvasUnit { Centimetre, Millimetre, Inch, Pixel };
enum class FillMode { Solid, Transparent };
enum class LineStyle { Solid, Dash, Dot, DashDot, DashDotDot };

// A colour number: r + 256*g + 65536*b.
using ColourNumber = std::int32_t;
constexpr ColourNumber Black = 0;
constexpr ColourNumber White = 0xFFFFFF;
constexpr ColourNumber MaxColourNumber = 0xFFFFFF;

constexpr int RedOf(ColourNumber c) { return c & 0xFF; }
constexpr int GreenOf(ColourNumber c) { return (c >> 8) & 0xFF; }
constexpr int BlueOf(ColourNumber c) { return (c >> 16) & 0xFF; }

struct CanvasFont {
  std::string name;
  double size = 10;
  bool bold = false;
  bool italic = false;
  bool underline = false;
};

struct CanvasSettings {
  CanvasUnit unit = CanvasUnit::Centimetre;
  ColourNumber penColour = Black;
  ColourNumber fillColour = Black;
  FillMode fillMode = FillMode::Transparent;
  LineStyle lineStyle = LineStyle::Solid;
  int lineWidth = 1;
  CanvasFont font;
  double currentX = 0;  // canvas coordinates in the current unit
  double currentY = 0;

  // The reset of Escape and RESET: position (0, 0), solid black lines of
  // width 1, centimetres, transparent fill, the editor's font without styles.
  void reset(const std::string& editorFontName, double editorFontSize) {
    currentX = 0;
    currentY = 0;
    lineStyle = LineStyle::Solid;
    penColour = Black;
    unit = CanvasUnit::Centimetre;
    fillMode = FillMode::Transparent;
    lineWidth = 1;
    font = CanvasFont{editorFontName, editorFontSize, false, false, false};
  }
};

struct Pen {
  double x = 0;  // last point, user coordinates
  double y = 0;
  bool started = false;
};

constexpr int PenCount = 10;

struct SharedDrawingState {
  std::array<Pen, PenCount> pens{};
  double originX = 0;
  double originY = 0;
  double scaleX = 1;
  double scaleY = 1;

  void clearPens() { pens.fill(Pen{}); }
  void reset() {
    clearPens();
    originX = originY = 0;
    scaleX = scaleY = 1;
  }
};

}  // namespace morvane
