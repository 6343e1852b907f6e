#pragma once
// The language reference's pages (the Markdown files of docs/), read into
// what the help pane needs: each page's headings for the table of contents,
// and an index from the names of statements and functions to where each is
// described. Qt's Markdown view gives headings no anchors, so places are
// named by the heading's text and, for an entry of a table, the text that
// begins the entry.
//
// Where a name is described is read from the pages themselves: the
// keywords written in upper case in a heading ("IF, ELSEIF, ELSE, END IF",
// "LINE and the ten pens"), the first column of a table of statements or
// functions ("`CD name` (`CDIR`)", "`LN(x)`, `LOG(x)`"), and a paragraph
// that begins with a function call ("`RGB(r, g, b)` gives ...").

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

namespace morvane {

struct ReferenceHeading {
  int level = 1;  // 1 for "#", 2 for "##" ...
  QString text;   // as shown: without the Markdown marks
};

struct ReferencePage {
  QString fileName;  // "graphics.md"
  QString title;     // the text of its first heading
  QList<ReferenceHeading> headings;
};

// A place in the reference: the page, the heading of its section, and the
// text inside the section where the entry begins (empty: the heading itself).
struct ReferencePlace {
  QString fileName;
  QString heading;
  QString entryText;
  bool operator==(const ReferencePlace&) const = default;
};

class ReferenceIndex {
 public:
  // The page every other page is linked from.
  static constexpr char StartPage[] = "README.md";

  // Reads every page of the folder: the start page first, then the pages in
  // the order the start page links them, then any others by name.
  explicit ReferenceIndex(const QString& folder);
  // Reads pages given as file name and Markdown text, in this order.
  explicit ReferenceIndex(const QList<QPair<QString, QString>>& pages);

  const QList<ReferencePage>& pages() const { return m_pages; }
  // The names, upper-case and sorted, with the place of each.
  const QMap<QString, ReferencePlace>& entries() const { return m_entries; }
  // The place of the first of the names found in the index.
  const ReferencePlace* find(const QStringList& names) const;

  // A heading's Markdown as it shows: without "`", "*" and "\".
  static QString shownText(const QString& markdown);

 private:
  // How well a place describes a name: a heading that is the name itself
  // beats a heading among others, which beats an entry of a table.
  enum class Fit { WholeHeading = 0, InHeading = 1, TableEntry = 2 };

  void readPage(const QString& fileName, const QString& markdown);
  void offer(const QString& name, const ReferencePlace& place, Fit fit);

  QList<ReferencePage> m_pages;
  QMap<QString, ReferencePlace> m_entries;
  QMap<QString, Fit> m_fits;
};

}  // namespace morvane
