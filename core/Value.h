#pragma once
// A tagged value: a number held as Double or Long (32-bit signed), a String,
// or Empty for a slot that has never been written.
//
// Values are copied and moved at every step of an evaluation, so the tag and
// the number sit side by side and the text is touched only when the value
// is a String. A value that stops being a String keeps its text's storage
// (without its characters) for the next string it holds, so reusing a value
// slot allocates nothing once its text has grown to size.

#include <cstdint>
#include <string>
#include <utility>

namespace morvane {

enum class ValueKind { Empty, Double, Long, String };

class Value {
 public:
  Value() = default;
  Value(const Value& other) : m_kind(other.m_kind), m_long(other.m_long), m_double(other.m_double) {
    if (other.m_kind == ValueKind::String) m_text = other.m_text;
  }
  Value(Value&& other) noexcept : m_kind(other.m_kind), m_long(other.m_long), m_double(other.m_double) {
    if (other.m_kind == ValueKind::String) m_text = std::move(other.m_text);
  }
  Value& operator=(const Value& other) {
    if (this == &other) return *this;
    if (other.m_kind == ValueKind::String) {
      m_text = other.m_text;
    } else if (m_kind == ValueKind::String) {
      m_text.clear();
    }
    m_kind = other.m_kind;
    m_double = other.m_double;
    m_long = other.m_long;
    return *this;
  }
  Value& operator=(Value&& other) noexcept {
    if (this == &other) return *this;
    if (other.m_kind == ValueKind::String) {
      m_text = std::move(other.m_text);
    } else if (m_kind == ValueKind::String) {
      m_text.clear();
    }
    m_kind = other.m_kind;
    m_double = other.m_double;
    m_long = other.m_long;
    return *this;
  }
  ~Value() = default;

  static Value fromDouble(double d) { Value v; v.setDouble(d); return v; }
  static Value fromLong(std::int32_t l) { Value v; v.setLong(l); return v; }
  static Value fromString(std::string s) { Value v; v.setString(std::move(s)); return v; }

  ValueKind kind() const { return m_kind; }
  bool isEmpty() const { return m_kind == ValueKind::Empty; }
  bool isString() const { return m_kind == ValueKind::String; }
  bool isNumber() const { return m_kind == ValueKind::Double || m_kind == ValueKind::Long; }

  // The number, whichever way it is held; 0 for Empty and String.
  double number() const {
    if (m_kind == ValueKind::Double) return m_double;
    if (m_kind == ValueKind::Long) return m_long;
    return 0.0;
  }
  // The number of a Long, and of a Double (the kind must be the one asked for).
  std::int32_t asLong() const { return m_long; }
  double asDouble() const { return m_double; }
  // The text of a String value; "" for any other kind.
  const std::string& text() const {
    static const std::string none;
    return m_kind == ValueKind::String ? m_text : none;
  }

  void setDouble(double d) {
    leaveString();
    m_kind = ValueKind::Double;
    m_double = d;
  }
  void setLong(std::int32_t l) {
    leaveString();
    m_kind = ValueKind::Long;
    m_long = l;
  }
  void setString(std::string s) {
    m_kind = ValueKind::String;
    m_text = std::move(s);
  }
  // Appends to the text of a String value in place, keeping its storage.
  void appendText(const std::string& more) {
    if (m_kind == ValueKind::String) m_text.append(more);
  }
  void clear() {
    leaveString();
    m_kind = ValueKind::Empty;
  }

  friend bool operator==(const Value& a, const Value& b) {
    if (a.m_kind != b.m_kind) return false;
    switch (a.m_kind) {
      case ValueKind::Empty: return true;
      case ValueKind::Double: return a.m_double == b.m_double;
      case ValueKind::Long: return a.m_long == b.m_long;
      case ValueKind::String: return a.m_text == b.m_text;
    }
    return false;
  }

 private:
  void leaveString() {
    if (m_kind == ValueKind::String) m_text.clear();
  }

  // The kind and the long share one word, so that a value takes 48 bytes.
  ValueKind m_kind = ValueKind::Empty;
  std::int32_t m_long = 0;
  double m_double = 0;
  std::string m_text;  // the characters only while m_kind is String
};

}  // namespace morvane
