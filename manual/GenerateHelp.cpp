// morvane-manual: writes the C++ header with a program's --help and
// --version texts, made from its manual page at build time.
//   morvane-manual PAGE.1 VERSION OUT.h

#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <variant>

#include "manual/ManualPage.h"

namespace {

// `text` as a C++ string literal, one literal per line of text.
std::string Literal(const std::string& text) {
  std::string out = "\n    \"";
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\\' || c == '"') out += '\\';
    if (c == '\n') {
      out += "\\n\"";
      if (i + 1 < text.size()) out += "\n    \"";
      continue;
    }
    out += c;
  }
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::cerr << "Usage: morvane-manual PAGE.1 VERSION OUT.h\n";
    return 2;
  }
  const std::string pagePath = argv[1];
  std::ifstream in(pagePath, std::ios::binary);
  std::stringstream source;
  source << in.rdbuf();
  if (!in) {
    std::cerr << "morvane-manual: cannot read " << pagePath << "\n";
    return 1;
  }
  const auto read = morvane::manual::ReadPage(source.str());
  if (const auto* error = std::get_if<morvane::manual::PageError>(&read)) {
    std::cerr << pagePath << ":" << error->line << ": " << error->text << "\n";
    return 1;
  }
  const auto& page = std::get<morvane::manual::Page>(read);
  if (page.program.empty()) {
    std::cerr << pagePath << ": no NAME section names the program\n";
    return 1;
  }

  std::ofstream out(argv[3], std::ios::binary | std::ios::trunc);
  out << "// Made by morvane-manual from " << page.program << "'s manual page:"
      << " change the page, not this file.\n"
      << "#pragma once\n\n#include <string_view>\n\nnamespace morvane::manual {\n\n"
      << "inline constexpr std::string_view Help =" << Literal(morvane::manual::HelpText(page)) << ";\n\n"
      << "inline constexpr std::string_view Version =" << Literal(page.program + " " + argv[2] + "\n") << ";\n\n"
      << "}  // namespace morvane::manual\n";
  if (!out) {
    std::cerr << "morvane-manual: cannot write " << argv[3] << "\n";
    return 1;
  }
  return 0;
}
