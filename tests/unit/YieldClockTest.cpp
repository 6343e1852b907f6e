#include "exec/YieldClock.h"

#include <gtest/gtest.h>

#include <chrono>

namespace morvane {
namespace {

TEST(YieldClockTest, ZeroIntervalMakesEveryLineDue) {
  YieldClock clock(YieldClock::Clock::duration::zero());
  for (int line = 0; line < 10; ++line) {
    EXPECT_TRUE(clock.lineDue());
    clock.restart();
  }
}

// However quick the lines and however far the stride grows, no yield comes
// before the interval has passed.
TEST(YieldClockTest, NoLineIsDueBeforeTheIntervalHasPassed) {
  YieldClock clock(std::chrono::hours(1));
  int due = 0;
  for (int line = 0; line < 200000; ++line) due += clock.lineDue() ? 1 : 0;
  EXPECT_EQ(due, 0);
}

}  // namespace
}  // namespace morvane
