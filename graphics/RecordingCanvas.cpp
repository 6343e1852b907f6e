#include "graphics/RecordingCanvas.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

#include "prepare/Characters.h"

namespace morvane {

namespace {

// The measures of the canvas's own text, in em (the font's size in pixels).
constexpr double CharacterWidthEm = 0.6;
constexpr double LineHeightEm = 1.2;
constexpr double PointsPerInch = 72;

// The families a canvas of its own offers: the usual names and their
// metric-compatible substitutes.
const std::vector<std::string>& defaultFonts() {
  static const std::vector<std::string> fonts{
      "Courier New",     "Arial",           "Times New Roman", "Liberation Mono",  "Liberation Sans",
      "Liberation Serif", "DejaVu Sans",    "DejaVu Sans Mono", "DejaVu Serif"};
  return fonts;
}

bool sameName(std::string_view a, std::string_view b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return upperChar(x) == upperChar(y); });
}

std::string_view styleText(LineStyle style) {
  switch (style) {
    case LineStyle::Solid:
      return "solid";
    case LineStyle::Dash:
      return "dash";
    case LineStyle::Dot:
      return "dot";
    case LineStyle::DashDot:
      return "dashdot";
    case LineStyle::DashDotDot:
      return "dashdotdot";
  }
  return "solid";
}

std::string pointText(PixelPoint p) { return PixelText(p.x) + "," + PixelText(p.y); }

std::string strokeText(const Stroke& stroke) {
  return "pen=" + ColourText(stroke.colour) + " width=" + std::to_string(stroke.width) +
         " style=" + std::string(styleText(stroke.style));
}

std::string fillText(const Fill& fill) {
  return "fill=" + (fill.mode == FillMode::Solid ? ColourText(fill.colour) : std::string("none"));
}

}  // namespace

std::string PixelText(double pixels) {
  if (!std::isfinite(pixels)) return pixels != pixels ? "nan" : (pixels > 0 ? "inf" : "-inf");
  std::array<char, 64> buffer{};
  const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), pixels,
                                          std::chars_format::fixed, 2);
  if (error != std::errc{}) return "?";
  std::string text(buffer.data(), end);
  // Trailing zeros and a bare point go: 37.80 -> 37.8, 2.00 -> 2.
  while (text.back() == '0') text.pop_back();
  if (text.back() == '.') text.pop_back();
  if (text == "-0") text = "0";
  return text;
}

std::string ColourText(ColourNumber colour) {
  constexpr std::string_view digits = "0123456789ABCDEF";
  std::string text = "#";
  for (const int part : {RedOf(colour), GreenOf(colour), BlueOf(colour)}) {
    text += digits[static_cast<std::size_t>(part >> 4)];
    text += digits[static_cast<std::size_t>(part & 0xF)];
  }
  return text;
}

RecordingCanvas::RecordingCanvas(PixelSize size, double logicalDpi)
    : m_size(size), m_dpi(logicalDpi), m_fonts(defaultFonts()) {}

RecordingCanvas::RecordingCanvas(Canvas& target)
    : m_target(&target), m_size(target.pixelSize()), m_dpi(target.logicalDpi()), m_fonts(defaultFonts()) {}

void RecordingCanvas::record(std::string line) {
  if (m_sink) {
    m_sink(line);
  } else {
    m_calls.push_back(std::move(line));
  }
}

void RecordingCanvas::clear() {
  record("clear");
  if (m_target != nullptr) m_target->clear();
}

double RecordingCanvas::logicalDpi() const { return m_target != nullptr ? m_target->logicalDpi() : m_dpi; }

PixelSize RecordingCanvas::pixelSize() const { return m_target != nullptr ? m_target->pixelSize() : m_size; }

void RecordingCanvas::grow(PixelSize atLeast) {
  const PixelSize before = pixelSize();
  if (m_target != nullptr) {
    m_target->grow(atLeast);
  } else {
    m_size.width = std::max(m_size.width, std::min(atLeast.width, MaxCanvasSide));
    m_size.height = std::max(m_size.height, std::min(atLeast.height, MaxCanvasSide));
  }
  const PixelSize after = pixelSize();
  if (after.width != before.width || after.height != before.height) {
    record("grow " + std::to_string(after.width) + "x" + std::to_string(after.height));
  }
}

void RecordingCanvas::drawLine(PixelPoint from, PixelPoint to, const Stroke& stroke) {
  record("line " + pointText(from) + " " + pointText(to) + " " + strokeText(stroke));
  if (m_target != nullptr) m_target->drawLine(from, to, stroke);
}

void RecordingCanvas::drawRectangle(PixelPoint corner1, PixelPoint corner2, const Stroke& stroke,
                                    const Fill& fill) {
  record("rectangle " + pointText(corner1) + " " + pointText(corner2) + " " + strokeText(stroke) + " " +
         fillText(fill));
  if (m_target != nullptr) m_target->drawRectangle(corner1, corner2, stroke, fill);
}

void RecordingCanvas::drawEllipse(PixelPoint centre, double radiusX, double radiusY, const Stroke& stroke,
                                  const Fill& fill) {
  record("ellipse " + pointText(centre) + " radius=" + PixelText(radiusX) + "x" + PixelText(radiusY) + " " +
         strokeText(stroke) + " " + fillText(fill));
  if (m_target != nullptr) m_target->drawEllipse(centre, radiusX, radiusY, stroke, fill);
}

void RecordingCanvas::drawPoint(PixelPoint at, ColourNumber colour, int width) {
  record("point " + pointText(at) + " colour=" + ColourText(colour) + " width=" + std::to_string(width));
  if (m_target != nullptr) m_target->drawPoint(at, colour, width);
}

TextExtent RecordingCanvas::measureText(std::string_view text, const CanvasFont& font) {
  if (m_target != nullptr) return m_target->measureText(text, font);
  const double em = font.size * m_dpi / PointsPerInch;
  return {static_cast<double>(text.size()) * CharacterWidthEm * em, LineHeightEm * em};
}

void RecordingCanvas::drawText(PixelPoint topLeft, std::string_view text, const CanvasFont& font,
                               ColourNumber colour) {
  std::string line = "text " + pointText(topLeft) + " \"" + std::string(text) + "\" font=\"" + font.name +
                     "\" size=" + PixelText(font.size);
  if (font.bold) line += " bold";
  if (font.italic) line += " italic";
  if (font.underline) line += " underline";
  line += " colour=" + ColourText(colour);
  record(std::move(line));
  if (m_target != nullptr) m_target->drawText(topLeft, text, font, colour);
}

bool RecordingCanvas::hasFont(std::string_view name) {
  if (m_target != nullptr) return m_target->hasFont(name);
  return std::any_of(m_fonts.begin(), m_fonts.end(), [name](const std::string& f) { return sameName(f, name); });
}

}  // namespace morvane
