#pragma once
// Find and replace on the program editor, apart from any widget. The search
// state is held once for the whole application, so Find Next works in any
// document window after the find dialog has been closed. Positions are
// those of the editor widget's text; selection starts count from 0, text
// positions from 1.

#include <cstdint>

#include <QString>
#include <QStringView>

namespace morvane {

// The editor a search works on.
class SearchTarget {
 public:
  virtual ~SearchTarget() = default;
  virtual QString text() const = 0;
  virtual qint64 selectionStart() const = 0;
  virtual qint64 selectionLength() const = 0;
  virtual void select(qint64 start, qint64 length) = 0;
  // Replaces the selected text (the editor's text becomes the part before
  // the selection, `replacement` and the part after it).
  virtual void replaceSelection(const QString& replacement) = 0;
  // Sets the whole text (Oops).
  virtual void setText(const QString& text) = 0;
};

// The values of the direction option buttons.
enum class SearchDirection : int { Backward = 0, Forward = 1, FromTheBeginning = 2 };

struct SearchState {
  QString searchText;
  QString replaceText;
  QString undoText;  // the editor's text before the dialog's last replacement
  bool caseSensitive = false;
  SearchDirection direction = SearchDirection::Backward;
  bool skipSelection = false;  // the next search starts behind the selection
  // The selection start after the last search. A wide integer: a selection
  // start beyond 32767 must still be recognised.
  qint64 lastStart = 0;
  // The selection at the last replacement, for Oops.
  qint64 oopsStart = 0;
  qint64 oopsLength = 0;
};

// The message line after a search or a count.
struct SearchOutcome {
  bool found = false;
  QString message;
  // "From the Beginnig" has turned into "Forward".
  bool directionChanged = false;
};

class TextSearch {
 public:
  SearchState& state() { return m_state; }
  const SearchState& state() const { return m_state; }

  // Search: selects the next occurrence of the search text in the chosen
  // direction, or leaves the selection when there is none.
  SearchOutcome search(SearchTarget& editor);

  // Counts the occurrences of `needle` from the caret in the chosen
  // direction; "" when the needle is empty (the dialog then disables its
  // buttons and shows nothing new).
  QString countOccurrences(const SearchTarget& editor, const QString& needle) const;

  // The dialog's Replace: finds an occurrence when the selection is not
  // one, replaces it, selects the replacement and keeps the text for Oops.
  // True when something was replaced.
  bool replace(SearchTarget& editor, SearchOutcome& outcome);

  // Replace Next of the menu: Search, then replace what it selected; nothing
  // stays selected. No text is kept for Oops.
  bool replaceNext(SearchTarget& editor, SearchOutcome& outcome);

  // Oops: the text and selection before the dialog's last replacement.
  bool oops(SearchTarget& editor);

  // True when the selection is an occurrence of the search text.
  bool selectionMatches(const SearchTarget& editor) const;

 private:
  SearchState m_state;
};

// Upper case, one UTF-16 unit at a time, so that positions stay where they
// are (a whole-string upper-casing may turn one letter into two).
QString UpperSameLength(QStringView text);

}  // namespace morvane
