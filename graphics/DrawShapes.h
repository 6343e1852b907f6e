#pragma once
// The shapes: LINE with its ten pens, ARROW, BOX, BRICK, CIRCLE, BALL,
// ELLIPSE, PSET and TEXT, and DRAWCOORDINATES, which reads its point the way
// the shapes do. Every shape goes the same way: parse, map both points to
// the canvas and check them against the drawscale limit, grow the canvas
// where needed, draw with the statement's line width, and restore the
// canvas's own width.

#include "graphics/DrawStatement.h"
#include "graphics/ShapeArguments.h"

namespace morvane {

// `pen` is the LINE statement's pen number (0 to 9); other shapes ignore it.
DrawResult ExecuteDrawShape(const DrawStatement& statement, ShapeKind kind, int pen);

// DRAWCOORDINATES p [, sx [, sy]]: the origin p in canvas units and the scale.
DrawResult ExecuteDrawCoordinates(const DrawStatement& statement);

// A line width as a shape takes it: 1 to 1000, rounded to a whole number.
int ShapeLineWidth(double width);
// A font size as TEXT takes it: 1 to 50.
double TextFontSize(double size);

}  // namespace morvane
