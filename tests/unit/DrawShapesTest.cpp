#include "graphics/DrawShapes.h"

#include <gtest/gtest.h>

#include <vector>

#include "DrawFixture.h"
#include "core/Messages.h"
#include "graphics/ColourNames.h"

namespace morvane::testing {
namespace {

// Shapes drawn in pixels, so that canvas coordinates show as they are.
class DrawShapes : public DrawFixture {
 protected:
  DrawShapes() { settings.unit = CanvasUnit::Pixel; }

  // The calls one statement made.
  std::vector<std::string> calls(std::string_view statement) {
    recording.forgetCalls();
    const std::string outcome = draw(statement);
    EXPECT_EQ(outcome, "") << statement;
    return recording.calls();
  }
  using Calls = std::vector<std::string>;
};

// ---- Parsing -----------------------------------------------------------------------

TEST_F(DrawShapes, PointsWithOrWithoutParenthesesAndTO) {
  EXPECT_EQ(calls("DRAW BOX (1, 2) TO (30, 40)"),
            Calls{"rectangle 1,2 30,40 pen=#000000 width=1 style=solid fill=none"});
  EXPECT_EQ(calls("DRAW BOX 1, 2 TO 30, 40"),
            Calls{"rectangle 1,2 30,40 pen=#000000 width=1 style=solid fill=none"});
  let("X = 10");
  EXPECT_EQ(calls("DRAW BOX (X + 1, (X) * 2) TO (X * 3, 40)"),
            Calls{"rectangle 11,20 30,40 pen=#000000 width=1 style=solid fill=none"});
}

TEST_F(DrawShapes, WithoutTOTheFirstPointIsTheUserOrigin) {
  shared.originX = 5;
  shared.originY = 6;
  EXPECT_EQ(calls("DRAW BOX 1, 1"), Calls{"rectangle 5,6 6,7 pen=#000000 width=1 style=solid fill=none"});
}

TEST_F(DrawShapes, FirstPointNeedsACommaInside) {
  EXPECT_EQ(draw("DRAW BOX 1 TO (3, 2)"), msg::SpecifyTwoInitialCoordinates);
  EXPECT_EQ(draw("DRAW BOX (1,) TO (3, 2)"), msg::SpecifyTwoInitialCoordinates);
  EXPECT_EQ(draw("DRAW BOX (, 1) TO (3, 2)"), msg::SpecifyTwoInitialCoordinates);
  EXPECT_EQ(draw("DRAW BOX (1), (2) TO (3, 2)"), "");  // the comma between the parentheses
  EXPECT_EQ(draw("DRAW BOX (1, 2 +) TO (3, 2)"), msg::SyntaxError);
}

TEST_F(DrawShapes, SecondPointNeedsTwoCoordinates) {
  EXPECT_EQ(draw("DRAW BOX 5"), msg::SpecifyTwoCoordinates);
  EXPECT_EQ(draw("DRAW BOX (1, 1) TO"), msg::SpecifyTwoCoordinates);
  EXPECT_EQ(draw("DRAW BOX 5,"), msg::SpecifyTwoFinalCoordinates);
  EXPECT_EQ(draw("DRAW BOX 5, , RED"), msg::SpecifyTwoFinalCoordinates);
  EXPECT_EQ(draw("DRAW BOX (1, 1 +)"), msg::SyntaxError);
  EXPECT_TRUE(recording.calls().empty());
}

TEST_F(DrawShapes, ParenthesisedSecondPointWithoutCommaIsNoPoint) {
  EXPECT_EQ(draw("DRAW BOX (5)"), msg::SpecifyTwoCoordinates);
  EXPECT_EQ(draw("DRAW PSET (5) TO (6)"), msg::SpecifyTwoInitialCoordinates);
  // A parenthesised coordinate followed by the other one is a point.
  EXPECT_EQ(calls("DRAW PSET (5), 6"), Calls{"point 5,6 colour=#000000 width=1"});
}

TEST_F(DrawShapes, TOInsideAStringOrAWordIsNoSeparator) {
  EXPECT_EQ(calls("DRAW TEXT (0, 16), \"UP TO\"").size(), 5u);
  let("TOP = 3");
  EXPECT_EQ(calls("DRAW PSET TOP, TOP"), Calls{"point 3,3 colour=#000000 width=1"});
}

TEST_F(DrawShapes, ColourItemByNameWithBlanksOrByExpression) {
  EXPECT_EQ(calls("DRAW PSET 1, 1, LIGHT BLUE"), Calls{"point 1,1 colour=#BFEFFF width=1"});
  EXPECT_EQ(calls("DRAW PSET 1, 1, red"), Calls{"point 1,1 colour=#FF0000 width=1"});
  EXPECT_EQ(calls("DRAW PSET 1, 1, RGB(0, 128, 0)"), Calls{"point 1,1 colour=#008000 width=1"});
  settings.penColour = 255 * 256;
  EXPECT_EQ(calls("DRAW PSET 1, 1"), Calls{"point 1,1 colour=#00FF00 width=1"});
  EXPECT_EQ(calls("DRAW PSET 1, 1, , 3"), Calls{"point 1,1 colour=#00FF00 width=3"});
  EXPECT_EQ(draw("DRAW PSET 1, 1, \"RED\""), "(refused)");
  EXPECT_EQ(draw("DRAW PSET 1, 1, -1"), "(refused)");
}

TEST_F(DrawShapes, WidthIsClampedAndLastOnlyForThisShape) {
  settings.lineWidth = 2;
  EXPECT_EQ(calls("DRAW LINE (0, 0) TO (2, 2), RED, 3"),
            Calls{"line 0,0 2,2 pen=#FF0000 width=3 style=solid"});
  EXPECT_EQ(settings.lineWidth, 2);
  EXPECT_EQ(calls("DRAW LINE (0, 0) TO (2, 2), RED, 0"),
            Calls{"line 0,0 2,2 pen=#FF0000 width=1 style=solid"});
  EXPECT_EQ(calls("DRAW LINE (0, 0) TO (2, 2), RED, 5000, 7"),
            Calls{"line 0,0 2,2 pen=#FF0000 width=1000 style=solid"});
  EXPECT_EQ(calls("DRAW LINE (0, 0) TO (2, 2), RED, 2.5"),
            Calls{"line 0,0 2,2 pen=#FF0000 width=2 style=solid"});
  settings.lineStyle = LineStyle::DashDot;
  EXPECT_EQ(calls("DRAW LINE (0, 0) TO (2, 2)"), Calls{"line 0,0 2,2 pen=#000000 width=2 style=dashdot"});
  EXPECT_EQ(settings.lineWidth, 2);
}

// ---- Pens ----------------------------------------------------------------------------

TEST_F(DrawShapes, FirstLineWithoutTOOnlySetsThePensStart) {
  EXPECT_EQ(calls("DRAW LINE1 (1, 1)"), Calls{});
  EXPECT_TRUE(shared.pens[1].started);
  EXPECT_EQ(calls("DRAW LINE1 (2, 1)"), Calls{"line 1,1 2,1 pen=#000000 width=1 style=solid"});
  EXPECT_EQ(shared.pens[1].x, 2);
  EXPECT_EQ(shared.pens[1].y, 1);
}

TEST_F(DrawShapes, LinesWithTheSamePenJoin) {
  EXPECT_EQ(calls("DRAW LINE (0, 0) TO (10, 10)"), Calls{"line 0,0 10,10 pen=#000000 width=1 style=solid"});
  EXPECT_EQ(calls("DRAW LINE (20, 0)"), Calls{"line 10,10 20,0 pen=#000000 width=1 style=solid"});
  EXPECT_EQ(calls("DRAW LINE0 (20, 20)"), Calls{"line 20,0 20,20 pen=#000000 width=1 style=solid"});
}

TEST_F(DrawShapes, TenPensKeepTheirOwnPoints) {
  EXPECT_EQ(draw("DRAW LINE9 (0, 0) TO (9, 9)"), "");
  EXPECT_EQ(draw("DRAW LINE2 (0, 0) TO (2, 2)"), "");
  EXPECT_EQ(calls("DRAW LINE9 (9, 0)"), Calls{"line 9,9 9,0 pen=#000000 width=1 style=solid"});
  EXPECT_EQ(calls("DRAW LINE2 (2, 0)"), Calls{"line 2,2 2,0 pen=#000000 width=1 style=solid"});
  EXPECT_FALSE(shared.pens[0].started);
}

TEST_F(DrawShapes, PensLiveInUserCoordinates) {
  shared.scaleX = 0.5;
  EXPECT_EQ(draw("DRAW LINE4 (1, 1) TO (2, 2)"), "");
  EXPECT_EQ(shared.pens[4].x, 2);
  EXPECT_EQ(calls("DRAW LINE4 (3, 2)"), Calls{"line 4,2 6,2 pen=#000000 width=1 style=solid"});
}

TEST_F(DrawShapes, LineWithTOStartsItsPenEvenWhenItFails) {
  EXPECT_EQ(draw("DRAW LINE5 (0, 0) TO"), msg::SpecifyTwoCoordinates);
  EXPECT_TRUE(shared.pens[5].started);
  EXPECT_EQ(shared.pens[5].x, 0);
  EXPECT_EQ(draw("DRAW LINE6 (0, 0"), msg::SpecifyTwoCoordinates);
  EXPECT_FALSE(shared.pens[6].started);
}

// ---- Shapes --------------------------------------------------------------------------

TEST_F(DrawShapes, BoxFillsByTheFillSettingsBrickWithItsOwnColour) {
  EXPECT_EQ(calls("DRAW BOX (1, 1) TO (3, 2), BLUE"),
            Calls{"rectangle 1,1 3,2 pen=#0000FF width=1 style=solid fill=none"});
  settings.fillMode = FillMode::Solid;
  settings.fillColour = ColorFromName("YELLOW");
  EXPECT_EQ(calls("DRAW BOX (1, 1) TO (3, 2), BLUE"),
            Calls{"rectangle 1,1 3,2 pen=#0000FF width=1 style=solid fill=#FFFF00"});
  EXPECT_EQ(calls("DRAW BRICK (1, 1) TO (3, 2), BLUE"),
            Calls{"rectangle 1,1 3,2 pen=#0000FF width=1 style=solid fill=#0000FF"});
}

TEST_F(DrawShapes, CircleNeedsARadiusInCanvasUnits) {
  EXPECT_EQ(draw("DRAW CIRCLE (2, 2)"), msg::SpecifyRadius);
  EXPECT_EQ(draw("DRAW CIRCLE (2, 2), "), msg::SpecifyRadius);
  EXPECT_EQ(draw("DRAW CIRCLE (2, 2), , RED"), msg::SpecifyRadius);
  EXPECT_EQ(draw("DRAW CIRCLE (2, 2), 1 +"), msg::SyntaxError);
  EXPECT_EQ(draw("DRAW CIRCLE (2, 2), \"1\""), "(refused)");
  shared.scaleX = shared.scaleY = 10;  // the radius is not scaled
  EXPECT_EQ(calls("DRAW CIRCLE (20, 20), 5, LIGHT BLUE"),
            Calls{"ellipse 2,2 radius=5x5 pen=#BFEFFF width=1 style=solid fill=none"});
}

TEST_F(DrawShapes, RadiusOutOfAllBoundsIsRefused) {
  EXPECT_EQ(draw("DRAW CIRCLE (2, 2), 1E300"), msg::InvalidDrawscale);
  EXPECT_EQ(draw("DRAW CIRCLE (2, 2), -1"), "(refused)");
  EXPECT_TRUE(recording.calls().empty());
}

TEST_F(DrawShapes, BallFillsWithItsColourAndRestoresTheFillSettings) {
  settings.fillColour = 7;
  EXPECT_EQ(calls("DRAW BALL (10, 10), 4, RED"),
            Calls{"ellipse 10,10 radius=4x4 pen=#FF0000 width=1 style=solid fill=#FF0000"});
  EXPECT_EQ(settings.fillColour, 7);
  EXPECT_EQ(settings.fillMode, FillMode::Transparent);
}

TEST_F(DrawShapes, EllipseIsInscribedInItsRectangle) {
  EXPECT_EQ(calls("DRAW ELLIPSE (0, 0) TO (40, 20)"),
            Calls{"ellipse 20,10 radius=20x10 pen=#000000 width=1 style=solid fill=none"});
  EXPECT_EQ(calls("DRAW ELLIPSE (40, 40) TO (20, 0)"),
            Calls{"ellipse 30,20 radius=10x20 pen=#000000 width=1 style=solid fill=none"});
  EXPECT_EQ(calls("DRAW ELLIPSE (5, 0) TO (5, 2)"),
            Calls{"ellipse 5,1 radius=0x1 pen=#000000 width=1 style=solid fill=none"});
}

TEST_F(DrawShapes, ArrowHeadStrokesAreAFifthOfTheShaftAtFifteenDegrees) {
  EXPECT_EQ(calls("DRAW ARROW (0, 0) TO (50, 0), RED"),
            (Calls{"line 0,0 50,0 pen=#FF0000 width=1 style=solid",
                   "line 40.34,-2.59 50,0 pen=#FF0000 width=1 style=solid",
                   "line 40.34,2.59 50,0 pen=#FF0000 width=1 style=solid"}));
  // Straight up the canvas (dx = 0, dy < 0) and to the left (dx < 0).
  EXPECT_EQ(calls("DRAW ARROW (0, 50) TO (0, 0)"),
            (Calls{"line 0,50 0,0 pen=#000000 width=1 style=solid",
                   "line -2.59,9.66 0,0 pen=#000000 width=1 style=solid",
                   "line 2.59,9.66 0,0 pen=#000000 width=1 style=solid"}));
  EXPECT_EQ(calls("DRAW ARROW (50, 0) TO (0, 0)"),
            (Calls{"line 50,0 0,0 pen=#000000 width=1 style=solid",
                   "line 9.66,2.59 0,0 pen=#000000 width=1 style=solid",
                   "line 9.66,-2.59 0,0 pen=#000000 width=1 style=solid"}));
}

TEST_F(DrawShapes, PsetIsAsLargeAsTheWidth) {
  EXPECT_EQ(calls("DRAW PSET (3, 4), RED, 5"), Calls{"point 3,4 colour=#FF0000 width=5"});
}

TEST_F(DrawShapes, ShapesLeaveTheCurrentPositionWhereTheyEnd) {
  EXPECT_EQ(draw("DRAW LINE (0, 0) TO (7, 8)"), "");
  EXPECT_EQ(settings.currentX, 7);
  EXPECT_EQ(settings.currentY, 8);
  EXPECT_EQ(draw("DRAW CIRCLE (3, 4), 2"), "");
  EXPECT_EQ(settings.currentX, 3);
  EXPECT_EQ(settings.currentY, 4);
}

// ---- Coordinates, drawscale and growth -------------------------------------------------

TEST_F(DrawShapes, UserCoordinatesWithFlippedYAxis) {
  settings.unit = CanvasUnit::Centimetre;
  EXPECT_EQ(draw("DRAWCOORDINATES (5, 5), 1, -1"), "");
  EXPECT_EQ(shared.originX, 5);
  EXPECT_EQ(shared.scaleY, -1);
  EXPECT_EQ(settings.currentX, 5);
  settings.unit = CanvasUnit::Pixel;
  EXPECT_EQ(draw("DRAWCOORDINATES (100, 100), 0.5, -2"), "");
  EXPECT_EQ(calls("DRAW PSET (10, 10)"), Calls{"point 120,95 colour=#000000 width=1"});
}

TEST_F(DrawShapes, CoordinatesClearThePensAndDefaultToScaleOne) {
  EXPECT_EQ(draw("DRAW LINE3 (0, 0) TO (1, 1)"), "");
  shared.scaleX = 4;
  EXPECT_EQ(draw("DRAW COORDINATES (10, 20)"), "");
  EXPECT_FALSE(shared.pens[3].started);
  EXPECT_EQ(shared.scaleX, 1);
  EXPECT_EQ(shared.scaleY, 1);
  EXPECT_EQ(shared.originY, 20);
}

TEST_F(DrawShapes, CoordinatesRefuseZeroScalesAndChangeNothing) {
  EXPECT_EQ(draw("DRAWCOORDINATES (5, 5), 0"), msg::InvalidXScale);
  EXPECT_EQ(draw("DRAWCOORDINATES (5, 5), 1E-17, 1"), msg::InvalidXScale);
  EXPECT_EQ(draw("DRAWCOORDINATES (5, 5), 1, 0"), msg::InvalidYScale);
  EXPECT_EQ(draw("DRAWCOORDINATES (5, 5), RED"), msg::UndefinedName("RED"));  // a scale is no colour
  EXPECT_EQ(draw("DRAWCOORDINATES (60000, 50000)"), msg::InvalidDrawscale);
  EXPECT_EQ(draw("DRAWCOORDINATES (5, 5), \"2\""), "(refused)");
  EXPECT_EQ(shared.originX, 0);
  EXPECT_EQ(shared.scaleX, 1);
}

TEST_F(DrawShapes, TooLargeMappedCoordinatesDrawNothing) {
  EXPECT_EQ(draw("DRAWCOORDINATES (0, 0), 0.0001, 0.0001"), "");
  settings.lineWidth = 2;
  EXPECT_EQ(draw("DRAW LINE7 (0, 0) TO (10, 10), RED, 9"), msg::InvalidDrawscale);
  EXPECT_TRUE(recording.calls().empty());
  EXPECT_EQ(settings.lineWidth, 2);
  EXPECT_EQ(shared.pens[7].x, 0);
  EXPECT_EQ(draw("DRAW LINE (0, 0) TO (5, 5)"), "");
}

TEST_F(DrawShapes, ShapeBeyondNinetyPercentGrowsTheCanvas) {
  EXPECT_EQ(calls("DRAW CIRCLE (500, 100), 100"),
            (Calls{"grow 1200x480", "ellipse 500,100 radius=100x100 pen=#000000 width=1 style=solid fill=none"}));
  EXPECT_EQ(calls("DRAW PSET (10, 1000)"), (Calls{"grow 1200x2000", "point 10,1000 colour=#000000 width=1"}));
}

TEST_F(DrawShapes, GrowthStopsAtTheLargestCanvas) {
  settings.unit = CanvasUnit::Inch;
  EXPECT_EQ(draw("DRAW PSET (40000, 1)"), "");
  EXPECT_EQ(recording.pixelSize().width, MaxCanvasSide);
}

}  // namespace
}  // namespace morvane::testing
