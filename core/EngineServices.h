#pragma once
// What the language core needs from the layers above it: the shared variable
// table, the run state of a window, the statement executor (a user procedure
// runs as a nested level), and the platform services the built-in functions
// use. The execution driver implements it; unit tests use small fakes.

#include <cstdint>
#include <string>
#include <string_view>

#include "core/RunState.h"
#include "core/VariableTable.h"

namespace morvane {

struct InterpreterState;

class EngineServices {
 public:
  virtual ~EngineServices() = default;

  // The global variables, shared by every window.
  virtual VariableTable& globalTable() = 0;

  // The run state of the window in the given slot.
  virtual RunState runState(std::int32_t windowIndex) = 0;

  // Runs logical lines from level.currentLine on as a nested level
  // (ExecuteStatement); the outcome is level.message.
  virtual void executeStatement(InterpreterState& level) = 0;

  // Writes text to the protocol of the window in the given slot.
  virtual void displaytext(std::int32_t windowIndex, std::string_view text) = 0;
};

}  // namespace morvane
