#pragma once
// The built-in functions of the language: 35 functions under 38 names, from
// ABS to RGB. The evaluator calls them once a name's arguments are values and
// the name is no variable.

#include <cmath>
#include <cstdint>
#include <string>

#include "core/InterpreterState.h"
#include "core/Value.h"
#include "prepare/ProgramChars.h"

namespace morvane {

class EngineServices;

// Calls the built-in function whose name starts at namePosition (read
// upper-cased over letters, digits, "_" and the suffix characters, so STR$
// is no built-in name; the store is not changed) with the arguments
// argValues[1..argCount].
//
// message is "" on success, and the result is returned. Otherwise the result
// is Empty and message holds the function's own refusal, the general
// "Unidentified error in function NAME !", or " Unknown Function or
// Variable!" when the name is no built-in function. RGB writes its clamped
// arguments back into argValues.
Value CallBuiltinFunction(const ProgramChars& chars, Position namePosition, ArgumentList& argValues,
                          std::int32_t argCount, std::string& message, EngineServices& services);

// The same in two steps: which built-in function the name at namePosition
// is (NoBuiltinFunction when none), and the call of the function found. A
// name's function never changes, so a caller may keep the first answer.
constexpr int NoBuiltinFunction = -1;

// The whole part INT (rounded down) and FIX (rounded towards zero) take of
// a Double; a Long is whole already and stays as it is. The fast engine
// computes the two functions on its own number slots with it.
enum class WholePart { Floor, TowardZero };
// The same as std::floor and std::trunc, signed zeros included, without
// their long sequence for any double: a number from 2^52 on is whole
// already, and one below it converts to a whole number exactly.
inline double WholePartOf(WholePart how, double x) {
  constexpr double AllWhole = 4503599627370496.0;  // 2^52
  if (!(std::fabs(x) < AllWhole)) return x;       // large, infinite or NaN
  double whole = static_cast<double>(static_cast<std::int64_t>(x));  // towards zero
  if (how == WholePart::Floor && whole > x) whole -= 1;
  return std::copysign(whole, x);
}
int FindBuiltinFunction(const ProgramChars& chars, Position namePosition);
Value CallBuiltinFunctionAt(int index, ArgumentList& argValues, std::int32_t argCount,
                            std::string& message, EngineServices& services);
// The same call, leaving the value in `result` (Empty on failure); false
// when the call failed and the message says why.
bool CallBuiltinFunctionInto(int index, ArgumentList& argValues, std::int32_t argCount, std::string& message,
                             EngineServices& services, Value& result);

}  // namespace morvane
