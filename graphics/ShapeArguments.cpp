#include "graphics/ShapeArguments.h"

#include "core/Messages.h"
#include "graphics/ColourNames.h"
#include "prepare/Characters.h"
#include "prepare/Scanning.h"

namespace morvane {

namespace {

// One item: its first and last significant characters (both 0 when it is
// empty) and the separator that ends it (0 at the end of the statement).
struct Item {
  Position first = 0;
  Position last = 0;
  Position separator = 0;

  bool present() const { return first != 0; }
};

class ArgumentReader {
 public:
  explicit ArgumentReader(const DrawStatement& s) : m_s(s), m_chars(s.chars) {}

  // The item that begins at `from`.
  Item item(Position from) const {
    Item it;
    const Position to = m_s.lastPosition;
    if (from < 1 || from > to) return it;
    it.separator = FindSeparator(m_chars, from, to);
    it.first = FirstNonBlank(m_chars, from, it.separator != 0 ? it.separator - 1 : to);
    if (it.first != 0) it.last = StatementEnd(m_chars, it.first, it.separator != 0 ? it.separator - 1 : to);
    if (it.last == 0) it.first = 0;
    return it;
  }
  // The significant part of from..to as an item of its own.
  Item range(Position from, Position to) const {
    Item it;
    if (from < 1 || from > to) return it;
    it.first = FirstNonBlank(m_chars, from, to);
    if (it.first != 0) it.last = StatementEnd(m_chars, it.first, to);
    if (it.last == 0) it.first = 0;
    return it;
  }
  // Where the item after `it` begins (past the end when none follows).
  Position after(const Item& it) const { return it.separator != 0 ? it.separator + 1 : m_s.lastPosition + 1; }

  bool parenthesised(const Item& it) const {
    return it.present() && m_chars.at(it.first) == '(' && m_chars.at(it.last) == ')';
  }
  char at(Position p) const { return m_chars.at(p); }
  const ProgramChars& chars() const { return m_chars; }

  // Evaluates an item.
  bool evaluate(const Item& it, Value& value, std::string& message) const {
    if (!it.present()) {
      message.assign(msg::EmptyExpression);
      return false;
    }
    return m_s.expressions.evaluate(it.first, it.last, value, message);
  }
  // Evaluates an item that must give a number; a string is a value the
  // statement cannot use.
  DrawResult number(const Item& it, double& out) const {
    Value value;
    std::string message;
    if (!evaluate(it, value, message)) return DrawResult::failed(message);
    if (value.isString()) return DrawResult::refused();
    out = value.number();
    return DrawResult::done();
  }
  // A colour item's characters without blanks, upper-cased, looked up as a
  // colour name (so LIGHT BLUE is LIGHTBLUE).
  ColourNumber colourName(const Item& it) const {
    std::string joined;
    for (Position p = it.first; p <= it.last; ++p) {
      if (!isBlank(m_chars.at(p))) joined.push_back(upperChar(m_chars.at(p)));
    }
    return ColorFromName(joined);
  }

