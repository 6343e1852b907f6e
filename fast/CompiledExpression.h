#pragma once
// An expression compiled once into the order in which the literal reducer
// rewrites it, and replayed on every later evaluation.
//
// The reducer's choices depend on the class string alone: which name is
// resolved next, which rule applies where, and whether the final form fits
// the mode. Only a name's resolution brings in something new: whether its
// value is a number or a string. So the compiler runs the reducer's own
// decisions (FindReadyName, FindReduction, IsFinalForm) over the class
// string once, with the class each name is expected to give, and records
// every step with the value slots it works on. Replaying the steps does the
// same computations in the same order without searching the class string.
//
// Each resolution checks the class its value really has. When it differs,
// everything done so far is exactly what the literal reducer would have done
// too, so the token list is rebuilt as it stands at that step and the
// literal reducer carries on from there: no name is resolved twice, no
// procedure runs twice.

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/BuiltinFunctions.h"
#include "core/Expression.h"
#include "core/ExpressionEvaluation.h"
#include "core/ExpressionProcedureCall.h"
#include "core/ExpressionReducer.h"
#include "fast/FastCalls.h"
#include "fast/NumberFunction.h"
#include "fast/NumberSlot.h"
#include "fast/VariableReference.h"

namespace morvane {

class PureNames;
struct PureExpression;
enum class PureJudgement : std::uint8_t;

// A slot of the replay's value array: the index of the token, in the
// scanned list, whose value a step reads or writes.
using Slot = std::int16_t;

class CompiledExpression {
 public:
  // The longest expression worth compiling; longer ones run literally.
  static constexpr int MaxTokens = 200;

  // The numeric steps point into the expression's own name steps: it stays
  // where it was made.
  CompiledExpression() = default;
  CompiledExpression(const CompiledExpression&) = delete;
  CompiledExpression& operator=(const CompiledExpression&) = delete;

  enum class Compiled { Yes, ScanFailed, TooLong };

  // Compiles the scanned token list of evaluation (as ScanExpression left
  // it). expectedClasses maps name positions to the class seen when an
  // earlier replay was handed over.
  Compiled compile(Evaluation& evaluation, std::span<const std::pair<Position, char>> expectedClasses);

  // Replays the evaluation; slots must have room for slotCount() values.
  // Afterwards the evaluation's message is "" or its error, as
  // ReduceAndFinishExpression would have left it. A name whose value had
  // another class than expected is recorded in `surprise`. A procedure the
  // expression calls is called on behalf of `calling`.
  void replay(Evaluation& evaluation, std::vector<Value>& slots, std::pair<Position, char>& surprise,
              CallingLevel& calling);

  int slotCount() const { return m_tokenCount + 1; }

  // The expression's form in a function that computes with numbers alone
  // (PureFunction.h): its names read the function's variables or call such
  // functions, as `names` finds them.
  PureJudgement pureForm(PureNames& names, PureExpression& form) const;

  // Whether the expression can be replayed on numbers alone (see
  // replayNumbers): numbers and variables, the numeric operators, the
  // built-in functions of one number (INT, ABS, SQR, SIN ...), and a value
  // or a store as its end.
  bool numeric() const { return m_numeric; }

  // Replays the evaluation of a numeric expression without the evaluator:
  // computes on the slots first, changing nothing, and only when every
  // name turned out a number of an existing variable (or one of those
  // functions) and nothing failed, leaves exactly what replay() would
  // leave: the message cleared, the argument slots, the argument count,
  // the current name, the result, the store. False when anything went
  // another way; then nothing was changed that replay() would not change
  // alike, and the caller replays in full, which meets the same values.
  bool replayNumbers(InterpreterState& state, std::string& currentName);

  // The value of an expression that is one number or string alone (a loop's
  // end such as 9999), which reads no name and cannot fail; nullptr for
  // every other expression.
  const Value* constantValue() const {
    return m_final == Final::Value && m_ops.empty() && m_constants.size() == 1 && m_tokenCount == 1
               ? &m_constants.front().value
               : nullptr;
  }

 private:
  struct Constant {
    Slot slot;
    Value value;
  };

  // The token list as it stood before a name was resolved.
  struct Snapshot {
    std::string classes;
    std::vector<Slot> slots;
    int readyToken = 0;
    int readyLast = 0;
  };

