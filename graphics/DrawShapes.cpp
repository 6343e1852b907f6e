#include "graphics/DrawShapes.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "core/IntegerConversion.h"
#include "core/Messages.h"
#include "graphics/CanvasDrawing.h"
#include "graphics/ColourNames.h"
#include "graphics/TextFormatting.h"
#include "graphics/UserCoordinates.h"

namespace morvane {

namespace {

constexpr int MinShapeWidth = 1;
constexpr double MaxShapeWidth = 1000;
constexpr double MinTextSize = 1;
constexpr double MaxTextSize = 50;
// Below this a scale would map every point to infinity.
constexpr double SmallestScale = 1e-16;

// The arrow head: strokes a fifth of the shaft long, 15 degrees off the
// shaft on either side.
constexpr double HeadLengthPart = 5;
constexpr double HeadAngle1 = 195;
constexpr double HeadAngle2 = 165;

double radians(double degrees, double pi) { return degrees * pi / 180; }

// The direction of the shaft in canvas coordinates.
double shaftAngle(double dx, double dy, double pi) {
  if (dx > 0) return std::atan(dy / dx);
  if (dx < 0) return std::atan(dy / dx) + pi;
  return dy >= 0 ? pi / 2 : 3 * pi / 2;
}

void drawArrow(CanvasDrawing& drawing, CanvasPoint from, CanvasPoint tip, ColourNumber colour) {
  const double pi = 4 * std::atan(1.0);
  drawing.line(from, tip, colour);
  const double dx = tip.x - from.x;
  const double dy = tip.y - from.y;
  const double length = std::sqrt(dx * dx + dy * dy) / HeadLengthPart;
  const double a = shaftAngle(dx, dy, pi);
  for (const double angle : {HeadAngle1, HeadAngle2}) {
    const double b = a + radians(angle, pi);
    drawing.line({tip.x + length * std::cos(b), tip.y + length * std::sin(b)}, tip, colour);
  }
}

// The ellipse inscribed in the rectangle with the corners first and second.
void drawEllipse(CanvasDrawing& drawing, CanvasPoint first, CanvasPoint second, ColourNumber colour) {
  constexpr double NarrowestWidth = 0.001;
  const double w = std::fabs(second.x - first.x);
  const double h = std::fabs(second.y - first.y);
  const double aspect = w > NarrowestWidth ? h / w : h / NarrowestWidth;
  const CanvasPoint centre{(first.x + second.x) / 2, (first.y + second.y) / 2};
  if (aspect <= 1) {
    const double radius = w / 2;
    drawing.ellipse(centre, radius, radius * aspect, colour);
  } else {
    const double radius = h / 2;
    drawing.ellipse(centre, radius / aspect, radius, colour);
  }
}

void drawBall(CanvasDrawing& drawing, CanvasPoint centre, double radius, ColourNumber colour) {
  CanvasSettings& settings = drawing.settings();
  const ColourNumber fillColour = settings.fillColour;
  const FillMode fillMode = settings.fillMode;
  settings.fillColour = colour;
  settings.fillMode = FillMode::Solid;
  drawing.ellipse(centre, radius, radius, colour);
  settings.fillColour = fillColour;
  settings.fillMode = fillMode;
}

}  // namespace

int ShapeLineWidth(double width) {
  if (!(width >= MinShapeWidth)) return MinShapeWidth;  // NaN too
  return ToInteger<int>(std::nearbyint(std::min(width, MaxShapeWidth))).value_or(MinShapeWidth);
}

double TextFontSize(double size) {
  if (!(size >= MinTextSize)) return MinTextSize;
  return std::min(size, MaxTextSize);
}

DrawResult ExecuteDrawShape(const DrawStatement& s, ShapeKind kind, int penNumber) {
  CanvasSettings& settings = s.settings;
  Pen* pen = kind == ShapeKind::Line ? &s.shared.pens.at(static_cast<std::size_t>(penNumber)) : nullptr;

  ShapeArguments args;
  if (DrawResult parsed = ParseShapeArguments(s, kind, pen, args); !parsed.ok()) return parsed;

  ColourNumber colour = settings.penColour;
  if (args.colourItem) {
    const std::optional<ColourNumber> given = ColourFromNumber(*args.colourItem);
    if (!given) return DrawResult::refused();
    colour = *given;
  }
  int width = settings.lineWidth;
  double fontSize = settings.font.size;
  if (args.lastItem) {
    if (kind == ShapeKind::Text) {
      fontSize = TextFontSize(*args.lastItem);
    } else {
      width = ShapeLineWidth(*args.lastItem);
    }
  }

  // 1. Both points mapped and checked. TEXT without a point stands at the
  // current position.
  CanvasDrawing drawing(s.canvas, settings);
  const CanvasPoint first = MapPoint(s.shared, args.x1, args.y1);
  const CanvasPoint second = args.textOnly ? drawing.currentPosition() : MapPoint(s.shared, args.x2, args.y2);
  if (!WithinDrawscale(first, second)) return DrawResult::failed(msg::InvalidDrawscale);
  const bool round = kind == ShapeKind::Circle || kind == ShapeKind::Ball;
  if (round) {
    if (!(std::fabs(args.radius) <= DrawscaleLimit)) return DrawResult::failed(msg::InvalidDrawscale);
    if (args.radius < 0) return DrawResult::refused();
  }

  // 2. Room on the canvas.
  GrowCanvasFor(s.canvas, settings.unit, first, second, round ? args.radius : 0);

  // 3. The statement's line width for this shape only.
  const int canvasWidth = settings.lineWidth;
  settings.lineWidth = width;

  // 4. The shape.
  switch (kind) {
    case ShapeKind::Line:  // pen n: joined to the pen's last point once the pen is started
      if (pen->started) {
        drawing.line(first, second, colour);
      } else {
        pen->started = true;
      }
      pen->x = args.x2;
      pen->y = args.y2;
      break;
    case ShapeKind::Arrow:
      drawArrow(drawing, first, second, colour);
      break;
    case ShapeKind::Box:
      drawing.rectangle(first, second, colour, CanvasDrawing::FillWith::Settings);
      break;
    case ShapeKind::Brick:
      drawing.rectangle(first, second, colour, CanvasDrawing::FillWith::OwnColour);
      break;
    case ShapeKind::Circle:
      drawing.ellipse(second, args.radius, args.radius, colour);
      break;
    case ShapeKind::Ball:
      drawBall(drawing, second, args.radius, colour);
      break;
    case ShapeKind::Ellipse:
      drawEllipse(drawing, first, second, colour);
      break;
    case ShapeKind::Pset:
      drawing.point(second, colour);
      break;
    case ShapeKind::Text:
      WriteFormattedText(drawing, args.text, colour, fontSize,
                         args.textOnly ? std::nullopt : std::optional<CanvasPoint>(second), second.x);
      break;
    case ShapeKind::Coordinates:  // not a shape: ExecuteDrawCoordinates
      break;
  }

  // 5. The canvas's own width again.
  settings.lineWidth = canvasWidth;
  return DrawResult::done();
}

DrawResult ExecuteDrawCoordinates(const DrawStatement& s) {
  ShapeArguments args;
  if (DrawResult parsed = ParseShapeArguments(s, ShapeKind::Coordinates, nullptr, args); !parsed.ok()) {
    return parsed;
  }
  // 1. The point is in canvas units. 2. and 3. The scale, 1 when not given.
  const double px = args.x2;
  const double py = args.y2;
  const double sx = args.colourItem.value_or(1);
  if (std::fabs(sx) < SmallestScale) return DrawResult::failed(msg::InvalidXScale);
  const double sy = args.lastItem.value_or(1);
  if (std::fabs(sy) < SmallestScale) return DrawResult::failed(msg::InvalidYScale);

  // 4. The drawscale check with the new scale.
  SharedDrawingState& shared = s.shared;
  SharedDrawingState scaled = shared;
  scaled.scaleX = sx;
  scaled.scaleY = sy;
  if (!WithinDrawscale(MapPoint(scaled, args.x1, args.y1), MapPoint(scaled, px, py))) {
    return DrawResult::failed(msg::InvalidDrawscale);
  }

  // 5. The new system; the pens start afresh.
  s.settings.currentX = px;
  s.settings.currentY = py;
  shared.clearPens();
  shared.originX = px;
  shared.originY = py;
  shared.scaleX = sx;
  shared.scaleY = sy;
  return DrawResult::done();
}

}  // namespace morvane
