#include "core/ExpressionScanner.h"

#include <array>
#include <charconv>
#include <cmath>
#include <string_view>

#include "core/Messages.h"
#include "prepare/Characters.h"

namespace morvane {

namespace {

// Number literals shorter than this, and without an exponent, are converted
// directly; longer ones go through ScanNumber, which checks them fully.
constexpr std::size_t ShortLiteralLength = 14;

constexpr std::string_view SingleCharacterOperators = "+&-*/^()=<>,";
constexpr std::string_view SuffixCharacters = "#!%&$";

// Neighbouring classes that no expression may hold: two operands in a row,
// or an operand directly beside a parenthesis on the wrong side.
constexpr std::array<std::string_view, 12> ForbiddenNeighbours = {
    "Z(", ")Z", ")F", "FF", "FZ", "FS", "ZF", "ZZ", "ZS", "SF", "SZ", "SS"};

bool contains(std::string_view set, char c) { return set.find(c) != std::string_view::npos; }

// True when the characters at p, upper-cased, spell word and all lie in the range.
bool spellsAt(const ProgramChars& chars, Position p, Position end, std::string_view word) {
  const auto length = static_cast<Position>(word.size());
  if (p + length - 1 > end) return false;
  for (Position i = 0; i < length; ++i) {
    if (chars.upperAt(p + i) != word[static_cast<std::size_t>(i)]) return false;
  }
  return true;
}

// The decimal value of the longest valid leading part of text (digits with
// at most one point); 0 when it has none.
double leadingDecimal(std::string_view text) {
  double value = 0;
  const auto result = std::from_chars(text.data(), text.data() + text.size(), value,
                                      std::chars_format::fixed);
  if (result.ec == std::errc::result_out_of_range) return HUGE_VAL;
  return result.ec == std::errc{} ? value : 0.0;
}

class Scanner {
 public:
  Scanner(ProgramChars& chars, Position start, Position end, TokenList& tokens,
          std::string& message)
      : m_chars(chars), m_p(start), m_end(end), m_tokens(tokens), m_message(message) {}

  // The token loop: one token (or one skipped character) per round.
  bool scanTokens() {
    while (m_p <= m_end) {
      if (!scanOne()) return false;
    }
    if (m_tokens.count() == 0) return fail(msg::EmptyExpression);
    return true;
  }

 private:
  bool scanOne() {
    const char c = m_chars.at(m_p);
    const char upper = upperChar(c);

    // Word operators and two-character comparisons first.
    if (c == ' ' && spellsAt(m_chars, m_p, m_end, " AND ")) return makeOperator(cls::And, 5);
    if (upper == 'N' && spellsAt(m_chars, m_p, m_end, "NOT ") &&
        !isLetterAtoZ(m_chars.upperAt(m_p - 1))) {
      return makeOperator(cls::Not, 4);
    }
    if (c == ' ' && spellsAt(m_chars, m_p, m_end, " OR ")) return makeOperator(cls::Or, 4);
    if (c == '<' || c == '=' || c == '>') {
      if (spellsAt(m_chars, m_p, m_end, "=<") || spellsAt(m_chars, m_p, m_end, "<=")) {
        return makeOperator(cls::LessOrEqual, 2);
      }
      if (spellsAt(m_chars, m_p, m_end, "=>") || spellsAt(m_chars, m_p, m_end, ">=")) {
        return makeOperator(cls::GreaterOrEqual, 2);
      }
      if (spellsAt(m_chars, m_p, m_end, "><") || spellsAt(m_chars, m_p, m_end, "<>")) {
        return makeOperator(cls::NotEqual, 2);
      }
    }
    if (contains(SingleCharacterOperators, c)) return makeOperator(c, 1);

    // Operands.
    if (isLetterAtoZ(upper)) return scanName();
    if (c == '.' || isDigit(c)) return scanNumberLiteral();
    if (c == Quote) return scanStringLiteral();

    // A continuation mark: the expression goes on after the line end.
    if (isBlank(c) && m_chars.at(m_p + 1) == '_' && isBlank(m_chars.at(m_p + 2))) {
      while (m_chars.at(m_p) != CR) ++m_p;
      ++m_p;
      return true;
    }
    if (c == '\\' || c == ':' || isSignificant(c)) return fail(msg::IllegalCharacterInExpression);

    ++m_p;  // a blank or control character
    return true;
  }

  bool makeOperator(char c, Position width) {
    if (!newToken(c, m_p)) return false;
    m_p += width;
    return true;
  }

  // Room for one more token, or the too-complex message.
  bool newToken(char c, Position p) {
    if (m_tokens.full()) return fail(msg::ExpressionTooComplex);
    m_tokens.append(c, p);
    return true;
  }

  // A name runs on over letters, digits and "_"; a suffix character ends it
  // and belongs to it. Every character is written back upper-cased.
  bool scanName() {
    if (!newToken(cls::Name, m_p)) return false;
    while (m_p <= m_end) {
      const char upper = m_chars.upperAt(m_p);
      const bool suffix = contains(SuffixCharacters, upper);
      if (!isNameChar(upper) && !suffix) break;
      m_chars.set(m_p, upper);
      ++m_p;
      if (suffix) break;
    }
    return true;
  }

