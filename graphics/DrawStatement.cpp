#include "graphics/DrawStatement.h"

#include <array>
#include <utility>

#include "core/Messages.h"
#include "graphics/DrawSettingsStatements.h"
#include "graphics/DrawShapes.h"
#include "prepare/Characters.h"

namespace morvane {

namespace {

enum class DrawKeyword {
  Scale,
  Color,
  FillColor,
  TextStyle,
  LineStyle,
  TextFont,
  Width,
  TextSize,
  Coordinates,
  Line,
  Arrow,
  Box,
  Brick,
  Circle,
  Ellipse,
  Ball,
  Pset,
  Text,
  Unknown,
};

// The settings first, then the shapes. LINE0 to LINE9 are read apart.
constexpr std::array<std::pair<std::string_view, DrawKeyword>, 18> DrawKeywords{{
    {"DRAW SCALE", DrawKeyword::Scale},
    {"DRAW COLOR", DrawKeyword::Color},
    {"DRAW FILLCOLOR", DrawKeyword::FillColor},
    {"DRAW TEXTSTYLE", DrawKeyword::TextStyle},
    {"DRAW LINESTYLE", DrawKeyword::LineStyle},
    {"DRAW TEXTFONT", DrawKeyword::TextFont},
    {"DRAW WIDTH", DrawKeyword::Width},
    {"DRAW TEXTSIZE", DrawKeyword::TextSize},
    {"DRAWCOORDINATES", DrawKeyword::Coordinates},
    {"DRAW LINE", DrawKeyword::Line},
    {"DRAW ARROW", DrawKeyword::Arrow},
    {"DRAW BOX", DrawKeyword::Box},
    {"DRAW BRICK", DrawKeyword::Brick},
    {"DRAW CIRCLE", DrawKeyword::Circle},
    {"DRAW ELLIPSE", DrawKeyword::Ellipse},
    {"DRAW BALL", DrawKeyword::Ball},
    {"DRAW PSET", DrawKeyword::Pset},
    {"DRAW TEXT", DrawKeyword::Text},
}};

struct Classified {
  DrawKeyword keyword = DrawKeyword::Unknown;
  int pen = 0;  // LINE: the digit after LINE
};

Classified classify(std::string_view keyword) {
  for (const auto& [word, kind] : DrawKeywords) {
    if (keyword == word) return {kind, 0};
  }
  // DRAW LINE0 to DRAW LINE9: the pen's number.
  constexpr std::string_view Line = "DRAW LINE";
  if (keyword.size() == Line.size() + 1 && keyword.starts_with(Line) && isDigit(keyword.back())) {
    return {DrawKeyword::Line, keyword.back() - '0'};
  }
  return {};
}

}  // namespace

DrawResult ExecuteDrawStatement(const DrawStatement& s) {
  // 1. Every DRAW statement has arguments.
  if (s.argumentStart == 0) return DrawResult::failed(msg::SpecifyParameter);
  const Classified c = classify(s.keyword);
  switch (c.keyword) {
    case DrawKeyword::Scale:  // DRAW SCALE CM|MM|INCH|PIXEL
      return ExecuteDrawSetting(s, DrawSetting::Scale);
    case DrawKeyword::Color:  // DRAW COLOR name|number
      return ExecuteDrawSetting(s, DrawSetting::Color);
    case DrawKeyword::FillColor:  // DRAW FILLCOLOR name|TRANSPARENT|number
      return ExecuteDrawSetting(s, DrawSetting::FillColor);
    case DrawKeyword::TextStyle:  // DRAW TEXTSTYLE NORMAL|BOLD|ITALIC|UNDERLINE
      return ExecuteDrawSetting(s, DrawSetting::TextStyle);
    case DrawKeyword::LineStyle:  // DRAW LINESTYLE NORMAL|DASH|DOT|DASHDOT|DASHDOTDOT
      return ExecuteDrawSetting(s, DrawSetting::LineStyle);
    case DrawKeyword::TextFont:  // DRAW TEXTFONT name$
      return ExecuteDrawSetting(s, DrawSetting::TextFont);
    case DrawKeyword::Width:  // DRAW WIDTH pixels
      return ExecuteDrawSetting(s, DrawSetting::Width);
    case DrawKeyword::TextSize:  // DRAW TEXTSIZE points
      return ExecuteDrawSetting(s, DrawSetting::TextSize);
    case DrawKeyword::Coordinates:  // DRAWCOORDINATES p [, sx [, sy]]
      return ExecuteDrawCoordinates(s);
    case DrawKeyword::Line:  // DRAW LINEn [p TO] p [, colour [, width]]
      return ExecuteDrawShape(s, ShapeKind::Line, c.pen);
    case DrawKeyword::Arrow:  // DRAW ARROW [p TO] p [, colour [, width]]
      return ExecuteDrawShape(s, ShapeKind::Arrow, 0);
    case DrawKeyword::Box:  // DRAW BOX [p TO] p [, colour [, width]]
      return ExecuteDrawShape(s, ShapeKind::Box, 0);
    case DrawKeyword::Brick:  // DRAW BRICK [p TO] p [, colour [, width]]
      return ExecuteDrawShape(s, ShapeKind::Brick, 0);
    case DrawKeyword::Circle:  // DRAW CIRCLE p, radius [, colour [, width]]
      return ExecuteDrawShape(s, ShapeKind::Circle, 0);
    case DrawKeyword::Ellipse:  // DRAW ELLIPSE [p TO] p [, colour [, width]]
      return ExecuteDrawShape(s, ShapeKind::Ellipse, 0);
    case DrawKeyword::Ball:  // DRAW BALL p, radius [, colour [, width]]
      return ExecuteDrawShape(s, ShapeKind::Ball, 0);
    case DrawKeyword::Pset:  // DRAW PSET p [, colour [, width]]
      return ExecuteDrawShape(s, ShapeKind::Pset, 0);
    case DrawKeyword::Text:  // DRAW TEXT p, text$ [, colour [, size]] or text$ [, colour [, size]]
      return ExecuteDrawShape(s, ShapeKind::Text, 0);
    case DrawKeyword::Unknown:
      break;
  }
  return DrawResult::failed(msg::UnknownDrawstyle);
}

}  // namespace morvane
