#include "fast/PureFunction.h"

#include <algorithm>
#include <cmath>

#include "core/BuiltinFunctions.h"
#include "core/EngineServices.h"
#include "core/ExpressionWorkspace.h"
#include "core/Messages.h"
#include "core/ValueOperations.h"
#include "exec/ExecuteStatement.h"
#include "exec/RunObserver.h"
#include "exec/Workspace.h"
#include "fast/AcceleratedProgram.h"

namespace morvane {

// ---- Judging ------------------------------------------------------------------

namespace {

// The names of a function's expressions: its header's variables, and the
// functions of the program.
class FunctionNames final : public PureNames {
 public:
  FunctionNames(AcceleratedProgram& program, const HeaderDecode& header) : m_program(program), m_header(header) {}

  int variable(const VariableReference& name) const override {
    for (std::size_t i = 0; i < m_header.variables.size(); ++i) {
      if (m_header.variables[i].record.name == name.name()) return static_cast<int>(i);
    }
    return -1;
  }

  PureJudgement callee(const ProcedureHeader& header, int argumentCount, PureFunction*& function) override {
    if (header.kind != ProcedureKind::OwnVariables) return PureJudgement::NotPure;
    function = m_program.pureFunction(header.line);
    if (function == nullptr) return PureJudgement::NotPure;
    // One the judging has reached already (the function itself, or one that
    // calls it) is taken as pure: should it turn out otherwise, a call of it
    // finds it so and gives up.
    if (function->state() == PureFunction::State::Unjudged) function->judge(m_program, PureFunction::When::Now);
    switch (function->state()) {
      case PureFunction::State::Unjudged: return PureJudgement::NotYet;
      case PureFunction::State::NotPure: return PureJudgement::NotPure;
      case PureFunction::State::Judging:
      case PureFunction::State::Pure: break;
    }
    return function->parameterCount() == argumentCount ? PureJudgement::Pure : PureJudgement::NotPure;
  }

  // The names the function's calls look for among the variables first.
  std::vector<std::string> calledNames;

