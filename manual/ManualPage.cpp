#include "manual/ManualPage.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <optional>
#include <utility>

namespace morvane::manual {

namespace {

// Stands for "\ " while the text is filled, so no line breaks there.
constexpr char UnbreakableBlank = '\x1f';

// The columns of the help: where paragraphs of a section start, and where
// the body of a tagged paragraph starts (the tag starts at ParagraphIndent).
constexpr std::size_t ParagraphIndent = 2;
constexpr std::size_t TagBodyIndent = 14;

struct NamedCharacter {
  std::string_view name;
  std::string_view text;
};
constexpr std::array<NamedCharacter, 4> NamedCharacters{{
    {"aq", "'"}, {"dq", "\""}, {"lq", "\""}, {"rq", "\""},
}};

// Text of a source line without its escapes; nullopt with `error` set for
// an escape the help cannot show.
std::optional<std::string> Unescape(std::string_view text, std::string& error) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\\') {
      out += text[i];
      continue;
    }
    if (++i == text.size()) {
      error = "a backslash ends the line";
      return std::nullopt;
    }
    switch (text[i]) {
      case 'f':  // a font change: the help has one font
        if (i + 1 < text.size() && std::string_view("BIRP").find(text[i + 1]) != std::string_view::npos) {
          ++i;
          break;
        }
        error = "unknown font change";
        return std::nullopt;
      case '-': out += '-'; break;
      case 'e': out += '\\'; break;
      case '&': break;
      case ' ': out += UnbreakableBlank; break;
      case '(': {
        const std::string_view name = text.substr(i + 1, 2);
        const auto* named = std::find_if(NamedCharacters.begin(), NamedCharacters.end(),
                                         [name](const NamedCharacter& c) { return c.name == name; });
        if (named == NamedCharacters.end()) {
          error = "unknown character \\(" + std::string(name);
          return std::nullopt;
        }
        out += named->text;
        i += 2;
        break;
      }
      default:
        error = std::string("unknown escape \\") + text[i];
        return std::nullopt;
    }
  }
  return out;
}

// The arguments of a request: split at blanks, a pair of double quotes
// keeping blanks inside one argument.
std::vector<std::string> RequestArguments(std::string_view text) {
  std::vector<std::string> arguments;
  std::size_t i = 0;
  while (i < text.size()) {
    if (text[i] == ' ') {
      ++i;
      continue;
    }
    std::string argument;
    if (text[i] == '"') {
      const std::size_t end = text.find('"', i + 1);
      argument = text.substr(i + 1, end == std::string_view::npos ? std::string_view::npos : end - i - 1);
      i = end == std::string_view::npos ? text.size() : end + 1;
    } else {
      const std::size_t end = std::min(text.find(' ', i), text.size());
      argument = text.substr(i, end - i);
      i = end;
    }
    arguments.push_back(std::move(argument));
  }
  return arguments;
}

enum class Request { Title, Section, Paragraph, TaggedParagraph, Words, AlternatingWords, Break, ExampleStart, ExampleEnd };

struct RequestName {
  std::string_view name;
  Request request;
};
constexpr std::array<RequestName, 19> Requests{{
    {"TH", Request::Title},           {"SH", Request::Section},
    {"PP", Request::Paragraph},       {"LP", Request::Paragraph},
    {"P", Request::Paragraph},        {"TP", Request::TaggedParagraph},
    {"B", Request::Words},            {"I", Request::Words},
    {"BR", Request::AlternatingWords}, {"BI", Request::AlternatingWords},
    {"IB", Request::AlternatingWords}, {"IR", Request::AlternatingWords},
    {"RB", Request::AlternatingWords}, {"RI", Request::AlternatingWords},
    {"br", Request::Break},           {"EX", Request::ExampleStart},
    {"EE", Request::ExampleEnd},       {"nf", Request::ExampleStart},
    {"fi", Request::ExampleEnd},
}};

std::optional<Request> FindRequest(std::string_view name) {
  for (const RequestName& r : Requests) {
    if (r.name == name) return r.request;
  }
  return std::nullopt;
}

