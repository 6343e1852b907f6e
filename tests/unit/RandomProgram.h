#pragma once
// A generator of random but well-formed programs for comparing the engines:
// loops, IF blocks, procedures with LOCAL and by-reference arguments,
// arrays, strings, built-in functions, and now and then an error on purpose.
// Every loop is bounded and every recursion counts down, so each program
// ends by itself. The same seed always gives the same program.

#include <random>
#include <string>

namespace morvane::testing {

class RandomProgram {
 public:
  explicit RandomProgram(unsigned seed) : m_random(seed) {}

  // A whole program, CR LF line ends.
  std::string program();
  // A line to type into the protocol: an assignment, a PRINT or an expression.
  std::string commandLine();

 private:
  int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_random); }
  bool chance(int percent) { return below(100) < percent; }

  std::string numberExpression(int depth);
  std::string stringExpression(int depth);
  std::string condition(int depth);
  std::string numberTarget();
  std::string statement(int depth);
  void block(std::string& out, int depth, int statements);
  void line(std::string& out, const std::string& text);

  std::mt19937 m_random;
  int m_loopDepth = 0;
  int m_indent = 0;
  int m_labels = 0;
  bool m_inProcedure = false;
};

}  // namespace morvane::testing
