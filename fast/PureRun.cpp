#include "fast/PureRun.h"

#include <cmath>

#include "core/EngineServices.h"
#include "core/ExpressionWorkspace.h"
#include "core/Messages.h"
#include "core/ValueOperations.h"
#include "exec/ExecuteStatement.h"
#include "exec/RunObserver.h"
#include "exec/Workspace.h"

namespace morvane {

void PureRun::grow() { m_stack.resize(std::max(m_top, 2 * m_stack.size())); }

PureRun::Outcome PureRun::yieldBeforeLine() {
  // As the line loop yields before a line: the window system comes in, and
  // while the window waits (Pause) it comes in again. A closed window and a
  // stop end the run here, on this line, as they end the line loop.
  Workspace& workspace = m_caller->workspace;
  const Document& document = m_caller->document;
  workspace.yieldToSystem();
  for (;;) {
    if (document.free) {
      m_state->message.assign(msg::Deleted);
      return Outcome::Interrupted;
    }
    if (number(document.runState) > 0) break;
    workspace.yieldToSystem();
  }
  if (document.runState == RunState::StopRequested) {
    m_state->message.assign(msg::ExecutionInterrupted);
    return Outcome::Interrupted;
  }
  // A run that is no longer free (single step, a breakpoint set meanwhile)
  // or whose global table changed is the usual call's to make.
  const bool free = document.runState == RunState::Running &&
                    (document.observer == nullptr || !document.observer->watchesEveryLine()) &&
                    m_state->services.globalTable().generation == m_globalGeneration;
  return free ? Outcome::Done : Outcome::GaveUp;
}

bool PureRun::namesAbsent(PureFunction& function) {
  // A variable of a name the functions call (an array, mostly) would be read
  // instead of the call. The functions reached are checked once per state
  // of the global table.
  const VariableTable& globals = m_state->services.globalTable();
  if (function.m_namesCheckedAt == globals.generation) return function.m_namesAbsent;
  function.m_namesCheckedAt = globals.generation;
  function.m_namesAbsent = false;
  std::vector<PureFunction*> reached{&function};
  for (std::size_t k = 0; k < reached.size(); ++k) {
    for (const std::string& name : reached[k]->m_calledNames) {
      for (std::size_t r = 1; r < globals.records.size(); ++r) {
        if (globals.records[r].name == name) return false;
      }
    }
    for (PureFunction* callee : reached[k]->m_callees) {
      if (std::find(reached.begin(), reached.end(), callee) == reached.end()) reached.push_back(callee);
    }
  }
  function.m_namesAbsent = true;
  return true;
}

PureRun::Outcome PureRun::call(StatementContext& caller, PureFunction& function) {
  if (m_caller != nullptr) return Outcome::GaveUp;
  m_caller = &caller;
  m_state = &caller.state;
  const Outcome outcome = callOutermost(function);
  m_caller = nullptr;
  m_state = nullptr;
  return outcome;
}

PureRun::Outcome PureRun::callOutermost(PureFunction& function) {
  std::vector<Value>& argumentList = m_state->argValues;
  if (function.state() != PureFunction::State::Pure || argumentList.size() <= MaxParameters ||
      !namesAbsent(function)) {
    return Outcome::GaveUp;
  }
  m_globalGeneration = m_state->services.globalTable().generation;
  m_clock = &m_caller->workspace.yieldClock();
  m_top = 0;
  m_highestWritten = 0;
  const auto count = static_cast<std::size_t>(function.parameterCount());
  const std::size_t frame = push(count + 1);
  for (std::size_t i = 1; i <= count; ++i) {
    const Value& argument = argumentList[i];
    // A parameter takes a number a variable can hold.
    if (!argument.isNumber() || !std::isfinite(argument.number())) return Outcome::GaveUp;
    at(frame + i)->take(argument);
  }
  const Outcome outcome = callWithin(function, frame);
  if (outcome == Outcome::GaveUp) {
    if (++function.m_givenUp >= PureFunction::MaxGivenUp) function.m_state = PureFunction::State::NotPure;
    return outcome;
  }
  // The argument list as the calls left it: after the end, its values in
  // slots 0 to n, written last; above them, what the calls within wrote
  // last. Each write covers the slots from 1 (or 0) up, so those written
  // are the slots up to the highest.
  const std::size_t ended = outcome == Outcome::Done ? count : 0;
  for (std::size_t j = ended + 1; j <= m_highestWritten; ++j) m_written[j].giveTo(argumentList[j]);
  if (outcome == Outcome::Done) {
    for (std::size_t j = 0; j <= count; ++j) m_written[j].giveTo(argumentList[j]);
  }
  return outcome;
}

PureRun::Outcome PureRun::callWithin(PureFunction& function, std::size_t frame) {
  if (function.state() != PureFunction::State::Pure) return Outcome::GaveUp;
  // The call counts among the nested calls, as the usual one does.
  const ExpressionWorkspaces::CallGuard guard(m_state->services.expressionWorkspaces());
  if (!guard.allowed()) return Outcome::GaveUp;
  // The header: the result starts at 0, each parameter with its argument
  // (in the frame's slots already).
  const auto count = static_cast<std::size_t>(function.parameterCount());
  at(frame)->setDouble(0);
  if (const Outcome due = lineDue(); due != Outcome::Done) return due;

  // The lines from the header on; every jump stays within them, and the
  // last one ends the function. A call that was interrupted makes the line
  // that called it fail, as the line loop makes it.
  const LineNumber header = function.header();
  LineNumber line = header + 1;
  EntryFlag entry = EntryFlag::InSequence;
  NumberSlot value;
  const auto failed = [&](Outcome outcome) {
    if (outcome == Outcome::Interrupted) DecorateError(m_caller->document, *m_state, line);
    return outcome;
  };
  for (;;) {
    if (const Outcome due = lineDue(); due != Outcome::Done) return due;
    const PureLine& current = function.m_lines[static_cast<std::size_t>(line - header)];
    switch (current.step) {
      case PureLine::Step::Assignment:
        if (const Outcome outcome = evaluate(current.expression, frame, value); outcome != Outcome::Done) {
          return failed(outcome);
        }
        // The frame's variables hold numbers a variable can hold.
        if (!std::isfinite(value.number())) return Outcome::GaveUp;
        *at(frame + static_cast<std::size_t>(current.expression.target)) = value;
        line += 1;
        entry = EntryFlag::InSequence;
        continue;
      case PureLine::Step::ElseIf:
        if (entry != EntryFlag::AfterFalseJump) {
          line = current.skipTarget;
          entry = EntryFlag::InSequence;
          continue;
        }
        [[fallthrough]];
      case PureLine::Step::If:
        if (const Outcome outcome = evaluate(current.expression, frame, value); outcome != Outcome::Done) {
          return failed(outcome);
        }
        if (value.number() != 0) {
          line += 1;
          entry = EntryFlag::InSequence;
        } else {
          line = current.falseTarget;
          entry = current.falseEntry;
        }
        continue;
      case PureLine::Step::Else:
        // Entered by a false condition: its branch runs; after a branch: the block ends.
        line = entry == EntryFlag::AfterFalseJump ? line + 1 : current.skipTarget;
        entry = EntryFlag::InSequence;
        continue;
      case PureLine::Step::NextLine:
        line += 1;
        entry = EntryFlag::InSequence;
        continue;
      case PureLine::Step::End:
        // The result and the parameters go to argument slots 0 to n.
        for (std::size_t i = 0; i <= count; ++i) write(i, *at(frame + i));
        m_top = frame;
        return Outcome::Done;
      case PureLine::Step::Header: return Outcome::GaveUp;
    }
  }
}

PureRun::Outcome PureRun::evaluate(const PureExpression& expression, std::size_t frame, NumberSlot& value) {
  using Code = PureExpression::Code;
  const std::size_t base = push(static_cast<std::size_t>(expression.slotCount));
  NumberSlot* slots = at(base);
  for (const auto& [slot, number] : expression.constants) slots[slot] = number;
  for (const PureExpression::Step& step : expression.steps) {
    char outcome = cls::Number;
    switch (step.code) {
      case Code::Read: slots[step.a] = *at(frame + static_cast<std::size_t>(step.index)); continue;
      case Code::Call: {
        const PureCall& call = expression.calls[static_cast<std::size_t>(step.index)];
        const std::size_t count = call.argumentSlots.size();
        // Indices a scalar of the name takes (all of them 0) read the
        // scalar instead of calling, after the arguments went to their
        // slots, as the usual name step does.
        if (call.variable >= 0 && count <= 3 &&
            std::all_of(call.argumentSlots.begin(), call.argumentSlots.end(),
                        [slots](PureSlot slot) { return slots[slot].number() == 0; })) {
          for (std::size_t k = 0; k < count; ++k) write(k + 1, slots[call.argumentSlots[k]]);
          slots[step.a] = *at(frame + static_cast<std::size_t>(call.variable));
          continue;
        }
        // The arguments go to argument slots 1 to n, and to the callee's frame.
        const std::size_t callee = push(count + 1);
        slots = at(base);
        for (std::size_t k = 0; k < count; ++k) {
          const NumberSlot& argument = slots[call.argumentSlots[k]];
          write(k + 1, argument);
          *at(callee + k + 1) = argument;
        }
        if (const Outcome called = callWithin(*call.callee, callee); called != Outcome::Done) return called;
        m_top = callee;
        slots = at(base);
        // Bare variable names take their parameters' final values back.
        for (const PureCall::BareArgument& bare : call.bareArguments) {
          *at(frame + static_cast<std::size_t>(bare.variable)) = m_written[bare.slot];
        }
        slots[step.a] = m_written[0];
        continue;
      }
      case Code::Floor:
      case Code::TowardZero: {
        // INT and FIX of a number; the argument goes to argument slot 1, as
        // the numeric replay leaves it.
        const NumberSlot argument = slots[step.b];
        write(1, argument);
        NumberSlot& result = slots[step.a];
        result = argument;
        TakeWholePart(step.code == Code::Floor ? WholePart::Floor : WholePart::TowardZero, result);
        continue;
      }
      case Code::Builtin: {
        const NumberSlot& argument = slots[step.b];
        write(1, argument);
        if (!m_numberFunction.call(step.index, argument, m_refusal, m_state->services, slots[step.a])) {
          return Outcome::GaveUp;
        }
        continue;
      }
      case Code::Negate: operation::negate(slots[step.a]); continue;
      case Code::Power: outcome = operation::power(slots[step.a], slots[step.b], m_refusal); break;
      case Code::Product: outcome = operation::product(slots[step.a], slots[step.b], m_refusal); break;
      case Code::Quotient: outcome = operation::quotient(slots[step.a], slots[step.b], m_refusal); break;
      case Code::Sum: outcome = operation::sum(slots[step.a], slots[step.b], m_refusal); break;
      case Code::Compare: operation::compareNumbers(step.op, slots[step.a], slots[step.b]); continue;
      case Code::AndOr: operation::andOr(step.op, slots[step.a], slots[step.b]); continue;
      case Code::Not: operation::negation(slots[step.a], slots[step.b]); continue;
    }
    if (outcome == cls::None) return Outcome::GaveUp;
  }
  value = slots[expression.result];
  m_top = base;
  return Outcome::Done;
}

}  // namespace morvane
