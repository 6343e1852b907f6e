#pragma once
// A value slot of the numeric replay: a number held as Double or Long, as a
// Value holds it, without a Value's text. Copying one copies a few bytes
// and asks nothing, which is most of what a numeric expression does. A
// Long's number is kept as a double beside it, so that the operators read
// any number without asking its kind.

#include <cstdint>

#include "core/Value.h"

namespace morvane {

class NumberSlot {
 public:
  // A Value's number; the Value must be a number.
  void take(const Value& value) {
    m_kind = value.kind();
    m_double = value.number();
    m_long = value.asLong();
  }
  // Writes the number into a Value, as a Double or a Long.
  void giveTo(Value& value) const {
    if (m_kind == ValueKind::Long) {
      value.setLong(m_long);
    } else {
      value.setDouble(m_double);
    }
  }

  ValueKind kind() const { return m_kind; }
  double number() const { return m_double; }
  std::int32_t asLong() const { return m_long; }
  void setDouble(double d) {
    m_kind = ValueKind::Double;
    m_double = d;
  }
  void setLong(std::int32_t l) {
    m_kind = ValueKind::Long;
    m_long = l;
    m_double = l;
  }

 private:
  ValueKind m_kind = ValueKind::Double;
  double m_double = 0;
  std::int32_t m_long = 0;
};

}  // namespace morvane
