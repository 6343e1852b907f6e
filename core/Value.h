#pragma once
// A tagged value: a number held as Double or Long (32-bit signed), a String,
// or Empty for a slot that has never been written.

#include <cstdint>
#include <string>
#include <utility>
#include <variant>

namespace morvane {

enum class ValueKind { Empty, Double, Long, String };

class Value {
 public:
  Value() = default;
  static Value fromDouble(double d) { Value v; v.m_data = d; return v; }
  static Value fromLong(std::int32_t l) { Value v; v.m_data = l; return v; }
  static Value fromString(std::string s) { Value v; v.m_data = std::move(s); return v; }

  ValueKind kind() const { return static_cast<ValueKind>(m_data.index()); }
  bool isEmpty() const { return kind() == ValueKind::Empty; }
  bool isString() const { return kind() == ValueKind::String; }
  bool isNumber() const { return kind() == ValueKind::Double || kind() == ValueKind::Long; }

  // The number, whichever way it is held; 0 for Empty and String.
  double number() const {
    if (auto d = std::get_if<double>(&m_data)) return *d;
    if (auto l = std::get_if<std::int32_t>(&m_data)) return *l;
    return 0.0;
  }
  std::int32_t asLong() const { return std::get<std::int32_t>(m_data); }
  double asDouble() const { return std::get<double>(m_data); }
  // The text of a String value; "" for any other kind.
  const std::string& text() const {
    static const std::string none;
    auto s = std::get_if<std::string>(&m_data);
    return s ? *s : none;
  }

  void setDouble(double d) { m_data = d; }
  void setLong(std::int32_t l) { m_data = l; }
  void setString(std::string s) { m_data = std::move(s); }
  void clear() { m_data = std::monostate{}; }

  friend bool operator==(const Value&, const Value&) = default;

 private:
  // The index order matches ValueKind.
  std::variant<std::monostate, double, std::int32_t, std::string> m_data;
};

}  // namespace morvane