constexpr std::string_view TextBeforeSection = "text before the first section";

// Collects sections and blocks as the source lines come.
class PageReader {
 public:
  std::optional<std::string> line(std::string_view source);
  Page finish();

 private:
  std::optional<std::string> addText(std::string_view text);
  Block& block(Block::Kind kind);
  void endBlock() { m_open = false; }

  Page m_page;
  bool m_open = false;       // the last block of the last section takes text
  bool m_wantsTag = false;   // after .TP: the next text is the tag
  bool m_breakNext = false;  // after .br: the next text starts a piece
};

Block& PageReader::block(Block::Kind kind) {
  std::vector<Block>& blocks = m_page.sections.back().blocks;
  if (!m_open) {
    blocks.push_back(Block{kind, {}, {}});
    m_open = true;
  }
  return blocks.back();
}

std::optional<std::string> PageReader::addText(std::string_view text) {
  if (m_page.sections.empty()) return std::string(TextBeforeSection);
  if (m_wantsTag) {
    m_page.sections.back().blocks.back().tag = text;
    m_wantsTag = false;
    return std::nullopt;
  }
  Block& current = block(Block::Kind::Paragraph);
  if (current.kind == Block::Kind::Example || current.pieces.empty() || m_breakNext) {
    current.pieces.emplace_back(text);
  } else {
    current.pieces.back() += ' ';
    current.pieces.back() += text;
  }
  m_breakNext = false;
  return std::nullopt;
}

std::optional<std::string> PageReader::line(std::string_view source) {
  const bool inExample = m_open && m_page.sections.back().blocks.back().kind == Block::Kind::Example;
  if (source.empty()) return "an empty line (use .PP between paragraphs)";
  if (source.starts_with(".\\\"")) return std::nullopt;
  if (source.front() == '\'') return "a control line with ' (put \\& before the quote)";
  std::string error;
  if (source.front() != '.') {
    std::optional<std::string> text = Unescape(source, error);
    if (!text) return error;
    return addText(*text);
  }

  const std::size_t nameEnd = std::min(source.find(' '), source.size());
  const std::string_view name = source.substr(1, nameEnd - 1);
  const std::optional<Request> request = FindRequest(name);
  if (!request) return "unknown request ." + std::string(name);
  if (inExample && *request != Request::ExampleEnd) return "request ." + std::string(name) + " inside an example";
  std::vector<std::string> arguments = RequestArguments(source.substr(nameEnd));
  for (std::string& argument : arguments) {
    std::optional<std::string> text = Unescape(argument, error);
    if (!text) return error;
    argument = std::move(*text);
  }

  switch (*request) {
    case Request::Title:  // .TH TITLE SECTION DATE SOURCE MANUAL
      return std::nullopt;
    case Request::Section:  // .SH NAME
      endBlock();
      m_page.sections.push_back(Section{});
      for (const std::string& word : arguments) {
        if (!m_page.sections.back().name.empty()) m_page.sections.back().name += ' ';
        m_page.sections.back().name += word;
      }
      return std::nullopt;
    case Request::Paragraph:  // .PP
      endBlock();
      return std::nullopt;
    case Request::TaggedParagraph:  // .TP, then the tag's line
      if (m_page.sections.empty()) return std::string(TextBeforeSection);
      endBlock();
      block(Block::Kind::Tagged);
      m_wantsTag = true;
      return std::nullopt;
    case Request::Words: {  // .B word ...
      std::string words;
      for (const std::string& word : arguments) words += (words.empty() ? "" : " ") + word;
      return addText(words);
    }
    case Request::AlternatingWords: {  // .BR word word ...
      std::string words;
      for (const std::string& word : arguments) words += word;
      return addText(words);
    }
    case Request::Break:  // .br
      m_breakNext = true;
      return std::nullopt;
    case Request::ExampleStart:  // .EX
      if (m_page.sections.empty()) return std::string(TextBeforeSection);
      endBlock();
      block(Block::Kind::Example);
      return std::nullopt;
    case Request::ExampleEnd:  // .EE
      if (!inExample) return "." + std::string(name) + " without an example";
      endBlock();
      return std::nullopt;
  }
  return std::nullopt;
}

