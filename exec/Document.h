#pragma once
// The interpreter's side of one document window: its protocol, its run state,
// its command history and input line, the top-level parts of its interpreter
// state, and its canvas settings. Slots of the document table are never
// destroyed while a run may still be on the stack: closing a window sets
// `free`, and the executor ends that window's run at its next check.

#include <cstdint>
#include <string>

#include "core/InterpreterState.h"
#include "core/RunState.h"
#include "core/Value.h"
#include "core/VariableTable.h"
#include "exec/ProtocolBuffer.h"
#include "graphics/DrawingState.h"

namespace morvane {

class DocumentHost;
class RunObserver;

struct Document {
  bool free = true;      // the slot holds no open window
  bool changed = false;  // the editor text differs from the file

  RunState runState = RunState::Idle;
  ProtocolBuffer protocol;
  std::string commandHistory;       // executed command lines, each ended by CR LF
  std::int32_t historyPosition = 0;  // where Up and Down walk in the history
  std::string inputLine;            // INPUT's prompt, then prompt and answer

  // The values handed to a top-level run.
  std::string message;
  Value resultValue;
  VariableTable localTable;
  ArgumentList argValues = ArgumentList(TopLevelArgumentSlots);
  std::int32_t argCount = 0;

  // Whether the last typed command ended by the error exit, even with no
  // text to show (a value the canvas refuses, a failure of the system).
  bool commandFailed = false;

  CanvasSettings canvasSettings;

  // Runs of this window still on the stack (a nested run of another window or
  // a procedure keeps its caller's frames alive): the slot is not reused
  // while any remain.
  std::int32_t activeRuns = 0;

  DocumentHost* host = nullptr;
  // Breakpoints and the variables view watch the window's runs through it
  // (none in the headless runner).
  RunObserver* observer = nullptr;
};

}  // namespace morvane
