#pragma once
// The run state of a document window. The numbers are the ones the window
// and the executor have always exchanged, so they are kept.

namespace morvane {

enum class RunState : int {
  WaitingForInput = -2,  // INPUT or LINEINPUT waits for the answer in the protocol
  Idle = -1,             // no program runs; the protocol accepts commands
  WaitingForStep = 0,    // single step: the highlighted line waits
  StepOne = 1,           // single step: execute one line
  Running = 2,           // running freely
  StopRequested = 3,     // stop requested
  Command = 4,           // executing a command typed in the protocol
};

constexpr int number(RunState s) { return static_cast<int>(s); }

}  // namespace morvane
