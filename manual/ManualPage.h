#pragma once
// A manual page, read from its man-macro source, and the --help text made
// from it. The programs print the text the build makes from their pages, so
// a page and its program's help cannot tell different stories.
//
// The pages use a small part of the man macros, and anything else is an
// error, so that no roff ever shows in a help text:
//   .TH                          the title line (not shown in the help)
//   .SH NAME                     a section
//   .PP  .LP  .P                 a new paragraph
//   .TP                          a tagged paragraph: the next line is the tag
//   .B  .I                       words in bold or italics
//   .BR .BI .IB .IR .RB .RI      words in alternating fonts, run together
//   .br                          a line break inside a paragraph
//   .EX .EE  .nf .fi             an example, shown line by line
//   .\"                          a comment
// and in text \fB \fI \fR \fP (fonts), \- (minus), \e (backslash), \& (no
// character), \  (a blank that never breaks), \(aq \(dq \(lq \(rq (quotes).
//
// The help holds the sections SYNOPSIS (as "Usage:"), DESCRIPTION, OPTIONS
// and EXIT STATUS. NAME, EXAMPLES, FILES, SEE ALSO and any other section
// are for the manual page alone.

#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace morvane::manual {

// A run of text as the help shows it: a paragraph, a tagged paragraph, or
// an example kept line by line.
struct Block {
  enum class Kind { Paragraph, Tagged, Example };
  Kind kind = Kind::Paragraph;
  std::string tag;                  // Tagged only
  std::vector<std::string> pieces;  // text between line breaks; an example's lines
};

struct Section {
  std::string name;  // as after .SH, "EXIT STATUS"
  std::vector<Block> blocks;
};

struct Page {
  std::string program;  // the first word of the NAME section
  std::vector<Section> sections;
};

struct PageError {
  int line = 0;  // 1-based line of the source
  std::string text;
};

// Reads a page; the first thing it does not understand is an error.
std::variant<Page, PageError> ReadPage(std::string_view source);

// The text of --help, its lines at most `width` columns wide where the
// words allow.
std::string HelpText(const Page& page, std::size_t width = 79);

}  // namespace morvane::manual
