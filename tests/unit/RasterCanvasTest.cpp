// The raster canvas as the workbench and the runner paint it: pixels of the
// rendered picture.

#include "platform/RasterCanvas.h"

#include <gtest/gtest.h>

#include <QFontInfo>
#include <QGuiApplication>

#include <algorithm>
#include <cstdlib>
#include <sstream>
#include <vector>

#include "DrawFixture.h"
#include "platform/FontSubstitutes.h"

namespace morvane::testing {
namespace {

constexpr QRgb WhitePixel = 0xFFFFFFFF;

class RasterPicture : public DrawFixture {
 protected:
  RasterPicture() { settings.unit = CanvasUnit::Pixel; }

  void paint(std::string_view statement) { ASSERT_EQ(draw(statement, canvas), "") << statement; }
  QRgb at(int x, int y) const { return canvas.image().pixel(x, y) | 0xFF000000; }
  bool white(int x, int y) const { return at(x, y) == WhitePixel; }
  bool dark(int x, int y) const { return qGray(at(x, y)) < 128; }

  RasterCanvas canvas{QSize(640, 480), 96};
};

TEST_F(RasterPicture, RedLineIsRedAndThreePixelsWide) {
  paint("DRAW LINE (10, 50) TO (200, 50), RED, 3");
  int red = 0;
  for (int y = 40; y < 60; ++y) {
    if (at(100, y) == qRgb(255, 0, 0)) {
      ++red;
    } else {
      EXPECT_TRUE(white(100, y)) << y;
    }
  }
  EXPECT_EQ(red, 3);
  EXPECT_EQ(settings.lineWidth, 1);
}

TEST_F(RasterPicture, BrickFillsBoxOnlyWithSolidFillColour) {
  paint("DRAW BRICK (10, 10) TO (50, 40), BLUE");
  EXPECT_EQ(at(30, 25), qRgb(0, 0, 255));
  paint("DRAW BOX (60, 10) TO (100, 40), BLUE");
  EXPECT_EQ(at(60, 25), qRgb(0, 0, 255));
  EXPECT_TRUE(white(80, 25));
  paint("DRAW FILLCOLOR YELLOW");
  paint("DRAW BOX (110, 10) TO (150, 40), BLUE");
  EXPECT_EQ(at(130, 25), qRgb(255, 255, 0));
  EXPECT_EQ(at(110, 25), qRgb(0, 0, 255));
}

TEST_F(RasterPicture, BallFillsWithItsOwnColourAndLeavesTheFillSettings) {
  paint("DRAW BALL (100, 100), 20, GREEN");
  EXPECT_EQ(at(100, 100), qRgb(0, 255, 0));
  EXPECT_EQ(at(110, 105), qRgb(0, 255, 0));
  EXPECT_TRUE(white(125, 100));
  paint("DRAW CIRCLE (200, 100), 20, GREEN");
  EXPECT_TRUE(white(200, 100));
  EXPECT_EQ(at(220, 100), qRgb(0, 255, 0));
}

TEST_F(RasterPicture, DashedLineHasGaps) {
  paint("DRAW LINESTYLE DASH");
  paint("DRAW LINE (0, 200) TO (300, 200)");
  int runs = 0;
  int inked = 0;
  bool previous = false;
  for (int x = 0; x <= 300; ++x) {
    const bool ink = dark(x, 200);
    if (ink && !previous) ++runs;
    inked += ink ? 1 : 0;
    previous = ink;
  }
  EXPECT_GE(runs, 10);
  EXPECT_LT(inked, 280);
  paint("DRAW LINESTYLE NORMAL");
  paint("DRAW LINE (0, 220) TO (300, 220)");
  for (int x = 1; x < 300; ++x) ASSERT_TRUE(dark(x, 220)) << x;
}

// The characters' cells come from a recording canvas put in front of the
// raster canvas: "text X,Y "c" ...".
struct Cell {
  double x;
  double y;
};

TEST_F(RasterPicture, SubscriptSitsLowerThanItsNeighbours) {
  RecordingCanvas cells(canvas);
  ASSERT_EQ(draw("DRAW TEXT (10, 300), \"H\\_2O\", BLACK, 24", cells), "");
  std::vector<Cell> found;
  for (const std::string& call : cells.calls()) {
    Cell c{};
    std::istringstream in(call.substr(5));
    char comma = 0;
    in >> c.x >> comma >> c.y;
    found.push_back(c);
  }
  ASSERT_EQ(found.size(), 3u);
  // The lowest ink below each character's cell start.
  auto lowestInk = [&](double from, double to) {
    int lowest = -1;
    for (int x = static_cast<int>(from); x < static_cast<int>(to); ++x) {
      for (int y = 200; y < 400; ++y) {
        if (dark(x, y)) lowest = std::max(lowest, y);
      }
    }
    return lowest;
  };
  const int h = lowestInk(found[0].x, found[1].x);
  const int two = lowestInk(found[1].x, found[2].x);
  const int o = lowestInk(found[2].x, found[2].x + 14);
  ASSERT_GT(h, 0);
  EXPECT_GT(two, h + 2);
  EXPECT_GT(two, o + 2);
}

TEST_F(RasterPicture, UnitsFollowTheLogicalResolution) {
  RasterCanvas sharp(QSize(400, 100), 192);
  settings.unit = CanvasUnit::Inch;
  ASSERT_EQ(draw("DRAW LINE (1, 0.1) TO (1, 0.4)", sharp), "");
  EXPECT_EQ(qGray(sharp.image().pixel(192, 40)), 0);
  EXPECT_EQ(qGray(sharp.image().pixel(190, 40)), 255);
}

TEST_F(RasterPicture, GrowthKeepsWhatIsDrawn) {
  paint("DRAW PSET (5, 5), RED, 1");
  paint("DRAW PSET (600, 470), RED, 1");
  EXPECT_EQ(canvas.size(), QSize(1200, 940));
  EXPECT_EQ(at(5, 5), qRgb(255, 0, 0));
  EXPECT_EQ(at(600, 470), qRgb(255, 0, 0));
  EXPECT_TRUE(white(1100, 900));
}

TEST(RasterFonts, UsualNamesResolveToMetricCompatibleSubstitutes) {
  RasterCanvas canvas;
  EXPECT_TRUE(canvas.hasFont("Courier New"));
  EXPECT_TRUE(canvas.hasFont("courier new"));
  EXPECT_TRUE(canvas.hasFont("Arial"));
  EXPECT_TRUE(canvas.hasFont("Liberation Serif"));
  EXPECT_FALSE(canvas.hasFont("No Such Font 7"));
  EXPECT_FALSE(canvas.hasFont(""));
  EXPECT_TRUE(QFontInfo(RasterCanvas::qtFont({"Courier New", 10, false, false, false})).fixedPitch());
}

// A substitute is what the font configuration binds in the name's place, not
// the general fallback every unknown name gets.
TEST(RasterFonts, SubstitutesAreTheConfiguredStandIns) {
  EXPECT_TRUE(ConfiguredSubstitutes("Courier New").contains("Liberation Mono"));
  EXPECT_TRUE(ConfiguredSubstitutes("Times New Roman").contains("Liberation Serif"));
  EXPECT_FALSE(ConfiguredSubstitutes("Courier New").contains("Courier New"));
  EXPECT_TRUE(ConfiguredSubstitutes("No Such Font 7").isEmpty());
  // With Liberation Mono the only font, Courier New is still drawn with it.
  EXPECT_TRUE(FontNameAvailable("Courier New", {"Liberation Mono"}));
  EXPECT_FALSE(FontNameAvailable("No Such Font 7", {"Liberation Mono"}));
  EXPECT_TRUE(FontNameAvailable(" liberation mono ", {"Liberation Mono"}));
}

TEST(RasterFonts, TextIsReadInTheInterpretersCodePage) {
  EXPECT_EQ(RasterCanvas::decodeText("\xE9\x80\x41"), QString::fromUtf8("\xC3\xA9\xE2\x82\xAC" "A"));
}

}  // namespace
}  // namespace morvane::testing

int main(int argc, char** argv) {
  // Drawing text needs an application object; no window system is needed.
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QGuiApplication application(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