 private:
  const DrawStatement& m_s;
  const ProgramChars& m_chars;
};

// Step 2: the first point, before TO. Parentheses around it are dropped when
// they enclose the whole of it.
DrawResult readFirstPoint(const ArgumentReader& r, Position from, Position toWord, ShapeArguments& out) {
  Item point = r.range(from, toWord - 1);
  if (r.parenthesised(point) && FindSeparator(r.chars(), point.first, point.last) == 0) {
    point = r.range(point.first + 1, point.last - 1);
  }
  const Position comma = point.present() ? FindSeparator(r.chars(), point.first, point.last) : 0;
  if (comma == 0 || comma == point.first || comma == point.last) {
    return DrawResult::failed(msg::SpecifyTwoInitialCoordinates);
  }
  if (DrawResult x = r.number(r.range(point.first, comma - 1), out.x1); !x.ok()) return x;
  return r.number(r.range(comma + 1, point.last), out.y1);
}

}  // namespace

DrawResult ParseShapeArguments(const DrawStatement& s, ShapeKind kind, Pen* pen, ShapeArguments& out) {
  const ArgumentReader r(s);
  const Position a = s.argumentStart;
  const Position z = s.lastPosition;

  // 1. The word TO.
  const Position toWord = FindWord(s.chars, a, z, "TO");
  Position next = a;
  if (toWord != 0) {
    // 2. The first point; a LINE's pen is started by it.
    if (DrawResult first = readFirstPoint(r, a, toWord, out); !first.ok()) return first;
    if (pen != nullptr) pen->started = true;
    next = toWord + 2;
  } else if (pen != nullptr) {
    // 3. Without TO, a LINE goes on from its pen's last point.
    out.x1 = pen->x;
    out.y1 = pen->y;
  }

  // 4. The second point, or TEXT's text alone.
  const Item point = r.item(next);
  bool pointRead = false;
  if (r.parenthesised(point)) {
    const Position inner = FindSeparator(s.chars, point.first + 1, point.last - 1);
    // Parentheses that hold no comma enclose a coordinate, or TEXT's text,
    // not a point: read on below.
    if (inner != 0) {
      if (DrawResult x = r.number(r.range(point.first + 1, inner - 1), out.x2); !x.ok()) return x;
      if (DrawResult y = r.number(r.range(inner + 1, point.last - 1), out.y2); !y.ok()) return y;
      next = r.after(point);
      pointRead = true;
    }
  }
  if (!pointRead) {
    Value value;
    std::string message;
    bool evaluated = false;
    bool evaluationFailed = false;
    if (kind == ShapeKind::Text && point.present()) {
      evaluated = true;
      evaluationFailed = !r.evaluate(point, value, message);
      if (!evaluationFailed && value.isString()) {
        out.text = value.text();
        out.textOnly = true;
      }
    }
    if (!out.textOnly) {
      if (point.separator == 0) return DrawResult::failed(msg::SpecifyTwoCoordinates);
      if (evaluated) {
        if (evaluationFailed) return DrawResult::failed(message);
        out.x2 = value.number();
      } else if (DrawResult x = r.number(point, out.x2); !x.ok()) {
        return x;
      }
      const Item y = r.item(r.after(point));
      if (!y.present()) return DrawResult::failed(msg::SpecifyTwoFinalCoordinates);
      if (DrawResult yr = r.number(y, out.y2); !yr.ok()) return yr;
      next = r.after(y);
    } else {
      next = r.after(point);
    }
  }

  // 5. CIRCLE and BALL: the radius.
  if (kind == ShapeKind::Circle || kind == ShapeKind::Ball) {
    const Item radius = r.item(next);
    if (!radius.present()) return DrawResult::failed(msg::SpecifyRadius);
    if (DrawResult rr = r.number(radius, out.radius); !rr.ok()) {
      return rr.message() == msg::EmptyExpression ? DrawResult::failed(msg::SpecifyRadius) : rr;
    }
    next = r.after(radius);
  }

  // 6. TEXT with a point: the text.
  if (kind == ShapeKind::Text && !out.textOnly) {
    const Item text = r.item(next);
    if (!text.present()) return DrawResult::failed(msg::SpecifyText);
    Value value;
    std::string message;
    if (!r.evaluate(text, value, message)) return DrawResult::failed(message);
    if (!value.isString()) return DrawResult::failed(msg::SpecifyTextstring);
    out.text = value.text();
    next = r.after(text);
  }

  // 7. The colour; for DRAWCOORDINATES the x scale, which is a number only.
  const Item colour = r.item(next);
  if (colour.present()) {
    const ColourNumber named = kind == ShapeKind::Coordinates ? NoColourName : r.colourName(colour);
    if (named >= 0) {
      out.colourItem = named;
    } else {
      double value = 0;
      if (DrawResult c = r.number(colour, value); !c.ok()) return c;
      out.colourItem = value;
    }
  }

  // 8. The line width, font size or y scale. Further items are ignored.
  if (colour.separator != 0) {
    const Item last = r.item(r.after(colour));
    if (last.present()) {
      double value = 0;
      if (DrawResult l = r.number(last, value); !l.ok()) return l;
      out.lastItem = value;
    }
  }
  return DrawResult::done();
}

}  // namespace morvane
