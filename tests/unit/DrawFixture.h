#pragma once
// Runs DRAW statements as the executor's DRAW section does, with the real
// expression evaluator, on a canvas the test chooses (a recording canvas, or
// the raster canvas in the Qt tests), and keeps the window's canvas settings
// and the shared pens and coordinates for the test to look at.

#include <string>
#include <string_view>

#include "ExpressionFixture.h"
#include "graphics/DrawStatement.h"
#include "graphics/RecordingCanvas.h"

namespace morvane::testing {

class DrawFixture : public ExpressionFixture {
 protected:
  class Expressions final : public DrawExpressions {
   public:
    explicit Expressions(DrawFixture& f) : m_f(f) {}
    bool evaluate(Position from, Position to, Value& value, std::string& text) override {
      EvaluateExpression(m_f.state, from, to, m_f.currentName, m_f.scratch, ExpressionMode::get(), m_f.runState);
      value = m_f.result;
      text = m_f.message;
      return text.empty();
    }

   private:
    DrawFixture& m_f;
  };

  DrawFixture() {
    settings.font = CanvasFont{"Courier New", 10, false, false, false};
  }

  // Runs one statement on `canvas` and answers its message: "" when it was
  // done, otherwise its failure text ("(refused)" for the empty text of a
  // value the canvas refuses).
  std::string draw(std::string_view statement, Canvas& canvas) {
    load({std::string(statement)});
    Position keywordEnd = 0;
    std::string keyword = StatementKeyword(chars, lines, 1, keywordEnd);
    if (keyword == "DRAW COORDINATES") keyword = "DRAWCOORDINATES";
    const Position to = lines.lineStart(2) - 1;
    const Position last = StatementEnd(chars, lines.lineStart(1), to);
    const Position argumentStart = FirstNonBlank(chars, keywordEnd + 1, to);
    Expressions expressions(*this);
    const DrawStatement s{chars, keyword, argumentStart, last, expressions, settings, shared, canvas};
    const DrawResult outcome = ExecuteDrawStatement(s);
    if (outcome.ok()) return {};
    return outcome.message().empty() ? std::string("(refused)") : outcome.message();
  }
  std::string draw(std::string_view statement) { return draw(statement, recording); }

  // Sets a variable for the statements to use.
  void let(std::string_view assignment) {
    evaluate(assignment, ExpressionMode::set());
    ASSERT_EQ(message, "") << assignment;
  }

  CanvasSettings settings;
  SharedDrawingState shared;
  RecordingCanvas recording;
};

}  // namespace morvane::testing
