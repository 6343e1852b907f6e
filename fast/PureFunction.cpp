#include "fast/PureFunction.h"

#include <algorithm>

#include "fast/AcceleratedProgram.h"

namespace morvane {

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

 private:
  AcceleratedProgram& m_program;
  const HeaderDecode& m_header;
};

// The form of a line's expression from its compiled form, once it has been
// evaluated; an expression that always runs literally has none.
PureJudgement expressionOf(const ExpressionEntry* entry, FunctionNames& names, PureExpression& form,
                           bool assignment) {
  if (entry != nullptr && entry->literalOnly) return PureJudgement::NotPure;
  if (entry == nullptr || !entry->compiled) return PureJudgement::NotYet;
  const PureJudgement judgement = entry->expression.pureForm(names, form);
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
  m_callees.clear();
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

}  // namespace morvane
