#include "core/BuiltinFunctions.h"

#include <array>
#include <cmath>
#include <optional>
#include <limits>
#include <string_view>

#include "core/BuiltinNumberReading.h"
#include "core/EngineServices.h"
#include "core/FormatPattern.h"
#include "core/IntegerConversion.h"
#include "core/Messages.h"
#include "core/NumberText.h"
#include "prepare/Characters.h"

namespace morvane {

namespace {

// The longest function name read out of the store.
constexpr std::size_t MaxNameLength = 256;

// ---- What one function answers ---------------------------------------------

enum class Status {
  Done,     // the result is set
  Refused,  // the acceptance condition failed: the function's own message
  Failed,   // the computation failed: the general function error
};

struct Outcome {
  Status status;
  std::string_view refusal;
};

Outcome done() { return {Status::Done, {}}; }
Outcome refused(std::string_view message) { return {Status::Refused, message}; }
Outcome failed() { return {Status::Failed, {}}; }

// ---- One call: its arguments and its result ---------------------------------

class Call {
 public:
  Call(ArgumentList& args, std::int32_t count, EngineServices& services, Value& resultSlot)
      : result(resultSlot), m_args(args), m_count(count), m_services(services) {}

  int count() const { return m_count; }
  EngineServices& services() { return m_services; }

  // Argument i (from 1); an Empty value where the list has no slot.
  const Value& arg(int i) const {
    static const Value none;
    const auto slot = static_cast<std::size_t>(i);
    return slot < m_args.size() ? m_args[slot] : none;
  }
  void setArg(int i, Value v) {
    const auto slot = static_cast<std::size_t>(i);
    if (slot < m_args.size()) m_args[slot] = std::move(v);
  }

  // Only a String counts as a string; every other argument is numeric.
  bool isString(int i) const { return arg(i).isString(); }
  bool allNumeric() const {
    for (int i = 1; i <= m_count; ++i) {
      if (isString(i)) return false;
    }
    return true;
  }

  // The number of argument i; a string is read as a whole number. False when
  // it is a text that is no number.
  bool numberOf(int i, double& number) const {
    const Value& a = arg(i);
    if (a.isString()) return ReadWholeNumber(a.text(), number);
    number = a.number();
    return true;
  }

  Value& result;  // where the function leaves its value

