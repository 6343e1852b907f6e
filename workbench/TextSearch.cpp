#include "workbench/TextSearch.h"

#include "workbench/WorkbenchTexts.h"

namespace morvane {

namespace {

constexpr QChar LineFeed = QLatin1Char('\n');

// The 1-based position of needle in haystack at or after 1-based `from`; 0
// when there is none.
qint64 positionOf(const QString& haystack, const QString& needle, qint64 from) {
  if (from < 1) from = 1;
  if (from > haystack.size() + 1) return 0;
  const qsizetype at = haystack.indexOf(needle, static_cast<qsizetype>(from - 1));
  return at < 0 ? 0 : at + 1;
}

}  // namespace

QString UpperSameLength(QStringView text) {
  QString upper(text.size(), Qt::Uninitialized);
  for (qsizetype i = 0; i < text.size(); ++i) upper[i] = text[i].toUpper();
  return upper;
}

SearchOutcome TextSearch::search(SearchTarget& editor) {
  SearchOutcome outcome;
  SearchState& s = m_state;
  const QString text = editor.text();

  // 1. A repeated search moves past the occurrence it selected before.
  const qint64 start = editor.selectionStart();
  const qint64 length = editor.selectionLength();
  const qint64 offset = (start == s.lastStart || s.skipSelection) ? length : 0;
  const qint64 b = start + offset;

  // 2. Case is ignored by comparing in upper case.
  const QString needle = s.caseSensitive ? s.searchText : UpperSameLength(s.searchText);
  const QString haystack = s.caseSensitive ? text : UpperSameLength(text);

  // 3. By direction.
  qint64 found = 0;
  if (!needle.isEmpty()) {
    switch (s.direction) {
      case SearchDirection::Forward:
        found = positionOf(haystack, needle, b + 1);
        break;
      case SearchDirection::FromTheBeginning:
        found = positionOf(haystack, needle, 1);
        s.direction = SearchDirection::Forward;
        outcome.directionChanged = true;
        break;
      case SearchDirection::Backward:
        // Backward, "past the selection" means before its start: starting
        // from its end would find the selected occurrence again and again.
        for (qint64 i = std::min<qint64>(start - 1, haystack.size()); i >= 1; --i) {
          if (QStringView(haystack).mid(i - 1, needle.size()) == needle) {
            found = i;
            break;
          }
        }
        break;
    }
  }

  if (found == 0) {
    // 4. Nothing found: the selection stays.
    outcome.message = texts::tr(texts::UnableToFind);
  } else {
    // 5. The occurrence is selected; its line and column are reported.
    editor.select(found - 1, needle.size());
    const QStringView upToFound = QStringView(text).first(found);
    const qint64 line = 1 + upToFound.count(LineFeed);
    const qint64 column = found - 1 - upToFound.lastIndexOf(LineFeed);
    outcome.found = true;
    outcome.message = texts::foundAt(line, column);
  }
  // 6. The next search knows where this one left the selection.
  s.lastStart = editor.selectionStart();
  s.skipSelection = false;
  return outcome;
}

QString TextSearch::countOccurrences(const SearchTarget& editor, const QString& searchField) const {
  if (searchField.isEmpty()) return {};
  const QString text = editor.text();
  const QString needle = m_state.caseSensitive ? searchField : UpperSameLength(searchField);
  const QString haystack = m_state.caseSensitive ? text : UpperSameLength(text);
  const qint64 selectionStart = editor.selectionStart();
  const auto textLength = static_cast<qint64>(haystack.size());

  qint64 start = 1;
  qint64 limit = textLength;
  switch (m_state.direction) {
    case SearchDirection::Forward:
      start = selectionStart == 0 ? 1 : selectionStart;
      break;
    case SearchDirection::FromTheBeginning:
      break;
    case SearchDirection::Backward:
      limit = selectionStart == 0 ? textLength : selectionStart;
      break;
  }

  // Occurrences may overlap; one that starts at the limit is not counted.
  qint64 count = 0;
  for (qint64 k = 1; k <= limit; ++k) {
    const qint64 p = positionOf(haystack, needle, start);
    if (p == 0 || p >= limit) break;
    count = k;
    start = p + 1;
  }
  return texts::occurrences(count);
}

bool TextSearch::selectionMatches(const SearchTarget& editor) const {
  if (m_state.searchText.isEmpty()) return false;
  const QString selected =
      editor.text().mid(static_cast<qsizetype>(editor.selectionStart()), static_cast<qsizetype>(editor.selectionLength()));
  if (m_state.caseSensitive) return selected == m_state.searchText;
  return UpperSameLength(selected) == UpperSameLength(m_state.searchText);
}

bool TextSearch::replace(SearchTarget& editor, SearchOutcome& outcome) {
  SearchState& s = m_state;
  // 1. An empty search text ends the action.
  if (s.searchText.isEmpty()) return false;
  // 2., 3. A selection that is no occurrence is first searched for.
  if (!selectionMatches(editor)) {
    outcome = search(editor);
    if (!selectionMatches(editor)) return false;
  }
  // 4. The occurrence is replaced and the replacement selected.
  s.undoText = editor.text();
  s.oopsStart = editor.selectionStart();
  s.oopsLength = editor.selectionLength();
  editor.replaceSelection(s.replaceText);
  editor.select(s.oopsStart, s.replaceText.size());
  return true;
}

bool TextSearch::replaceNext(SearchTarget& editor, SearchOutcome& outcome) {
  outcome = search(editor);
  if (!outcome.found) return false;
  const qint64 start = editor.selectionStart();
  editor.replaceSelection(m_state.replaceText);
  // Nothing stays selected: the caret stands behind the replacement.
  editor.select(start + m_state.replaceText.size(), 0);
  return true;
}

bool TextSearch::oops(SearchTarget& editor) {
  if (m_state.undoText.isEmpty()) return false;
  editor.setText(m_state.undoText);
  editor.select(m_state.oopsStart, m_state.oopsLength);
  return true;
}

}  // namespace morvane
