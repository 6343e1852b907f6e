#include "core/ExpressionReducer.h"

#include <array>
#include <bitset>
#include <cmath>
#include <cstdint>
#include <limits>
#include <span>
#include <string_view>

#include "core/Messages.h"
#include "core/NameResolution.h"
#include "core/ValueOperations.h"

namespace morvane {

namespace {

// One rule: the class patterns it rewrites, and the classes that may not
// stand right before or right after a match. Every pattern of a rule holds
// one of its operator classes, so a class string without any of them is
// passed over without a search (an empty set: always search).
struct ReductionRule {
  Reduction reduction;
  std::array<std::string_view, 8> patterns;
  std::string_view notBefore;
  std::string_view notAfter;
  std::string_view operators;
};

// The rules in the order they are tried; names are resolved before all of them.
constexpr std::array<ReductionRule, 8> ReductionRules = {{
    // (Z) becomes Z; a name's argument list "F(Z)" is left to name resolution.
    {Reduction::Parentheses, {"(Z)"}, "F", "", "("},
    // A^B^C is (A^B)^C.
    {Reduction::Power, {"Z^Z"}, "", "", "^"},
    {Reduction::ProductOrQuotient, {"Z*Z", "Z/Z"}, "/^", "^", "*/"},
    // Unary signs. A binary "-", "+" or "&" becomes two operands side by side.
    {Reduction::Sign, {"-Z", "+Z", "+S", "&S"}, "", "^", "-+&"},
    {Reduction::SumOrJoin, {"ZZ", "SS"}, "*/^", "*/^", ""},
    // Strings compare only with "=" and "<>".
    {Reduction::Comparison, {"Z<Z", "Z>Z", "Z{Z", "Z}Z", "Z=Z", "Z!Z", "S=S", "S!S"}, "*/+-^", "*/+-^", "<>{}=!"},
    // AND and OR have equal precedence, left to right.
    {Reduction::AndOr, {"Z&Z", "Z|Z"}, "*/+-^<>{}=!", "*/+-^<>{}=!", "&|"},
    {Reduction::Not, {"~Z"}, "", "^", "~"},
}};

// The class strings that end the reduction at once.
constexpr std::array<std::string_view, 4> FinalForms = {"Z", "S", "F:Z", "F:S"};

// Character loops rather than library searches: the strings are a few
// characters long, and these run for every step of every evaluation.
bool contains(std::string_view set, char c) {
  for (char member : set) {
    if (member == c) return true;
  }
  return false;
}

bool startsWith(std::string_view text, std::string_view pattern) {
  if (text.size() < pattern.size()) return false;
  for (std::size_t k = 0; k < pattern.size(); ++k) {
    if (text[k] != pattern[k]) return false;
  }
  return true;
}

// The class of token k (1-based) of a class string; cls::None outside it.
char classAt(std::string_view classes, int k) {
  return (k >= 1 && k <= static_cast<int>(classes.size())) ? classes[static_cast<std::size_t>(k - 1)]
                                                           : cls::None;
}

// The leftmost place where one of the rule's patterns matches and its guards hold.
ReductionStep findLeftmost(const ReductionRule& rule, std::string_view classes) {
  const int count = static_cast<int>(classes.size());
  for (int i = 1; i <= count; ++i) {
    const std::string_view rest = classes.substr(static_cast<std::size_t>(i - 1));
    for (std::string_view pattern : rule.patterns) {
      if (pattern.empty()) break;  // the patterns fill the front of the list
      if (!startsWith(rest, pattern)) continue;
      const int length = static_cast<int>(pattern.size());
      if (contains(rule.notBefore, classAt(classes, i - 1))) continue;
      if (contains(rule.notAfter, classAt(classes, i + length))) continue;
      return ReductionStep{rule.reduction, i, length};
    }
  }
  return ReductionStep{};
}

// Which classes a class string holds, to pass over rules that cannot match.
class OperatorSet {
 public:
  explicit OperatorSet(std::string_view classes) {
    for (char c : classes) m_present.set(static_cast<unsigned char>(c) & 0x7F);
  }
  bool holdsAnyOf(std::string_view operators) const {
    if (operators.empty()) return true;
    for (char c : operators) {
      if (m_present.test(static_cast<unsigned char>(c) & 0x7F)) return true;
    }
    return false;
  }

