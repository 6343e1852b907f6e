#pragma once
// When a free run yields to the window system. A yield lets Pause, Stop,
// Escape and the window's repaint in; it costs far more than a line, so a
// free run yields once a short interval has passed rather than at fixed
// places. Every line of every level counts, so a deep recursion such as
// PRINT FIB(27), whose lines never pass a loop head, yields as often as a
// loop does.
//
// Reading the clock is cheap but not free beside a fast line, so the clock
// is read only every so many lines: the stride grows while lines are quick
// and shrinks when they are slow. It stays small (MaxStride), because a run
// that turns from quick lines to slow ones (large drawings, long strings)
// looks at the clock again only after a whole stride of them.

#include <chrono>
#include <cstdint>

namespace morvane {

class YieldClock {
 public:
  using Clock = std::chrono::steady_clock;

  // Well below the 50 ms within which a key must be answered, and about as
  // often as a screen is redrawn, so the protocol grows smoothly.
  static constexpr std::chrono::milliseconds DefaultInterval{15};

  explicit YieldClock(Clock::duration interval = DefaultInterval) : m_interval(interval) { restart(); }

  // Counts one line of a free run; true when a yield is due.
  bool lineDue() {
    if (--m_linesLeft > 0) return false;
    const Clock::time_point now = Clock::now();
    if (now >= m_due) return true;
    adaptStride(now - m_lastLook);
    m_lastLook = now;
    m_linesLeft = m_stride;
    return false;
  }

  // After any yield the interval starts afresh.
  void restart() {
    m_lastLook = Clock::now();
    m_due = m_lastLook + m_interval;
    m_linesLeft = m_stride;
  }

 private:
  static constexpr Clock::duration LookPeriod = std::chrono::microseconds(500);
  static constexpr std::int32_t MaxStride = 32;

  void adaptStride(Clock::duration sinceLastLook) {
    if (sinceLastLook < LookPeriod / 2 && m_stride < MaxStride) {
      m_stride *= 2;
    } else if (sinceLastLook > LookPeriod * 2 && m_stride > 1) {
      m_stride /= 2;
    }
  }

  Clock::duration m_interval;
  Clock::time_point m_due;
  Clock::time_point m_lastLook;
  std::int32_t m_stride = 1;
  std::int32_t m_linesLeft = 1;
};

}  // namespace morvane
