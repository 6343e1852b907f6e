#pragma once
// The three ways a statement completes.

namespace morvane {

enum class [[nodiscard]] Completion {
  NextLine,   // the loop continues at state.currentLine
  ErrorExit,  // state.message holds the error text; it is decorated and the level returns
  PlainExit,  // the level returns with state.message as it is
};

}  // namespace morvane
