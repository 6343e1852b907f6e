#include "graphics/UserCoordinates.h"

#include <gtest/gtest.h>

#include <cmath>

#include "graphics/RecordingCanvas.h"

namespace morvane {
namespace {

TEST(UserCoordinates, PointsAreScaledThenMovedToTheOrigin) {
  SharedDrawingState shared;
  shared.originX = 5;
  shared.originY = 5;
  shared.scaleX = 2;
  shared.scaleY = -1;  // y grows upwards
  const CanvasPoint p = MapPoint(shared, 4, 3);
  EXPECT_DOUBLE_EQ(p.x, 7);
  EXPECT_DOUBLE_EQ(p.y, 2);
}

TEST(UserCoordinates, DrawscaleLimitCountsAllFourCoordinates) {
  EXPECT_TRUE(WithinDrawscale({25000, -25000}, {25000, -25000}));  // exactly 100000
  EXPECT_FALSE(WithinDrawscale({25000, -25000}, {25000, -25000.5}));
  SharedDrawingState tiny;
  tiny.scaleX = tiny.scaleY = 0.0001;
  EXPECT_FALSE(WithinDrawscale(MapPoint(tiny, 0, 0), MapPoint(tiny, 10, 10)));  // (100000, 100000)
}

TEST(UserCoordinates, CoordinatesThatAreNoNumbersAreOutOfBounds) {
  EXPECT_FALSE(WithinDrawscale({std::nan(""), 0}, {0, 0}));
  EXPECT_FALSE(WithinDrawscale({0, 0}, {INFINITY, 0}));
}

// 640x480 pixels at 96 dpi; in pixels the scale extent is the pixel size.
class CanvasGrowth : public ::testing::Test {
 protected:
  RecordingCanvas canvas{{640, 480}, 96};
};

TEST_F(CanvasGrowth, PointBeyondNinetyPercentDoublesSoThatItLiesInTheMiddle) {
  GrowCanvasFor(canvas, CanvasUnit::Pixel, {0, 0}, {600, 10}, 0);
  EXPECT_EQ(canvas.pixelSize().width, 1200);
  EXPECT_EQ(canvas.pixelSize().height, 480);
  EXPECT_EQ(canvas.calls().back(), "grow 1200x480");
}

TEST_F(CanvasGrowth, PointWithinNinetyPercentLeavesTheCanvas) {
  GrowCanvasFor(canvas, CanvasUnit::Pixel, {576, 432}, {576, 432}, 0);  // exactly 90 %
  EXPECT_EQ(canvas.pixelSize().width, 640);
  EXPECT_EQ(canvas.pixelSize().height, 480);
  EXPECT_TRUE(canvas.calls().empty());
}

TEST_F(CanvasGrowth, ExtentCountsForTheSecondPointOnly) {
  GrowCanvasFor(canvas, CanvasUnit::Pixel, {0, 0}, {500, 100}, 100);  // a circle reaching 600, 200
  EXPECT_EQ(canvas.pixelSize().width, 1200);
  EXPECT_EQ(canvas.pixelSize().height, 480);
}

TEST_F(CanvasGrowth, UnitsAreMeasuredAtTheCanvasResolution) {
  // 640 pixels at 96 dpi are 16.93 cm; 16 cm is beyond 90 % of that.
  GrowCanvasFor(canvas, CanvasUnit::Centimetre, {16, 1}, {0, 0}, 0);
  EXPECT_EQ(canvas.pixelSize().width, static_cast<int>(std::ceil(2 * 16 * 96 / 2.54)));
}

TEST_F(CanvasGrowth, BothAxesGrowInTurn) {
  GrowCanvasFor(canvas, CanvasUnit::Pixel, {0, 0}, {700, 800}, 0);
  EXPECT_EQ(canvas.pixelSize().width, 1400);
  EXPECT_EQ(canvas.pixelSize().height, 1600);
}

TEST_F(CanvasGrowth, NeverShrinksAndNeverExceedsTheBounds) {
  GrowCanvasFor(canvas, CanvasUnit::Inch, {0, 0}, {50000, 1}, 0);  // 9.6 million pixels asked for
  EXPECT_EQ(canvas.pixelSize().width, MaxCanvasSide);
  GrowCanvasFor(canvas, CanvasUnit::Inch, {0, 0}, {1, 50000}, 0);
  EXPECT_EQ(canvas.pixelSize().height, MaxCanvasPixels / MaxCanvasSide);
  EXPECT_LE(static_cast<std::int64_t>(canvas.pixelSize().width) * canvas.pixelSize().height, MaxCanvasPixels);
  GrowCanvasFor(canvas, CanvasUnit::Pixel, {1, 1}, {1, 1}, 0);
  EXPECT_EQ(canvas.pixelSize().width, MaxCanvasSide);
}

TEST_F(CanvasGrowth, TextWidensToExactlyItsRightEnd) {
  WidenCanvasTo(canvas, CanvasUnit::Pixel, 700.2);
  EXPECT_EQ(canvas.pixelSize().width, 701);
  WidenCanvasTo(canvas, CanvasUnit::Pixel, 100);
  EXPECT_EQ(canvas.pixelSize().width, 701);
}

}  // namespace
}  // namespace morvane
