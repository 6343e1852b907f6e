#pragma once
// What one statement section works with: the level's interpreter state, the
// shared workspace, the window, and what the line loop read of the current
// line. Also the three ways a statement completes.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/InterpreterState.h"
#include "core/RunState.h"
#include "exec/Completion.h"
#include "exec/Document.h"
#include "exec/Workspace.h"

namespace morvane {

class AcceleratedProgram;
struct HeaderDecode;


// How the line was entered. A procedure header reached with AtEntry is the
// procedure being entered; reached otherwise it ends the level.
enum class EntryFlag : int { AfterFalseJump = 0, InSequence = 1, AtEntry = 2 };

constexpr std::string_view CRLF = "\r\n";

// The most parameters a procedure may have.
constexpr std::int32_t MaxParameters = 100;

struct StatementContext {
  StatementContext(InterpreterState& s, Workspace& w, Document& d)
      : state(s), workspace(w), document(d) {
    namePositions[0] = 0;
  }

  InterpreterState& state;
  Workspace& workspace;
  Document& document;

  // The current line's keyword: a view of keywordText, or of what the
  // accelerator keeps of the line.
  std::string_view keyword;
  std::string keywordText;     // the keyword as the line loop read it (capacity reused line after line)
  Position keywordEnd = 0;     // its last character
  Position lastPosition = 0;   // the line's last significant character, 0 if none
  Position argumentStart = 0;  // the first character of the arguments, 0 if none
  RunState lineMode = RunState::Running;  // StepOne for single step and command mode
  EntryFlag entryFlag = EntryFlag::AtEntry;
  // What the workspace's accelerator keeps of this level's program; none
  // when every line of the level runs through the literal sections.
  AcceleratedProgram* accelerated = nullptr;
  // The accelerator's reading of the procedure header that bound this
  // level, when the accelerator bound it; nullptr otherwise.
  const HeaderDecode* boundHeader = nullptr;

  std::string currentName;     // the name read by the evaluator's last variable operation
  Value scratch;               // the evaluator's scratch value

  // A procedure level's own: the number of parameters bound at its header,
  // and where the names of the procedure (slot 0) and its parameters stand.
  // Only slots 0 to parameterCount are read: a header that binds writes
  // them all, and one that fails ends its level. The rest is left
  // unwritten, because a level begins with every call.
  std::int32_t parameterCount = 0;
  std::array<Position, MaxParameters + 1> namePositions;

  bool singleStep() const { return lineMode == RunState::StepOne; }
  bool commandMode() const { return document.runState == RunState::Command; }

  void print(std::string_view text) { document.protocol.displaytext(text); }

  // Next line: on to the following line (or a jump target), with the line
  // break of single step.
  Completion nextLine() { return jumpTo(state.currentLine + 1, EntryFlag::InSequence); }
  Completion jumpTo(LineNumber target, EntryFlag entry) {
    state.currentLine = target;
    entryFlag = entry;
    if (singleStep()) print(CRLF);
    return Completion::NextLine;
  }
  // Error exit with the given text.
  Completion fail(std::string_view text) {
    state.message.assign(text);
    return Completion::ErrorExit;
  }
};

}  // namespace morvane
