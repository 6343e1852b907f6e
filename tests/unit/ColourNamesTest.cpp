#include "graphics/ColourNames.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>

namespace morvane {
namespace {

TEST(ColourNames, TableHoldsFortyFiveDistinctUpperCaseNames) {
  std::set<std::string_view> names;
  for (const ColourName& entry : ColourNames) {
    names.insert(entry.name);
    for (char c : entry.name) EXPECT_TRUE(c >= 'A' && c <= 'Z') << entry.name;
    if (entry.name != "TRANSPARENT") {
      EXPECT_GE(entry.colour, 0) << entry.name;
      EXPECT_LE(entry.colour, MaxColourNumber) << entry.name;
    }
  }
  EXPECT_EQ(names.size(), 45u);
}

TEST(ColourNames, NamesAreTrimmedAndComparedInUpperCase) {
  EXPECT_EQ(ColorFromName("RED"), 255);
  EXPECT_EQ(ColorFromName("red"), 255);
  EXPECT_EQ(ColorFromName("  Red   "), 255);
  EXPECT_EQ(ColorFromName("BLUE"), 16711680);
  EXPECT_EQ(ColorFromName("lightblue"), 191 + 256 * 239 + 65536 * 255);
  EXPECT_EQ(ColorFromName("AMBER"), 255 + 256 * 191);
  EXPECT_EQ(ColorFromName("transparent"), TransparentColourName);
}

TEST(ColourNames, AnythingElseIsNoColour) {
  EXPECT_EQ(ColorFromName("REDD"), NoColourName);
  EXPECT_EQ(ColorFromName("LIGHT BLUE"), NoColourName);  // blanks inside count
  EXPECT_EQ(ColorFromName(""), NoColourName);
  EXPECT_EQ(ColorFromName("   "), NoColourName);
  EXPECT_EQ(ColorFromName("AQUAMARINE"), NoColourName);  // the table says AQUAMARIN
}

TEST(ColourNames, NumbersBecomeColoursRoundedHalfToEven) {
  EXPECT_EQ(ColourFromNumber(255), 255);
  EXPECT_EQ(ColourFromNumber(2.5), 2);
  EXPECT_EQ(ColourFromNumber(3.5), 4);
  EXPECT_EQ(ColourFromNumber(16777215.4), 16777215);
  EXPECT_EQ(ColourFromNumber(-0.4), 0);
}

TEST(ColourNames, NumbersOutsideTheColourRangeAreRefused) {
  EXPECT_FALSE(ColourFromNumber(-1));
  EXPECT_FALSE(ColourFromNumber(16777216));
  EXPECT_FALSE(ColourFromNumber(1e300));
  EXPECT_FALSE(ColourFromNumber(std::nan("")));
  EXPECT_FALSE(ColourFromNumber(INFINITY));
}

}  // namespace
}  // namespace morvane
