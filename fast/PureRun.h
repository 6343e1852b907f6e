#pragma once
// Runs functions that compute with numbers alone (PureFunction.h) as a
// whole: one outermost call from an expression the engine replays, and
// every call within it, on number slots. Frames and expressions take their
// slots one after another on a stack of their own; what the calls write
// into the argument list is kept slot by slot and written once, at the end.

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/Value.h"
#include "exec/StatementContext.h"
#include "exec/YieldClock.h"
#include "fast/NumberFunction.h"
#include "fast/NumberSlot.h"
#include "fast/PureFunction.h"

namespace morvane {

// One engine's runner of pure functions; its slots stay allocated from one
// call to the next.
class PureRun {
 public:
  enum class Outcome : std::uint8_t {
    Done,         // the call ended
    GaveUp,       // nothing visible has changed: the usual call is to be made
    Interrupted,  // a stop or a closed window ended it, as it would end the usual call
  };

  // Calls `function` for the level `caller` with the numbers in argument
  // slots 1 to n of its argument list, as CallProcedure's level would run
  // it. Done leaves the argument list as the level would leave it: the
  // slots every call within wrote, the end's values in slots 0 to n.
  // Interrupted leaves the message the levels would leave, decorated by
  // every call that was in progress. A run already in progress (the window
  // yielded, and another run called) gives up.
  Outcome call(StatementContext& caller, PureFunction& function);

 private:
  Outcome callOutermost(PureFunction& function);
  // Runs the function on the frame at `frame`: its result's slot, then its
  // parameters', which hold the arguments.
  Outcome callWithin(PureFunction& function, std::size_t frame);
  Outcome evaluate(const PureExpression& expression, std::size_t frame, NumberSlot& value);
  bool namesAbsent(PureFunction& function);

  // Counts a line on the yield clock, and yields when due.
  Outcome lineDue() { return m_clock->lineDue() ? yieldBeforeLine() : Outcome::Done; }
  Outcome yieldBeforeLine();

  // Slots on the stack: `count` more, from the index returned.
  std::size_t push(std::size_t count) {
    const std::size_t base = m_top;
    m_top += count;
    if (m_top > m_stack.size()) grow();
    return base;
  }
  void grow();
  NumberSlot* at(std::size_t index) { return m_stack.data() + index; }
  // A value written into argument slot `slot`.
  void write(std::size_t slot, const NumberSlot& value) {
    m_written[slot] = value;
    m_highestWritten = std::max(m_highestWritten, slot);
  }

  StatementContext* m_caller = nullptr;  // while a run is in progress
  InterpreterState* m_state = nullptr;
  // The slots of every frame and expression in progress, one after another.
  std::vector<NumberSlot> m_stack;
  std::size_t m_top = 0;
  // What the calls wrote into the argument list, slot by slot, the last
  // value of each.
  std::array<NumberSlot, MaxParameters + 1> m_written{};
  std::size_t m_highestWritten = 0;
  YieldClock* m_clock = nullptr;
  std::uint64_t m_globalGeneration = 0;
  std::string m_refusal;  // an operation's message, never shown: the usual call gives it
  NumberFunction m_numberFunction;  // a built-in function of one number
};

}  // namespace morvane
