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

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "core/Expression.h"
#include "core/ExpressionEvaluation.h"
#include "core/ExpressionProcedureCall.h"
#include "core/ExpressionReducer.h"
#include "fast/VariableReference.h"

namespace morvane {

// A slot of the replay's value array: the index of the token, in the
// scanned list, whose value a step reads or writes.
using Slot = std::int16_t;

class CompiledExpression {
 public:
  // The longest expression worth compiling; longer ones run literally.
  static constexpr int MaxTokens = 200;

  enum class Compiled { Yes, ScanFailed, TooLong };

  // Compiles the scanned token list of evaluation (as ScanExpression left
  // it). expectedClasses maps name positions to the class seen when an
  // earlier replay was handed over.
  Compiled compile(Evaluation& evaluation, std::span<const std::pair<Position, char>> expectedClasses);

  // Replays the evaluation; slots must have room for slotCount() values.
  // Afterwards the evaluation's message is "" or its error, as
  // ReduceAndFinishExpression would have left it. A name whose value had
  // another class than expected is recorded in `surprise`.
  void replay(Evaluation& evaluation, std::vector<Value>& slots, std::pair<Position, char>& surprise);

  int slotCount() const { return m_tokenCount + 1; }

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
    Position position = 0;
    VariableReference variable;
    int builtin = -1;            // the built-in function of the name, if any
    ProcedureHeader procedure;   // the procedure of the name, if any
    Snapshot before;
  };

  struct ReduceStep {
    Reduction reduction = Reduction::Parentheses;
    std::uint8_t length = 0;
    char matched[3] = {' ', ' ', ' '};
    Slot slots[3] = {0, 0, 0};
  };

  struct Step {
    bool isName = false;
    int index = 0;  // into m_names or m_reductions
  };

  enum class Final { Value, Assign, SyntaxError };

  bool resolve(Evaluation& ev, NameStep& name, VariableTable& globals, Value& result);
  void handOver(Evaluation& ev, const NameStep& name, std::vector<Value>& slots, char actual);
  void finishGet(Evaluation& ev, std::vector<Value>& slots);
  void finishSet(Evaluation& ev, std::vector<Value>& slots);

  int m_tokenCount = 0;
  std::vector<Position> m_positions;  // per slot, the position of its token
  std::vector<Constant> m_constants;
  std::vector<NameStep> m_names;
  std::vector<ReduceStep> m_reductions;
  std::vector<Step> m_steps;

  Final m_final = Final::SyntaxError;
  Slot m_resultSlot = 0;  // Value: the result; Assign: the value to store
  int m_indexCount = 0;
  Slot m_indexSlots[3] = {0, 0, 0};
  VariableReference m_target;
  Position m_targetPosition = 0;
};

}  // namespace morvane
