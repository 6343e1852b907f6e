#include "core/IntegerConversion.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>

namespace morvane {
namespace {

constexpr double Infinity = std::numeric_limits<double>::infinity();

TEST(ToInteger, KeepsEveryNumberWithinTheRange) {
  EXPECT_EQ(ToInteger<std::int32_t>(0), 0);
  EXPECT_EQ(ToInteger<std::int32_t>(-0.0), 0);
  EXPECT_EQ(ToInteger<std::int32_t>(2147483647.0), 2147483647);
  EXPECT_EQ(ToInteger<std::int32_t>(-2147483648.0), std::numeric_limits<std::int32_t>::min());
  EXPECT_EQ(ToInteger<std::int32_t>(2.9), 2);  // a fraction left in is cut toward zero
  EXPECT_EQ(ToInteger<std::int32_t>(-2.9), -2);
  EXPECT_EQ(ToInteger<int>(1000), 1000);
  EXPECT_EQ(ToInteger<std::uint8_t>(255), 255);
  EXPECT_EQ(ToInteger<std::int64_t>(-9223372036854775808.0), std::numeric_limits<std::int64_t>::min());
}

TEST(ToInteger, GivesNothingBeyondTheRangeNorForNaNAndTheInfinities) {
  for (const double beyond : {2147483648.0, -2147483649.0, 1e300, -1e300, Infinity, -Infinity, std::nan("")}) {
    EXPECT_FALSE(ToInteger<std::int32_t>(beyond)) << beyond;
  }
  EXPECT_FALSE(ToInteger<std::uint8_t>(256));
  EXPECT_FALSE(ToInteger<std::uint8_t>(-1));
  EXPECT_FALSE(ToInteger<std::int64_t>(9223372036854775808.0));
  EXPECT_FALSE(ToInteger<std::int64_t>(std::nan("")));
}

}  // namespace
}  // namespace morvane
