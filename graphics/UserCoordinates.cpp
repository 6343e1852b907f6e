#include "graphics/UserCoordinates.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>

#include "core/IntegerConversion.h"

namespace morvane {

namespace {

constexpr double GrowthThreshold = 0.9;

enum class Axis { X, Y };

// The largest a side may become while the other one stays as it is.
int sideLimit(int otherSide) {
  const std::int64_t byArea = MaxCanvasPixels / std::max(otherSide, 1);
  return static_cast<int>(std::min<std::int64_t>(MaxCanvasSide, byArea));
}

// Makes one side of the canvas `pixels` long, within the bounds.
void growSide(Canvas& canvas, Axis axis, double pixels) {
  const PixelSize size = canvas.pixelSize();
  // Nothing grows for a length that is no number of pixels (NaN, -Infinity).
  if (axis == Axis::X) {
    const std::optional<int> wanted = ToInteger<int>(std::min(std::ceil(pixels), static_cast<double>(sideLimit(size.height))));
    if (wanted && *wanted > size.width) canvas.grow({*wanted, size.height});
  } else {
    const std::optional<int> wanted = ToInteger<int>(std::min(std::ceil(pixels), static_cast<double>(sideLimit(size.width))));
    if (wanted && *wanted > size.height) canvas.grow({size.width, *wanted});
  }
}

// Step of the growth rule for one coordinate.
void growFor(Canvas& canvas, double pixelsPerUnit, Axis axis, double coordinate) {
  const PixelSize size = canvas.pixelSize();
  const double scaleExtent = (axis == Axis::X ? size.width : size.height) / pixelsPerUnit;
  // The outer extent becomes 2 * W * c / SW, W / SW being the pixels per unit.
  if (coordinate > GrowthThreshold * scaleExtent) growSide(canvas, axis, 2 * coordinate * pixelsPerUnit);
}

}  // namespace

CanvasPoint MapPoint(const SharedDrawingState& shared, double x, double y) {
  return {x / shared.scaleX + shared.originX, y / shared.scaleY + shared.originY};
}

bool WithinDrawscale(CanvasPoint first, CanvasPoint second) {
  const double sum = std::fabs(first.x) + std::fabs(first.y) + std::fabs(second.x) + std::fabs(second.y);
  return sum <= DrawscaleLimit;  // false for NaN as well
}

void GrowCanvasFor(Canvas& canvas, CanvasUnit unit, CanvasPoint first, CanvasPoint second, double extent) {
  const double ppu = canvas.pixelsPerUnit(unit);
  growFor(canvas, ppu, Axis::X, first.x);
  growFor(canvas, ppu, Axis::Y, first.y);
  growFor(canvas, ppu, Axis::X, second.x + extent);
  growFor(canvas, ppu, Axis::Y, second.y + extent);
}

void WidenCanvasTo(Canvas& canvas, CanvasUnit unit, double right) {
  if (!std::isfinite(right)) return;
  growSide(canvas, Axis::X, right * canvas.pixelsPerUnit(unit));
}

}  // namespace morvane