  // Digits and points, and an exponent mark "E", "E+" or "E-" after any of
  // them; the literal goes on only while digits or points follow.
  bool scanNumberLiteral() {
    const Position first = m_p;
    bool hasExponent = false;
    while (m_p <= m_end) {
      const char c = m_chars.at(m_p);
      if (isDigit(c) || c == '.') {
        ++m_p;
      } else if (upperChar(c) == 'E') {
        hasExponent = true;
        const char sign = m_p + 1 <= m_end ? m_chars.at(m_p + 1) : CR;
        m_p += (sign == '+' || sign == '-') ? 2 : 1;
      } else {
        break;
      }
    }
    const Position last = m_p - 1;
    const std::string_view text = m_chars.range(first, last);

    double number = 0;
    if (text.size() < ShortLiteralLength && !hasExponent) {
      number = leadingDecimal(text);
    } else {
      number = ScanNumber(m_chars, first, last, m_message);
      if (!m_message.empty()) return false;
    }
    if (!newToken(cls::Number, first)) return false;
    m_tokens.value(m_tokens.count()).setDouble(number);
    return true;
  }

  // The text between the quotes; there is no escape for a quote inside. A
  // literal must close before the end of the store.
  bool scanStringLiteral() {
    const Position quote = m_p;
    Position close = quote + 1;
    while (close <= m_chars.size() && m_chars.at(close) != Quote) ++close;
    if (close > m_chars.size()) return fail(msg::UnclosedString);
    if (!newToken(cls::String, quote)) return false;
    m_tokens.value(m_tokens.count()).setString(std::string(m_chars.range(quote + 1, close - 1)));
    m_p = close + 1;
    return true;
  }

  bool fail(std::string_view text) {
    m_message = text;
    return false;
  }

  ProgramChars& m_chars;
  Position m_p;
  Position m_end;
  TokenList& m_tokens;
  std::string& m_message;
};

// A number too large for the machine cannot be written: its exponent (or
// its length) is wrong for this system.
double finiteOrWrong(double number, std::string& errorText) {
  if (std::isfinite(number)) return number;
  errorText = msg::WrongExponent;
  return 0;
}

bool hasForbiddenNeighbours(std::string_view classes) {
  for (std::string_view pair : ForbiddenNeighbours) {
    if (classes.find(pair) != std::string_view::npos) return true;
  }
  return false;
}

// Turns the "=" after an assignment's target into ":": right after a bare
// name, or right after the ")" that closes the target's index list.
void markAssignment(TokenList& tokens) {
  const std::string_view classes = tokens.classes();
  if (classes.starts_with("F=")) {
    tokens.setClass(2, cls::Assignment);
    return;
  }
  if (!classes.starts_with("F(")) return;
  int depth = 1;
  for (int k = 3; k <= tokens.count(); ++k) {
    const char c = tokens.classAt(k);
    if (c == '(') ++depth;
    if (c == ')') {
      --depth;
      if (depth == 0 && tokens.classAt(k + 1) == '=') {
        tokens.setClass(k + 1, cls::Assignment);
        return;
      }
    }
  }
}

}  // namespace

void ScanExpression(ProgramChars& chars, Position start, Position end, bool markAssignmentOn,
                    TokenList& tokens, std::string& message) {
  tokens.clear();
  Scanner scanner(chars, start, end, tokens, message);
  if (!scanner.scanTokens()) return;
  if (hasForbiddenNeighbours(tokens.classes())) {
    message = msg::SyntaxError;
    return;
  }
  if (markAssignmentOn) markAssignment(tokens);
}

double ScanNumber(ProgramChars& chars, Position start, Position end, std::string& errorText) {
  // 1. One walk: at most one point, at most one exponent mark.
  Position exponentMark = 0;
  int points = 0;
  for (Position p = start; p <= end; ++p) {
    const char c = chars.upperAt(p);
    if (c == '.' && ++points == 2) {
      errorText = msg::OnlyOneDecimalPoint;
      return 0;
    }
    if (c == 'E') {
      chars.set(p, c);
      if (exponentMark != 0) {
        errorText = msg::OnlyOneExponent;
        return 0;
      }
      exponentMark = p;
    }
  }
  const Position mantissaEnd = exponentMark != 0 ? exponentMark - 1 : end;
  const double mantissa = leadingDecimal(chars.range(start, mantissaEnd));
  if (exponentMark == 0) return finiteOrWrong(mantissa, errorText);

  // 2. The exponent's sign.
  Position digits = exponentMark + 1;
  int sign = 1;
  const char signChar = digits <= end ? chars.at(digits) : CR;
  if (signChar == '+' || signChar == '-') {
    sign = signChar == '-' ? -1 : 1;
    ++digits;
  } else if (!isDigit(signChar)) {
    errorText = msg::WrongExponent;
    return 0;
  }

  // 3. One to three digits, up to the end of the literal.
  const Position length = end - digits + 1;
  bool allDigits = length >= 1 && length <= 3;
  int exponent = 0;
  for (Position p = digits; allDigits && p <= end; ++p) {
    allDigits = isDigit(chars.at(p));
    exponent = exponent * 10 + (chars.at(p) - '0');
  }
  if (!allDigits) {
    errorText = msg::WrongExponent;
    return 0;
  }

  // 4. mantissa × 10^exponent.
  if (exponent == 0) return mantissa;
  return finiteOrWrong(mantissa * std::pow(10.0, sign * exponent), errorText);
}

}  // namespace morvane