 private:
  // Class characters are ASCII: one bit each.
  std::bitset<128> m_present;
};

// Computes one reduction on the values of its matched tokens: m_values[k]
// belongs to the token of class m_matched[k]. The result is left in
// m_values[0]; the values of the other tokens may be moved from.
class ValueReducer {
 public:
  ValueReducer(std::string_view matched, std::span<Value* const> values, std::string& message)
      : m_matched(matched), m_values(values), m_message(message) {}

  // The class of the result, or cls::None when it fails with a message.
  char apply(Reduction reduction) {
    switch (reduction) {
      case Reduction::Parentheses: return keep(1);
      case Reduction::Power: return operation::power(value(0), value(2), m_message);
      case Reduction::ProductOrQuotient:
        return classAt(1) == '*' ? operation::product(value(0), value(2), m_message)
                                 : operation::quotient(value(0), value(2), m_message);
      case Reduction::Sign:
        // "-" negates its operand, "+" and "&" leave it as it is; the sign is dropped.
        if (classAt(0) == '-') operation::negate(value(1));
        return keep(1);
      case Reduction::SumOrJoin:
        return classAt(0) == cls::Number ? operation::sum(value(0), value(1), m_message)
                                         : operation::join(value(0), value(1));
      case Reduction::Comparison:
        return classAt(0) == cls::String ? operation::compareTexts(classAt(1), value(0), value(2))
                                         : operation::compareNumbers(classAt(1), value(0), value(2));
      case Reduction::AndOr: return operation::andOr(classAt(1), value(0), value(2));
      case Reduction::Not: return operation::negation(value(0), value(1));
    }
    return cls::None;
  }

 private:
  Value& value(std::size_t k) { return *m_values[k]; }
  char classAt(std::size_t k) const { return m_matched[k]; }

  // The matched tokens become the single token `operand` stood for.
  char keep(std::size_t operand) {
    if (operand != 0) value(0) = std::move(value(operand));
    return classAt(operand);
  }

  std::string_view m_matched;
  std::span<Value* const> m_values;
  std::string& m_message;
};

}  // namespace

bool IsFinalForm(std::string_view classes) {
  for (std::string_view form : FinalForms) {
    if (classes.size() == form.size() && startsWith(classes, form)) return true;
  }
  return false;
}

ReductionStep FindReduction(std::string_view classes) {
  const OperatorSet present(classes);
  for (const ReductionRule& rule : ReductionRules) {
    if (!present.holdsAnyOf(rule.operators)) continue;
    const ReductionStep step = findLeftmost(rule, classes);
    if (step.length != 0) return step;
  }
  return ReductionStep{};
}

char ApplyReduction(Reduction reduction, std::string_view matched, std::span<Value* const> values,
                    std::string& message) {
  return ValueReducer(matched, values, message).apply(reduction);
}

bool ReduceExpression(Evaluation& evaluation) {
  TokenList& tokens = evaluation.tokens();
  while (!IsFinalForm(tokens.classes())) {
    // 1. Names first, as soon as their arguments are single values.
    const NameOutcome name = ResolveNextName(evaluation);
    if (name == NameOutcome::Failed) return false;
    if (name == NameOutcome::Resolved) continue;

    // 2. Then the first rule that matches anywhere.
    const ReductionStep step = FindReduction(tokens.classes());
    // 3. Nothing applies: the final stage judges what is left.
    if (step.length == 0) return true;
    std::array<Value*, 3> values{};
    for (int k = 0; k < step.length; ++k) values[static_cast<std::size_t>(k)] = &tokens.value(step.first + k);
    const std::string_view matched = tokens.classes().substr(static_cast<std::size_t>(step.first - 1),
                                                              static_cast<std::size_t>(step.length));
    const char result = ApplyReduction(step.reduction, matched,
                                       std::span<Value* const>(values.data(), static_cast<std::size_t>(step.length)),
                                       evaluation.message());
    if (result == cls::None) return false;
    tokens.collapse(step.first, step.first + step.length - 1, result);
  }
  return true;
}

}  // namespace morvane
