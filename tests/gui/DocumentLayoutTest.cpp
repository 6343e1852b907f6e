// The document window's layout: where the panes go for the two fractions,
// which panes the hiding thresholds leave, the gaps under the pointer and
// dragging them; and the toggling Undo snapshot.

#include <QTest>

#include "workbench/DocumentLayout.h"
#include "workbench/UndoSnapshot.h"

using namespace morvane;

class DocumentLayoutTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void initialLayout() {
    const DocumentLayout layout;
    const PaneLayout panes = layout.arrange(QSize(1000, 650), PaneLayout{});
    // h = 600: the protocol 0.35 of it less 10, the editor below from 220.
    QCOMPARE(panes.status, QRect(0, 600, 1000, 50));
    QCOMPARE(panes.protocol, QRect(0, 0, 970, 200));
    QCOMPARE(panes.editor, QRect(0, 220, 970, 380));
    QCOMPARE(panes.canvas, QRect(990, 0, 10, 600));
    QVERIFY(panes.protocolShown);
    QVERIFY(panes.editorShown);
  }

  void sizesThatWouldNotBePositiveKeepTheirValue() {
    const DocumentLayout layout(0.35, 0.98);
    const PaneLayout before = layout.arrange(QSize(1000, 650), PaneLayout{});
    // Too narrow for the canvas: its width stays, its left edge moves.
    const PaneLayout narrow = layout.arrange(QSize(400, 650), before);
    QCOMPARE(narrow.canvas.width(), before.canvas.width());
  }

  void thresholds_data() {
    QTest::addColumn<double>("protocolShare");
    QTest::addColumn<double>("textShare");
    QTest::addColumn<bool>("protocolShown");
    QTest::addColumn<bool>("editorShown");
    QTest::newRow("both") << 0.35 << 0.98 << true << true;
    QTest::newRow("protocol just kept") << 0.09 << 0.5 << true << true;
    QTest::newRow("protocol hidden") << 0.089 << 0.5 << false << true;
    QTest::newRow("editor just kept") << 0.91 << 0.5 << true << true;
    QTest::newRow("editor hidden") << 0.911 << 0.5 << true << false;
    QTest::newRow("canvas only") << 0.35 << 0.01 << false << false;
    QTest::newRow("canvas only wins") << 0.05 << 0.005 << false << false;
    QTest::newRow("editor alone (EDIT)") << 0.0199 << 1.0 << false << true;
  }
  void thresholds() {
    QFETCH(double, protocolShare);
    QFETCH(double, textShare);
    QFETCH(bool, protocolShown);
    QFETCH(bool, editorShown);
    const PaneLayout panes = DocumentLayout(protocolShare, textShare).arrange(QSize(800, 600), PaneLayout{});
    QCOMPARE(panes.protocolShown, protocolShown);
    QCOMPARE(panes.editorShown, editorShown);
  }

  void gapsUnderThePointer() {
    const DocumentLayout layout;  // 1000 x 650: h = 600, gap at y 210, x 980
    const QSize size(1000, 650);
    QCOMPARE(layout.splitterAt(size, QPoint(400, 210)), Splitter::BetweenTexts);
    QCOMPARE(layout.splitterAt(size, QPoint(400, 238)), Splitter::BetweenTexts);
    QCOMPARE(layout.splitterAt(size, QPoint(980, 300)), Splitter::BeforeCanvas);
    QCOMPARE(layout.splitterAt(size, QPoint(400, 400)), Splitter::None);
    QCOMPARE(layout.splitterAt(size, QPoint(400, 620)), Splitter::None);  // the status strip
  }

  void dragging() {
    DocumentLayout layout;
    const QSize size(1000, 650);
    QVERIFY(layout.drag(Splitter::BetweenTexts, size, QPoint(100, 30)));
    QCOMPARE(layout.protocolShare(), 0.05);
    // A quotient of 1.0 or more is refused.
    QVERIFY(!layout.drag(Splitter::BetweenTexts, size, QPoint(100, 600)));
    QCOMPARE(layout.protocolShare(), 0.05);
    // The canvas gap stops at the edges.
    QVERIFY(layout.drag(Splitter::BeforeCanvas, size, QPoint(-40, 100)));
    QCOMPARE(layout.textShare(), 0.01);
    QVERIFY(layout.drag(Splitter::BeforeCanvas, size, QPoint(1200, 100)));
    QCOMPARE(layout.textShare(), 0.99);
    QVERIFY(!layout.drag(Splitter::None, size, QPoint(10, 10)));
  }

  void undoTogglesWithTheSnapshot() {
    UndoSnapshot undo;
    undo.clicked({QStringLiteral("first"), 5, 0});
    // Typed keys change the text without touching the snapshot.
    undo.keyTyped();
    undo.textChanged(6, 0);
    const EditorState typed{QStringLiteral("first!"), 6, 0};
    const EditorState shown = undo.undo(typed);
    QCOMPARE(shown, (EditorState{QStringLiteral("first"), 5, 0}));
    undo.textChanged(5, 0);  // the change Undo itself makes
    QCOMPARE(undo.undo(shown), typed);
  }

  void otherChangesMoveTheSnapshotSelection() {
    UndoSnapshot undo;
    undo.clicked({QStringLiteral("abc"), 1, 1});
    undo.textChanged(0, 0);  // the change after the click keeps it
    undo.textChanged(2, 1);  // a change by a command follows the editor
    QCOMPARE(undo.snapshot().selectionStart, 2);
    QCOMPARE(undo.snapshot().text, QStringLiteral("abc"));
    undo.focusLost(QStringLiteral("abcd"), 4);
    QCOMPARE(undo.snapshot(), (EditorState{QStringLiteral("abcd"), 4, 1}));
  }
};

QTEST_GUILESS_MAIN(DocumentLayoutTest)
#include "DocumentLayoutTest.moc"
