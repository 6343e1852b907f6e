#include "workbench/help/ReferenceIndex.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

namespace morvane {

namespace {

QString readText(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return QString::fromUtf8(file.readAll());
}

// The Markdown pages the start page links to, in the order of the links.
QStringList linkedPages(const QString& markdown) {
  static const QRegularExpression link(QStringLiteral(R"(\]\(([^)#:/]+\.md)\))"));
  QStringList names;
  for (const QRegularExpressionMatch& m : link.globalMatch(markdown)) {
    if (!names.contains(m.captured(1))) names.append(m.captured(1));
  }
  return names;
}

// A part of a heading that is a keyword: upper-case words only.
bool isKeyword(const QString& part) {
  static const QRegularExpression keyword(QStringLiteral(R"(^[A-Z][A-Z0-9]*( [A-Z][A-Z0-9]*)*$)"));
  return keyword.match(part).hasMatch();
}

// The keywords of a heading: its parts between commas, colons and "and".
QStringList headingKeywords(const QString& heading) {
  static const QRegularExpression separators(QStringLiteral(R"(,|:| and )"));
  QStringList keywords;
  for (const QString& part : heading.split(separators)) {
    const QString trimmed = part.trimmed();
    if (isKeyword(trimmed)) keywords.append(trimmed);
  }
  // "LINE and the ten pens": the leading keyword of a heading that goes on in words.
  static const QRegularExpression leading(QStringLiteral(R"(^([A-Z][A-Z0-9]+) [a-z])"));
  const QRegularExpressionMatch m = leading.match(heading);
  if (m.hasMatch() && !keywords.contains(m.captured(1))) keywords.append(m.captured(1));
  return keywords;
}

// The names in code spans of a table's first column or at a paragraph's
// start: "`LN(x)`, `LOG(x)`" names LN and LOG, "`CD name` (`CDIR`)" CD and
// CDIR. Each comes with the span's text, where its entry begins.
QList<QPair<QString, QString>> codeSpanNames(const QString& text) {
  static const QRegularExpression span(QStringLiteral(R"(`([A-Z][A-Z0-9]*)(\([^`]*\)|\s[^`]*)?`)"));
  QList<QPair<QString, QString>> names;
  for (const QRegularExpressionMatch& m : span.globalMatch(text)) names.append({m.captured(1), m.captured(0).mid(1).chopped(1)});
  return names;
}

}  // namespace

ReferenceIndex::ReferenceIndex(const QString& folder) {
  const QDir dir(folder);
  const QString start = QLatin1String(StartPage);
  const QString startText = readText(dir.filePath(start));
  QStringList order{start};
  for (const QString& name : linkedPages(startText)) {
    if (!order.contains(name)) order.append(name);
  }
  for (const QString& name : dir.entryList({QStringLiteral("*.md")}, QDir::Files, QDir::Name)) {
    if (!order.contains(name)) order.append(name);
  }
  for (const QString& name : order) {
    if (dir.exists(name)) readPage(name, readText(dir.filePath(name)));
  }
}

ReferenceIndex::ReferenceIndex(const QList<QPair<QString, QString>>& pages) {
  for (const auto& [name, markdown] : pages) readPage(name, markdown);
}

QString ReferenceIndex::shownText(const QString& markdown) {
  QString shown = markdown;
  shown.remove(QLatin1Char('`')).remove(QLatin1Char('*')).remove(QLatin1Char('\\'));
  return shown.trimmed();
}

void ReferenceIndex::readPage(const QString& fileName, const QString& markdown) {
  static const QRegularExpression headingLine(QStringLiteral(R"(^(#{1,6})\s+(.*?)\s*#*\s*$)"));
  static const QRegularExpression tableHeader(QStringLiteral(R"(^\|\s*(statement|function)\s*\|)"));
  ReferencePage page;
  page.fileName = fileName;
  QString section;  // the heading the lines below belong to
  bool inFence = false;
  bool namesTable = false;  // in a table whose first column names statements or functions
  for (const QString& line : markdown.split(QLatin1Char('\n'))) {
    if (line.startsWith(QLatin1String("```"))) {
      inFence = !inFence;
      continue;
    }
    if (inFence || line.startsWith(QLatin1String("    "))) continue;
    if (const QRegularExpressionMatch m = headingLine.match(line); m.hasMatch()) {
      const ReferenceHeading heading{static_cast<int>(m.captured(1).size()), shownText(m.captured(2))};
      page.headings.append(heading);
      if (page.title.isEmpty()) page.title = heading.text;
      section = heading.text;
      for (const QString& keyword : headingKeywords(heading.text)) {
        offer(keyword, {fileName, section, {}}, keyword == heading.text ? Fit::WholeHeading : Fit::InHeading);
      }
      continue;
    }
    if (!line.startsWith(QLatin1Char('|'))) {
      namesTable = false;
      // A paragraph that begins by calling a function describes it.
      if (line.startsWith(QLatin1Char('`'))) {
        const auto names = codeSpanNames(line.left(line.indexOf(QLatin1Char('`'), 1) + 1));
        for (const auto& [name, entry] : names) {
          if (entry.contains(QLatin1Char('('))) offer(name, {fileName, section, entry}, Fit::TableEntry);
        }
      }
      continue;
    }
    if (tableHeader.match(line).hasMatch()) {
      namesTable = true;
      continue;
    }
    if (!namesTable) continue;
    const QString firstColumn = line.section(QLatin1Char('|'), 1, 1);
    for (const auto& [name, entry] : codeSpanNames(firstColumn)) offer(name, {fileName, section, entry}, Fit::TableEntry);
  }
  m_pages.append(page);
}

void ReferenceIndex::offer(const QString& name, const ReferencePlace& place, Fit fit) {
  // The first place of the best fit keeps the name.
  const auto known = m_fits.constFind(name);
  if (known != m_fits.constEnd() && *known <= fit) return;
  m_fits.insert(name, fit);
  m_entries.insert(name, place);
}

const ReferencePlace* ReferenceIndex::find(const QStringList& names) const {
  for (const QString& name : names) {
    const auto found = m_entries.constFind(name.toUpper());
    if (found != m_entries.constEnd()) return &*found;
  }
  return nullptr;
}

}  // namespace morvane
