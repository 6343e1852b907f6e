#pragma once
// The built-in functions of one number as the fast engine computes them on
// its number slots: INT and FIX take the whole part themselves, the others
// are called through the literal function table with an argument list of
// their own. The numeric replay and the runner of pure functions both
// compute them so.

#include <string>
#include <string_view>
#include <vector>

#include "core/BuiltinFunctions.h"
#include "core/EngineServices.h"
#include "core/Value.h"
#include "fast/NumberSlot.h"

namespace morvane {

// The built-in functions that take one number and give one, the same for
// the same argument, and touch nothing else (ABS, SQR, INT, SIN ...).
inline bool IsPureNumericFunction(std::string_view name) {
  for (std::string_view pure : {"ABS", "SQR", "LN", "LOG", "EXP", "SIN", "COS", "TAN", "COT", "ATAN", "ATN", "ASIN",
                                "ACOS", "ACOT", "SIGN", "INT", "FIX"}) {
    if (name == pure) return true;
  }
  return false;
}

// INT or FIX of a number slot, in place: a Long is whole already.
inline void TakeWholePart(WholePart how, NumberSlot& number) {
  if (number.kind() == ValueKind::Double) number.setDouble(WholePartOf(how, number.number()));
}

class NumberFunction {
 public:
  // The function `builtin` of `argument` into `result`; false when it
  // fails (its message goes to `refusal`, which nobody shows: the usual way
  // meets the same value and gives it) or gives no number.
  bool call(int builtin, const NumberSlot& argument, std::string& refusal, EngineServices& services,
            NumberSlot& result) {
    if (m_arguments.size() < 2) m_arguments.resize(2);
    argument.giveTo(m_arguments[1]);
    Value& value = m_arguments[0];
    if (!CallBuiltinFunctionInto(builtin, m_arguments, 1, refusal, services, value) || !value.isNumber()) {
      return false;
    }
    result.take(value);
    return true;
  }

 private:
  std::vector<Value> m_arguments;  // the function's argument list, slot 1 its argument
};

}  // namespace morvane
