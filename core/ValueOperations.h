#pragma once
// The computations of the expression operators on values, shared by the
// reducer, which applies them as its rules match, and by the fast engine,
// which replays them in the order the reducer chose. The numeric ones take
// any value type with the number interface of Value (kind, number, asLong,
// setDouble, setLong): the fast engine also computes on slots that hold
// numbers only. Each writes its result
// into `a`, the value of the first matched token, and answers the class of
// the result, or cls::None with the message set when the operation fails.

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include "core/Expression.h"
#include "core/ExpressionWorkspace.h"
#include "core/Messages.h"
#include "core/Value.h"

namespace morvane::operation {

// Beyond these magnitudes a result would leave the range numbers are kept in.
constexpr double LargestMagnitude = 1e99;
constexpr double SmallestDivisor = 1e-99;

constexpr std::int32_t True = -1;
constexpr std::int32_t False = 0;

inline char fail(std::string& message, std::string_view text) {
  message = text;
  return cls::None;
}

// The result is written in place: no temporary value per step. A result
// beyond the range of numbers (a sum of two huge numbers) fails the
// evaluation, so no Infinity or NaN ever leaves it.
template <class V>
inline char number(V& a, double d, std::string& message) {
  if (!std::isfinite(d)) return fail(message, msg::ArithmeticOverflow);
  a.setDouble(d);
  return cls::Number;
}

template <class V>
inline char truth(V& a, bool holds) {
  a.setLong(holds ? True : False);
  return cls::Number;
}

// A number is true when its integer part (rounded down) is not 0: when it
// lies outside 0 <= x < 1. Asked without std::floor, a library call here.
template <class V>
inline bool isTrue(const V& v) {
  const double x = v.number();
  return !(x >= 0 && x < 1);
}

template <class V>
inline char power(V& a, const V& b, std::string& message) {
  const double x = a.number();
  const double y = b.number();
  if (x < 0 && y != std::floor(y)) return fail(message, msg::IllegalExponentiation);
  if (x != 0 && std::fabs(y * std::log10(std::fabs(x))) > 99) return fail(message, msg::IllegalExponentiation);
  // Zero has no negative powers.
  if (x == 0 && y < 0) return fail(message, msg::IllegalExponentiation);
  double result = 0;
  if (y == 2) {
    result = x * x;
  } else if (y == 3) {
    result = x * x * x;
  } else {
    result = std::pow(x, y);
  }
  return number(a, result, message);
}

template <class V>
inline char product(V& a, const V& b, std::string& message) {
  const double x = a.number();
  const double y = b.number();
  const bool tooLarge =
      (std::fabs(x) > LargestMagnitude && std::fabs(y) > 1) || (std::fabs(y) > LargestMagnitude && std::fabs(x) > 1);
  if (tooLarge) return fail(message, msg::IllegalProduct);
  return number(a, x * y, message);
}

template <class V>
inline char quotient(V& a, const V& b, std::string& message) {
  const double x = a.number();
  const double y = b.number();
  if (std::fabs(y) < SmallestDivisor || (std::fabs(x) > LargestMagnitude && std::fabs(y) < 1)) {
    return fail(message, msg::IllegalDivision);
  }
  return number(a, x / y, message);
}

// The operand of a "-" sign, negated in place; a Long stays a Long where it can.
template <class V>
inline void negate(V& operand) {
  if (operand.kind() == ValueKind::Long && operand.asLong() != std::numeric_limits<std::int32_t>::min()) {
    operand.setLong(-operand.asLong());
  } else {
    operand.setDouble(-operand.number());
  }
}

template <class V>
inline char sum(V& a, const V& b, std::string& message) { return number(a, a.number() + b.number(), message); }

// The right string is added to the left one where it stands, keeping its storage.
inline char join(Value& a, const Value& b) {
  if (a.isString() && &a != &b) {
    a.appendText(b.text());
    return cls::String;
  }
  std::string joined(a.text());
  joined.append(b.text());
  a.setString(std::move(joined));
  return cls::String;
}

// Strings compare only for equality ("=" and "<>").
inline char compareTexts(char op, Value& a, const Value& b) {
  const bool equal = a.text() == b.text();
  return truth(a, op == '=' ? equal : !equal);
}

template <class V>
inline char compareNumbers(char op, V& a, const V& b) {
  const double x = a.number();
  const double y = b.number();
  bool holds = false;
  switch (op) {
    case '<': holds = x < y; break;
    case '>': holds = x > y; break;
    case cls::LessOrEqual: holds = x <= y; break;
    case cls::GreaterOrEqual: holds = x >= y; break;
    case '=': holds = x == y; break;
    case cls::NotEqual: holds = x != y; break;
    default: break;
  }
  return truth(a, holds);
}

template <class V>
inline char andOr(char op, V& a, const V& b) {
  const bool x = isTrue(a);
  const bool y = isTrue(b);
  return truth(a, op == cls::And ? (x && y) : (x || y));
}

// NOT is true only for exactly 0; `a` is the NOT token's value.
template <class V>
inline char negation(V& a, const V& operand) { return truth(a, operand.number() == 0); }

}  // namespace morvane::operation
