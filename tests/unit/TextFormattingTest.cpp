#include "graphics/TextFormatting.h"

#include <gtest/gtest.h>

#include <vector>

#include "DrawFixture.h"
#include "core/Messages.h"

namespace morvane::testing {
namespace {

// In pixels at 96 dpi the recording canvas's 10-point characters are 8
// pixels wide and 16 high; at 8 points (a script) 6.4 and 12.8.
class DrawText : public DrawFixture {
 protected:
  DrawText() { settings.unit = CanvasUnit::Pixel; }

  std::vector<std::string> calls(std::string_view statement) {
    recording.forgetCalls();
    EXPECT_EQ(draw(statement), "") << statement;
    return recording.calls();
  }
  static std::string text(std::string_view at, std::string_view c, std::string_view style = "size=10") {
    return "text " + std::string(at) + " \"" + std::string(c) + "\" font=\"Courier New\" " + std::string(style) +
           " colour=#000000";
  }
  using Calls = std::vector<std::string>;
};

TEST_F(DrawText, LowerLeftCornerAtThePoint) {
  EXPECT_EQ(calls("DRAW TEXT (10, 100), \"ab\""), (Calls{text("10,84", "a"), text("18,84", "b")}));
  EXPECT_EQ(settings.currentX, 26);
  EXPECT_EQ(settings.currentY, 84);
}

TEST_F(DrawText, SubscriptIsSmallerAndLowerSuperscriptHigher) {
  EXPECT_EQ(calls("DRAW TEXT (0, 100), \"H\\_2O\""),
            (Calls{text("0,84", "H"), text("8,87.84", "2", "size=8"), text("14.4,84", "O")}));
  EXPECT_EQ(calls("DRAW TEXT (0, 100), \"x\\^2\""), (Calls{text("0,84", "x"), text("8,80.16", "2", "size=8")}));
  EXPECT_EQ(settings.font.size, 10);
}

TEST_F(DrawText, LineBreakReturnsUnderTheStart) {
  EXPECT_EQ(calls("DRAW TEXT (10, 50), \"a\\|b\""), (Calls{text("10,34", "a"), text("10,50", "b")}));
}

TEST_F(DrawText, BackStepMovesBackByTheWidthOfABackslash) {
  EXPECT_EQ(calls("DRAW TEXT (0, 16), \"a\\<_\""), (Calls{text("0,0", "a"), text("0,0", "_")}));
}

TEST_F(DrawText, StyleCommandsLastForTheTextOnly) {
  settings.font.italic = true;
  EXPECT_EQ(calls("DRAW TEXT (0, 16), \"\\(b\\)\\}i\\[u\\]\""),
            (Calls{text("0,0", "b", "size=10 bold italic"), text("8,0", "i", "size=10"),
                   text("16,0", "u", "size=10 underline")}));
  EXPECT_FALSE(settings.font.bold);
  EXPECT_TRUE(settings.font.italic);
  EXPECT_FALSE(settings.font.underline);
}

TEST_F(DrawText, OtherBackslashesAreWrittenAsTheyAre) {
  EXPECT_EQ(calls("DRAW TEXT (0, 16), \"a\\n\\\""),
            (Calls{text("0,0", "a"), text("8,0", "\\"), text("16,0", "n"), text("24,0", "\\")}));
  EXPECT_EQ(calls("DRAW TEXT (0, 16), \"a\\_\""), Calls{text("0,0", "a")});
}

TEST_F(DrawText, SizeAndColourAreTheStatementsOnly) {
  settings.penColour = 255;
  EXPECT_EQ(calls("DRAW TEXT (0, 100), \"x\", BLACK, 100"),
            Calls{"text 0,20 \"x\" font=\"Courier New\" size=50 colour=#000000"});
  EXPECT_EQ(calls("DRAW TEXT (0, 100), \"x\", , 0.5"),
            Calls{"text 0,98.4 \"x\" font=\"Courier New\" size=1 colour=#FF0000"});
  EXPECT_EQ(settings.penColour, 255);
  EXPECT_EQ(settings.font.size, 10);
}

TEST_F(DrawText, TextWithoutPointGoesOnWhereTheLastTextEnded) {
  EXPECT_EQ(draw("DRAW TEXT (0, 16), \"ab\""), "");
  EXPECT_EQ(calls("DRAW TEXT \"c\""), Calls{text("16,0", "c")});
  let("T$ = \"d\"");
  EXPECT_EQ(calls("DRAW TEXT T$, RED"), Calls{"text 24,0 \"d\" font=\"Courier New\" size=10 colour=#FF0000"});
}

TEST_F(DrawText, TextWithoutPointBreaksLinesAtTheCurrentX) {
  settings.currentX = 40;
  EXPECT_EQ(calls("DRAW TEXT \"a\\|b\""), (Calls{text("40,0", "a"), text("40,16", "b")}));
}

TEST_F(DrawText, TextNeedsAString) {
  EXPECT_EQ(draw("DRAW TEXT (1, 1)"), msg::SpecifyText);
  EXPECT_EQ(draw("DRAW TEXT (1, 1), "), msg::SpecifyText);
  EXPECT_EQ(draw("DRAW TEXT (1, 1), 5"), msg::SpecifyTextstring);
  EXPECT_EQ(draw("DRAW TEXT (1, 1), 1 +"), msg::SyntaxError);
  EXPECT_EQ(draw("DRAW TEXT 5"), msg::SpecifyTwoCoordinates);
  EXPECT_EQ(draw("DRAW TEXT \"a\" +"), msg::SpecifyTwoCoordinates);
  EXPECT_TRUE(recording.calls().empty());
}

TEST_F(DrawText, TextWithoutPointIsCheckedAndGrowsAtTheCurrentPosition) {
  settings.currentX = 630;
  settings.currentY = 10;
  EXPECT_EQ(calls("DRAW TEXT \"abc\""), (Calls{"grow 1260x480", text("630,10", "a"), text("638,10", "b"),
                                              text("646,10", "c")}));
  settings.unit = CanvasUnit::Centimetre;
  EXPECT_EQ(draw("DRAWCOORDINATES (50000, 40000)"), "");
  EXPECT_EQ(draw("DRAW TEXT \"x\""), msg::InvalidDrawscale);
}

TEST_F(DrawText, LongTextWidensTheCanvasOnceToItsEnd) {
  EXPECT_EQ(draw("DRAW TEXT (500, 16), \"abcdefghijklmnopqrstu\""), "");
  EXPECT_EQ(recording.calls().front(), "grow 668x480");
  EXPECT_EQ(recording.pixelSize().width, 668);
}

TEST_F(DrawText, CommandsTakeNoRoomOnTheCanvas) {
  // 17 characters show (x, 2, 15 letters): 136 pixels from x = 500 fit in
  // 640; all 23 characters of the text would not.
  EXPECT_EQ(draw("DRAW TEXT (500, 16), \"\\(x\\^2abcdefghijklmno\\)\""), "");
  EXPECT_EQ(recording.pixelSize().width, 640);
  EXPECT_EQ(draw("DRAW TEXT (500, 40), \"\\(x\\^2abcdefghijklmnop\\)\""), "");
  EXPECT_EQ(recording.pixelSize().width, 644);
}

}  // namespace
}  // namespace morvane::testing
