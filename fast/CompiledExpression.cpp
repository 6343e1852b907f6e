#include "fast/CompiledExpression.h"

#include <array>
#include <string_view>

#include "core/BuiltinFunctions.h"
#include "core/EngineServices.h"
#include "core/Messages.h"
#include "core/NameResolution.h"
#include "core/ValueOperations.h"
#include "core/Variables.h"

namespace morvane {

namespace {

// The built-in functions whose value is a string.
bool givesString(std::string_view name) {
  for (std::string_view s : {"INPUTBOX", "FILE", "TIME", "DATE", "VERSION", "FORMAT", "CHR", "STR", "LCASE",
                             "UCASE", "MID", "STRCHR"}) {
    if (name == s) return true;
  }
  return false;
}

// The class a reduction leaves, which depends on the matched classes alone.
char resultClassOf(Reduction reduction, std::string_view matched) {
  switch (reduction) {
    case Reduction::Parentheses:
    case Reduction::Sign: return matched[1];
    case Reduction::SumOrJoin: return matched[0];
    default: return cls::Number;
  }
}

char classOf(const Value& value) { return value.isString() ? cls::String : cls::Number; }

// Replaces the tokens first..last of a class string (and their slots) by one.
void collapse(std::string& classes, std::vector<Slot>& slots, int first, int last, char c) {
  classes[static_cast<std::size_t>(first - 1)] = c;
  const auto from = static_cast<std::ptrdiff_t>(first);
  const auto to = static_cast<std::ptrdiff_t>(last);
  classes.erase(static_cast<std::size_t>(first), static_cast<std::size_t>(last - first));
  slots.erase(slots.begin() + from, slots.begin() + to);
}

constexpr std::array<std::string_view, 4> AssignmentForms = {"F:Z", "F(Z):Z", "F(Z,Z):Z", "F(Z,Z,Z):Z"};

}  // namespace

CompiledExpression::Compiled CompiledExpression::compile(
    Evaluation& ev, std::span<const std::pair<Position, char>> expectedClasses) {
  TokenList& tokens = ev.tokens();
  const int count = tokens.count();
  if (count > MaxTokens) return Compiled::TooLong;
  InterpreterState& state = ev.state;
  ProgramChars& chars = state.programChars;

  m_tokenCount = count;
  m_positions.assign(static_cast<std::size_t>(count) + 1, 0);
  m_constants.clear();
  m_names.clear();
  m_ops.clear();

  std::string classes(tokens.classes());
  std::vector<Slot> live;
  for (int k = 1; k <= count; ++k) {
    live.push_back(static_cast<Slot>(k));
    m_positions[static_cast<std::size_t>(k)] = tokens.position(k);
    const char c = tokens.classAt(k);
    if (c == cls::Number || c == cls::String) m_constants.push_back({static_cast<Slot>(k), tokens.value(k)});
  }

  // The reducer's own decisions, step by step, on the class string.
  const bool targetFirst = !ev.mode.isGet();
  while (!IsFinalForm(classes)) {
    const ReadyName ready = FindReadyName(classes, targetFirst);
    if (ready.token != 0) {
      NameStep name;
      name.nameSlot = live[static_cast<std::size_t>(ready.token - 1)];
      name.position = m_positions[static_cast<std::size_t>(name.nameSlot)];
      name.argumentCount = ready.argumentCount;
      for (int a = 1; a <= ready.argumentCount; ++a) {
        const Slot slot = live[static_cast<std::size_t>(ready.token + 2 * a - 1)];
        name.argumentSlots.push_back(slot);
        name.argumentPositions.push_back(m_positions[static_cast<std::size_t>(slot)]);
      }
      name.standsAlone = StandsAloneAsArgument(classes, ready.token);
      name.variable.bind(chars, name.position);
      name.builtin = FindBuiltinFunction(chars, name.position);
      name.procedure = FindProcedureHeader(chars, state.lines, name.position, ev.workspace.keyword);
      if (name.procedure.line != 0) name.bareArguments = FindBareArguments(chars, name.argumentPositions);
      name.expectedClass = cls::Number;
      bool known = false;
      for (const auto& [position, c] : expectedClasses) {
        if (position == name.position) {
          name.expectedClass = c;
          known = true;
        }
      }
      if (!known) {
        const VariableReference::Found variable =
            name.variable.find(state.localTable, state.services.globalTable());
        if (variable.record != nullptr) {
          if (variable.record->suffix == '$') name.expectedClass = cls::String;
        } else if (name.builtin != NoBuiltinFunction) {
          if (givesString(name.variable.name())) name.expectedClass = cls::String;
        } else if (chars.at(name.position + static_cast<Position>(name.variable.name().size())) == '$') {
          name.expectedClass = cls::String;
        }
      }
      name.before = Snapshot{classes, live, ready.token, ready.lastToken};
      collapse(classes, live, ready.token, ready.lastToken, name.expectedClass);
      m_ops.push_back(Op{OpCode::Name, ' ', 0, 0, static_cast<int>(m_names.size())});
      m_names.push_back(std::move(name));
      continue;
    }
    const ReductionStep found = FindReduction(classes);
    if (found.length == 0) break;
    const std::string_view matched(classes.data() + found.first - 1, static_cast<std::size_t>(found.length));
    const auto slotOf = [&](int k) { return live[static_cast<std::size_t>(found.first - 1 + k)]; };
    Op op;
    op.a = slotOf(0);
    switch (found.reduction) {
      case Reduction::Parentheses: op.code = OpCode::Keep; op.b = slotOf(1); break;
      case Reduction::Sign:
        op.code = matched[0] == '-' ? OpCode::NegateKeep : OpCode::Keep;
        op.b = slotOf(1);
        break;
      case Reduction::Power: op.code = OpCode::Power; op.b = slotOf(2); break;
      case Reduction::ProductOrQuotient:
        op.code = matched[1] == '*' ? OpCode::Product : OpCode::Quotient;
        op.b = slotOf(2);
        break;
      case Reduction::SumOrJoin:
        op.code = matched[0] == cls::Number ? OpCode::Sum : OpCode::Join;
        op.b = slotOf(1);
        break;
      case Reduction::Comparison:
        op.code = matched[0] == cls::String ? OpCode::CompareTexts : OpCode::CompareNumbers;
        op.op = matched[1];
        op.b = slotOf(2);
        break;
      case Reduction::AndOr: op.code = OpCode::AndOr; op.op = matched[1]; op.b = slotOf(2); break;
      case Reduction::Not: op.code = OpCode::Not; op.b = slotOf(1); break;
    }
    const char result = resultClassOf(found.reduction, matched);
    collapse(classes, live, found.first, found.first + found.length - 1, result);
    m_ops.push_back(op);
  }

  // The final stage: assignment treats strings and numbers alike.
  if (classes.back() == cls::String) classes.back() = cls::Number;
  m_final = Final::SyntaxError;
  if (ev.mode.isGet()) {
    if (classes == "Z") {
      m_final = Final::Value;
      m_resultSlot = live[0];
    }
  } else {
    for (std::string_view form : AssignmentForms) {
      if (classes != form) continue;
      m_final = Final::Assign;
      m_resultSlot = live.back();
      m_indexCount = (static_cast<int>(live.size()) - 3) / 2;
      for (int i = 0; i < m_indexCount; ++i) m_indexSlots[i] = live[static_cast<std::size_t>(2 + 2 * i)];
      m_targetPosition = m_positions[static_cast<std::size_t>(live[0])];
      m_target.bind(chars, m_targetPosition);
    }
  }
  // Every name step points at its name, now that the names stay where they are.
  for (Op& op : m_ops) {
    if (op.code == OpCode::Name) op.step = &m_names[static_cast<std::size_t>(op.name)];
  }
  judgeNumeric();
  return Compiled::Yes;
}

void CompiledExpression::settle(Evaluation& ev, LastRead& last) {
  if (last.name == nullptr) return;
  VariableReference::CopyName(*last.name, ev.currentName);
  settleValue(ev, last);
}

void CompiledExpression::settleValue(Evaluation& ev, LastRead& last) {
  if (last.value == nullptr) return;
  ev.state.argValues[0] = *last.value;
  last = LastRead{};
}

void CompiledExpression::replay(Evaluation& ev, std::vector<Value>& slotValues,
                                std::pair<Position, char>& surprise, CallingLevel& calling) {
  InterpreterState& state = ev.state;
  std::string& message = state.message;
  Value* const slots = slotValues.data();
  for (const Constant& constant : m_constants) slots[constant.slot] = constant.value;

  LastRead last;
  for (const Op& op : m_ops) {
    if (op.code == OpCode::Name) {
      NameStep& name = *op.step;
      if (name.argumentCount == 0) {
        // The usual name: a variable of the level's own table whose value
        // has the class expected.
        const VariableReference::Found found = name.variable.localScalar(state.localTable);
        if (found.element != nullptr && classOf(*found.element) == name.expectedClass) {
          state.argCount = 0;
          slots[name.nameSlot] = *found.element;
          last = LastRead{&name.variable.name(), found.element};
          continue;
        }
      }
    }
    Value& a = slots[op.a];
    const Value& b = slots[op.b];
    char outcome = cls::Number;
    switch (op.code) {
      case OpCode::Name: {
        NameStep& name = *op.step;
        // The arguments go to argument slots 1 to n, as the reducer hands them.
        for (int k = 0; k < name.argumentCount; ++k) {
          state.argValues[static_cast<std::size_t>(k + 1)] = std::move(slots[name.argumentSlots[static_cast<std::size_t>(k)]]);
        }
        state.argCount = name.argumentCount;
        Value& result = slots[name.nameSlot];
        // A variable: the element its record holds.
        VariableReference::Found found;
        if (name.argumentCount == 0) found = name.variable.localScalar(state.localTable);
        // A built-in function's or a procedure's name is usually known to be
        // no variable's.
        const bool functionName = name.builtin != NoBuiltinFunction || name.procedure.line != 0;
        if (found.element == nullptr && name.argumentCount <= 3 &&
            (!functionName || !name.variable.knownAbsent(state.localTable, state.services.globalTable()))) {
          found = name.variable.element(
              state.localTable, state.services.globalTable(),
              std::span<const Value>(state.argValues).subspan(1, static_cast<std::size_t>(name.argumentCount)));
        }
        if (found.element != nullptr) {
          result = *found.element;
          last = LastRead{&name.variable.name(), found.element};
        } else {
          // Anything else may look at what the last read left behind; a
          // built-in function or a procedure writes its own name over the
          // name at once, so only the value is left for it.
          if (functionName) {
            settleValue(ev, last);
          } else {
            settle(ev, last);
          }
          if (name.builtin != NoBuiltinFunction) {
            // No variable: the built-in function of the name, straight into its slot.
            name.variable.writeName(ev.currentName);
            if (!CallBuiltinFunctionInto(name.builtin, state.argValues, name.argumentCount, state.message,
                                         state.services, result)) {
              return;
            }
          } else {
            Value resolved;
            if (!resolveOtherwise(ev, name, resolved, calling)) return;
            result = std::move(resolved);
          }
        }
        const char actual = classOf(result);
        if (actual != name.expectedClass) {
          settle(ev, last);
          surprise = {name.position, actual};
          handOver(ev, name, slotValues, actual);
          return;
        }
        continue;
      }
      case OpCode::Keep: a = std::move(slots[op.b]); continue;
      case OpCode::NegateKeep:
        operation::negate(slots[op.b]);
        a = std::move(slots[op.b]);
        continue;
      case OpCode::Power: outcome = operation::power(a, b, message); break;
      case OpCode::Product: outcome = operation::product(a, b, message); break;
      case OpCode::Quotient: outcome = operation::quotient(a, b, message); break;
      case OpCode::Sum: outcome = operation::sum(a, b, message); break;
      case OpCode::Join: operation::join(a, b); continue;
      case OpCode::CompareNumbers: operation::compareNumbers(op.op, a, b); continue;
      case OpCode::CompareTexts: operation::compareTexts(op.op, a, b); continue;
      case OpCode::AndOr: operation::andOr(op.op, a, b); continue;
      case OpCode::Not: operation::negation(a, b); continue;
    }
    if (outcome == cls::None) {
      settle(ev, last);
      return;
    }
  }
  settle(ev, last);
  if (ev.mode.isGet()) {
    finishGet(ev, slotValues);
  } else {
    finishSet(ev, slotValues);
  }
}

bool CompiledExpression::resolveOtherwise(Evaluation& ev, NameStep& name, Value& result, CallingLevel& calling) {
  InterpreterState& state = ev.state;
  // Neither a variable nor a built-in function: the procedure of the name.
  if (name.procedure.line != 0) {
    name.variable.writeName(ev.currentName);
    if (!calling.call(ev, name.procedure, name.argumentCount, name.bareArguments)) return false;
    result = state.resultValue;
    return true;
  }
  // A new variable, or no such name: as the reducer does it.
  const NameReference reference{name.position, name.argumentCount, name.standsAlone, name.argumentPositions};
  return ResolveName(ev, reference, result) == NameOutcome::Resolved;
}

void CompiledExpression::handOver(Evaluation& ev, const NameStep& name, std::vector<Value>& slots, char actual) {
  TokenList& tokens = ev.tokens();
  tokens.clear();
  const Snapshot& before = name.before;
  for (std::size_t k = 0; k < before.slots.size(); ++k) {
    const auto slot = static_cast<std::size_t>(before.slots[k]);
    tokens.append(before.classes[k], m_positions[slot]);
    tokens.value(tokens.count()) = std::move(slots[slot]);
  }
  tokens.collapse(before.readyToken, before.readyLast, actual);
  ReduceAndFinishExpression(ev);
}

void CompiledExpression::finishGet(Evaluation& ev, std::vector<Value>& slots) {
  if (m_final != Final::Value) {
    ev.message() = msg::SyntaxError;
    return;
  }
  Value& result = slots[static_cast<std::size_t>(m_resultSlot)];
  if (!result.isNumber() && !result.isString()) {
    ev.message() = msg::WrongType;
    return;
  }
  ev.state.resultValue = std::move(result);
}

void CompiledExpression::finishSet(Evaluation& ev, std::vector<Value>& slots) {
  if (m_final != Final::Assign) {
    ev.message() = msg::SyntaxError;
    return;
  }
  InterpreterState& state = ev.state;
  if (m_indexCount == 0) {
    // The usual assignment: a variable of the level's own table takes the
    // value straight from its slot.
    Value& value = slots[static_cast<std::size_t>(m_resultSlot)];
    const VariableReference::Found found = m_target.localScalar(state.localTable);
    if (found.element != nullptr && (m_target.suffix() == ' ' || m_target.suffix() == found.record->suffix) &&
        StoreByRecordType(found.record->suffix, value, *found.element) == StoreOutcome::Stored) {
      m_target.writeName(ev.currentName);
      state.resultValue = std::move(value);
      state.argCount = 0;
      return;
    }
  }
  VariableTable& globals = state.services.globalTable();
  std::array<Value, 4>& indexList = m_indexList;
  indexList[0] = std::move(slots[static_cast<std::size_t>(m_resultSlot)]);
  for (int i = 0; i < m_indexCount; ++i) {
    indexList[static_cast<std::size_t>(i + 1)] = std::move(slots[static_cast<std::size_t>(m_indexSlots[i])]);
  }
  // The element of an existing variable takes the value by its storage
  // type; everything else (a new variable, a wrong suffix or index, a value
  // that does not fit) is the store's own business, messages included.
  VariableReference::Found found;
  if (m_indexCount == 0) found = m_target.localScalar(state.localTable);
  if (found.element == nullptr) {
    found = m_target.element(state.localTable, globals,
                             std::span<const Value>(indexList).subspan(1, static_cast<std::size_t>(m_indexCount)));
  }
  const bool suffixFits =
      found.record != nullptr && (m_target.suffix() == ' ' || m_target.suffix() == found.record->suffix);
  if (found.element != nullptr && suffixFits &&
      StoreByRecordType(found.record->suffix, indexList[0], *found.element) == StoreOutcome::Stored) {
    m_target.writeName(ev.currentName);
  } else {
    AssignVariable(m_targetPosition, state.programChars, IndexList(indexList), m_indexCount, state.message,
                   state.localTable, globals, ev.variableValue, ev.currentName);
    if (ev.failed()) return;
  }
  state.resultValue = std::move(indexList[0]);
  for (int i = 1; i <= m_indexCount; ++i) {
    state.argValues[static_cast<std::size_t>(i)] = indexList[static_cast<std::size_t>(i)];
  }
  state.argCount = m_indexCount;
}

}  // namespace morvane
