#include "graphics/DrawSettingsStatements.h"

#include <array>
#include <cmath>
#include <optional>
#include <string_view>
#include <utility>

#include "core/IntegerConversion.h"
#include "core/Messages.h"
#include "graphics/ColourNames.h"
#include "prepare/Characters.h"

namespace morvane {

namespace {

constexpr std::size_t SettingWordLength = 21;

// Each table is tried in order; the first word the setting word begins with
// decides.
constexpr std::array<std::pair<std::string_view, CanvasUnit>, 4> UnitWords{{
    {"CM", CanvasUnit::Centimetre},
    {"MM", CanvasUnit::Millimetre},
    {"INCH", CanvasUnit::Inch},
    {"PIXEL", CanvasUnit::Pixel},
}};

// The longer names first, so that each name selects its own style.
constexpr std::array<std::pair<std::string_view, LineStyle>, 5> LineStyleWords{{
    {"NORMAL", LineStyle::Solid},
    {"DASHDOTDOT", LineStyle::DashDotDot},
    {"DASHDOT", LineStyle::DashDot},
    {"DASH", LineStyle::Dash},
    {"DOT", LineStyle::Dot},
}};

enum class TextStyle { Normal, Bold, Italic, Underline };
constexpr std::array<std::pair<std::string_view, TextStyle>, 4> TextStyleWords{{
    {"NORMAL", TextStyle::Normal},
    {"BOLD", TextStyle::Bold},
    {"ITALIC", TextStyle::Italic},
    {"UNDERLINE", TextStyle::Underline},
}};

template <typename T, std::size_t N>
std::optional<T> lookUp(const std::array<std::pair<std::string_view, T>, N>& words, std::string_view word) {
  for (const auto& [name, value] : words) {
    if (word.starts_with(name)) return value;
  }
  return std::nullopt;
}

// The whole argument text, evaluated.
class ArgumentValue {
 public:
  explicit ArgumentValue(const DrawStatement& s) {
    m_ok = s.expressions.evaluate(s.argumentStart, s.lastPosition, m_value, m_message);
  }
  bool ok() const { return m_ok; }
  const Value& value() const { return m_value; }
  DrawResult failure() const { return DrawResult::failed(m_message); }

 private:
  Value m_value;
  std::string m_message;
  bool m_ok = false;
};

// DRAW COLOR and DRAW FILLCOLOR without a colour name: the argument's number.
DrawResult colourValue(const DrawStatement& s, ColourNumber& colour) {
  const ArgumentValue argument(s);
  if (!argument.ok()) return argument.failure();
  if (argument.value().isString()) return DrawResult::refused();
  const std::optional<ColourNumber> number = ColourFromNumber(argument.value().number());
  if (!number) return DrawResult::refused();
  colour = *number;
  return DrawResult::done();
}

DrawResult drawScale(const DrawStatement& s, std::string_view word) {
  const std::optional<CanvasUnit> unit = lookUp(UnitWords, word);
  if (!unit) return DrawResult::failed(msg::WrongDrawScaleParameter);
  s.settings.unit = *unit;
  return DrawResult::done();
}

DrawResult drawColor(const DrawStatement& s, std::string_view word) {
  const ColourNumber named = ColorFromName(word);
  if (named >= 0) {
    s.settings.penColour = named;
    return DrawResult::done();
  }
  return colourValue(s, s.settings.penColour);
}

DrawResult drawFillColor(const DrawStatement& s, std::string_view word) {
  s.settings.fillMode = FillMode::Solid;
  const ColourNumber named = ColorFromName(word);
  if (named >= 0) {
    s.settings.fillColour = named;
    return DrawResult::done();
  }
  if (named == TransparentColourName) {
    s.settings.fillMode = FillMode::Transparent;  // the fill colour stays for later
    return DrawResult::done();
  }
  return colourValue(s, s.settings.fillColour);
}

DrawResult drawTextStyle(const DrawStatement& s, std::string_view word) {
  const std::optional<TextStyle> style = lookUp(TextStyleWords, word);
  if (!style) return DrawResult::failed(msg::UnknownTextstyle);
  CanvasFont& font = s.settings.font;
  switch (*style) {
    case TextStyle::Normal:
      font.bold = font.italic = font.underline = false;
      break;
    case TextStyle::Bold:  // the styles add up until NORMAL
      font.bold = true;
      break;
    case TextStyle::Italic:
      font.italic = true;
      break;
    case TextStyle::Underline:
      font.underline = true;
      break;
  }
  return DrawResult::done();
}

DrawResult drawLineStyle(const DrawStatement& s, std::string_view word) {
  const std::optional<LineStyle> style = lookUp(LineStyleWords, word);
  if (!style) return DrawResult::failed(msg::UnknownTextstyle);
  s.settings.lineStyle = *style;
  return DrawResult::done();
}

DrawResult drawTextFont(const DrawStatement& s) {
  const ArgumentValue argument(s);
  if (!argument.ok()) return argument.failure();
  if (!argument.value().isString()) return DrawResult::refused();
  const std::string& name = argument.value().text();
  if (!s.canvas.hasFont(name)) return DrawResult::failed(msg::TextfontNotAvailable);
  s.settings.font.name = name;
  return DrawResult::done();
}

DrawResult drawWidth(const DrawStatement& s) {
  const ArgumentValue argument(s);
  if (!argument.ok()) return argument.failure();
  if (argument.value().isString()) return DrawResult::refused();
  // A 16-bit whole number; below 1 the canvas refuses it.
  const std::optional<int> width = ToInteger<int>(std::nearbyint(argument.value().number()));
  if (!width || *width < MinLineWidth || *width > MaxLineWidth) return DrawResult::refused();
  s.settings.lineWidth = *width;
  return DrawResult::done();
}

DrawResult drawTextSize(const DrawStatement& s) {
  const ArgumentValue argument(s);
  if (!argument.ok()) return argument.failure();
  if (argument.value().isString()) return DrawResult::refused();
  const double size = argument.value().number();
  if (!(size >= MinFontSize && size <= MaxFontSize)) return DrawResult::refused();
  s.settings.font.size = size;
  return DrawResult::done();
}

}  // namespace

std::string SettingWord(const ProgramChars& chars, Position argumentStart, Position lastPosition) {
  std::string word(SettingWordLength, ' ');
  for (std::size_t i = 0; i < SettingWordLength; ++i) {
    const Position p = argumentStart + static_cast<Position>(i);
    if (p > lastPosition) break;
    word[i] = upperChar(chars.at(p));
  }
  return word;
}

DrawResult ExecuteDrawSetting(const DrawStatement& s, DrawSetting setting) {
  const std::string word = SettingWord(s.chars, s.argumentStart, s.lastPosition);
  switch (setting) {
    case DrawSetting::Scale:
      return drawScale(s, word);
    case DrawSetting::Color:
      return drawColor(s, word);
    case DrawSetting::FillColor:
      return drawFillColor(s, word);
    case DrawSetting::TextStyle:
      return drawTextStyle(s, word);
    case DrawSetting::LineStyle:
      return drawLineStyle(s, word);
    case DrawSetting::TextFont:
      return drawTextFont(s);
    case DrawSetting::Width:
      return drawWidth(s);
    case DrawSetting::TextSize:
      return drawTextSize(s);
  }
  return DrawResult::failed(msg::UnknownDrawstyle);
}

}  // namespace morvane
