// The form of a compiled expression in a function that computes with
// numbers alone: the numeric replay's steps, with the function's variables
// read from its frame and its calls made by the pure run.

#include "core/ValueOperations.h"
#include "fast/CompiledExpression.h"
#include "fast/PureFunction.h"

namespace morvane {

namespace {

// A name whose suffix fits a variable of the frame (all of them store
// numbers of any kind).
bool suffixFitsFrame(const VariableReference& name) { return name.suffix() == ' ' || name.suffix() == '#'; }

// The constant a slot holds while no step has written it, or nullptr.
NumberSlot* constantAt(PureExpression& form, PureSlot slot) {
  for (const PureExpression::Step& step : form.steps) {
    if (step.a == slot) return nullptr;
  }
  for (auto& [constantSlot, number] : form.constants) {
    if (constantSlot == slot) return &number;
  }
  return nullptr;
}

}  // namespace

PureJudgement CompiledExpression::pureForm(PureNames& names, PureExpression& form) const {
  using Code = PureExpression::Code;
  if (m_final == Final::SyntaxError || m_tokenCount > MaxTokens) return PureJudgement::NotPure;
  form = PureExpression{};
  form.slotCount = slotCount();
  for (const Constant& constant : m_constants) {
    if (!constant.value.isNumber()) return PureJudgement::NotPure;
    NumberSlot number;
    number.take(constant.value);
    form.constants.emplace_back(constant.slot, number);
  }
  const StepsWithoutCopies steps = stepsWithoutCopies();
  for (const Op& op : steps.ops) {
    PureExpression::Step step{Code::Read, op.op, op.a, op.b, 0};
    switch (op.code) {
      case OpCode::Name: {
        const NameStep& name = m_names[static_cast<std::size_t>(op.name)];
        if (name.expectedClass != cls::Number || !suffixFitsFrame(name.variable)) return PureJudgement::NotPure;
        step.a = name.nameSlot;
        if (name.argumentCount == 0) {
          // A variable of the frame; the level's own table always holds it.
          step.index = names.variable(name.variable);
          if (step.index < 0) return PureJudgement::NotPure;
          break;
        }
        if (name.builtin != NoBuiltinFunction) {
          // A built-in function of one number, as the numeric replay computes
          // it, unless a variable of the frame has its name.
          if (name.argumentCount != 1 || !IsPureNumericFunction(name.variable.name()) ||
              names.variable(name.variable) >= 0) {
            return PureJudgement::NotPure;
          }
          const std::string& function = name.variable.name();
          step.code = function == "INT" ? Code::Floor : function == "FIX" ? Code::TowardZero : Code::Builtin;
          step.index = name.builtin;
          step.b = steps.argumentSlots[static_cast<std::size_t>(op.name)][0];
          form.builtinNames.push_back(name.variable.name());
          break;
        }
        // A call of a pure function.
        if (name.procedure.line == 0) return PureJudgement::NotPure;
        PureCall call;
        call.name = name.variable.name();
        const PureJudgement callee = names.callee(name.procedure, name.argumentCount, call.callee);
        if (callee != PureJudgement::Pure) return callee;
        call.argumentSlots.assign(steps.argumentSlots[static_cast<std::size_t>(op.name)].begin(),
                                  steps.argumentSlots[static_cast<std::size_t>(op.name)].end());
        call.variable = names.variable(name.variable);
        for (const BareArgument& bare : name.bareArguments) {
          const int variable = names.variable(bare.variable);
          if (variable < 0 || !suffixFitsFrame(bare.variable)) return PureJudgement::NotPure;
          call.bareArguments.push_back(PureCall::BareArgument{bare.slot, variable});
        }
        step.code = Code::Call;
        step.index = static_cast<int>(form.calls.size());
        form.calls.push_back(std::move(call));
        break;
      }
      case OpCode::Keep: continue;  // renamed away
      case OpCode::NegateKeep:
        // The sign of a number written in the text (N - 1 is N + -1) is
        // taken once: that slot holds nothing else.
        if (NumberSlot* constant = constantAt(form, op.a)) {
          operation::negate(*constant);
          continue;
        }
        step.code = Code::Negate;
        break;
      case OpCode::Power: step.code = Code::Power; break;
      case OpCode::Product: step.code = Code::Product; break;
      case OpCode::Quotient: step.code = Code::Quotient; break;
      case OpCode::Sum: step.code = Code::Sum; break;
      case OpCode::CompareNumbers: step.code = Code::Compare; break;
      case OpCode::AndOr: step.code = Code::AndOr; break;
      case OpCode::Not: step.code = Code::Not; break;
      case OpCode::Join:
      case OpCode::CompareTexts: return PureJudgement::NotPure;
    }
    form.steps.push_back(step);
  }
  form.result = steps.renamed[static_cast<std::size_t>(m_resultSlot)];
  if (m_final == Final::Assign) {
    // A scalar of the frame takes the value.
    if (m_indexCount != 0 || !suffixFitsFrame(m_target)) return PureJudgement::NotPure;
    form.target = names.variable(m_target);
    if (form.target < 0) return PureJudgement::NotPure;
  }
  return PureJudgement::Pure;
}

}  // namespace morvane