  struct NameStep {
    Slot nameSlot = 0;
    char expectedClass = 'Z';
    bool standsAlone = false;
    int argumentCount = 0;
    std::vector<Slot> argumentSlots;
    std::vector<Position> argumentPositions;
    std::vector<BareArgument> bareArguments;  // of a procedure
    Position position = 0;
    VariableReference variable;
    int builtin = -1;            // the built-in function of the name, if any
    ProcedureHeader procedure;   // the procedure of the name, if any
    Snapshot before;
  };

  // One step of the replay. A name step resolves m_names[name]; every other
  // step is one reduction, chosen by its rule and matched classes when the
  // expression was compiled, on the values of slots a and b.
  enum class OpCode : std::uint8_t {
    Name,
    Keep,        // a takes b's value: parentheses, and the signs "+" and "&"
    NegateKeep,  // a takes b's value negated: the sign "-"
    Power,
    Product,
    Quotient,
    Sum,
    Join,
    CompareNumbers,
    CompareTexts,
    AndOr,
    Not,
  };
  // How the numeric replay reads a name.
  enum class NumberRead : std::uint8_t {
    Scalar,      // no arguments: a number of the level's own table, usually
    Element,     // one index and no built-in function: an element of the level's own table, usually
    Floor,       // INT of one number, unless a variable has the name
    TowardZero,  // FIX of one number, likewise
    Other,       // anything else: resolveNumericName
  };
  struct Op {
    OpCode code = OpCode::Keep;
    char op = ' ';  // the operator's class, for comparisons and AND/OR
    Slot a = 0;
    Slot b = 0;
    int name = 0;
    // Name steps: the name's step. Numeric name steps: how the name is
    // read (the name's slot is in `a`, its first argument's in `b`).
    NumberRead read = NumberRead::Other;
    NameStep* step = nullptr;
  };

  enum class Final { Value, Assign, SyntaxError };

  // What the last variable read leaves behind: its name as the current
  // name, its value in argument slot 0. Both are written when something
  // could look at them, not at every read.
  struct LastRead {
    const std::string* name = nullptr;
    const Value* value = nullptr;
  };
  static void settle(Evaluation& ev, LastRead& last);
  static void settleValue(Evaluation& ev, LastRead& last);  // the value alone

  bool resolveOtherwise(Evaluation& ev, NameStep& name, Value& result, CallingLevel& calling);
  void handOver(Evaluation& ev, const NameStep& name, std::vector<Value>& slots, char actual);
  void finishGet(Evaluation& ev, std::vector<Value>& slots);
  void finishSet(Evaluation& ev, std::vector<Value>& slots);

  int m_tokenCount = 0;
  std::vector<Position> m_positions;  // per slot, the position of its token
  std::vector<Constant> m_constants;
  std::vector<NameStep> m_names;
  std::vector<Op> m_ops;

  // The steps without the copies of parentheses and signs, where each
  // name's arguments then stand, and where each slot's value then stands.
  struct StepsWithoutCopies {
    std::vector<Op> ops;
    std::vector<std::vector<Slot>> argumentSlots;
    std::vector<Slot> renamed;
  };
  StepsWithoutCopies stepsWithoutCopies() const;

  // The numeric form (NumericReplay.cpp), made by judgeNumeric after each
  // compilation when the expression qualifies.
  void judgeNumeric();
  [[gnu::noinline]] bool resolveNumericName(InterpreterState& state, int nameIndex, const Value*& lastRead);
  void leaveNumericTraces(InterpreterState& state, std::string& currentName, const NameStep* lastName,
                          const Value* lastRead) const;

  bool m_numeric = false;
  std::vector<Op> m_numericOps;                                // the steps, without copies
  std::vector<NumberSlot> m_numbers;                           // their value slots
  std::vector<std::pair<Slot, NumberSlot>> m_numberConstants;  // constants a step overwrites
  std::vector<std::array<Slot, 3>> m_numericArgumentSlots;     // per name step, its arguments' slots
  // Where the arguments go as the names take them: slot, argument slot.
  std::vector<std::pair<Slot, std::size_t>> m_numericArgumentWrites;
  Slot m_numericResultSlot = 0;
  Slot m_numericIndexSlots[3] = {0, 0, 0};
  NumberFunction m_numberFunction;       // a built-in function of one number
  std::string m_refusal;                  // where its operations leave a message nobody reads

  Final m_final = Final::SyntaxError;
  Slot m_resultSlot = 0;  // Value: the result; Assign: the value to store
  int m_indexCount = 0;
  Slot m_indexSlots[3] = {0, 0, 0};
  VariableReference m_target;
  std::array<Value, 4> m_indexList;  // the stored value and its indices, reused
  Position m_targetPosition = 0;
};

}  // namespace morvane
