// The numeric replay of a compiled expression: most expressions of a loop
// (I < N, D = D + 1, S# = S# + K# - 7 * INT(K# / 7), A#(I) = I + R) read
// numbers from existing variables and compute with numbers. Such an
// expression needs none of the evaluator's machinery: no procedure can run
// inside it, so no nested evaluation, and no name can surprise with a
// string. It is computed on the value slots first, with nothing changed
// outside them; what the full replay leaves behind is written only once
// everything went the usual way. Anything unusual (a name that is no
// variable, a string, an index out of range, an overflow, a value the
// store refuses) gives up before a visible change, and the full replay
// meets the same values and gives the same message.

#include <span>
#include <string_view>

#include "core/BuiltinFunctions.h"
#include "core/EngineServices.h"
#include "core/ValueOperations.h"
#include "core/Variables.h"
#include "fast/CompiledExpression.h"

namespace morvane {

CompiledExpression::StepsWithoutCopies CompiledExpression::stepsWithoutCopies() const {
  // Where the full replay copies a value into the slot of "(" or of a sign,
  // these steps go on reading it where it stands. A slot taken over is
  // never written again (its token is gone), so the renaming changes no
  // value.
  StepsWithoutCopies steps;
  std::vector<Slot>& renamed = steps.renamed;
  renamed.resize(static_cast<std::size_t>(slotCount()));
  for (std::size_t k = 0; k < renamed.size(); ++k) renamed[k] = static_cast<Slot>(k);
  const auto current = [&](Slot slot) { return renamed[static_cast<std::size_t>(slot)]; };
  steps.argumentSlots.resize(m_names.size());
  for (const Op& op : m_ops) {
    Op step = op;
    step.a = current(op.a);
    step.b = current(op.b);
    switch (op.code) {
      case OpCode::Keep: renamed[static_cast<std::size_t>(op.a)] = step.b; continue;
      case OpCode::NegateKeep:
        renamed[static_cast<std::size_t>(op.a)] = step.b;
        step.a = step.b;
        break;
      case OpCode::Name: {
        const NameStep& name = m_names[static_cast<std::size_t>(op.name)];
        for (const Slot slot : name.argumentSlots) {
          steps.argumentSlots[static_cast<std::size_t>(op.name)].push_back(current(slot));
        }
        break;
      }
      default: break;
    }
    steps.ops.push_back(step);
  }
  return steps;
}

void CompiledExpression::judgeNumeric() {
  m_numeric = false;
  if (m_final == Final::SyntaxError) return;
  for (const Constant& constant : m_constants) {
    if (!constant.value.isNumber()) return;
  }
  for (const Op& op : m_ops) {
    if (op.code == OpCode::Join || op.code == OpCode::CompareTexts) return;
  }
  for (const NameStep& name : m_names) {
    if (name.expectedClass != cls::Number || name.procedure.line != 0) return;
    if (name.builtin != NoBuiltinFunction && name.argumentCount > 0 &&
        !(name.argumentCount == 1 && IsPureNumericFunction(name.variable.name()))) {
      return;
    }
  }
  m_numeric = true;
  m_numbers.resize(static_cast<std::size_t>(slotCount()));

  const StepsWithoutCopies steps = stepsWithoutCopies();
  m_numericOps = steps.ops;
  m_numericArgumentSlots.assign(m_names.size(), {0, 0, 0});
  for (std::size_t n = 0; n < m_names.size(); ++n) {
    for (std::size_t k = 0; k < steps.argumentSlots[n].size() && k < 3; ++k) {
      m_numericArgumentSlots[n][k] = steps.argumentSlots[n][k];
    }
  }
  // How each name is read: a scalar first from the level's own table; INT
  // and FIX computed on the slots themselves.
  for (Op& op : m_numericOps) {
    if (op.code != OpCode::Name) continue;
    NameStep& name = m_names[static_cast<std::size_t>(op.name)];
    op.step = &name;
    op.a = name.nameSlot;
    op.b = m_numericArgumentSlots[static_cast<std::size_t>(op.name)][0];
    op.read = NumberRead::Other;
    if (name.argumentCount == 0) op.read = NumberRead::Scalar;
    if (name.argumentCount == 1 && name.builtin == NoBuiltinFunction) op.read = NumberRead::Element;
    if (name.argumentCount == 1 && name.builtin != NoBuiltinFunction) {
      if (name.variable.name() == "INT") op.read = NumberRead::Floor;
      if (name.variable.name() == "FIX") op.read = NumberRead::TowardZero;
    }
  }

  // Every name with arguments hands them to argument slots 1 to n, in order.
  m_numericArgumentWrites.clear();
  for (std::size_t n = 0; n < m_names.size(); ++n) {
    for (int k = 0; k < m_names[n].argumentCount; ++k) {
      m_numericArgumentWrites.emplace_back(m_numericArgumentSlots[n][static_cast<std::size_t>(k)],
                                           static_cast<std::size_t>(k + 1));
    }
  }
  m_numericResultSlot = steps.renamed[static_cast<std::size_t>(m_resultSlot)];
  for (int i = 0; i < m_indexCount; ++i) m_numericIndexSlots[i] = steps.renamed[static_cast<std::size_t>(m_indexSlots[i])];

  // The sign of a number written in the text (N - 1 is N + -1) is taken
  // once, where no step has written its slot before: that slot holds
  // nothing else. A constant whose slot no step writes (the right side of
  // most operators) is put in place once; the others on every replay.
  const auto size = static_cast<std::size_t>(slotCount());
  std::vector<bool> constant(size, false);
  for (const Constant& c : m_constants) constant[static_cast<std::size_t>(c.slot)] = true;
  std::vector<bool> written(size, false);
  std::vector<bool> negated(size, false);
  std::vector<Op> folded;
  for (const Op& op : m_numericOps) {
    const auto target = static_cast<std::size_t>(
        op.code == OpCode::Name ? m_names[static_cast<std::size_t>(op.name)].nameSlot : op.a);
    if (op.code == OpCode::NegateKeep && constant[target] && !written[target]) {
      negated[target] = !negated[target];
      continue;
    }
    written[target] = true;
    folded.push_back(op);
  }
  m_numericOps = std::move(folded);
  m_numberConstants.clear();
  for (const Constant& c : m_constants) {
    NumberSlot number;
    number.take(c.value);
    if (negated[static_cast<std::size_t>(c.slot)]) operation::negate(number);
    m_numbers[static_cast<std::size_t>(c.slot)] = number;
    if (written[static_cast<std::size_t>(c.slot)]) m_numberConstants.emplace_back(c.slot, number);
  }
}

inline void CompiledExpression::leaveNumericTraces(InterpreterState& state, std::string& currentName,
                                                   const NameStep* lastName, const Value* lastRead) const {
  state.message.clear();
  for (const auto& [slot, argument] : m_numericArgumentWrites) {
    m_numbers[static_cast<std::size_t>(slot)].giveTo(state.argValues[argument]);
  }
  if (lastName != nullptr) {
    state.argCount = lastName->argumentCount;
    lastName->variable.writeName(currentName);
  }
  if (lastRead != nullptr) state.argValues[0] = *lastRead;
}

// Every other name of the numeric replay: a global variable, an element of
// an array, a built-in function of one number. False when it is none of
// them with a number to give; `lastRead` is the element a variable read.
bool CompiledExpression::resolveNumericName(InterpreterState& state, int nameIndex, const Value*& lastRead) {
  NameStep& name = m_names[static_cast<std::size_t>(nameIndex)];
  NumberSlot& result = m_numbers[static_cast<std::size_t>(name.nameSlot)];
  VariableTable& locals = state.localTable;
  VariableTable& globals = state.services.globalTable();
  std::array<Value, 4>& indices = m_indexList;
  const auto count = static_cast<std::size_t>(name.argumentCount);
  const std::array<Slot, 3>& argumentSlots = m_numericArgumentSlots[static_cast<std::size_t>(nameIndex)];
  const auto argument = [&](std::size_t k) -> const NumberSlot& {
    return m_numbers[static_cast<std::size_t>(argumentSlots[k])];
  };
  if (name.builtin != NoBuiltinFunction && count > 0) {
    // The function, when no variable has its name.
    if (!name.variable.absent(locals, globals)) return false;
    return m_numberFunction.call(name.builtin, argument(0), m_refusal, state.services, result);
  }
  for (std::size_t k = 0; k < count; ++k) argument(k).giveTo(indices[k]);
  const VariableReference::Found found =
      name.variable.element(locals, globals, std::span<const Value>(indices.data(), count));
  if (found.element == nullptr || !found.element->isNumber()) return false;
  result.take(*found.element);
  lastRead = found.element;
  return true;
}

bool CompiledExpression::replayNumbers(InterpreterState& state, std::string& currentName) {
  VariableTable& locals = state.localTable;
  NumberSlot* const slots = m_numbers.data();
  for (const auto& [slot, number] : m_numberConstants) slots[slot] = number;

  // The computation: slots only. `lastName` is the last name resolved,
  // `lastRead` the element the last variable read came from.
  const NameStep* lastName = nullptr;
  const Value* lastRead = nullptr;
  std::string& refusal = m_refusal;  // an operation's message, never shown: the full replay gives it
  for (const Op& op : m_numericOps) {
    char outcome = cls::Number;
    switch (op.code) {
      case OpCode::Name: {
        NameStep& name = *op.step;
        switch (op.read) {
          case NumberRead::Scalar:
          case NumberRead::Element: {
            // The usual names: a number of the level's own table, a scalar
            // or an element of one index.
            const VariableReference::Found found = op.read == NumberRead::Scalar
                                                       ? name.variable.localScalar(locals)
                                                       : name.variable.localElement(locals, slots[op.b].number());
            if (found.element != nullptr && found.element->isNumber()) {
              slots[op.a].take(*found.element);
              lastName = &name;
              lastRead = found.element;
              continue;
            }
            break;
          }
          case NumberRead::Floor:
          case NumberRead::TowardZero: {
            // INT and FIX, when no variable has the name: computed here.
            if (!name.variable.absent(locals, state.services.globalTable())) return false;
            NumberSlot& result = slots[op.a];
            result = slots[op.b];
            TakeWholePart(op.read == NumberRead::Floor ? WholePart::Floor : WholePart::TowardZero, result);
            lastName = &name;
            continue;
          }
          case NumberRead::Other: break;
        }
        if (!resolveNumericName(state, op.name, lastRead)) return false;
        lastName = &name;
        continue;
      }
      case OpCode::Keep: continue;  // renamed away
      case OpCode::NegateKeep: operation::negate(slots[op.a]); continue;
      case OpCode::Power: outcome = operation::power(slots[op.a], slots[op.b], refusal); break;
      case OpCode::Product: outcome = operation::product(slots[op.a], slots[op.b], refusal); break;
      case OpCode::Quotient: outcome = operation::quotient(slots[op.a], slots[op.b], refusal); break;
      case OpCode::Sum: outcome = operation::sum(slots[op.a], slots[op.b], refusal); break;
      case OpCode::CompareNumbers: operation::compareNumbers(op.op, slots[op.a], slots[op.b]); continue;
      case OpCode::AndOr: operation::andOr(op.op, slots[op.a], slots[op.b]); continue;
      case OpCode::Not: operation::negation(slots[op.a], slots[op.b]); continue;
      case OpCode::Join:
      case OpCode::CompareTexts: return false;
    }
    if (outcome == cls::None) return false;
  }

  // The store goes to the element of an existing variable whose storage
  // type takes the value.
  VariableReference::Found found;
  std::array<Value, 4>& indices = m_indexList;
  if (m_final == Final::Assign) {
    for (int i = 0; i < m_indexCount; ++i) {
      slots[m_numericIndexSlots[i]].giveTo(indices[static_cast<std::size_t>(i + 1)]);
    }
    if (m_indexCount == 0) found = m_target.localScalar(locals);
    if (m_indexCount == 1) found = m_target.localElement(locals, slots[m_numericIndexSlots[0]].number());
    if (found.element == nullptr) {
      found = m_target.element(locals, state.services.globalTable(),
                               std::span<const Value>(indices).subspan(1, static_cast<std::size_t>(m_indexCount)));
    }
    if (found.element == nullptr || !(m_target.suffix() == ' ' || m_target.suffix() == found.record->suffix)) {
      return false;
    }
  }
  // What the names left behind, as the full replay leaves it: the
  // arguments of every name that had some, in order; the count of the last
  // name's; its name; the value of the last variable read. They come
  // before the store, as in the full replay; should the store refuse, the
  // full replay writes them again, alike, and gives the message. A store
  // that succeeds writes its own name and count over the last name's, so
  // an assignment leaves those out.
  leaveNumericTraces(state, currentName, m_final == Final::Value ? lastName : nullptr, lastRead);
  if (m_final == Final::Value) {
    slots[m_numericResultSlot].giveTo(state.resultValue);
    return true;
  }
  Value& value = indices[0];
  slots[m_numericResultSlot].giveTo(value);
  if (StoreByRecordType(found.record->suffix, value, *found.element) != StoreOutcome::Stored) return false;
  m_target.writeName(currentName);
  slots[m_numericResultSlot].giveTo(state.resultValue);  // the value stored, as given
  for (int i = 1; i <= m_indexCount; ++i) {
    state.argValues[static_cast<std::size_t>(i)] = indices[static_cast<std::size_t>(i)];
  }
  state.argCount = m_indexCount;
  return true;
}

}  // namespace morvane