Page PageReader::finish() {
  for (const Section& section : m_page.sections) {
    if (section.name == "NAME" && !section.blocks.empty() && !section.blocks.front().pieces.empty()) {
      const std::string& first = section.blocks.front().pieces.front();
      m_page.program = first.substr(0, first.find(' '));
    }
  }
  return std::move(m_page);
}

// ---- The help text ----------------------------------------------------------

// Fills `text` into lines of at most `width` columns: the first line after
// `first` (already on the line), the others indented by `indent`.
void Fill(std::string& out, std::string first, std::string_view text, std::size_t indent, std::size_t width) {
  std::string line = std::move(first);
  bool lineHasWords = false;
  std::size_t i = 0;
  while (i < text.size()) {
    if (text[i] == ' ') {
      ++i;
      continue;
    }
    const std::size_t end = std::min(text.find(' ', i), text.size());
    const std::string_view word = text.substr(i, end - i);
    i = end;
    if (lineHasWords && line.size() + 1 + word.size() > width) {
      out += line + '\n';
      line.assign(indent, ' ');
      lineHasWords = false;
    }
    if (lineHasWords) line += ' ';
    line += word;
    lineHasWords = true;
  }
  out += line + '\n';
}

// "EXIT STATUS" as a heading: "Exit status:".
std::string Heading(std::string_view name) {
  std::string heading(name);
  std::transform(heading.begin() + 1, heading.end(), heading.begin() + 1,
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return heading + ":\n";
}

void AddBlock(std::string& out, const Block& block, std::size_t indent, std::size_t width) {
  const std::string margin(indent, ' ');
  switch (block.kind) {
    case Block::Kind::Paragraph:
      for (const std::string& piece : block.pieces) Fill(out, margin, piece, indent, width);
      break;
    case Block::Kind::Tagged: {
      std::string first = margin + block.tag;
      if (block.pieces.empty()) {
        out += first + '\n';
        break;
      }
      if (first.size() + 1 > TagBodyIndent) {
        out += first + '\n';
        first.clear();
      }
      first.resize(TagBodyIndent, ' ');
      for (const std::string& piece : block.pieces) {
        Fill(out, first, piece, TagBodyIndent, width);
        first.assign(TagBodyIndent, ' ');
      }
      break;
    }
    case Block::Kind::Example:
      for (const std::string& piece : block.pieces) out += margin + "  " + piece + '\n';
      break;
  }
}

}  // namespace

std::variant<Page, PageError> ReadPage(std::string_view source) {
  PageReader reader;
  int number = 0;
  while (!source.empty()) {
    ++number;
    const std::size_t end = std::min(source.find('\n'), source.size());
    if (std::optional<std::string> error = reader.line(source.substr(0, end))) return PageError{number, *error};
    source.remove_prefix(std::min(end + 1, source.size()));
  }
  return reader.finish();
}

std::string HelpText(const Page& page, std::size_t width) {
  std::string out;
  for (const Section& section : page.sections) {
    if (section.name == "SYNOPSIS") {
      // Each line of the synopsis on a line of its own, the first after
      // "Usage:"; a long line goes on under its first option.
      std::string first = "Usage: ";
      for (const Block& block : section.blocks) {
        for (const std::string& piece : block.pieces) {
          const std::size_t indent = first.size() + std::min(piece.find(' '), piece.size()) + 1;
          Fill(out, first, piece, indent, width);
          first.assign(7, ' ');
        }
      }
    } else if (section.name == "DESCRIPTION") {
      for (const Block& block : section.blocks) {
        out += '\n';
        AddBlock(out, block, 0, width);
      }
    } else if (section.name == "OPTIONS" || section.name == "EXIT STATUS") {
      out += '\n' + Heading(section.name);
      for (const Block& block : section.blocks) AddBlock(out, block, ParagraphIndent, width);
    }
  }
  std::replace(out.begin(), out.end(), UnbreakableBlank, ' ');
  return out;
}

}  // namespace morvane::manual
