#pragma once
// A FUNCTION that computes with numbers alone, run whole on number slots.
//
// Most recursive functions (FIB, BINOM, GCD, ACKERMANN) read nothing but
// their parameters, write nothing but their result and parameters, and
// compute with numbers: their header binds numbers, their lines are
// assignments, IF blocks and the end, and their expressions read the
// function's own variables and call such functions. A call of one changes
// nothing anybody sees but what it hands back: the argument list's slots,
// the result, the variables of bare arguments. Its own table is emptied at
// its end, and its levels come and go.
//
// Such a function is run here as a whole, call within call, on number
// slots instead of tables and levels (PureRun.h): every line does what the
// engine's own line loop would do with it, in the same order, counts on the
// yield clock and yields when due. Whatever goes another way (an operation
// that fails, a value a variable refuses, a call nested too deeply, a yield
// after which the run is no longer free) gives the whole outermost call up
// before anything visible has changed, and the call is made again the usual
// way, which meets the same values and gives the same message. Only the
// time spent differs.
//
// This file holds a function's form and how it is judged.

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "exec/StatementContext.h"
#include "fast/NumberSlot.h"
#include "prepare/LineTable.h"

namespace morvane {

class AcceleratedProgram;
class PureFunction;
struct LineDecode;

// A slot of a pure expression's value array (as in CompiledExpression).
using PureSlot = std::int16_t;

// What judging a function, a line or an expression found.
enum class PureJudgement : std::uint8_t {
  Pure,     // it computes with numbers alone
  NotYet,   // a line of it has not run yet: judged again later
  NotPure,  // it does something else
};

class VariableReference;
struct ProcedureHeader;

// How the names of a pure function's expressions are found.
class PureNames {
 public:
  virtual ~PureNames() = default;
  // The frame variable (0 the result, 1 to n the parameters) a name without
  // arguments reads, -1 when it is none of them.
  virtual int variable(const VariableReference& name) const = 0;
  // The function a name with arguments calls.
  virtual PureJudgement callee(const ProcedureHeader& header, int argumentCount, PureFunction*& function) = 0;
};

// A call inside a pure expression.
struct PureCall {
  PureFunction* callee = nullptr;
  std::string name;  // the callee's name, as a variable would carry it
  std::vector<PureSlot> argumentSlots;
  // Arguments written as bare names of the frame's variables: after the
  // call, the variable (its index in the frame) takes the parameter's final
  // value from argument slot `slot`.
  struct BareArgument {
    std::size_t slot = 0;
    int variable = 0;
  };
  std::vector<BareArgument> bareArguments;
  // The variable of the calling frame that has the callee's name (a
  // function calling itself names its own result), -1 for none: arguments
  // that index that scalar (all of them 0) read it instead of calling.
  int variable = -1;
};

// An expression of a pure function, as its numeric replay would compute it,
// with the function's variables read from the frame and calls made here.
struct PureExpression {
  enum class Code : std::uint8_t {
    Read, Call, Floor, TowardZero, Builtin, Negate, Power, Product, Quotient, Sum, Compare, AndOr, Not,
  };
  struct Step {
    Code code = Code::Read;
    char op = ' ';   // the operator's class, for comparisons and AND/OR
    PureSlot a = 0;  // the slot the step writes (and its left operand)
    PureSlot b = 0;  // the right operand
    int index = 0;   // Read: the frame variable; Call: the call; Builtin: the built-in function
  };
  std::vector<Step> steps;
  std::vector<std::pair<PureSlot, NumberSlot>> constants;
  std::vector<PureCall> calls;
  // The names of the built-in functions it calls (a variable of the name
  // would be read instead).
  std::vector<std::string> builtinNames;
  PureSlot result = 0;  // the value, or the value an assignment stores
  int target = -1;      // an assignment's frame variable
  int slotCount = 0;
};

// The lines of a pure function, from its header to its last end line.
struct PureLine {
  enum class Step : std::uint8_t { Header, Assignment, If, ElseIf, Else, NextLine, End };
  Step step = Step::NextLine;
  PureExpression expression;  // an assignment's, a condition's
  LineNumber falseTarget = 0;  // If, ElseIf: where a false condition goes, and how it enters
  EntryFlag falseEntry = EntryFlag::InSequence;
  LineNumber skipTarget = 0;  // ElseIf, Else after a finished branch: where the block ends
};

class PureFunction {
 public:
  enum class State : std::uint8_t { Unjudged, Judging, Pure, NotPure };

  explicit PureFunction(LineNumber header) : m_header(header) {}

  // Judges the function, now or when it is due: it is pure once every line
  // of it has run and every one is of the kinds above, and so is every
  // function it calls. Lines not yet run leave it unjudged; it is judged
  // again after twice as many calls as last time.
  enum class When : std::uint8_t { Due, Now };
  void judge(AcceleratedProgram& program, When when);

  State state() const { return m_state; }
  LineNumber header() const { return m_header; }
  int parameterCount() const { return m_parameterCount; }

 private:
  friend class PureRun;  // runs the lines, and gives the function up
  PureJudgement judgeLines(AcceleratedProgram& program);

  LineNumber m_header;
  State m_state = State::Unjudged;
  std::int64_t m_callsUntilJudged = 0;
  // Outermost runs given up: after a few the function is run the usual way
  // only, so that runs that keep giving up do not keep costing their work.
  static constexpr int MaxGivenUp = 16;
  int m_givenUp = 0;
  std::int64_t m_judgeInterval = 1;
  int m_parameterCount = 0;
  std::vector<PureLine> m_lines;    // the header's line first
  std::vector<std::string> m_calledNames;  // the names it calls that no variable of it has
  std::vector<PureFunction*> m_callees;
  // Whether no global variable had a name this function or one it reaches
  // calls, when the global table was at generation m_namesCheckedAt.
  std::uint64_t m_namesCheckedAt = ~std::uint64_t{0};
  bool m_namesAbsent = false;
};

}  // namespace morvane
