#include "exec/ConsoleStatements.h"

#include <string>
#include <string_view>

#include "core/Messages.h"
#include "core/NumberText.h"
#include "exec/Evaluation.h"
#include "exec/FileNameArgument.h"
#include "exec/FileTable.h"
#include "exec/Host.h"
#include "exec/StatementBuffer.h"
#include "exec/StatementKind.h"
#include "prepare/Scanning.h"

namespace morvane {

namespace {

// "#" before a file number.
constexpr char FileMark = '#';

bool isSeparator(char c) { return c == ';' || c == ','; }

// How the wait for the user's answer ended.
enum class Answer { Given, Interrupted, WindowClosed };

// Waits in the protocol until the user has typed the answer and pressed
// Enter: the key handlers append the answer to the window's input line and
// raise the run state. Stop or Escape raise it to "stop requested" instead.
// After an answer the run state is what it was before the wait.
Answer waitForAnswer(StatementContext& ctx) {
  Document& d = ctx.document;
  if (d.host != nullptr) d.host->enableProtocol();
  const RunState before = d.runState;
  d.runState = RunState::WaitingForInput;
  if (d.host != nullptr) d.host->focusProtocol();
  while (number(d.runState) <= 0) {
    ctx.workspace.yieldToSystem();
    // A window closed while it waits can never be answered.
    if (d.free) return Answer::WindowClosed;
  }
  if (d.runState == RunState::StopRequested) return Answer::Interrupted;
  d.runState = before;
  return Answer::Given;
}

// The end of a statement whose wait brought no answer.
Completion unanswered(StatementContext& ctx, Answer answer) {
  ctx.state.message.assign(answer == Answer::WindowClosed ? msg::Deleted : msg::ExecutionInterrupted);
  return Completion::PlainExit;
}

// The text on the protocol's last line, after its last line feed.
std::string lastProtocolLine(const Document& d) {
  const std::string& text = d.protocol.text();
  const std::size_t lineFeed = text.rfind(LF);
  return lineFeed == std::string::npos ? text : text.substr(lineFeed + 1);
}

// LINEINPUT variable: the line the user types goes into a string variable.
Completion lineFromKeyboard(StatementContext& ctx, Position from, Position to) {
  Document& d = ctx.document;
  // 1. A new protocol line in single step; no prompt.
  if (ctx.singleStep()) ctx.print(CRLF);
  d.inputLine.clear();

  // 2. The target always names a string variable.
  std::string assignment(ctx.state.programChars.range(from, to));
  if (assignment.back() != '$') assignment.push_back('$');

  // 3. The wait. Without a prompt of its own the answer is the whole
  // protocol line, which also holds whatever the program printed on it
  // before the wait (PRINT "Name? ";); that text is no part of the answer.
  const std::string printedBefore = lastProtocolLine(d);
  const Answer answer = waitForAnswer(ctx);
  if (answer != Answer::Given) return unanswered(ctx, answer);
  std::string_view typed = d.inputLine;
  if (typed.starts_with(printedBefore)) typed.remove_prefix(printedBefore.size());

  // 4. The line arrives unchanged, double quotes included.
  assignment += '=';
  assignment += QuotedLiteral(typed);
  if (!EvaluateInStatementBuffer(ctx, assignment)) return Completion::ErrorExit;

  // 5. The trace.
  if (ctx.singleStep()) ctx.print(InputTrace(ctx));
  return ctx.nextLine();
}

// LINEINPUT [#]n, variable {, variable}: one line of file n per variable.
Completion linesFromFile(StatementContext& ctx, Position a, Position separator, Position e) {
  InterpreterState& s = ctx.state;
  const ProgramChars& chars = s.programChars;

  // 1. The file number.
  const Position numberStart = chars.at(a) == FileMark ? a + 1 : a;
  if (!EvaluateGet(ctx, numberStart, separator - 1)) return Completion::ErrorExit;
  const std::int32_t fileNumber = FileNumberOf(s.resultValue.number());

  // 2. Each variable, as written, receives the next line.
  std::string line;
  std::string assignment;
  Position p = separator + 1;
  while (p <= e) {
    const Position next = FindSeparator(chars, p, e);
    const Position last = next > 0 ? next - 1 : e;
    switch (ctx.workspace.files().readLine(fileNumber, line)) {
      case LineRead::Read:
        break;
      case LineRead::NotReadable:
        return ctx.fail(msg::CannotReadFile);
      case LineRead::EndOfFile:
        return ctx.fail(msg::EndOfFileReached);
    }
    assignment.assign(chars.range(p, last));
    assignment += '=';
    assignment += QuotedLiteral(line);
    if (!EvaluateInStatementBuffer(ctx, assignment)) return Completion::ErrorExit;
    if (ctx.singleStep()) ctx.print(InputTrace(ctx));
    if (next == 0) break;
    p = next + 1;
  }
  return ctx.nextLine();
}

}  // namespace

Completion ExecuteConsoleStatement(StatementContext& ctx) {
  const std::string_view keyword = ctx.keyword;
  if (keyword == "PRINT") return ExecutePrint(ctx);
  if (keyword == "INPUT") return ExecuteInput(ctx);
  if (keyword == "LINEINPUT") return ExecuteLineInput(ctx);
  if (keyword == "OPEN") return ExecuteOpen(ctx);
  return ExecuteClose(ctx);
}

Completion ExecutePrint(StatementContext& ctx) {
  InterpreterState& s = ctx.state;
  const ProgramChars& chars = s.programChars;
  FileTable& files = ctx.workspace.files();
  const Position e = ctx.lastPosition;

  // 1. Without arguments there are no items, only the line end.
  Position p = ctx.argumentStart > 0 ? ctx.argumentStart : e + 1;
  bool fileOut = false;
  std::int32_t fileNumber = 0;
  if (ctx.singleStep()) ctx.print(CRLF);

  // What PRINT # wrote reaches the file when the statement ends, also when
  // an item fails, so that any later reader sees it.
  auto writeThrough = [&] { return !fileOut || files.flush(fileNumber); };

  // 2. Item by item. An item followed by ";" is joined to the next; any
  // other item is followed by a blank.
  std::string text;
  while (p <= e) {
    const Position separator = FindSeparator(chars, p, e);
    const Position itemEnd = separator > 0 ? separator - 1 : e;
    const std::string_view trailer = (separator > 0 && chars.at(separator) == ';') ? "" : " ";
    const Position first = FirstNonBlank(chars, p, itemEnd);

    if (!fileOut && first > 0 && chars.at(first) == FileMark) {
      // 3. The first item that begins with "#" sends the rest to that file.
      if (!EvaluateGet(ctx, first + 1, itemEnd)) return Completion::PlainExit;
      fileNumber = FileNumberOf(s.resultValue.number());
      fileOut = true;
    } else {
      // 4. A String as it stands, a number as its number text.
      if (!EvaluateGet(ctx, p, itemEnd)) {
        (void)writeThrough();
        return Completion::PlainExit;
      }
      text = NumberText(s.resultValue);
      text += trailer;
      if (fileOut) {
        if (!files.write(fileNumber, text)) return ctx.fail(msg::CannotWriteFile);
      } else {
        ctx.print(text);
      }
    }
    // 5. On after the separator.
    p = itemEnd + 2;
  }

  // 3. A statement that does not end with ";" or "," ends the line.
  if (!isSeparator(chars.at(e))) {
    if (!fileOut) {
      ctx.print(CRLF);
    } else if (!files.write(fileNumber, CRLF)) {
      return ctx.fail(msg::CannotWriteFile);
    }
  }
  if (!writeThrough()) return ctx.fail(msg::CannotWriteFile);
  return ctx.nextLine();
}

Completion ExecuteInput(StatementContext& ctx) {
  const ProgramChars& chars = ctx.state.programChars;
  const Position e = ctx.lastPosition;

  // 1. At least one variable.
  if (ctx.argumentStart == 0) return ctx.fail(msg::UseVariableForInput);
  if (ctx.singleStep()) ctx.print(CRLF);

  std::string& inputLine = ctx.document.inputLine;
  Position p = ctx.argumentStart;
  for (;;) {
    // 2.1 The variable runs to the next "," or ";".
    const Position separator = FindSeparator(chars, p, e);
    const Position last = separator > 0 ? separator - 1 : e;

    // 2.2 The prompt: the variable as written, then "=". The input line
    // holds it, so the answer is found after it on the protocol line.
    inputLine.clear();
    for (Position i = p; i <= last; ++i) {
      const char c = chars.at(i);
      ctx.print(std::string_view(&c, 1));
      inputLine.push_back(c);
    }
    ctx.print("=");
    inputLine.push_back('=');

    // 2.3, 2.4 The wait.
    const Answer answer = waitForAnswer(ctx);
    if (answer != Answer::Given) return unanswered(ctx, answer);

    // 2.5 Prompt and answer form the assignment: the answer is an
    // expression (2*3 gives 6; a string is typed in quotes).
    if (!EvaluateInStatementBuffer(ctx, inputLine)) return Completion::ErrorExit;

    // 2.6 The trace.
    if (ctx.singleStep()) ctx.print(InputTrace(ctx));

    // 2.7 The next variable.
    p = last + 2;
    if (p > e) break;
    p = FirstNonBlank(chars, p, e);
    if (p == 0) break;
  }
  return ctx.nextLine();
}

Completion ExecuteLineInput(StatementContext& ctx) {
  const Position a = ctx.argumentStart;
  const Position e = ctx.lastPosition;
  // 1. At least one argument. A ":" right after the keyword ends the
  // statement before its first character (a > e): no argument either.
  if (a == 0 || a > e) return ctx.fail(msg::UseTwoArgumentsForLineInput);
  // 2. One argument reads the keyboard, more read a file.
  const Position separator = FindSeparator(ctx.state.programChars, a, e);
  if (separator == 0) return lineFromKeyboard(ctx, a, e);
  return linesFromFile(ctx, a, separator, e);
}

Completion ExecuteOpen(StatementContext& ctx) {
  InterpreterState& s = ctx.state;
  const ProgramChars& chars = s.programChars;
  const Position a = ctx.argumentStart;
  const Position e = ctx.lastPosition;
  if (a == 0) return ctx.fail(msg::FilenameIncorrect);

  // 1. The name ends before FOR, or before AS when there is no FOR.
  Position nameEnd = FindWord(chars, a, e, clause::For) - 1;
  if (nameEnd < 0) nameEnd = FindWord(chars, a, e, clause::As) - 1;

  // 2., 3. A String, or the name as written without quotes.
  const std::string name = TakeFileName(ctx, a, nameEnd, UnquotedName::BlanksDropped);
  if (name.empty()) return ctx.fail(msg::FilenameIncorrect);

  // 4. The number follows AS, with or without "#".
  const Position as = FindWord(chars, nameEnd, e, clause::As);
  Position numberStart = as > 0 ? FirstNonBlank(chars, as + 2, e) : 0;
  if (numberStart == 0) return ctx.fail(msg::FilenumberIncorrect);
  if (chars.at(numberStart) == FileMark) ++numberStart;
  if (!EvaluateGet(ctx, numberStart, e)) return Completion::ErrorExit;
  const std::int32_t fileNumber = FileNumberOf(s.resultValue.number());
  if (!FileTable::isProgramNumber(fileNumber)) return ctx.fail(msg::FilenumberIncorrect);

  // 5. The number is free again.
  FileTable& files = ctx.workspace.files();
  (void)files.close(fileNumber);

  // 6., 7. The mode word stands between the name and the number.
  s.message.assign(msg::CannotOpenFile);
  FileMode mode;
  if (FindWord(chars, a, numberStart, clause::Input) > 0) {
    mode = FileMode::Input;
  } else if (FindWord(chars, a, numberStart, clause::Output) > 0) {
    mode = FileMode::Output;
  } else if (FindWord(chars, a, numberStart, clause::Append) > 0) {
    mode = FileMode::Append;
  } else {
    return ctx.fail(msg::UseOpenMode);
  }

  // 8. The file is opened, or the prepared text says it could not be.
  if (!files.open(fileNumber, name, mode)) return Completion::ErrorExit;
  s.message.clear();
  return ctx.nextLine();
}

Completion ExecuteClose(StatementContext& ctx) {
  InterpreterState& s = ctx.state;
  const ProgramChars& chars = s.programChars;
  const Position a = ctx.argumentStart;
  const Position e = ctx.lastPosition;

  if (a == 0) return ctx.fail(msg::FilenumberIncorrect);

  // 1. The number, with or without "#".
  const Position numberStart = chars.at(a) == FileMark ? a + 1 : a;
  if (!EvaluateGet(ctx, numberStart, e)) return Completion::ErrorExit;

  // 2. Closing writes out what is buffered; a number that is not open is
  // left as it is.
  s.message.assign(msg::CannotCloseFile);
  if (!ctx.workspace.files().close(FileNumberOf(s.resultValue.number()))) return Completion::ErrorExit;
  s.message.clear();
  return ctx.nextLine();
}

}  // namespace morvane
