#include "core/ExpressionReducer.h"

#include <array>
#include <bitset>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string_view>

#include "core/Messages.h"
#include "core/NameResolution.h"

namespace morvane {

namespace {

enum class Reduction { Parentheses, Power, ProductOrQuotient, Sign, SumOrJoin, Comparison, AndOr, Not };

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

// Beyond these magnitudes a result would leave the range numbers are kept in.
constexpr double LargestMagnitude = 1e99;
constexpr double SmallestDivisor = 1e-99;

constexpr std::int32_t True = -1;
constexpr std::int32_t False = 0;

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

struct Match {
  int first = 0;   // the token where the pattern starts
  int length = 0;  // the number of tokens it covers
};

// The leftmost place where one of the rule's patterns matches and its guards hold.
Match findLeftmost(const ReductionRule& rule, const TokenList& tokens) {
  const std::string_view classes = tokens.classes();
  for (int i = 1; i <= tokens.count(); ++i) {
    const std::string_view rest = classes.substr(static_cast<std::size_t>(i - 1));
    for (std::string_view pattern : rule.patterns) {
      if (pattern.empty()) break;  // the patterns fill the front of the list
      if (!startsWith(rest, pattern)) continue;
      const int length = static_cast<int>(pattern.size());
      if (contains(rule.notBefore, tokens.classAt(i - 1))) continue;
      if (contains(rule.notAfter, tokens.classAt(i + length))) continue;
      return Match{i, length};
    }
  }
  return Match{};
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

bool isTrue(const Value& v) { return std::floor(v.number()) != 0; }

Value truthValue(bool b) { return Value::fromLong(b ? True : False); }

class Reducer {
 public:
  explicit Reducer(Evaluation& evaluation)
      : m_tokens(evaluation.tokens()), m_message(evaluation.message()) {}

  // Applies the rule at the match; false when it fails with a message.
  bool apply(Reduction reduction, Match m) {
    const int i = m.first;
    switch (reduction) {
      case Reduction::Parentheses: return keep(i, i + 1, i + 2);
      case Reduction::Power: return power(i);
      case Reduction::ProductOrQuotient: return productOrQuotient(i);
      case Reduction::Sign: return sign(i);
      case Reduction::SumOrJoin: return sumOrJoin(i);
      case Reduction::Comparison: return comparison(i);
      case Reduction::AndOr: return andOr(i);
      case Reduction::Not: return negation(i);
    }
    return false;
  }

 private:
  Value& value(int k) { return m_tokens.value(k); }

  // The tokens first..last become the single token `operand` stood for.
  bool keep(int first, int operand, int last) {
    const char c = m_tokens.classAt(operand);
    if (operand != first) value(first) = std::move(value(operand));
    m_tokens.collapse(first, last, c);
    return true;
  }

  // The tokens first..last become one number token. A result beyond the
  // range of numbers (a sum of two huge numbers) fails the evaluation, so no
  // Infinity or NaN ever leaves it.
  bool number(int first, int last, Value v) {
    if (v.kind() == ValueKind::Double && !std::isfinite(v.asDouble())) return fail(msg::ArithmeticOverflow);
    value(first) = std::move(v);
    m_tokens.collapse(first, last, cls::Number);
    return true;
  }

  bool fail(std::string_view text) {
    m_message = text;
    return false;
  }

  bool power(int i) {
    const double a = value(i).number();
    const double b = value(i + 2).number();
    if (a < 0 && b != std::floor(b)) return fail(msg::IllegalExponentiation);
    if (a != 0 && std::fabs(b * std::log10(std::fabs(a))) > 99) return fail(msg::IllegalExponentiation);
    // Zero has no negative powers.
    if (a == 0 && b < 0) return fail(msg::IllegalExponentiation);
    double result = 0;
    if (b == 2) {
      result = a * a;
    } else if (b == 3) {
      result = a * a * a;
    } else {
      result = std::pow(a, b);
    }
    return number(i, i + 2, Value::fromDouble(result));
  }

  bool productOrQuotient(int i) {
    const double a = value(i).number();
    const double b = value(i + 2).number();
    if (m_tokens.classAt(i + 1) == '*') {
      const bool tooLarge = (std::fabs(a) > LargestMagnitude && std::fabs(b) > 1) ||
                            (std::fabs(b) > LargestMagnitude && std::fabs(a) > 1);
      if (tooLarge) return fail(msg::IllegalProduct);
      return number(i, i + 2, Value::fromDouble(a * b));
    }
    if (std::fabs(b) < SmallestDivisor || (std::fabs(a) > LargestMagnitude && std::fabs(b) < 1)) {
      return fail(msg::IllegalDivision);
    }
    return number(i, i + 2, Value::fromDouble(a / b));
  }

  // "-" negates its operand, "+" and "&" leave it as it is; the sign is dropped.
  bool sign(int i) {
    if (m_tokens.classAt(i) == '-') {
      Value& operand = value(i + 1);
      if (operand.kind() == ValueKind::Long && operand.asLong() != std::numeric_limits<std::int32_t>::min()) {
        operand.setLong(-operand.asLong());
      } else {
        operand.setDouble(-operand.number());
      }
    }
    return keep(i, i + 1, i + 1);
  }

  bool sumOrJoin(int i) {
    if (m_tokens.classAt(i) == cls::Number) {
      return number(i, i + 1, Value::fromDouble(value(i).number() + value(i + 1).number()));
    }
    const std::string& left = value(i).text();
    const std::string& right = value(i + 1).text();
    std::string joined;
    joined.reserve(left.size() + right.size());
    joined.append(left).append(right);
    value(i).setString(std::move(joined));
    m_tokens.collapse(i, i + 1, cls::String);
    return true;
  }

  bool comparison(int i) {
    const char op = m_tokens.classAt(i + 1);
    if (m_tokens.classAt(i) == cls::String) {
      const bool equal = value(i).text() == value(i + 2).text();
      return number(i, i + 2, truthValue(op == '=' ? equal : !equal));
    }
    const double a = value(i).number();
    const double b = value(i + 2).number();
    bool holds = false;
    switch (op) {
      case '<': holds = a < b; break;
      case '>': holds = a > b; break;
      case cls::LessOrEqual: holds = a <= b; break;
      case cls::GreaterOrEqual: holds = a >= b; break;
      case '=': holds = a == b; break;
      case cls::NotEqual: holds = a != b; break;
      default: break;
    }
    return number(i, i + 2, truthValue(holds));
  }

  // A number is true when its integer part is not 0.
  bool andOr(int i) {
    const bool a = isTrue(value(i));
    const bool b = isTrue(value(i + 2));
    const bool holds = m_tokens.classAt(i + 1) == cls::And ? (a && b) : (a || b);
    return number(i, i + 2, truthValue(holds));
  }

  // NOT is true only for exactly 0.
  bool negation(int i) { return number(i, i + 1, truthValue(value(i + 1).number() == 0)); }

  TokenList& m_tokens;
  std::string& m_message;
};

bool isFinalForm(std::string_view classes) {
  for (std::string_view form : FinalForms) {
    if (classes.size() == form.size() && startsWith(classes, form)) return true;
  }
  return false;
}

}  // namespace

bool ReduceExpression(Evaluation& evaluation) {
  TokenList& tokens = evaluation.tokens();
  Reducer reducer(evaluation);
  while (!isFinalForm(tokens.classes())) {
    // 1. Names first, as soon as their arguments are single values.
    const NameOutcome name = ResolveNextName(evaluation);
    if (name == NameOutcome::Failed) return false;
    if (name == NameOutcome::Resolved) continue;

    // 2. Then the first rule that matches anywhere.
    bool reduced = false;
    const OperatorSet present(tokens.classes());
    for (const ReductionRule& rule : ReductionRules) {
      if (!present.holdsAnyOf(rule.operators)) continue;
      const Match match = findLeftmost(rule, tokens);
      if (match.length == 0) continue;
      if (!reducer.apply(rule.reduction, match)) return false;
      reduced = true;
      break;
    }
    // 3. Nothing applies: the final stage judges what is left.
    if (!reduced) return true;
  }
  return true;
}

}  // namespace morvane
