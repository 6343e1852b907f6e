#include "graphics/TextFormatting.h"

#include <array>
#include <string>
#include <utility>

namespace morvane {

namespace {

constexpr char CommandMark = '\\';
constexpr double ScriptSize = 0.8;    // of the font size
constexpr double ScriptShift = 0.3;   // of the script character's height

enum class TextCommand {
  Subscript,
  Superscript,
  LineBreak,
  BackStep,
  BoldOn,
  BoldOff,
  ItalicOn,
  ItalicOff,
  UnderlineOn,
  UnderlineOff,
};

constexpr std::array<std::pair<char, TextCommand>, 10> TextCommands{{
    {'_', TextCommand::Subscript},
    {'^', TextCommand::Superscript},
    {'|', TextCommand::LineBreak},
    {'<', TextCommand::BackStep},
    {'(', TextCommand::BoldOn},
    {')', TextCommand::BoldOff},
    {'{', TextCommand::ItalicOn},
    {'}', TextCommand::ItalicOff},
    {'[', TextCommand::UnderlineOn},
    {']', TextCommand::UnderlineOff},
}};

std::optional<TextCommand> commandOf(char c) {
  for (const auto& [mark, command] : TextCommands) {
    if (mark == c) return command;
  }
  return std::nullopt;
}

// The characters of a text that are written, without the commands.
std::string shownText(std::string_view text) {
  std::string shown;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == CommandMark && i + 1 < text.size()) {
      if (const std::optional<TextCommand> command = commandOf(text[i + 1])) {
        ++i;
        const bool script = *command == TextCommand::Subscript || *command == TextCommand::Superscript;
        if (script && i + 1 < text.size()) shown.push_back(text[++i]);
        continue;
      }
    }
    shown.push_back(text[i]);
  }
  return shown;
}

class TextWriter {
 public:
  TextWriter(CanvasDrawing& drawing, std::string_view text, double lineStartX)
      : m_drawing(drawing),
        m_settings(drawing.settings()),
        m_text(text),
        m_lineStartX(lineStartX),
        m_lineHeight(drawing.textHeight(text)) {}

  void write() {
    std::size_t i = 0;
    while (i < m_text.size()) {
      const char c = m_text[i];
      const std::optional<TextCommand> command =
          c == CommandMark && i + 1 < m_text.size() ? commandOf(m_text[i + 1]) : std::nullopt;
      if (!command) {
        writeCharacter(c, i);
        ++i;
        continue;
      }
      i += 2;
      switch (*command) {
        case TextCommand::Subscript:
        case TextCommand::Superscript:
          if (i < m_text.size()) {
            writeScript(i, *command == TextCommand::Subscript ? ScriptShift : -ScriptShift);
            ++i;
          }
          break;
        case TextCommand::LineBreak:
          m_settings.currentX = m_lineStartX;
          m_settings.currentY += m_lineHeight;
          break;
        case TextCommand::BackStep:
          m_settings.currentX -= m_drawing.textWidth(std::string_view(&CommandMark, 1));
          break;
        case TextCommand::BoldOn:
        case TextCommand::BoldOff:
          m_settings.font.bold = *command == TextCommand::BoldOn;
          break;
        case TextCommand::ItalicOn:
        case TextCommand::ItalicOff:
          m_settings.font.italic = *command == TextCommand::ItalicOn;
          break;
        case TextCommand::UnderlineOn:
        case TextCommand::UnderlineOff:
          m_settings.font.underline = *command == TextCommand::UnderlineOn;
          break;
      }
    }
  }

 private:
  // Before each character: a text that would run past the canvas's right
  // edge widens the canvas to hold it. What is measured is what remains to
  // be written from this character on, as it shows: measuring the whole
  // text from each character would widen the canvas once more for every
  // character written, and the commands' characters never show.
  void makeRoom(std::size_t from) {
    const double right = m_settings.currentX + m_drawing.textWidth(shownText(m_text.substr(from)));
    if (right > m_drawing.scaleWidth()) WidenCanvasTo(m_drawing.canvas(), m_settings.unit, right);
  }

  void writeCharacter(char c, std::size_t at) {
    makeRoom(at);
    m_drawing.print(std::string_view(&c, 1));
  }

  // The character at `at`, smaller and moved down (shift > 0) or up by a
  // part of its height.
  void writeScript(std::size_t at, double shift) {
    const char c = m_text[at];
    const double size = m_settings.font.size;
    const double y = m_settings.currentY;
    m_settings.font.size = size * ScriptSize;
    m_settings.currentY = y + shift * m_drawing.textHeight(std::string_view(&c, 1));
    writeCharacter(c, at);
    m_settings.font.size = size;
    m_settings.currentY = y;
  }

  CanvasDrawing& m_drawing;
  CanvasSettings& m_settings;
  std::string_view m_text;
  double m_lineStartX;
  double m_lineHeight;
};

}  // namespace

void WriteFormattedText(CanvasDrawing& drawing, std::string_view text, ColourNumber colour, double fontSize,
                        std::optional<CanvasPoint> lowerLeft, double lineStartX) {
  CanvasSettings& settings = drawing.settings();
  // 1. What the text changes is remembered.
  const ColourNumber penColour = settings.penColour;
  const CanvasFont font = settings.font;
  settings.penColour = colour;
  settings.font.size = fontSize;

  // 2. The text's lower left corner at the point.
  if (lowerLeft) drawing.setCurrentPosition({lowerLeft->x, lowerLeft->y - drawing.textHeight(text)});

  // 3. and 4. The characters and commands.
  TextWriter(drawing, text, lineStartX).write();

  // 5. Everything but the current position as it was.
  settings.font.bold = font.bold;
  settings.font.underline = font.underline;
  settings.font.italic = font.italic;
  settings.penColour = penColour;
  settings.font.size = font.size;
}

}  // namespace morvane