 private:
  AcceleratedProgram& m_program;
  const HeaderDecode& m_header;
};

// The compiled form of a line's expression, once it has been evaluated.
const CompiledExpression* compiledForm(const ExpressionEntry* entry) {
  if (entry == nullptr || entry->literalOnly || !entry->compiled) return nullptr;
  return &entry->expression;
}

PureJudgement expressionOf(const ExpressionEntry* entry, FunctionNames& names, PureExpression& form,
                           bool assignment) {
  const CompiledExpression* compiled = compiledForm(entry);
  if (compiled == nullptr) return PureJudgement::NotYet;
  const PureJudgement judgement = compiled->pureForm(names, form);
  if (judgement != PureJudgement::Pure) return judgement;
  return (form.target >= 0) == assignment ? PureJudgement::Pure : PureJudgement::NotPure;
}

}  // namespace

void PureFunction::judge(AcceleratedProgram& program, When when) {
  if (m_state != State::Unjudged) return;
  if (when == When::Due && --m_callsUntilJudged > 0) return;
  m_state = State::Judging;
  const PureJudgement judgement = judgeLines(program);
  if (judgement == PureJudgement::Pure && m_state == State::Judging) {
    m_state = State::Pure;
    return;
  }
  if (judgement == PureJudgement::NotPure) {
    m_state = State::NotPure;
    m_lines.clear();
    return;
  }
  m_state = State::Unjudged;
  m_judgeInterval = std::min<std::int64_t>(m_judgeInterval * 2, std::int64_t{1} << 20);
  m_callsUntilJudged = m_judgeInterval;
}

PureJudgement PureFunction::judgeLines(AcceleratedProgram& program) {
  const LineDecode* headerLine = program.line(m_header);
  if (headerLine == nullptr) return PureJudgement::NotPure;
  if (!headerLine->decoded) return PureJudgement::NotYet;
  if (headerLine->kind != StatementKind::ProcedureHeader || headerLine->keyword != "FUNCTION") {
    return PureJudgement::NotPure;
  }
  const HeaderDecode& header = headerLine->header;
  if (header.state == HeaderDecode::State::Unread) return PureJudgement::NotYet;
  if (header.state == HeaderDecode::State::Literal) return PureJudgement::NotPure;
  // Every variable of the frame holds numbers of any kind.
  for (const HeaderVariable& variable : header.variables) {
    if (variable.record.suffix != '#') return PureJudgement::NotPure;
  }
  m_parameterCount = header.parameterCount();
  FunctionNames names(program, header);
  m_lines.assign(1, PureLine{});
  m_lines[0].step = PureLine::Step::Header;
  const LineTable& lines = program.lines();
  for (LineNumber s = m_header + 1;; ++s) {
    const LineDecode* decode = program.line(s);
    if (decode == nullptr || s > lines.lastLine) return PureJudgement::NotPure;
    if (!decode->decoded) return PureJudgement::NotYet;
    PureLine line;
    PureJudgement judgement = PureJudgement::Pure;
    switch (decode->kind) {
      case StatementKind::ProcedureEnd: line.step = PureLine::Step::End; break;
      case StatementKind::Assignment:
        line.step = PureLine::Step::Assignment;
        judgement = expressionOf(decode->assignment, names, line.expression, true);
        break;
      case StatementKind::IfBlock: {
        if (!decode->controlDecoded) return PureJudgement::NotYet;
        const ControlDecode& control = decode->control;
        switch (control.statement) {
          case ControlStatement::If:
          case ControlStatement::ElseIf:
            if (control.then == 0) return PureJudgement::NotPure;
            line.step = control.statement == ControlStatement::If ? PureLine::Step::If : PureLine::Step::ElseIf;
            line.falseTarget = lines.blockLink(s);
            line.falseEntry = control.falseEntry;
            line.skipTarget = control.skipTarget;
            judgement = expressionOf(control.condition, names, line.expression, false);
            break;
          case ControlStatement::Else:
            line.step = PureLine::Step::Else;
            line.skipTarget = control.skipTarget;
            break;
          case ControlStatement::NextLineOnly: line.step = PureLine::Step::NextLine; break;  // END IF
          default: return PureJudgement::NotPure;
        }
        break;
      }
      default: return PureJudgement::NotPure;
    }
    if (judgement != PureJudgement::Pure) return judgement;
    m_largestExpression = std::max(m_largestExpression, line.expression.slotCount);
    m_lines.push_back(std::move(line));
    if (decode->kind == StatementKind::ProcedureEnd && decode->keyword.starts_with("END")) break;
  }
  // Every jump stays within the function (the last line ends it, so going
  // on to the next line does too).
  const LineNumber last = m_header + static_cast<LineNumber>(m_lines.size()) - 1;
  const auto within = [&](LineNumber target) { return target > m_header && target <= last; };
  for (const PureLine& line : m_lines) {
    const bool conditional = line.step == PureLine::Step::If || line.step == PureLine::Step::ElseIf;
    const bool skips = line.step == PureLine::Step::ElseIf || line.step == PureLine::Step::Else;
    if ((conditional && !within(line.falseTarget)) || (skips && !within(line.skipTarget))) {
      return PureJudgement::NotPure;
    }
  }
  m_calledNames.clear();
  for (const PureLine& line : m_lines) {
    m_calledNames.insert(m_calledNames.end(), line.expression.builtinNames.begin(), line.expression.builtinNames.end());
    for (const PureCall& call : line.expression.calls) {
      if (call.variable < 0) m_calledNames.push_back(call.name);
      if (std::find(m_callees.begin(), m_callees.end(), call.callee) == m_callees.end()) {
        m_callees.push_back(call.callee);
      }
    }
  }
  return PureJudgement::Pure;
}

// ---- Running ------------------------------------------------------------------

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
  if (function.m_namesAbsentAt == globals.generation) return true;
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
  function.m_namesAbsentAt = globals.generation;
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
        if (result.kind() == ValueKind::Double) {
          result.setDouble(
              WholePartOf(step.code == Code::Floor ? WholePart::Floor : WholePart::TowardZero, result.number()));
        }
        continue;
      }
      case Code::Builtin: {
        const NumberSlot& argument = slots[step.b];
        write(1, argument);
        NumberSlot& result = slots[step.a];
        if (m_builtinArguments.size() < 2) m_builtinArguments.resize(2);
        argument.giveTo(m_builtinArguments[1]);
        Value& computed = m_builtinArguments[0];
        if (!CallBuiltinFunctionInto(step.index, m_builtinArguments, 1, m_refusal, m_state->services, computed) ||
            !computed.isNumber()) {
          return Outcome::GaveUp;
        }
        result.take(computed);
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
