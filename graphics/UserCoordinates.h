#pragma once
// The user coordinate system: how a program's points become canvas
// coordinates, the limit on how far out they may lie, and the growth of the
// canvas when a shape reaches beyond 90 % of its visible extent.

#include "graphics/Canvas.h"
#include "graphics/DrawingState.h"

namespace morvane {

// A point in canvas coordinates: the canvas's unit of measure, origin at its
// top left corner, y growing downwards.
struct CanvasPoint {
  double x = 0;
  double y = 0;
};

// (x / sx + ox, y / sy + oy).
CanvasPoint MapPoint(const SharedDrawingState& shared, double x, double y);

// The largest |cx1| + |cy1| + |cx2| + |cy2| a shape may have.
constexpr double DrawscaleLimit = 100000;

// Whether a shape with these mapped points may be drawn. A sum that is no
// number (an infinite or undefined coordinate) is out of bounds too.
bool WithinDrawscale(CanvasPoint first, CanvasPoint second);

// Enlarges the canvas where a shape needs room, comparing in this order the
// first point's x and y and the second point's x and y plus the extent (a
// circle's radius, else 0). A coordinate beyond 0.9 of the canvas's width
// (height) in its unit makes the canvas twice as wide (high) as the
// coordinate, so that it lies in the middle. Never beyond MaxCanvasSide and
// MaxCanvasPixels.
void GrowCanvasFor(Canvas& canvas, CanvasUnit unit, CanvasPoint first, CanvasPoint second, double extent);

// Widens the canvas so that it reaches `right` (canvas units), within the
// same bounds.
void WidenCanvasTo(Canvas& canvas, CanvasUnit unit, double right);

}  // namespace morvane
