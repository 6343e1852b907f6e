#pragma once
// The argument grammar the shapes share:
//   [point TO] point [, item [, item ...]]
// A point is two expressions x, y with or without parentheses; items are
// separated by top-level commas. Which items follow the second point depends
// on the shape: CIRCLE and BALL a radius, TEXT its text (or TEXT's text alone
// stands in place of the point); then the colour, then the line width (TEXT:
// the font size; DRAWCOORDINATES: the x and the y scale instead).

#include <optional>
#include <string>

#include "graphics/DrawStatement.h"

namespace morvane {

enum class ShapeKind { Line, Arrow, Box, Brick, Circle, Ellipse, Ball, Pset, Text, Coordinates };

struct ShapeArguments {
  double x1 = 0;  // the first point, user coordinates
  double y1 = 0;
  double x2 = 0;  // the second point
  double y2 = 0;
  double radius = 0;      // CIRCLE, BALL: canvas units
  std::string text;       // TEXT
  bool textOnly = false;  // TEXT's text given without a point
  // The colour (a colour name's colour or the item's value); for
  // DRAWCOORDINATES the x scale. Empty when the item is missing.
  std::optional<double> colourItem;
  // The line width, TEXT's font size, or DRAWCOORDINATES' y scale.
  std::optional<double> lastItem;
};

// Reads the statement's arguments. A LINE statement passes its pen: without
// TO the first point is the pen's last point, and TO marks the pen started
// (even when a later part of the statement fails).
DrawResult ParseShapeArguments(const DrawStatement& statement, ShapeKind kind, Pen* pen, ShapeArguments& out);

}  // namespace morvane
