#include "exec/RunControl.h"

#include <cctype>

#include "core/Messages.h"
#include "exec/ExecuteStatement.h"
#include "exec/Host.h"
#include "exec/RunControlStatements.h"
#include "exec/RunObserver.h"
#include "exec/StatementContext.h"
#include "prepare/Scanning.h"
#include "prepare/StructureCheck.h"

namespace morvane {

namespace {

// The command history stops growing once it is longer than this.
constexpr std::size_t HistoryLimit = 63000;

bool startsWithIgnoringCase(std::string_view text, std::string_view prefix) {
  if (prefix.size() > text.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i) {
    if (upperChar(text[i]) != upperChar(prefix[i])) return false;
  }
  return true;
}

}  // namespace

bool LampForRunState(RunState state, Lamp& lamp) {
  if (number(state) < 1) {
    lamp = Lamp::Green;
  } else if (state == RunState::StepOne) {
    lamp = Lamp::Yellow;
  } else if (state == RunState::Running) {
    lamp = Lamp::Red;
  } else {
    return false;
  }
  return true;
}

void RunControl::showLamp(Document& d) {
  Lamp lamp;
  if (d.host != nullptr && LampForRunState(d.runState, lamp)) d.host->setLamp(lamp);
}

// ---- Protocol keys -----------------------------------------------------------

void RunControl::Text2_KeyDown(KeyCode keyCode, int shift) {
  (void)shift;
  Document& d = document();
  if (d.free) return;

  // 1. Escape, in every run state: clear the screen and the variables.
  if (keyCode == KeyCode::Escape) {
    ResetInterpreter(m_workspace, d, d.localTable);
    d.protocol.displaytext(msg::ClearScreenAndVariables);
    d.protocol.displaytext(CRLF);
  }
  // 2. Ctrl-Break, in every run state: the pens and coordinates start afresh.
  if (keyCode == KeyCode::CtrlBreak) m_workspace.drawing().reset();

  // 3. Then by run state.
  switch (d.runState) {
    case RunState::Idle:
      switch (keyCode) {
        case KeyCode::F8Go:
          d.runState = RunState::StepOne;
          d.protocol.displaytext(msg::GoEcho);
          Text2_KeyPress(static_cast<int>(KeyAscii::SimulatedEnter));
          break;
        case KeyCode::F5Run:
          d.runState = RunState::Running;
          d.protocol.displaytext(msg::RunEcho);
          Text2_KeyPress(static_cast<int>(KeyAscii::SimulatedEnter));
          break;
        case KeyCode::Up:
          recallPrevious(d);
          break;
        case KeyCode::Down:
          recallNext(d);
          break;
        case KeyCode::Left: {
          // The caret never enters the previous line.
          std::int32_t caret = d.protocol.cursor();
          if (caret > 0) {
            --caret;
            if (d.protocol.at(caret + 1) == LF) ++caret;
          }
          d.protocol.setCursor(caret);
          d.protocol.refresh();
          break;
        }
        case KeyCode::Right:
          d.protocol.setCursor(d.protocol.cursor() + 1);
          d.protocol.refresh();
          break;
        case KeyCode::End:
        case KeyCode::Enter:
          d.protocol.setCursor(d.protocol.length());
          d.protocol.refresh();
          break;
        case KeyCode::Home: {
          std::int32_t caret = d.protocol.cursor();
          while (caret > 0 && d.protocol.at(caret) != LF) --caret;
          d.protocol.setCursor(caret);
          d.protocol.refresh();
          break;
        }
        default:
          break;
      }
      break;
    case RunState::WaitingForStep:
      if (keyCode == KeyCode::F8Go || keyCode == KeyCode::Enter) d.runState = RunState::StepOne;
      if (keyCode == KeyCode::F5Run) d.runState = RunState::Running;
      if (keyCode == KeyCode::Escape || keyCode == KeyCode::CtrlBreak) d.runState = RunState::StopRequested;
      break;
    case RunState::Running:
      if (keyCode == KeyCode::Pause) d.runState = RunState::StepOne;
      if (keyCode == KeyCode::Escape || keyCode == KeyCode::CtrlBreak) d.runState = RunState::StopRequested;
      break;
    case RunState::WaitingForInput:
      if (keyCode == KeyCode::Escape || keyCode == KeyCode::CtrlBreak) d.runState = RunState::StopRequested;
      if (keyCode == KeyCode::F8Go || keyCode == KeyCode::F5Run) Text2_KeyPress(static_cast<int>(KeyAscii::Enter));
      break;
    case RunState::StepOne:
    case RunState::StopRequested:
    case RunState::Command:
      break;
  }

  // 4. The lamp follows the run state, unless the window has gone.
  if (d.message != msg::Deleted) showLamp(d);
}

// ---- Command history ------------------------------------------------------------

// Removes the typed input line from the end of the protocol and puts the
// caret at the end.
void RunControl::eraseInputLine(Document& d) {
  while (d.protocol.length() >= 2 && d.protocol.at(d.protocol.length()) != LF) d.protocol.removeLast();
  d.protocol.setCursor(d.protocol.length());
  d.protocol.refresh();
}

// Writes the history line starting at 1-based position `from`, up to its CR.
void RunControl::writeHistoryLine(Document& d, std::int32_t from) {
  const std::string& history = d.commandHistory;
  for (auto i = static_cast<std::size_t>(from - 1); i < history.size() && history[i] != CR; ++i) {
    d.protocol.displaytext(std::string_view(&history[i], 1));
  }
}

void RunControl::recallPrevious(Document& d) {
  const std::string& history = d.commandHistory;
  if (d.historyPosition <= 0) {
    d.historyPosition = 0;
    return;
  }
  std::int32_t p = std::min<std::int32_t>(d.historyPosition - 1, static_cast<std::int32_t>(history.size()));
  while (p >= 1 && history[static_cast<std::size_t>(p - 1)] != LF) --p;
  d.historyPosition = p;
  eraseInputLine(d);
  writeHistoryLine(d, d.historyPosition + 1);
}

void RunControl::recallNext(Document& d) {
  const std::string& history = d.commandHistory;
  const auto length = static_cast<std::int32_t>(history.size());
  std::int32_t p = d.historyPosition + 1;
  while (p <= length && history[static_cast<std::size_t>(p - 1)] != LF) ++p;
  eraseInputLine(d);
  if (p >= length - 2) {
    d.historyPosition = length;
    return;
  }
  d.historyPosition = p;
  writeHistoryLine(d, p + 1);
}

// ---- Typing and Enter -----------------------------------------------------------

void RunControl::Text2_KeyPress(int keyAscii) {
  Document& d = document();
  if (d.free) return;
  const bool isCharacter = keyAscii >= 32 && keyAscii <= 255;
  const bool isEditing = keyAscii == static_cast<int>(KeyAscii::Backspace) ||
                         keyAscii == static_cast<int>(KeyAscii::CtrlQ);
  const bool isEnter = keyAscii == static_cast<int>(KeyAscii::Enter);
  const char typed = static_cast<char>(keyAscii);

  if ((isCharacter || isEditing) && d.runState == RunState::Idle) {
    // 1. Typed characters are echoed.
    d.protocol.displaytext(std::string_view(&typed, 1));
  } else if ((isEnter && d.runState == RunState::Idle) ||
             keyAscii == static_cast<int>(KeyAscii::SimulatedEnter)) {
    // 2. Enter executes the command line.
    executeCommandLine();
    if (d.message == msg::Deleted) return;
  } else if (isEnter && d.runState == RunState::WaitingForInput) {
    // 3. Enter while INPUT waits: the answer is taken.
    takeAnswer(d);
  } else if (isEnter) {
    // 4. Enter in any other state is ignored.
  } else if (d.runState == RunState::WaitingForInput && (isCharacter || isEditing)) {
    // 5. The answer is typed.
    d.protocol.displaytext(std::string_view(&typed, 1));
  }
  // 6. The lamp follows the run state.
  showLamp(d);
}

// The answer is what follows the prompt (or the line's start) on the
// protocol's last line.
void RunControl::takeAnswer(Document& d) {
  const std::string& t = d.protocol.text();
  const auto n = static_cast<std::int32_t>(t.size());
  if (n == 0) return;
  std::int32_t p = n;
  while (p >= 1) {
    const std::string_view rest(t.data() + (p - 1), static_cast<std::size_t>(n - p + 1));
    if (!d.inputLine.empty() && startsWithIgnoringCase(rest, d.inputLine)) break;
    if (t[static_cast<std::size_t>(p - 1)] == LF) {
      ++p;
      break;
    }
    --p;
  }
  if (p < 1) p = 1;
  const std::int32_t from = p + static_cast<std::int32_t>(d.inputLine.size());
  if (from <= n) d.inputLine.append(t, static_cast<std::size_t>(from - 1), std::string::npos);
  d.runState = RunState::Running;
}

// ---- Executing a command line ------------------------------------------------------

void RunControl::executeCommandLine() {
  Document& d = document();
  // 1. The line is ended.
  d.protocol.displaytext(CRLF);

  // 2. The command line is the protocol's last line, without the CR LF.
  ProgramChars chars(d.protocol.text());
  const Position n = chars.size();
  if (n - 2 < 1) {
    // Nothing to execute: the line is empty, or the protocol was emptied at
    // its limit between the echo and its line end. No run was started, so
    // the window is idle again (F5 and F8 leave it running otherwise, deaf
    // to every key).
    d.runState = RunState::Idle;
    return;
  }
  Position commandStart = 1;
  for (Position p = n - 2; p >= 1; --p) {
    if (chars.at(p) == LF) {
      commandStart = p + 1;
      break;
    }
  }

  // 3. It joins the command history.
  for (Position p = commandStart; p <= n - 2 && d.commandHistory.size() <= HistoryLimit; ++p) {
    d.commandHistory.push_back(chars.at(p));
  }
  d.commandHistory.append(CRLF);
  d.historyPosition = static_cast<std::int32_t>(d.commandHistory.size());

  // 4. A line table of one logical line, ended by the final CR.
  LineTable lines(3);
  (void)lines.setLineStart(1, commandStart);
  (void)lines.setLineStart(2, n - 1);
  (void)lines.setLineStart(3, 0);
  lines.lastLine = 1;
  Position keywordEnd = 0;
  const std::string keyword = StatementKeyword(chars, lines, 1, keywordEnd);

  if (keyword != "RUN" && keyword != "GO") {
    // 5. Anything else runs at once in command mode. The message of an
    // earlier command is not carried into this one.
    d.runState = RunState::Command;
    d.message.clear();
    d.commandFailed = false;
    InterpreterState state{chars, lines, 1, d.message, d.resultValue, d.localTable,
                           d.argValues, d.argCount, m_windowIndex, m_workspace};
    ExecuteStatement(state, m_workspace);
    if (d.message == msg::Deleted) return;
    // A command that failed without a text still ends its line, so the next
    // command does not join it.
    if (!d.message.empty() || d.commandFailed) {
      d.protocol.displaytext(d.message);
      d.protocol.displaytext(" ");
      d.protocol.displaytext(CRLF);
    }
    d.runState = RunState::Idle;
    return;
  }

  // 6. RUN and GO (also after F5 and F8) run the editor's program.
  if (d.runState == RunState::Idle) d.runState = RunState::Running;
  if (keyword == "GO") d.runState = RunState::StepOne;
  if (d.host != nullptr) d.host->setLamp(d.runState == RunState::StepOne ? Lamp::Yellow : Lamp::Red);
  runEditorProgram(d);
}

// ---- Running the editor program ---------------------------------------------------------

void RunControl::runEditorProgram(Document& d) {
  // 1. The store: the editor text, then CR, then CR.
  const std::string editorText = d.host != nullptr ? d.host->editorText() : std::string();
  ProgramChars chars = ProgramChars::forProgram(editorText);
  // 2. The line table, sized by the text's line ends and colons.
  LineTable lines(lineTableCapacity(editorText));
  // 3. Split and check.
  d.message = CheckProgramStructure(chars, lines);
  if (!d.message.empty()) ReportStructureFault(d, d.message);
  // 4. A sound program runs with the editor locked.
  if (d.message.empty()) {
    if (d.host != nullptr) {
      d.host->setEditorLocked(true);
      // The keys that step, pause and stop the run are the protocol's: it
      // takes the focus, also from the editor where F5 or F8 was pressed.
      if (d.host->protocolVisible()) d.host->focusProtocol();
    }
    std::int32_t argCount = d.argCount;
    InterpreterState state{chars, lines, 1, d.message, d.resultValue, d.localTable,
                           d.argValues, argCount, m_windowIndex, m_workspace};
    ExecuteStatement(state, m_workspace);
    if (d.message == msg::Deleted) return;
  }
  // 5. The structure error or the outcome of the run.
  if (!d.message.empty()) {
    d.protocol.displaytext(d.message);
    d.protocol.displaytext(CRLF);
  }
  // 6. Back to idle.
  if (d.host != nullptr) {
    d.host->enableProtocol();
    d.host->setEditorLocked(false);
    if (d.host->protocolVisible()) d.host->focusProtocol();
  }
  d.runState = RunState::Idle;
  if (d.host != nullptr) d.host->setLamp(Lamp::Green);
}

}  // namespace morvane
