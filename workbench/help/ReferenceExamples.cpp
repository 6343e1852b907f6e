#include "workbench/help/ReferenceExamples.h"

namespace morvane {

namespace {
constexpr char ExampleFence[] = "```basic";
constexpr char Fence[] = "```";
}  // namespace

PreparedPage PrepareReferencePage(const QString& markdown, const QString& linkText) {
  PreparedPage page;
  QStringList out;
  QStringList example;
  bool inExample = false;
  bool inOtherFence = false;
  for (const QString& line : markdown.split(QLatin1Char('\n'))) {
    const QString trimmed = line.trimmed();
    if (!inExample && !inOtherFence && trimmed == QLatin1String(ExampleFence)) {
      inExample = true;
      example.clear();
      out.append(line);
      continue;
    }
    if (inExample && trimmed == QLatin1String(Fence)) {
      inExample = false;
      out.append(line);
      out.append(QString());
      out.append(QStringLiteral("[%1](%2:%3)").arg(linkText, QLatin1String(ExampleScheme)).arg(page.examples.size()));
      out.append(QString());
      page.examples.append(example.join(QLatin1Char('\n')) + QLatin1Char('\n'));
      continue;
    }
    if (!inExample && trimmed.startsWith(QLatin1String(Fence))) inOtherFence = !inOtherFence;
    if (inExample) example.append(line);
    out.append(line);
  }
  page.markdown = out.join(QLatin1Char('\n'));
  return page;
}

int ExampleNumber(const QUrl& link) {
  if (link.scheme() != QLatin1String(ExampleScheme)) return -1;
  bool ok = false;
  const int number = link.path().toInt(&ok);
  return ok && number >= 0 ? number : -1;
}

}  // namespace morvane
