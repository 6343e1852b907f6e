#pragma once
// The examples of a reference page: the program blocks fenced as
// "```basic". Each gets a link under it that opens it in a new document
// window; the link's address names the example by its number on the page.

#include <QString>
#include <QStringList>
#include <QUrl>

namespace morvane {

struct PreparedPage {
  QString markdown;       // the page with a link under every example
  QStringList examples;   // the examples' program texts, '\n' line ends
};

// The scheme of the example links: "morvane-example:3" is the page's
// fourth example.
inline constexpr char ExampleScheme[] = "morvane-example";

PreparedPage PrepareReferencePage(const QString& markdown, const QString& linkText);

// The example's number of a link, or -1 when the link is no example's.
int ExampleNumber(const QUrl& link);

}  // namespace morvane
