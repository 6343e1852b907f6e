#pragma once
// An interpreter level for evaluating expressions in tests: a character
// store, a line table, the local and global variables, and a fake engine
// whose executeStatement plays the procedures a test defines.

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "core/EngineServices.h"
#include "core/Expression.h"
#include "core/InterpreterState.h"
#include "core/NumberText.h"
#include "prepare/Scanning.h"

namespace morvane::testing {

class FakeEngine final : public EngineServices {
 public:
  VariableTable& globalTable() override { return globals; }
  RunState runState(std::int32_t) override { return windowRunState; }
  void executeStatement(InterpreterState& level) override {
    entries.push_back(level.currentLine);
    if (procedure) procedure(level);
  }
  void displaytext(std::int32_t, std::string_view text) override { protocol += text; }

  double secondsSinceMidnight() override { return seconds; }
  std::string timeOfDayText() override { return time; }
  std::string dateText() override { return date; }
  std::string inputBox(std::string_view prompt, std::string_view caption) override {
    prompts.emplace_back(prompt);
    lastCaption = caption;
    return answer;
  }

  VariableTable globals;
  RunState windowRunState = RunState::Running;
  // Plays the procedure whose header line is level.currentLine.
  std::function<void(InterpreterState&)> procedure;
  std::vector<LineNumber> entries;
  std::string protocol;

  double seconds = 45296.7;
  std::string time = "12:34:56";
  std::string date = "08.12.2026";
  std::string answer = "typed";
  std::vector<std::string> prompts;
  std::string lastCaption;
};

// One program level. A test either evaluates a text of its own (the store is
// then that text and CR LF, as for a command typed in the protocol) or loads
// a program and evaluates its lines.
class ExpressionFixture : public ::testing::Test {
 protected:
  ExpressionFixture() { args.resize(TopLevelArgumentSlots); }

  // Evaluates the whole of text, placed after the loaded program if there is
  // one; state.message tells how it ended.
  void evaluate(std::string_view text, ExpressionMode mode = ExpressionMode::get()) {
    chars = ProgramChars(programStore + std::string(text) + "\r\n");
    const auto start = static_cast<Position>(programStore.size()) + 1;
    EvaluateExpression(state, start, start + static_cast<Position>(text.size()) - 1, currentName,
                       scratch, mode, runState);
  }

  // The outcome of evaluating text: the message if there is one, else the
  // value: a number as its number text, a string in double quotes.
  std::string shows(std::string_view text, ExpressionMode mode = ExpressionMode::get()) {
    evaluate(text, mode);
    if (!message.empty()) return message;
    if (result.isString()) return "\"" + result.text() + "\"";
    return NumberText(result);
  }

  // Loads a program (lines joined with CR LF) and cuts it into logical lines.
  void load(const std::vector<std::string>& programLines) {
    std::string text;
    for (const std::string& line : programLines) text += line + "\r\n";
    chars = ProgramChars::forProgram(text);
    lines.dimension(lineTableCapacity(text));
    ASSERT_EQ(SplitProgram(chars, lines), "");
    programStore = chars.text();
  }

  // Evaluates logical line s of the loaded program, up to its last significant character.
  std::string showsLine(LineNumber s, ExpressionMode mode = ExpressionMode::get()) {
    const Position end = StatementEnd(chars, lines.lineStart(s), lines.lineStart(s + 1) - 1);
    EvaluateExpression(state, lines.lineStart(s), end, currentName, scratch, mode, runState);
    if (!message.empty()) return message;
    if (result.isString()) return "\"" + result.text() + "\"";
    return NumberText(result);
  }

  FakeEngine engine;
  std::string programStore;  // the loaded program's store, "" when none
  ProgramChars chars;
  LineTable lines{10};
  std::string message;
  Value result;
  VariableTable locals;
  ArgumentList args;
  std::int32_t argCount = 0;
  InterpreterState state{chars, lines, 1, message, result, locals, args, argCount, 0, engine};
  std::string currentName;
  Value scratch;
  RunState runState = RunState::Running;
};

}  // namespace morvane::testing
