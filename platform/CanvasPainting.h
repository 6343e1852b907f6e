#pragma once
// How each drawing call of a canvas is painted with a QPainter. The raster
// canvas paints into its picture with these, and the workbench replays the
// calls it recorded into other paint devices (an SVG file) with the same
// ones, so that both show the same drawing.

#include <string_view>

#include <QFont>
#include <QString>

#include "graphics/Canvas.h"

class QPainter;

namespace morvane {

void PaintLine(QPainter& painter, PixelPoint from, PixelPoint to, const Stroke& stroke);
void PaintRectangle(QPainter& painter, PixelPoint corner1, PixelPoint corner2, const Stroke& stroke,
                    const Fill& fill);
void PaintEllipse(QPainter& painter, PixelPoint centre, double radiusX, double radiusY, const Stroke& stroke,
                  const Fill& fill);
void PaintPoint(QPainter& painter, PixelPoint at, ColourNumber colour, int width);
// The text's top left corner is at `topLeft`; its font's points are measured
// at the painter's device resolution.
void PaintText(QPainter& painter, PixelPoint topLeft, std::string_view text, const CanvasFont& font,
               ColourNumber colour);

// The QFont a canvas font is drawn with.
QFont CanvasQtFont(const CanvasFont& font);
// The interpreter's single-byte text as Unicode.
QString DecodeCanvasText(std::string_view text);

}  // namespace morvane