 private:
  ArgumentList& m_args;
  std::int32_t m_count;
  EngineServices& m_services;
};

using BuiltinFunction = Outcome (*)(Call&);

// ---- Helpers -----------------------------------------------------------------

double quarterTurn() { return 2 * std::atan(1.0); }  // 2·ATN(1)

// Rounding to a whole number: to the nearest, halves to the even neighbour.
bool roundToWhole(double x, std::int32_t& whole) {
  const std::optional<std::int32_t> r = ToInteger<std::int32_t>(std::nearbyint(x));
  if (!r) return false;
  whole = *r;
  return true;
}

// A Double result, or the general error when the computation left the numbers.
Outcome real(Call& c, double x) {
  if (!std::isfinite(x)) return failed();
  c.result.setDouble(x);
  return done();
}

// One numeric argument into a Double result.
Outcome numeric(Call& c, std::string_view refusal, double (*f)(double)) {
  if (c.count() != 1 || c.isString(1)) return refused(refusal);
  return real(c, f(c.arg(1).number()));
}

// A whole-number function keeps a Long as a Long; Empty gives the Long 0.
Outcome keepingKind(Call& c, std::string_view refusal, WholePart how) {
  if (c.count() != 1 || c.isString(1)) return refused(refusal);
  const Value& a = c.arg(1);
  if (a.kind() == ValueKind::Double) return real(c, WholePartOf(how, a.asDouble()));
  c.result.setLong(a.isEmpty() ? 0 : a.asLong());
  return done();
}

char lowerChar(char c) {
  const unsigned u = codeOf(c);
  if (u >= 'A' && u <= 'Z') return static_cast<char>(u + 32);
  if (u >= 0xC0 && u <= 0xDE && u != 0xD7) return static_cast<char>(u + 32);
  switch (u) {
    case 0x8A: return static_cast<char>(0x9A);
    case 0x8C: return static_cast<char>(0x9C);
    case 0x8E: return static_cast<char>(0x9E);
    case 0x9F: return static_cast<char>(0xFF);
    default: return c;
  }
}

// The number text without its leading blank, as a prompt shows a number.
std::string plainText(const Value& v) {
  if (v.isString()) return v.text();
  std::string text = NumberText(v.kind() == ValueKind::Long ? Value::fromLong(v.asLong())
                                                             : Value::fromDouble(v.number()));
  if (!text.empty() && text.front() == ' ') text.erase(0, 1);
  return text;
}

// ---- Arithmetic and trigonometry ---------------------------------------------

Outcome absFunction(Call& c) {
  if (c.count() != 1 || c.isString(1)) return refused(msg::AbsNeedsNumber);
  const Value& a = c.arg(1);
  if (a.kind() == ValueKind::Long) {
    if (a.asLong() == std::numeric_limits<std::int32_t>::min()) return failed();
    c.result.setLong(a.asLong() < 0 ? -a.asLong() : a.asLong());
    return done();
  }
  if (a.isEmpty()) {
    c.result.setLong(0);
    return done();
  }
  return real(c, std::fabs(a.asDouble()));
}

Outcome sqrFunction(Call& c) {
  if (c.count() != 1 || c.isString(1) || c.arg(1).number() < 0) return refused(msg::SqrNeedsPositive);
  return real(c, std::sqrt(c.arg(1).number()));
}

Outcome lnFunction(Call& c) {
  if (c.count() != 1 || c.isString(1) || c.arg(1).number() < 0) return refused(msg::LnNeedsPositive);
  return real(c, std::log(c.arg(1).number()));
}

Outcome expFunction(Call& c) {
  return numeric(c, msg::ExpNeedsNumber, [](double x) { return std::exp(x); });
}
Outcome sinFunction(Call& c) {
  return numeric(c, msg::SinNeedsNumber, [](double x) { return std::sin(x); });
}
Outcome cosFunction(Call& c) {
  return numeric(c, msg::CosNeedsNumber, [](double x) { return std::cos(x); });
}
Outcome tanFunction(Call& c) {
  return numeric(c, msg::TanNeedsNumber, [](double x) { return std::tan(x); });
}
// A zero tangent has no cotangent: the result is not finite.
Outcome cotFunction(Call& c) {
  return numeric(c, msg::CotNeedsNumber, [](double x) {
    const double t = std::tan(x);
    return t == 0 ? std::numeric_limits<double>::infinity() : 1 / t;
  });
}
Outcome atnFunction(Call& c) {
  return numeric(c, msg::AtnNeedsNumber, [](double x) { return std::atan(x); });
}

// Outside -1..1 the square root has no value: the result is not finite.
Outcome asinFunction(Call& c) {
  return numeric(c, msg::AsinNeedsNumber, [](double x) {
    if (x == 1) return quarterTurn();
    if (x == -1) return -quarterTurn();
    return std::atan(x / std::sqrt(1 - x * x));
  });
}

Outcome acosFunction(Call& c) {
  if (c.count() != 1 || c.isString(1)) return refused(msg::AcosNeedsNumber);
  const double x = c.arg(1).number();
  if (x == 1) {
    c.result.setLong(0);
    return done();
  }
  if (x == -1) return real(c, 2 * quarterTurn());
  return real(c, quarterTurn() - std::atan(x / std::sqrt(1 - x * x)));
}

Outcome acotFunction(Call& c) {
  return numeric(c, msg::AcotNeedsNumber, [](double x) { return quarterTurn() - std::atan(x); });
}

Outcome signFunction(Call& c) {
  return numeric(c, msg::SignNeedsNumber, [](double x) { return x >= 0 ? 1.0 : -1.0; });
}

Outcome intFunction(Call& c) { return keepingKind(c, msg::IntNeedsNumber, WholePart::Floor); }
Outcome fixFunction(Call& c) { return keepingKind(c, msg::FixNeedsNumber, WholePart::TowardZero); }

// MAX and MIN: a string counts as greater than any number. MAX then takes
// it, read as a number; MIN passes over it.
enum class Extreme { Largest, Smallest };

Outcome extreme(Call& c, Extreme which, std::string_view refusal) {
  if (c.count() < 1) return refused(refusal);
  double current = 0;
  if (!c.numberOf(1, current)) return failed();
  for (int i = 2; i <= c.count(); ++i) {
    if (c.isString(i)) {
      if (which == Extreme::Smallest) continue;
      if (!c.numberOf(i, current)) return failed();
      continue;
    }
    const double x = c.arg(i).number();
    if (which == Extreme::Largest ? x >= current : x <= current) current = x;
  }
  return real(c, current);
}

Outcome maxFunction(Call& c) { return extreme(c, Extreme::Largest, msg::MaxNeedsNumbers); }
Outcome minFunction(Call& c) { return extreme(c, Extreme::Smallest, msg::MinNeedsNumbers); }

// ---- The host: input box, files, clock --------------------------------------

Outcome inputBoxFunction(Call& c) {
  if (c.count() > 1) return refused(msg::InputBoxNeedsComment);
  const std::string prompt = c.count() == 1 ? plainText(c.arg(1)) : std::string();
  c.result.setString(c.services().inputBox(prompt, msg::InputBoxCaption));
  return done();
}

Outcome fileFunction(Call& c) {
  if (c.count() != 1 || !c.isString(1)) return refused(msg::FileNeedsName);
  std::string content;
  if (!c.services().readWholeFile(c.arg(1).text(), content)) return failed();
  c.result.setString(std::move(content));
  return done();
}

// Seconds since midnight, taken in single precision.
Outcome timerFunction(Call& c) {
  if (c.count() != 0) return refused(msg::TimerNeedsNoArguments);
  const float seconds = static_cast<float>(c.services().secondsSinceMidnight());
  return real(c, static_cast<double>(seconds));
}

Outcome timeFunction(Call& c) {
  if (c.count() != 0) return refused(msg::TimeNeedsNoArguments);
  c.result.setString(c.services().timeOfDayText());
  return done();
}

Outcome dateFunction(Call& c) {
  if (c.count() != 0) return refused(msg::DateNeedsNoArguments);
  c.result.setString(c.services().dateText());
  return done();
}

Outcome versionFunction(Call& c) {
  if (c.count() != 0) return refused(msg::VersionNeedsNoArguments);
  c.result.setString(std::string(msg::LanguageVersion));
  return done();
}

// ---- Number text -----------------------------------------------------------------

// The number text of a numeric argument; Empty counts as 0.
std::string numberTextOf(const Value& v) {
  if (v.kind() == ValueKind::Long) return NumberText(v.asLong());
  return NumberText(v.number());
}

Outcome strFunction(Call& c) {
  if (c.count() != 1) return refused(msg::StrNeedsArgument);
  const Value& a = c.arg(1);
  c.result.setString(a.isString() ? a.text() : numberTextOf(a));
  return done();
}

// FORMAT(a1): the number text. FORMAT(a1, pattern): the number by the
// pattern, then cleaned up. A first argument that is a text and no number
// goes through as it is.
Outcome formatFunction(Call& c) {
  if (c.count() != 1 && c.count() != 2) return refused(msg::FormatArgumentCount);
  if (c.count() == 1 && c.isString(1)) return refused(msg::FormatNeedsNumber);
  if (c.count() == 2 && !c.isString(2)) return refused(msg::FormatNeedsPattern);
  if (c.count() == 1) {
    c.result.setString(numberTextOf(c.arg(1)));
    return done();
  }

  std::string translated;
  if (!TranslateFormatPattern(c.arg(2).text(), translated)) return refused(msg::FormatIncorrectCharacter);
  std::string text;
  double number = 0;
  if (c.numberOf(1, number)) {
    if (!std::isfinite(number)) return failed();
    text = FormatByPattern(number, translated);
  } else {
    text = c.arg(1).text();
  }
  CleanUpFormattedText(text);
  c.result.setString(std::move(text));
  return done();
}

// ---- Texts ---------------------------------------------------------------------

Outcome lenFunction(Call& c) {
  if (c.count() != 1 || !c.isString(1)) return refused(msg::LenNeedsString);
  c.result.setLong(static_cast<std::int32_t>(c.arg(1).text().size()));
  return done();
}

// The character of a code in the single-byte code page.
Outcome chrFunction(Call& c) {
  if (c.count() != 1 || c.isString(1) || c.arg(1).number() < 0 || c.arg(1).number() > 255) {
    return refused(msg::ChrNeedsCode);
  }
  std::int32_t code = 0;
  if (!roundToWhole(c.arg(1).number(), code)) return failed();
  c.result.setString(std::string(1, static_cast<char>(static_cast<unsigned char>(code))));
  return done();
}

Outcome valFunction(Call& c) {
  if (c.count() != 1 || !c.isString(1)) return refused(msg::ValNeedsString);
  return real(c, ReadLeadingNumber(c.arg(1).text()));
}

Outcome lcaseFunction(Call& c) {
  if (c.count() != 1 || !c.isString(1)) return refused(msg::LcaseNeedsString);
  std::string text = c.arg(1).text();
  for (char& ch : text) ch = lowerChar(ch);
  c.result.setString(std::move(text));
  return done();
}

Outcome ucaseFunction(Call& c) {
  if (c.count() != 1 || !c.isString(1)) return refused(msg::UcaseNeedsString);
  std::string text = c.arg(1).text();
  for (char& ch : text) ch = upperChar(ch);
  c.result.setString(std::move(text));
  return done();
}

// The code of a character in the single-byte code page.
Outcome ascFunction(Call& c) {
  if (c.count() != 1 || !c.isString(1) || c.arg(1).text().size() != 1) return refused(msg::AscNeedsCharacter);
  c.result.setLong(static_cast<std::int32_t>(codeOf(c.arg(1).text()[0])));
  return done();
}

// MID(text, from[, length]): positions count from 1.
Outcome midFunction(Call& c) {
  if (c.count() != 2 && c.count() != 3) return refused(msg::MidArgumentCount);
  if (!c.isString(1)) return refused(msg::MidNeedsString);
  const std::string& text = c.arg(1).text();
  double from = 0;
  std::int32_t start = 0;
  if (!c.numberOf(2, from) || !roundToWhole(from, start) || start < 1) return failed();
  std::int32_t length = std::numeric_limits<std::int32_t>::max();
  if (c.count() == 3) {
    double wanted = 0;
    if (!c.numberOf(3, wanted) || !roundToWhole(wanted, length) || length < 0) return failed();
  }
  const auto first = static_cast<std::size_t>(start - 1);
  c.result.setString(first < text.size() ? text.substr(first, static_cast<std::size_t>(length))
                                                   : std::string());
  return done();
}

// The position of the first occurrence, from 1; 0 when there is none.
Outcome instrFunction(Call& c) {
  if (c.count() != 2 || !c.isString(1) || !c.isString(2)) return refused(msg::InstrNeedsStrings);
  const std::size_t found = c.arg(1).text().find(c.arg(2).text());
  c.result.setLong(found == std::string::npos ? 0 : static_cast<std::int32_t>(found + 1));
  return done();
}

// STRCHR(text, character, position): the text with one character replaced.
Outcome strchrFunction(Call& c) {
  double where = 0;
  if (c.count() == 3 && !c.numberOf(3, where)) return failed();
  const bool accepted = c.count() == 3 && c.isString(1) && c.isString(2) &&
                        c.arg(2).text().size() == 1 &&
                        std::floor(where) <= static_cast<double>(c.arg(1).text().size());
  if (!accepted) return refused(msg::StrchrNeedsArguments);
  std::string text = c.arg(1).text();
  std::int32_t position = 0;
  if (!roundToWhole(where, position) || position < 1 || static_cast<std::size_t>(position) > text.size()) {
    return failed();
  }
  text[static_cast<std::size_t>(position - 1)] = c.arg(2).text()[0];
  c.result.setString(std::move(text));
  return done();
}

// RGB(r, g, b): the colour number r + 256·g + 65536·b. Each part is first
// clamped to 0..255 in the argument list itself, then cut to a whole number.
// NaN passes both clamps: it is no part at all.
Outcome rgbFunction(Call& c) {
  if (c.count() != 3) return refused(msg::RgbArgumentCount);
  if (!c.allNumeric()) return refused(msg::RgbNeedsNumbers);
  std::array<std::int32_t, 4> part{};
  for (int i = 1; i <= 3; ++i) {
    if (c.arg(i).number() < 0) c.setArg(i, Value::fromLong(0));
    if (c.arg(i).number() > 255) c.setArg(i, Value::fromLong(255));
    const std::optional<std::int32_t> whole = ToInteger<std::int32_t>(std::floor(c.arg(i).number()));
    if (!whole) return failed();
    part[static_cast<std::size_t>(i)] = *whole;
  }
  c.result.setLong(part[1] + 256 * part[2] + 65536 * part[3]);
  return done();
}

// ---- The names, in the order they are tried ---------------------------------

struct Builtin {
  std::string_view name;
  BuiltinFunction function;
};

constexpr std::array<Builtin, 38> Builtins = {{
    {"ABS", absFunction},         {"SQR", sqrFunction},       {"LN", lnFunction},
    {"LOG", lnFunction},          {"EXP", expFunction},       {"SIN", sinFunction},
    {"COS", cosFunction},         {"TAN", tanFunction},       {"COT", cotFunction},
    {"ATAN", atnFunction},        {"ATN", atnFunction},       {"ASIN", asinFunction},
    {"ACOS", acosFunction},       {"ACOT", acotFunction},     {"SIGN", signFunction},
    {"INT", intFunction},         {"FIX", fixFunction},       {"MAX", maxFunction},
    {"MIN", minFunction},         {"INPUTBOX", inputBoxFunction}, {"FILE", fileFunction},
    {"TIMER", timerFunction},     {"TIME", timeFunction},     {"DATE", dateFunction},
    {"VERSION", versionFunction}, {"FORMAT", formatFunction}, {"LEN", lenFunction},
    {"STRLENGTH", lenFunction},   {"CHR", chrFunction},       {"VAL", valFunction},
    {"STR", strFunction},         {"LCASE", lcaseFunction},   {"UCASE", ucaseFunction},
    {"ASC", ascFunction},         {"MID", midFunction},       {"INSTR", instrFunction},
    {"STRCHR", strchrFunction},   {"RGB", rgbFunction},
}};

bool isFunctionNameChar(char upper) {
  return isNameChar(upper) || std::string_view("#$%&!").find(upper) != std::string_view::npos;
}

}  // namespace

int FindBuiltinFunction(const ProgramChars& chars, Position namePosition) {
  // The name as read, upper-cased, suffix characters included.
  std::array<char, MaxNameLength> buffer{};
  std::size_t length = 0;
  while (length < MaxNameLength) {
    const char upper = chars.upperAt(namePosition + static_cast<Position>(length));
    if (!isFunctionNameChar(upper)) break;
    buffer[length++] = upper;
  }
  const std::string_view name(buffer.data(), length);
  for (std::size_t k = 0; k < Builtins.size(); ++k) {
    if (Builtins[k].name == name) return static_cast<int>(k);
  }
  return NoBuiltinFunction;
}

bool CallBuiltinFunctionInto(int index, ArgumentList& argValues, std::int32_t argCount, std::string& message,
                             EngineServices& services, Value& result) {
  message.clear();
  if (index < 0 || index >= static_cast<int>(Builtins.size())) {
    message = msg::UnknownFunctionOrVariable;
    result.clear();
    return false;
  }
  const Builtin& builtin = Builtins[static_cast<std::size_t>(index)];
  Call call(argValues, argCount, services, result);
  const Outcome outcome = builtin.function(call);
  switch (outcome.status) {
    case Status::Done: return true;
    case Status::Refused: message = outcome.refusal; break;
    case Status::Failed: message = msg::FunctionFailed(builtin.name); break;
  }
  result.clear();
  return false;
}

Value CallBuiltinFunctionAt(int index, ArgumentList& argValues, std::int32_t argCount,
                            std::string& message, EngineServices& services) {
  Value result;
  CallBuiltinFunctionInto(index, argValues, argCount, message, services, result);
  return result;
}

Value CallBuiltinFunction(const ProgramChars& chars, Position namePosition, ArgumentList& argValues,
                          std::int32_t argCount, std::string& message, EngineServices& services) {
  return CallBuiltinFunctionAt(FindBuiltinFunction(chars, namePosition), argValues, argCount, message,
                               services);
}

}  // namespace morvane
