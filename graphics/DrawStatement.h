#pragma once
// One DRAW statement as the drawing section sees it: the program text and
// the positions of its arguments, the evaluator, and what it draws on and
// with. The executor's DRAW section (exec/DrawStatements) fills it in; tests
// fill it in with a recording canvas.

#include <string>
#include <string_view>

#include "core/Value.h"
#include "graphics/Canvas.h"
#include "graphics/DrawingState.h"
#include "prepare/ProgramChars.h"

namespace morvane {

// How the drawing section evaluates the expressions of its statement.
class DrawExpressions {
 public:
  virtual ~DrawExpressions() = default;
  // Evaluates the positions from..to (inclusive) read-only into `result`;
  // false when it failed, with the evaluator's text in `message`.
  [[nodiscard]] virtual bool evaluate(Position from, Position to, Value& result, std::string& message) = 0;
};

// How a drawing statement ended: done, or failed with its message. A value
// the canvas refuses (a line width below 1, a colour number outside
// 0..&HFFFFFF, a string where a number belongs) ends the statement with the
// message prepared so far, which is empty.
class [[nodiscard]] DrawResult {
 public:
  static DrawResult done() { return DrawResult(true, {}); }
  static DrawResult failed(std::string_view message) { return DrawResult(false, message); }
  static DrawResult refused() { return DrawResult(false, {}); }

  bool ok() const { return m_ok; }
  const std::string& message() const { return m_message; }

 private:
  DrawResult(bool ok, std::string_view message) : m_ok(ok), m_message(message) {}
  bool m_ok;
  std::string m_message;
};

struct DrawStatement {
  const ProgramChars& chars;
  std::string_view keyword;   // "DRAW COLOR", "DRAW LINE3", "DRAWCOORDINATES" ...
  Position argumentStart;     // the first character of the arguments, 0 if none
  Position lastPosition;      // the statement's last significant character
  DrawExpressions& expressions;
  CanvasSettings& settings;   // the window's canvas
  SharedDrawingState& shared;  // pens and user coordinates
  Canvas& canvas;
};

// Executes a statement whose keyword begins with "DRAW " or is "DRAW" or
// "DRAWCOORDINATES".
DrawResult ExecuteDrawStatement(const DrawStatement& statement);

}  // namespace morvane
