// The editor's text as the interpreter sees it: the code page, CR LF line
// ends counting two positions, and selections mapped both ways; the status
// read-outs; and the translation of Qt keys into the protocol's key codes.

#include <QTest>

#include "workbench/CodePage.h"
#include "workbench/EditorText.h"
#include "workbench/KeyTranslation.h"

using namespace morvane;

class EditorTextTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void everyByteSurvivesTheCodePage() {
    std::string all;
    for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
    QCOMPARE(EncodeCodePage(DecodeCodePage(all)), all);
  }

  void codePageLetters_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("ascii") << QStringLiteral("PRINT 1") << QByteArray("PRINT 1");
    QTest::newRow("latin-1 letters") << QStringLiteral("Grüße à") << QByteArray("Gr\xFC\xDF" "e \xE0");
    QTest::newRow("euro and quotes") << QStringLiteral("€ „x“ –") << QByteArray("\x80 \x84x\x93 \x96");
    QTest::newRow("not in the code page") << QStringLiteral("Ωx") << QByteArray("?x");
    QTest::newRow("beyond the plane") << QStringLiteral("a\U0001F600b") << QByteArray("a?b");
  }
  void codePageLetters() {
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QCOMPARE(QByteArray::fromStdString(EncodeCodePage(text)), bytes);
  }

  void interpreterTextHasCrLf() {
    QCOMPARE(EditorText::toInterpreter(QStringLiteral("A\nB\n")), std::string("A\r\nB\r\n"));
    QCOMPARE(EditorText::interpreterLength(QStringLiteral("A\nB\n")), 6);
    QCOMPARE(EditorText::toInterpreter(QStringLiteral("é\tü")), std::string("\xE9\t\xFC"));
  }

  // Widget position <-> interpreter offset, both ways, for texts with line
  // ends, tabs, accented letters and a character of two UTF-16 units.
  void positionsMapBothWays_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("widget");
    QTest::addColumn<int>("interpreter");
    const QString mixed = QStringLiteral("a\tb\nçé\n\U0001F600x\n");
    QTest::newRow("start") << mixed << 0 << 0;
    QTest::newRow("after a tab") << mixed << 2 << 2;
    QTest::newRow("at the first line end") << mixed << 3 << 3;
    QTest::newRow("start of line 2") << mixed << 4 << 5;
    QTest::newRow("after accents") << mixed << 6 << 7;
    QTest::newRow("start of line 3") << mixed << 7 << 9;
    QTest::newRow("after the wide character") << mixed << 9 << 10;
    QTest::newRow("end") << mixed << 11 << 13;
  }
  void positionsMapBothWays() {
    QFETCH(QString, text);
    QFETCH(int, widget);
    QFETCH(int, interpreter);
    QCOMPARE(EditorText::toInterpreterOffset(text, widget), interpreter);
    QCOMPARE(EditorText::toWidgetPosition(text, interpreter), widget);
  }

  void offsetBetweenCrAndLfMapsToTheLineEnd() {
    const QString text = QStringLiteral("ab\ncd");
    QCOMPARE(EditorText::toWidgetPosition(text, 3), 2);
    QCOMPARE(EditorText::toWidgetPosition(text, 99), text.size());
  }

  // A highlighted line: the executor selects from a line's start through its
  // last significant character, in interpreter offsets.
  void highlightSelectsTheSameCharacters_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("length");
    QTest::addColumn<QString>("selected");
    const QString program = QStringLiteral("PRINT \"Grüße\"\n\tx = 1\nEND");
    QTest::newRow("first line") << program << 0 << 13 << QStringLiteral("PRINT \"Grüße\"");
    QTest::newRow("indented line") << program << 15 << 6 << QStringLiteral("\tx = 1");
    QTest::newRow("last line") << program << 23 << 3 << QStringLiteral("END");
    QTest::newRow("through a line end") << program << 13 << 2 << QStringLiteral("\n");
    QTest::newRow("empty") << program << 23 << 0 << QString();
  }
  void highlightSelectsTheSameCharacters() {
    QFETCH(QString, text);
    QFETCH(int, start);
    QFETCH(int, length);
    QFETCH(QString, selected);
    const WidgetSelection s = EditorText::toWidgetSelection(text, start, length);
    QCOMPARE(text.mid(s.start, s.length), selected);
    // And the interpreter sees the same characters there.
    const std::string bytes = EditorText::toInterpreter(text);
    QCOMPARE(DecodeCodePage(bytes.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(length)))
                 .replace(QStringLiteral("\r\n"), QStringLiteral("\n")),
             selected);
  }

  void readouts_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("caret");
    QTest::addColumn<int>("line");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("length");
    QTest::newRow("empty") << QString() << 0 << 1 << 1 << 0;
    QTest::newRow("start") << QStringLiteral("ab\ncd") << 0 << 1 << 1 << 6;
    QTest::newRow("end of line 1") << QStringLiteral("ab\ncd") << 2 << 1 << 3 << 6;
    QTest::newRow("start of line 2") << QStringLiteral("ab\ncd") << 3 << 2 << 1 << 6;
    QTest::newRow("end of the text") << QStringLiteral("ab\ncd") << 5 << 2 << 3 << 6;
    QTest::newRow("after a final line end") << QStringLiteral("ab\n") << 3 << 2 << 1 << 4;
  }
  void readouts() {
    QFETCH(QString, text);
    QFETCH(int, caret);
    QFETCH(int, line);
    QFETCH(int, column);
    QFETCH(int, length);
    const StatusReadout r = ReadoutAt(text, caret);
    QCOMPARE(r.line, line);
    QCOMPARE(r.column, column);
    QCOMPARE(r.length, length);
  }

  void keysBecomeCodes_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("keyDown");
    QTest::addColumn<int>("keyPress");
    const int none = -1;
    QTest::newRow("F5") << int(Qt::Key_F5) << 0 << QString() << 116 << none;
    QTest::newRow("F8") << int(Qt::Key_F8) << 0 << QString() << 119 << none;
    QTest::newRow("Pause") << int(Qt::Key_Pause) << 0 << QString() << 19 << none;
    QTest::newRow("Ctrl-Break") << int(Qt::Key_Pause) << int(Qt::ControlModifier) << QString() << 3 << none;
    QTest::newRow("Escape") << int(Qt::Key_Escape) << 0 << QStringLiteral("\x1b") << 27 << none;
    QTest::newRow("Enter") << int(Qt::Key_Return) << 0 << QStringLiteral("\r") << 13 << 13;
    QTest::newRow("Up") << int(Qt::Key_Up) << 0 << QString() << 38 << none;
    QTest::newRow("Home") << int(Qt::Key_Home) << 0 << QString() << 36 << none;
    QTest::newRow("letter") << int(Qt::Key_A) << 0 << QStringLiteral("a") << none << 97;
    QTest::newRow("accented letter") << int(Qt::Key_Eacute) << 0 << QStringLiteral("é") << none << 0xE9;
    QTest::newRow("euro") << 0 << 0 << QStringLiteral("€") << none << 0x80;
    QTest::newRow("backspace") << int(Qt::Key_Backspace) << 0 << QStringLiteral("\b") << none << 8;
    QTest::newRow("Ctrl+Q") << int(Qt::Key_Q) << int(Qt::ControlModifier) << QStringLiteral("\x11") << none << 17;
    QTest::newRow("Ctrl+C is no character") << int(Qt::Key_C) << int(Qt::ControlModifier) << QStringLiteral("\x03")
                                            << none << none;
    QTest::newRow("not in the code page") << 0 << 0 << QStringLiteral("Ω") << none << none;
  }
  void keysBecomeCodes() {
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, text);
    QFETCH(int, keyDown);
    QFETCH(int, keyPress);
    const TranslatedKey k = TranslateKey(key, Qt::KeyboardModifiers(modifiers), text);
    QCOMPARE(k.keyDown ? static_cast<int>(*k.keyDown) : -1, keyDown);
    QCOMPARE(k.keyPress.value_or(-1), keyPress);
  }
};

QTEST_GUILESS_MAIN(EditorTextTest)
#include "EditorTextTest.moc"
