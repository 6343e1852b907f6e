#include "fast/FastCalls.h"

#include <exception>

#include "core/EngineServices.h"
#include "core/Variables.h"
#include "exec/ExecuteStatement.h"
#include "exec/RunObserver.h"
#include "fast/FastEngine.h"

namespace morvane {

namespace {

// The level runs the caller's program: it counts among the program's
// levels for as long as it lasts, as the executor's levels do. The caller
// is one of them, so the program outlives the level.
class ProgramLevel {
 public:
  explicit ProgramLevel(StatementContext& ctx, AcceleratedProgram* program) : m_ctx(ctx) {
    m_ctx.accelerated = program;
    ++program->activeLevels;
  }
  ~ProgramLevel() {
    --m_ctx.accelerated->activeLevels;
    m_ctx.accelerated = nullptr;
  }
  ProgramLevel(const ProgramLevel&) = delete;
  ProgramLevel& operator=(const ProgramLevel&) = delete;

 private:
  StatementContext& m_ctx;
};

// The steps of a call from a replayed expression.
class ReplayedCall final : public ProcedureCallSteps {
 public:
  ReplayedCall(FastEngine& engine, StatementContext& caller, std::span<BareArgument> bareArguments)
      : m_engine(engine), m_caller(caller), m_bareArguments(bareArguments) {}

  void runLevel(InterpreterState& level) override { m_engine.runProcedureLevel(m_caller, level); }

  bool copyArgumentsBack(Evaluation& ev) override {
    for (BareArgument& argument : m_bareArguments) {
      if (!copyBack(ev, argument)) return false;
    }
    return true;
  }

 private:
  // The usual case: the variable exists, its suffix fits, and its storage
  // type takes the value; the store then writes its name as the current
  // name and nothing else. Every other case (no such variable, a value it
  // refuses) is the literal copying's, which looks again and gives the
  // message.
  static bool copyBack(Evaluation& ev, BareArgument& argument) {
    InterpreterState& state = ev.state;
    VariableReference& variable = argument.variable;
    const VariableReference::Found found = variable.element(state.localTable, state.services.globalTable(), {});
    if (found.element != nullptr && (variable.suffix() == ' ' || variable.suffix() == found.record->suffix) &&
        StoreByRecordType(found.record->suffix, state.argValues[argument.slot], *found.element) ==
            StoreOutcome::Stored) {
      variable.writeName(ev.currentName);
      return true;
    }
    return CopyArgumentBack(ev, argument.slot, argument.position);
  }

  FastEngine& m_engine;
  StatementContext& m_caller;
  std::span<BareArgument> m_bareArguments;
};

}  // namespace

std::vector<BareArgument> FindBareArguments(const ProgramChars& chars, std::span<const Position> argumentPositions) {
  std::vector<BareArgument> bare;
  for (std::size_t k = 0; k < argumentPositions.size(); ++k) {
    const Position position = argumentPositions[k];
    if (!IsBareVariableName(chars, position)) continue;
    BareArgument argument{k + 1, position, VariableReference{}};
    argument.variable.bind(chars, position);
    bare.push_back(std::move(argument));
  }
  return bare;
}

bool CallingLevel::call(Evaluation& ev, const ProcedureHeader& header, std::int32_t argumentCount,
                        std::span<BareArgument> bareArguments) {
  ReplayedCall steps(m_engine, m_caller, bareArguments);
  // A function that computes with numbers alone runs as a whole; after it,
  // as after its level, the arguments take their values back and the result
  // is the one its end left.
  switch (m_engine.runPure(m_caller, ev, header, argumentCount)) {
    case PureRun::Outcome::Done:
      if (!steps.copyArgumentsBack(ev)) return false;
      ev.state.resultValue = ev.state.argValues[0];
      return true;
    case PureRun::Outcome::Interrupted: return false;
    case PureRun::Outcome::GaveUp: break;
  }
  return CallProcedure(ev, header, argumentCount, steps);
}

PureRun::Outcome FastEngine::runPure(StatementContext& caller, const Evaluation& ev, const ProcedureHeader& header,
                                     std::int32_t argumentCount) {
  // Only where the usual call's level would bind its header and run its
  // lines in the engine's own loop: a free run, neither stepped nor watched
  // line by line.
  const Document& document = caller.document;
  if (header.kind != ProcedureKind::OwnVariables || ev.runState != RunState::Running ||
      caller.lineMode != RunState::Running || document.runState != RunState::Running || document.free ||
      (document.observer != nullptr && document.observer->watchesEveryLine())) {
    return PureRun::Outcome::GaveUp;
  }
  PureFunction* function = caller.accelerated->pureFunction(header.line);
  if (function == nullptr) return PureRun::Outcome::GaveUp;
  function->judge(*caller.accelerated, PureFunction::When::Due);
  if (function->state() != PureFunction::State::Pure || function->parameterCount() != argumentCount) {
    return PureRun::Outcome::GaveUp;
  }
  return m_pureRun.call(caller, *function);
}

void FastEngine::runProcedureLevel(StatementContext& caller, InterpreterState& level) {
  // The level runs in the caller's window (the level's window is the
  // caller's) and on the caller's store.
  Document& document = caller.document;
  StatementContext ctx{level, caller.workspace, document};
  ctx.entryFlag = EntryFlag::AtEntry;
  ++document.activeRuns;
  const ProgramLevel program(ctx, caller.accelerated);
  const LevelWatch watch(ctx);
  // The header line and those after it, as far as the engine's own loop
  // goes (in a free run); the line loop takes over from there. A platform
  // failure inside a line is an error of the line, as in the line loop.
  Completion done = Completion::NextLine;
  try {
    done = runFreeLines(ctx);
  } catch (const std::exception&) {
    done = Completion::ErrorExit;
  }
  FinishLevel(ctx, done);
  --document.activeRuns;
}

}  // namespace morvane
