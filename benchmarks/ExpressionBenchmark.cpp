// How long one evaluation of a typical expression takes, and how many heap
// allocations it makes. The evaluator runs for every expression of every
// executed line, so numeric expressions should allocate nothing at all, and
// string expressions only the texts of their values.

#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <new>
#include <string>
#include <string_view>

#include "core/EngineServices.h"
#include "core/Expression.h"
#include "core/InterpreterState.h"

namespace {

// Every allocation of the process is counted, so that the benchmark can
// report allocations per evaluation.
std::atomic<long> allocations{0};

}  // namespace

void* operator new(std::size_t size) {
  allocations.fetch_add(1, std::memory_order_relaxed);
  if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace morvane {
namespace {

class BenchmarkEngine final : public EngineServices {
 public:
  VariableTable& globalTable() override { return m_globals; }
  RunState runState(std::int32_t) override { return RunState::Running; }
  void executeStatement(InterpreterState&) override {}
  void displaytext(std::int32_t, std::string_view) override {}

 private:
  VariableTable m_globals;
};

// One program level with a few variables, evaluating expressions of its store.
class Level {
 public:
  Level() {
    args.resize(TopLevelArgumentSlots);
    run("A = 12.5", ExpressionMode::set());
    run("B = 3", ExpressionMode::set());
    run("N& = 42", ExpressionMode::set());
    run("S$ = \"item\"", ExpressionMode::set());
    run("ARR(10, 10)", ExpressionMode::declare("LOCAL_DIM"));
    run("ARR(3, 2) = 7", ExpressionMode::set());
    run("I = 3", ExpressionMode::set());
    run("J = 2", ExpressionMode::set());
  }

  // Puts text into the store and evaluates it once.
  void run(std::string_view text, ExpressionMode mode = ExpressionMode::get()) {
    chars = ProgramChars(std::string(text) + "\r\n");
    m_end = static_cast<Position>(text.size());
    evaluate(mode);
  }

  // Evaluates the text in the store again.
  void evaluate(ExpressionMode mode = ExpressionMode::get()) {
    EvaluateExpression(state, 1, m_end, name, scratch, mode, RunState::Running);
  }

  BenchmarkEngine engine;
  ProgramChars chars;
  LineTable lines{10};
  std::string message;
  Value result;
  VariableTable locals;
  ArgumentList args;
  std::int32_t argCount = 0;
  InterpreterState state{chars, lines, 1, message, result, locals, args, argCount, 0, engine};
  std::string name;
  Value scratch;

 private:
  Position m_end = 0;
};

void evaluateRepeatedly(benchmark::State& run, std::string_view expression,
                        ExpressionMode mode = ExpressionMode::get()) {
  Level level;
  level.run(expression, mode);
  if (!level.message.empty()) {
    run.SkipWithError(level.message.c_str());
    return;
  }
  const long before = allocations.load();
  for (auto _ : run) {
    level.evaluate(mode);
    benchmark::DoNotOptimize(level.result);
  }
  run.counters["allocs/eval"] = benchmark::Counter(
      static_cast<double>(allocations.load() - before) / static_cast<double>(run.iterations()));
}

void Arithmetic(benchmark::State& run) { evaluateRepeatedly(run, "(A + 2.5) * 3 - B / 4 ^ 2"); }
void Comparison(benchmark::State& run) { evaluateRepeatedly(run, "A > 10 AND B <= 3 OR NOT N& = 42"); }
void StringJoin(benchmark::State& run) { evaluateRepeatedly(run, "S$ & \" #\" & STR(N&)"); }
void BuiltinCall(benchmark::State& run) { evaluateRepeatedly(run, "SQR(ABS(A - 20)) + INT(B / 2)"); }
void ArrayElement(benchmark::State& run) { evaluateRepeatedly(run, "ARR(I, J) + ARR(1, J * 2)"); }
void Assignment(benchmark::State& run) {
  evaluateRepeatedly(run, "ARR(I, J) = ARR(I, J) + 1", ExpressionMode::set());
}

BENCHMARK(Arithmetic);
BENCHMARK(Comparison);
BENCHMARK(StringJoin);
BENCHMARK(BuiltinCall);
BENCHMARK(ArrayElement);
BENCHMARK(Assignment);

}  // namespace
}  // namespace morvane

BENCHMARK_MAIN();
