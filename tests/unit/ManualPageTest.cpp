// The --help text made from a manual page: which sections it shows and how
// it lays them out, the escapes it resolves, the sources it refuses, and
// the pages of both programs.

#include "manual/ManualPage.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

namespace morvane::manual {
namespace {

Page Read(std::string_view source) {
  auto read = ReadPage(source);
  if (const auto* error = std::get_if<PageError>(&read)) {
    ADD_FAILURE() << "line " << error->line << ": " << error->text;
    return {};
  }
  return std::get<Page>(std::move(read));
}

PageError ErrorOf(std::string_view source) {
  auto read = ReadPage(source);
  if (const auto* error = std::get_if<PageError>(&read)) return *error;
  ADD_FAILURE() << "read without an error";
  return {};
}

constexpr std::string_view SmallPage = R"(.\" a comment
.TH TOOL 1 2026-01-01 "Tool 1.0" "User Commands"
.SH NAME
tool \- does a thing
.SH SYNOPSIS
.B tool
[\fB\-\-fast\fR] \fIFILE\fR
.br
.B tool
\fB\-\-help\fR
.SH DESCRIPTION
.B tool
reads \fIFILE\fR and
does the thing.
.PP
A second paragraph.
.SH OPTIONS
.TP
.B \-\-fast
go fast
.TP
.BI \-\-a\-long\-option " VALUE"
with a body
.SH "EXIT STATUS"
.TP
.B 0
done
.PP
Anything else: not done.
.SH EXAMPLES
.EX
tool \-\-fast x
.EE
.SH SEE ALSO
.BR other (1)
)";

TEST(ManualPage, HelpHoldsUsageDescriptionOptionsAndExitStatusOnly) {
  const Page page = Read(SmallPage);
  EXPECT_EQ(page.program, "tool");
  EXPECT_EQ(HelpText(page),
            "Usage: tool [--fast] FILE\n"
            "       tool --help\n"
            "\n"
            "tool reads FILE and does the thing.\n"
            "\n"
            "A second paragraph.\n"
            "\n"
            "Options:\n"
            "  --fast      go fast\n"
            "  --a-long-option VALUE\n"
            "              with a body\n"
            "\n"
            "Exit status:\n"
            "  0           done\n"
            "  Anything else: not done.\n");
}

TEST(ManualPage, LongLinesWrapAtTheWidth) {
  const Page page = Read(".SH SYNOPSIS\n.B tool\n[\\-\\-one] [\\-\\-two] [\\-\\-three]\n"
                         ".SH DESCRIPTION\nalpha beta gamma delta\n"
                         ".SH OPTIONS\n.TP\n.B \\-x\none two three four\n");
  EXPECT_EQ(HelpText(page, 24),
            "Usage: tool [--one]\n"
            "            [--two]\n"
            "            [--three]\n"
            "\n"
            "alpha beta gamma delta\n"
            "\n"
            "Options:\n"
            "  -x          one two\n"
            "              three four\n");
}

TEST(ManualPage, EscapesBecomePlainText) {
  const Page page = Read(".SH DESCRIPTION\n"
                         "\\fBbold\\fR \\fIitalic\\fP \\(aqa\\(aq \\(dqb\\(dq \\(lqc\\(rq back\\eslash\n"
                         "\\&.dot 90\\ %\n");
  EXPECT_EQ(HelpText(page, 200), "\nbold italic 'a' \"b\" \"c\" back\\slash .dot 90 %\n");
  // An unbreakable blank keeps its words on one line.
  EXPECT_EQ(HelpText(Read(".SH DESCRIPTION\naaaa 90\\ %\n"), 6), "\naaaa\n90 %\n");
}

TEST(ManualPage, WhatTheHelpCannotShowIsAnErrorAtItsLine) {
  const PageError request = ErrorOf(".SH NAME\nx\n.SS Sub\n");
  EXPECT_EQ(request.line, 3);
  EXPECT_EQ(request.text, "unknown request .SS");
  EXPECT_EQ(ErrorOf(".SH NAME\n\\fCcode\n").text, "unknown font change");
  EXPECT_EQ(ErrorOf(".SH NAME\n\\(em\n").text, "unknown character \\(em");
  EXPECT_EQ(ErrorOf(".SH NAME\n\\*R\n").text, "unknown escape \\*");
  EXPECT_EQ(ErrorOf(".SH NAME\nx\n\ny\n").line, 3);
  EXPECT_EQ(ErrorOf("x\n").text, "text before the first section");
  EXPECT_EQ(ErrorOf(".SH NAME\n.EE\n").text, ".EE without an example");
  EXPECT_EQ(ErrorOf(".SH NAME\n.EX\n.B x\n.EE\n").text, "request .B inside an example");
  EXPECT_EQ(ErrorOf(".SH NAME\n'br\n").line, 2);
}

// The pages of both programs, as the build fills them in.
std::string PageSource(const std::string& program) {
  std::ifstream in(std::string(MORVANE_MANUAL_DIR) + "/" + program + ".1");
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

class ProgramPage : public testing::TestWithParam<const char*> {};

TEST_P(ProgramPage, ReadsAndDescribesEveryOptionOfItsSynopsis) {
  const Page page = Read(PageSource(GetParam()));
  EXPECT_EQ(page.program, GetParam());
  const std::string help = HelpText(page);
  std::istringstream lines(help);
  std::string line;
  std::string synopsis;
  while (std::getline(lines, line)) {
    EXPECT_LE(line.size(), 79u) << line;
    if (line.starts_with("Usage: ") || (!synopsis.empty() && line.starts_with("       "))) synopsis += line;
    if (line.empty()) break;
  }
  const std::string options = help.substr(help.find("\nOptions:\n"));
  for (std::size_t at = synopsis.find("--"); at != std::string::npos; at = synopsis.find("--", at + 2)) {
    const std::size_t end = synopsis.find_first_of(" ]|", at);
    const std::string option = synopsis.substr(at, end - at);
    EXPECT_NE(options.find(" " + option), std::string::npos) << option << " is not described";
  }
}

INSTANTIATE_TEST_SUITE_P(Programs, ProgramPage, testing::Values("morvane", "morvane-run"));

}  // namespace
}  // namespace morvane::manual
