#pragma once
// The evaluator's working memory. An expression becomes a token list: one
// class character per token in a class string, with a value and a position
// in the character store beside each. The lists have a fixed size and are
// reused from one evaluation to the next, so evaluating allocates nothing per
// token beyond the text of string values.
//
// Evaluations nest (an expression calls a procedure whose lines evaluate
// expressions of their own), so the engine keeps one workspace per nesting
// level and hands them out in stack order.

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/Value.h"
#include "core/VariableTable.h"
#include "prepare/ProgramChars.h"

namespace morvane {

// The most tokens one expression may have.
constexpr int MaxTokens = 750;

// The class characters of the token list.
namespace cls {
constexpr char Number = 'Z';
constexpr char String = 'S';
constexpr char Name = 'F';
constexpr char And = '&';
constexpr char Or = '|';
constexpr char Not = '~';
constexpr char LessOrEqual = '{';
constexpr char GreaterOrEqual = '}';
constexpr char NotEqual = '!';
constexpr char Assignment = ':';
// What a position outside the list answers: no class, so no guard excludes it.
constexpr char None = ' ';
}  // namespace cls

class TokenList {
 public:
  TokenList() {
    m_classes.reserve(MaxTokens + 2);
    clear();
  }

  void clear() { m_classes.assign(1, cls::None); }

  int count() const { return static_cast<int>(m_classes.size()) - 1; }
  bool full() const { return count() >= MaxTokens; }

  // The class string, token 1 first.
  std::string_view classes() const { return std::string_view(m_classes).substr(1); }
  // The class of token k (1-based); cls::None outside the list.
  char classAt(int k) const { return (k >= 1 && k <= count()) ? m_classes[index(k)] : cls::None; }
  void setClass(int k, char c) { m_classes[index(k)] = c; }

  Value& value(int k) { return m_values[index(k)]; }
  const Value& value(int k) const { return m_values[index(k)]; }
  Position position(int k) const { return m_positions[index(k)]; }

  // Adds a token at the end; its value is left for the caller to set.
  // The caller checks full() first.
  void append(char c, Position p) {
    m_classes.push_back(c);
    m_positions[index(count())] = p;
  }

  // Drops the tokens after the first newCount.
  void truncate(int newCount) { m_classes.resize(index(newCount) + 1); }

  // Replaces the tokens first..last by one token of class c at first, which
  // keeps its value slot and position; the later tokens move down.
  void collapse(int first, int last, char c) {
    m_classes[index(first)] = c;
    const int removed = last - first;
    if (removed == 0) return;
    for (int k = last + 1; k <= count(); ++k) {
      m_values[index(k - removed)] = std::move(m_values[index(k)]);
      m_positions[index(k - removed)] = m_positions[index(k)];
    }
    m_classes.erase(index(first) + 1, static_cast<std::size_t>(removed));
  }

 private:
  static std::size_t index(int k) { return static_cast<std::size_t>(k); }

  std::string m_classes;  // m_classes[0] is a filler, so m_classes[k] is token k
  std::array<Value, MaxTokens + 1> m_values;
  std::array<Position, MaxTokens + 1> m_positions{};
};

// Everything one nesting level of the evaluator reuses between calls.
struct ExpressionWorkspace {
  TokenList tokens;
  std::string lookupResult;  // the answer of the variable store's lookup
  std::string keyword;       // statement keywords while searching procedure headers
  // The own variables of a SUB or FUNCTION this level calls, empty between
  // calls. Calls from one level follow one another, so one table serves
  // them all and its storage is allocated once rather than on every call.
  VariableTable procedureTable;
};

// Procedure calls nest on the platform's stack. A runaway recursion ends with
// "Too many nested calls!" once either limit is reached: the number of nested
// calls, or the stack used since the outermost evaluation (the levels above
// the evaluator have frames of their own, larger still in sanitizer builds).
// The engine runs on a thread with the usual 8 MiB of stack.
constexpr int MaxNestedCalls = 1000;
constexpr std::uintptr_t StackBudget = std::uintptr_t{4} << 20;  // 4 MiB

// The workspaces of one engine, one per nesting level of evaluations, and the
// count of procedure calls in progress.
class ExpressionWorkspaces {
 public:
  // Hands out the workspace of the next nesting level for as long as it
  // lives. Made as a local variable: the outermost one marks where the stack
  // stood when evaluating began.
  class Lease {
   public:
    explicit Lease(ExpressionWorkspaces& owner) : m_owner(owner) {
      m_workspace = &m_owner.enter(reinterpret_cast<std::uintptr_t>(this));
    }
    ~Lease() { m_owner.leave(); }
    Lease(const Lease&) = delete;
    Lease& operator=(const Lease&) = delete;
    ExpressionWorkspace& workspace() { return *m_workspace; }

   private:
    ExpressionWorkspaces& m_owner;
    ExpressionWorkspace* m_workspace = nullptr;
  };

  // Counts one procedure call for as long as it lives; `allowed` is false
  // when the call would nest too deeply, and then it counts nothing. Made as
  // a local variable, so that its address tells how deep the stack is.
  class CallGuard {
   public:
    explicit CallGuard(ExpressionWorkspaces& owner) : m_owner(owner) {
      const auto here = reinterpret_cast<std::uintptr_t>(this);
      m_allowed = m_owner.m_nestedCalls < MaxNestedCalls && m_owner.stackUsed(here) <= StackBudget;
      if (m_allowed) ++m_owner.m_nestedCalls;
    }
    ~CallGuard() {
      if (m_allowed) --m_owner.m_nestedCalls;
    }
    CallGuard(const CallGuard&) = delete;
    CallGuard& operator=(const CallGuard&) = delete;
    bool allowed() const { return m_allowed; }

   private:
    ExpressionWorkspaces& m_owner;
    bool m_allowed = false;
  };

  int depth() const { return m_depth; }
  int nestedCalls() const { return m_nestedCalls; }

 private:
  ExpressionWorkspace& enter(std::uintptr_t stackMark) {
    if (m_depth == 0) m_stackBase = stackMark;
    if (static_cast<std::size_t>(m_depth) == m_levels.size()) addLevel();
    return *m_levels[static_cast<std::size_t>(m_depth++)];
  }
  // Kept out of line: a level is added once, entered millions of times.
  [[gnu::noinline]] void addLevel() { m_levels.push_back(std::make_unique<ExpressionWorkspace>()); }
  void leave() { --m_depth; }

  // How far the stack has grown from the outermost evaluation to `here`. A
  // distance too large to be one stack means the two marks lie in different
  // memory (some sanitizers keep frames apart); it then counts as nothing.
  std::uintptr_t stackUsed(std::uintptr_t here) const {
    const std::uintptr_t used = here < m_stackBase ? m_stackBase - here : here - m_stackBase;
    constexpr std::uintptr_t LargestStack = std::uintptr_t{1} << 30;
    return used > LargestStack ? 0 : used;
  }

  std::vector<std::unique_ptr<ExpressionWorkspace>> m_levels;
  int m_depth = 0;
  int m_nestedCalls = 0;
  std::uintptr_t m_stackBase = 0;
};

}  // namespace morvane
