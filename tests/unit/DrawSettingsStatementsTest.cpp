#include "graphics/DrawSettingsStatements.h"

#include <gtest/gtest.h>

#include "DrawFixture.h"
#include "core/Messages.h"
#include "graphics/ColourNames.h"

namespace morvane::testing {
namespace {

using DrawSettings = DrawFixture;

TEST_F(DrawSettings, DispatchNeedsArgumentsAndKnownKeywords) {
  EXPECT_EQ(draw("DRAW"), msg::SpecifyParameter);
  EXPECT_EQ(draw("DRAW COLOR"), msg::SpecifyParameter);
  EXPECT_EQ(draw("DRAW LINE ' only a comment"), msg::SpecifyParameter);
  EXPECT_EQ(draw("DRAW SHADE 1"), msg::UnknownDrawstyle);
  EXPECT_EQ(draw("DRAW LINE10 (1, 1)"), msg::UnknownDrawstyle);
  EXPECT_EQ(draw("DRAW LINEX (1, 1)"), msg::UnknownDrawstyle);
  EXPECT_EQ(draw("draw textsize 12"), "");
  EXPECT_EQ(settings.font.size, 12);
}

TEST_F(DrawSettings, SettingWordIsTwentyOneUpperCaseCharactersPaddedWithBlanks) {
  load({"DRAW SCALE inch"});
  const Position a = 12;
  ASSERT_EQ(chars.at(a), 'i');
  EXPECT_EQ(SettingWord(chars, a, a + 3), "INCH                 ");
  EXPECT_EQ(SettingWord(chars, a, a + 1), "IN                   ");
}

TEST_F(DrawSettings, ScaleIsRecognisedByItsBeginning) {
  EXPECT_EQ(draw("DRAW SCALE PIXELS"), "");
  EXPECT_EQ(settings.unit, CanvasUnit::Pixel);
  EXPECT_EQ(draw("DRAW SCALE mm"), "");
  EXPECT_EQ(settings.unit, CanvasUnit::Millimetre);
  EXPECT_EQ(draw("DRAW SCALE INCHES"), "");
  EXPECT_EQ(settings.unit, CanvasUnit::Inch);
  EXPECT_EQ(draw("DRAW SCALE CMX"), "");
  EXPECT_EQ(settings.unit, CanvasUnit::Centimetre);
  settings.unit = CanvasUnit::Inch;
  EXPECT_EQ(draw("DRAW SCALE METER"), msg::WrongDrawScaleParameter);
  EXPECT_EQ(draw("DRAW SCALE C M"), msg::WrongDrawScaleParameter);
  EXPECT_EQ(settings.unit, CanvasUnit::Inch);
}

TEST_F(DrawSettings, ColourByNameOrByExpression) {
  EXPECT_EQ(draw("DRAW COLOR red"), "");
  EXPECT_EQ(settings.penColour, 255);
  EXPECT_EQ(draw("DRAW COLOR RGB(0, 0, 255)"), "");
  EXPECT_EQ(settings.penColour, 16711680);
  let("C = 256 * 255 + 0.5");
  EXPECT_EQ(draw("DRAW COLOR C"), "");
  EXPECT_EQ(settings.penColour, 65280);  // half to even
  // A word that is no colour name is an expression.
  EXPECT_EQ(draw("DRAW COLOR REDD"), msg::UndefinedName("REDD"));
  EXPECT_EQ(settings.penColour, 65280);
}

TEST_F(DrawSettings, ColourValuesTheCanvasCannotTakeAreRefused) {
  settings.penColour = 5;
  EXPECT_EQ(draw("DRAW COLOR \"red\""), "(refused)");
  EXPECT_EQ(draw("DRAW COLOR -1"), "(refused)");
  EXPECT_EQ(draw("DRAW COLOR 16777216"), "(refused)");
  EXPECT_EQ(draw("DRAW COLOR TRANSPARENT"), msg::UndefinedName("TRANSPARENT"));
  EXPECT_EQ(settings.penColour, 5);
}

TEST_F(DrawSettings, FillColourTransparentKeepsTheColourForLater) {
  EXPECT_EQ(draw("DRAW FILLCOLOR YELLOW"), "");
  EXPECT_EQ(settings.fillMode, FillMode::Solid);
  EXPECT_EQ(settings.fillColour, ColorFromName("YELLOW"));
  EXPECT_EQ(draw("DRAW FILLCOLOR Transparent"), "");
  EXPECT_EQ(settings.fillMode, FillMode::Transparent);
  EXPECT_EQ(settings.fillColour, ColorFromName("YELLOW"));
  EXPECT_EQ(draw("DRAW FILLCOLOR BLUE"), "");
  EXPECT_EQ(settings.fillMode, FillMode::Solid);
  EXPECT_EQ(settings.fillColour, 16711680);
  EXPECT_EQ(draw("DRAW FILLCOLOR 255 + 256"), "");
  EXPECT_EQ(settings.fillColour, 511);
}

TEST_F(DrawSettings, FailingFillColourHasAlreadyMadeFillingSolid) {
  settings.fillColour = 7;
  EXPECT_EQ(draw("DRAW FILLCOLOR 1 +"), msg::SyntaxError);
  EXPECT_EQ(settings.fillMode, FillMode::Solid);
  EXPECT_EQ(settings.fillColour, 7);
}

TEST_F(DrawSettings, TextStylesAddUpUntilNormal) {
  EXPECT_EQ(draw("DRAW TEXTSTYLE BOLD"), "");
  EXPECT_EQ(draw("DRAW TEXTSTYLE italic"), "");
  EXPECT_TRUE(settings.font.bold);
  EXPECT_TRUE(settings.font.italic);
  EXPECT_FALSE(settings.font.underline);
  EXPECT_EQ(draw("DRAW TEXTSTYLE UNDERLINED"), "");
  EXPECT_TRUE(settings.font.underline);
  EXPECT_EQ(draw("DRAW TEXTSTYLE NORMAL"), "");
  EXPECT_FALSE(settings.font.bold || settings.font.italic || settings.font.underline);
  EXPECT_EQ(draw("DRAW TEXTSTYLE WAVY"), msg::UnknownTextstyle);
}

TEST_F(DrawSettings, EachLineStyleNameSelectsItsOwnStyle) {
  const std::pair<const char*, LineStyle> cases[] = {
      {"DRAW LINESTYLE DASHDOT", LineStyle::DashDot}, {"DRAW LINESTYLE DASHDOTDOT", LineStyle::DashDotDot},
      {"DRAW LINESTYLE DASH", LineStyle::Dash},       {"DRAW LINESTYLE dot", LineStyle::Dot},
      {"DRAW LINESTYLE NORMAL", LineStyle::Solid},
  };
  for (const auto& [statement, style] : cases) {
    EXPECT_EQ(draw(statement), "") << statement;
    EXPECT_EQ(settings.lineStyle, style) << statement;
  }
  settings.lineStyle = LineStyle::Dot;
  EXPECT_EQ(draw("DRAW LINESTYLE WAVY"), msg::UnknownTextstyle);
  EXPECT_EQ(settings.lineStyle, LineStyle::Dot);
}

TEST_F(DrawSettings, TextFontMustBeAStringNamingAFontTheCanvasHas) {
  EXPECT_EQ(draw("DRAW TEXTFONT \"Arial\""), "");
  EXPECT_EQ(settings.font.name, "Arial");
  let("F$ = \"Times New\" + \" Roman\"");
  EXPECT_EQ(draw("DRAW TEXTFONT F$"), "");
  EXPECT_EQ(settings.font.name, "Times New Roman");
  EXPECT_EQ(draw("DRAW TEXTFONT \"No Such Font\""), msg::TextfontNotAvailable);
  EXPECT_EQ(draw("DRAW TEXTFONT 5"), "(refused)");
  EXPECT_EQ(settings.font.name, "Times New Roman");
}

TEST_F(DrawSettings, WidthIsAWholeNumberOfAtLeastOnePixel) {
  EXPECT_EQ(draw("DRAW WIDTH 2.5"), "");
  EXPECT_EQ(settings.lineWidth, 2);
  EXPECT_EQ(draw("DRAW WIDTH 32767"), "");
  EXPECT_EQ(settings.lineWidth, 32767);
  for (const char* refused : {"DRAW WIDTH 0", "DRAW WIDTH -3", "DRAW WIDTH 40000", "DRAW WIDTH \"3\""}) {
    EXPECT_EQ(draw(refused), "(refused)") << refused;
  }
  EXPECT_EQ(settings.lineWidth, 32767);
}

TEST_F(DrawSettings, TextSizeWithinWhatTheCanvasTakes) {
  EXPECT_EQ(draw("DRAW TEXTSIZE 7.5"), "");
  EXPECT_EQ(settings.font.size, 7.5);
  EXPECT_EQ(draw("DRAW TEXTSIZE 0"), "(refused)");
  EXPECT_EQ(draw("DRAW TEXTSIZE 100000"), "(refused)");
  EXPECT_EQ(draw("DRAW TEXTSIZE \"12\""), "(refused)");
  EXPECT_EQ(draw("DRAW TEXTSIZE 12 *"), msg::SyntaxError);
  EXPECT_EQ(settings.font.size, 7.5);
}

}  // namespace
}  // namespace morvane::testing
