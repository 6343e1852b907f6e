// Find and replace on a plain text: the search in its three directions with
// and without case, the counting of occurrences, Replace, Oops and Replace
// Next, with their message-line texts.

#include <QTest>

#include "workbench/TextSearch.h"

using namespace morvane;

namespace {

// An editor made of a string and a selection.
class PlainEditor final : public SearchTarget {
 public:
  explicit PlainEditor(QString text, qint64 start = 0, qint64 length = 0)
      : m_text(std::move(text)), m_start(start), m_length(length) {}

  QString text() const override { return m_text; }
  qint64 selectionStart() const override { return m_start; }
  qint64 selectionLength() const override { return m_length; }
  void select(qint64 start, qint64 length) override {
    m_start = start;
    m_length = length;
  }
  void replaceSelection(const QString& replacement) override {
    m_text = m_text.left(m_start) + replacement + m_text.mid(m_start + m_length);
  }
  void setText(const QString& text) override { m_text = text; }

  QString selected() const { return m_text.mid(m_start, m_length); }

 private:
  QString m_text;
  qint64 m_start;
  qint64 m_length;
};

const QString NotFound = QStringLiteral("Unable to find Searchstring!");

}  // namespace

class TextSearchTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void forwardFindsTheFirstOccurrence() {
    TextSearch search;
    search.state().searchText = QStringLiteral("ab");
    search.state().direction = SearchDirection::Forward;
    PlainEditor editor(QStringLiteral("xx ab ab"));
    const SearchOutcome outcome = search.search(editor);
    QVERIFY(outcome.found);
    QCOMPARE(editor.selectionStart(), 3);
    QCOMPARE(editor.selectionLength(), 2);
    QCOMPARE(outcome.message, QStringLiteral("Searchstring found at Line 1, Column 4"));
    // Searching again moves past the occurrence it selected.
    QCOMPARE(search.search(editor).message, QStringLiteral("Searchstring found at Line 1, Column 7"));
    QCOMPARE(search.search(editor).message, NotFound);
    QCOMPARE(editor.selectionStart(), 6);
  }

  void lineAndColumnOnLaterLines() {
    TextSearch search;
    search.state().searchText = QStringLiteral("END");
    search.state().direction = SearchDirection::Forward;
    PlainEditor editor(QStringLiteral("PRINT 1\n  x = 2\n\tEND"));
    QCOMPARE(search.search(editor).message, QStringLiteral("Searchstring found at Line 3, Column 2"));
  }

  void fromTheBeginningTurnsForward() {
    TextSearch search;
    search.state().searchText = QStringLiteral("ab");
    search.state().direction = SearchDirection::FromTheBeginning;
    PlainEditor editor(QStringLiteral("ab cd ab"), 7, 0);
    const SearchOutcome first = search.search(editor);
    QCOMPARE(editor.selectionStart(), 0);
    QVERIFY(first.directionChanged);
    QCOMPARE(search.state().direction, SearchDirection::Forward);
    search.search(editor);
    QCOMPARE(editor.selectionStart(), 6);
  }

  void backwardSearchesBeforeTheCaret() {
    TextSearch search;
    search.state().searchText = QStringLiteral("ab");
    search.state().direction = SearchDirection::Backward;
    PlainEditor editor(QStringLiteral("ab ab ab"), 7, 0);
    search.search(editor);
    QCOMPARE(editor.selectionStart(), 3);
    search.search(editor);
    QCOMPARE(editor.selectionStart(), 0);
    QCOMPARE(search.search(editor).message, NotFound);
  }

  void caseSensitivity_data() {
    QTest::addColumn<bool>("caseSensitive");
    QTest::addColumn<bool>("found");
    QTest::newRow("ignored") << false << true;
    QTest::newRow("sensitive") << true << false;
  }
  void caseSensitivity() {
    QFETCH(bool, caseSensitive);
    QFETCH(bool, found);
    TextSearch search;
    search.state().searchText = QStringLiteral("AB");
    search.state().caseSensitive = caseSensitive;
    search.state().direction = SearchDirection::Forward;
    PlainEditor editor(QStringLiteral("xx ab"));
    const SearchOutcome outcome = search.search(editor);
    QCOMPARE(outcome.found, found);
    if (!found) QCOMPARE(outcome.message, NotFound);
  }

  // Upper-casing must not move positions ("ß" would become "SS").
  void positionsSurviveUpperCasing() {
    TextSearch search;
    search.state().searchText = QStringLiteral("x");
    search.state().direction = SearchDirection::Forward;
    PlainEditor editor(QStringLiteral("ßßx"));
    search.search(editor);
    QCOMPARE(editor.selectionStart(), 2);
    QCOMPARE(editor.selected(), QStringLiteral("x"));
  }

  // The last start is a wide integer: a selection beyond 32767 is still
  // recognised as the one the previous search left.
  void selectionsBeyond32767() {
    TextSearch search;
    search.state().searchText = QStringLiteral("ab");
    search.state().direction = SearchDirection::Forward;
    PlainEditor editor(QString(40000, QLatin1Char('x')) + QStringLiteral("ab ab"));
    search.search(editor);
    QCOMPARE(editor.selectionStart(), 40000);
    search.search(editor);
    QCOMPARE(editor.selectionStart(), 40003);
  }

  void counting_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("needle");
    QTest::addColumn<int>("direction");
    QTest::addColumn<int>("caret");
    QTest::addColumn<QString>("message");
    const int fromStart = int(SearchDirection::FromTheBeginning);
    const int forward = int(SearchDirection::Forward);
    const int backward = int(SearchDirection::Backward);
    QTest::newRow("overlapping") << "aaaa" << "aa" << fromStart << 0 << "3 Occurences ";
    QTest::newRow("not at the limit") << "aaa" << "a" << fromStart << 0 << "2 Occurences ";
    QTest::newRow("none") << "abc" << "x" << fromStart << 0 << "0 Occurences ";
    QTest::newRow("forward from the caret") << "ab ab ab" << "ab" << forward << 5 << "1 Occurences ";
    QTest::newRow("forward counts from the caret's own position") << "ab ab ab" << "ab" << forward << 4
                                                                  << "2 Occurences ";
    QTest::newRow("backward before the caret") << "ab ab ab" << "ab" << backward << 4 << "1 Occurences ";
    QTest::newRow("backward, caret at 0") << "ab ab ab" << "ab" << backward << 0 << "3 Occurences ";
    QTest::newRow("case ignored") << "Ab aB x" << "ab" << fromStart << 0 << "2 Occurences ";
  }
  void counting() {
    QFETCH(QString, text);
    QFETCH(QString, needle);
    QFETCH(int, direction);
    QFETCH(int, caret);
    QFETCH(QString, message);
    TextSearch search;
    search.state().direction = SearchDirection(direction);
    QCOMPARE(search.countOccurrences(PlainEditor(text, caret, 0), needle), message);
  }

  void countingAnEmptyFieldSaysNothing() {
    TextSearch search;
    QVERIFY(search.countOccurrences(PlainEditor(QStringLiteral("abc")), QString()).isEmpty());
  }

  void replaceAndOops() {
    TextSearch search;
    search.state().searchText = QStringLiteral("ab");
    search.state().replaceText = QStringLiteral("cd");
    PlainEditor editor(QStringLiteral("x ab y"), 2, 2);
    SearchOutcome outcome;
    QVERIFY(search.replace(editor, outcome));
    QCOMPARE(editor.text(), QStringLiteral("x cd y"));
    QCOMPARE(editor.selected(), QStringLiteral("cd"));
    QVERIFY(search.oops(editor));
    QCOMPARE(editor.text(), QStringLiteral("x ab y"));
    QCOMPARE(editor.selected(), QStringLiteral("ab"));
    // The undo text stays: Oops again gives the same.
    QVERIFY(search.oops(editor));
    QCOMPARE(editor.text(), QStringLiteral("x ab y"));
  }

  void replaceFindsFirstWhenNothingMatchingIsSelected() {
    TextSearch search;
    search.state().searchText = QStringLiteral("ab");
    search.state().replaceText = QStringLiteral("Z");
    search.state().direction = SearchDirection::Forward;
    PlainEditor editor(QStringLiteral("ab ab"), 1, 0);
    SearchOutcome outcome;
    QVERIFY(search.replace(editor, outcome));
    QCOMPARE(editor.text(), QStringLiteral("ab Z"));
    QCOMPARE(outcome.message, QStringLiteral("Searchstring found at Line 1, Column 4"));
  }

  void replaceWithNothingToFindChangesNothing() {
    TextSearch search;
    search.state().searchText = QStringLiteral("zz");
    search.state().direction = SearchDirection::Forward;
    PlainEditor editor(QStringLiteral("ab ab"));
    SearchOutcome outcome;
    QVERIFY(!search.replace(editor, outcome));
    QCOMPARE(editor.text(), QStringLiteral("ab ab"));
    QCOMPARE(outcome.message, NotFound);
    QVERIFY(!search.oops(editor));
  }

  void replaceNextLeavesNothingSelectedAndNoUndo() {
    TextSearch search;
    search.state().searchText = QStringLiteral("ab");
    search.state().replaceText = QStringLiteral("xyz");
    search.state().direction = SearchDirection::Forward;
    PlainEditor editor(QStringLiteral("ab ab"));
    SearchOutcome outcome;
    QVERIFY(search.replaceNext(editor, outcome));
    QVERIFY(search.replaceNext(editor, outcome));
    QCOMPARE(editor.text(), QStringLiteral("xyz xyz"));
    QCOMPARE(editor.selectionLength(), 0);
    QVERIFY(!search.replaceNext(editor, outcome));
    QCOMPARE(outcome.message, NotFound);
    QVERIFY(search.state().undoText.isEmpty());
  }
};

QTEST_GUILESS_MAIN(TextSearchTest)
#include "TextSearchTest.moc"
