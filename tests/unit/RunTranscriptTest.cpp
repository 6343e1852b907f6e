// A transcript must tell where two runs part, and what each did there: the
// differential fuzz target's reproducers say no more than this.

#include "comparison/RunTranscript.h"

#include <gtest/gtest.h>

#include <string>

namespace morvane {
namespace {

TEST(RunTranscriptTest, FirstDifferenceNamesTheLineAndBothVersions) {
  EXPECT_FALSE(FirstDifference("a\nb\n", "a\nb\n", "literal", "fast").has_value());
  // A difference inside a line shows the whole line of each.
  EXPECT_EQ(FirstDifference("one\nprint 42|3\nend\n", "one\nprint 43|3\nend\n", "literal", "fast"),
            "line 2 differs\nliteral: print 42|3\nfast: print 43|3\n");
  // A difference at the very start of a line.
  EXPECT_EQ(FirstDifference("x\ny\n", "x\nz\n", "literal", "fast"), "line 2 differs\nliteral: y\nfast: z\n");
  EXPECT_EQ(FirstDifference("a", "b", "literal", "fast"), "line 1 differs\nliteral: a\nfast: b\n");
  // One run said less than the other.
  EXPECT_EQ(FirstDifference("a\n", "a\nmore\n", "literal", "fast"), "line 2 differs\nliteral: (the end)\nfast: more\n");
}

TEST(RunTranscriptTest, VariablesShowNameKindAndValueUpToTheSlotLimit) {
  VariableTable locals;
  locals.records.push_back(VariableRecord{.name = "A", .suffix = '&'});
  locals.values.push_back(Value::fromLong(3));
  VariableTable globals;
  globals.records.push_back(VariableRecord{.name = "T", .suffix = '$'});
  globals.values.push_back(Value::fromString("hi"));
  EXPECT_EQ(DescribeVariables(locals, globals),
            "local variable A&\nlocal slot 1: L  3\nglobal variable T$\nglobal slot 1: S hi\n");

  // A huge array is cut short, the names stay.
  locals.values.resize(DescribedSlots + 50, Value::fromDouble(1.5));
  const std::string text = DescribeVariables(locals, VariableTable{});
  EXPECT_NE(text.find("local slot " + std::to_string(DescribedSlots) + ": D  1.5"), std::string::npos);
  EXPECT_EQ(text.find("local slot " + std::to_string(DescribedSlots + 1) + ":"), std::string::npos);
}

}  // namespace
}  // namespace morvane
