#pragma once
// What the fast engine keeps of one program store while levels run it: each
// logical line's decode (keyword, kind, positions) and each expression's
// compiled form. All of it is derived from the program text alone, which
// does not change while a level runs it (names are upper-cased in the store
// as they are scanned, which changes neither a keyword nor a token). It is
// made when the first level enters the store and dropped when the last one
// leaves, so an edit, a new RUN, a typed command or an instruction file
// always starts from nothing.

#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "core/Expression.h"
#include "exec/StatementKind.h"
#include "fast/CompiledExpression.h"
#include "fast/FastProcedures.h"
#include "fast/FastStatements.h"
#include "fast/PureFunction.h"
#include "prepare/LineTable.h"
#include "prepare/ProgramChars.h"

namespace morvane {

// One expression of the text, as the statements evaluate it.
struct ExpressionEntry {
  Position from = 0;
  Position to = 0;
  ExpressionModeKind mode = ExpressionModeKind::Get;
  bool literalOnly = false;  // it does not scan, or is too long: always literal
  bool compiled = false;     // `expression` holds its compiled form
  // While compiled: the value of an expression that is one number or
  // string alone (a loop's end such as 9999), which needs no replay.
  const Value* constant = nullptr;
  CompiledExpression expression;
  // Names whose values had another class than the compiler expected; the
  // next compilation expects these. After a few surprises the expression
  // stays literal.
  std::vector<std::pair<Position, char>> observedClasses;
  int recompilations = 0;
  // Whether the compiled form is tried on numbers alone first. Numeric
  // replays that gave up (a name that is no variable, a value the store
  // refuses) are counted: after a few the expression is always replayed in
  // full.
  static constexpr int MaxNumericMisses = 8;
  bool numericReady = false;
  int numericMisses = 0;
  void missedNumbers() {
    if (++numericMisses >= MaxNumericMisses) numericReady = false;
  }
};

// How the engine runs a line of a free run from its own line loop, never
// leaving it to the literal section; None leaves the line to the line loop
// of the executor. A control-flow statement has its step once its line is
// decoded (ControlDecode).
enum class FreeStep : std::uint8_t {
  None,
  Assignment,       // target = value
  ProcedureHeader,  // SUB / FUNCTION ...
  ProcedureEnd,     // END SUB / END FUNCTION ...
  // The control-flow statements, as ControlStatement names them; the DO and
  // LOOP forms with WHILE or UNTIL are one step.
  For, Next, JumpToPartner, NextLineOnly, If, ElseIf, Else, ConditionalLoop,
};

// The literal line loop's reading of one logical line.
struct LineDecode {
  bool decoded = false;
  FreeStep freeStep = FreeStep::None;
  StatementKind kind = StatementKind::Other;
  std::string keyword;
  Position keywordEnd = 0;
  Position lastPosition = 0;
  Position argumentStart = 0;
  bool controlDecoded = false;
  ControlDecode control;
  HeaderDecode header;  // a procedure header line's declarations
  std::vector<std::unique_ptr<ExpressionEntry>> expressions;
  ExpressionEntry* assignment = nullptr;  // an assignment line's expression, once evaluated
  std::unique_ptr<PureFunction> pure;     // a FUNCTION header's function, once called
};

class AcceleratedProgram {
 public:
  AcceleratedProgram(const ProgramChars& chars, const LineTable& lines);

  bool serves(const ProgramChars& chars, const LineTable& lines) const {
    return &chars == m_chars && &lines == m_lines;
  }
  const ProgramChars& chars() const { return *m_chars; }
  const LineTable& lines() const { return *m_lines; }

  // The decode of line s, or nullptr for a line outside the table.
  LineDecode* line(LineNumber s) {
    return (s >= 1 && s < m_lineCount) ? &m_decodes[static_cast<std::size_t>(s)] : nullptr;
  }

  // The entry of the expression from..to in this mode, evaluated on line s;
  // nullptr when the range does not lie on that line.
  ExpressionEntry* expression(LineNumber s, Position from, Position to, ExpressionModeKind mode);

  // The function whose header is line s, made on the first call: judged
  // pure or not when due (PureFunction.h). nullptr for a line outside the table.
  PureFunction* pureFunction(LineNumber s) {
    LineDecode* decode = line(s);
    if (decode == nullptr) return nullptr;
    if (decode->pure == nullptr) decode->pure = std::make_unique<PureFunction>(s);
    return decode->pure.get();
  }

  int activeLevels = 0;

 private:
  const ProgramChars* m_chars;
  const LineTable* m_lines;
  std::vector<LineDecode> m_decodes;
  LineNumber m_lineCount;  // the decodes' count, line 0's unused one included
};

}  // namespace morvane
