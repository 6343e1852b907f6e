// Export Picture: a drawing run in a document window saved as PNG (the
// canvas's pixels) and as SVG (the drawing calls as vectors, which render
// to the same picture), the raster fallback past the record's cap and
// after Grafic Paste, and the menu command with its file dialog and
// overwrite question.

#include <QAbstractButton>
#include <QClipboard>
#include <QFile>
#include <QPainter>
#include <QPushButton>
#include <QSvgRenderer>
#include <QTest>

#include "GuiTestSupport.h"
#include "exec/KeyCode.h"
#include "graphics/ColourNames.h"
#include "platform/RasterCanvas.h"
#include "workbench/CanvasView.h"
#include "workbench/DocumentWindow.h"
#include "workbench/ProgramEditor.h"
#include "workbench/RunSession.h"
#include "workbench/export/DrawingRecord.h"
#include "workbench/export/PictureExport.h"

using namespace morvane;

namespace {

// A red line, a blue filled box and a text, in pixels.
const char* const DrawingProgram =
    "DRAW SCALE PIXEL\n"
    "DRAW LINE (10, 10) TO (200, 10), RED, 5\n"
    "DRAW BRICK (50, 50) TO (150, 120), BLUE\n"
    "DRAW TEXT (20, 190), \"Morvane\", BLACK, 20\n";

QString readAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// The SVG file drawn at the canvas's size.
QImage renderSvg(const QString& path, QSize size) {
  QSvgRenderer renderer(path);
  QImage picture(size, QImage::Format_RGB32);
  picture.fill(Qt::white);
  if (!renderer.isValid()) return {};
  QPainter painter(&picture);
  renderer.render(&painter);
  return picture;
}

bool isRed(QColor c) { return c.red() > 200 && c.green() < 60 && c.blue() < 60; }
bool isBlue(QColor c) { return c.blue() > 200 && c.red() < 60 && c.green() < 60; }

}  // namespace

class PictureExportTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<testing::TemporarySettings> m_temporary;
  std::unique_ptr<testing::Application> m_app;
  std::unique_ptr<DocumentWindow> m_window;
  std::unique_ptr<QTemporaryDir> m_files;

  QString file(const QString& name) { return m_files->filePath(name); }
  RasterCanvas& picture() { return m_window->canvasView()->canvas(); }
  DrawingRecord& record() { return m_window->canvasView()->drawing(); }
  void run(const QString& program) {
    m_window->editor()->setProgramText(program);
    m_window->document().changed = false;
    m_window->session().keyDown(KeyCode::F5Run, 0);
  }
  QAction* exportAction() { return m_window->findChild<QAction*>(QStringLiteral("mnuFExportPicture")); }

 private Q_SLOTS:
  void initTestCase() { m_temporary = std::make_unique<testing::TemporarySettings>(); }

  void init() {
    m_files = std::make_unique<QTemporaryDir>();
    m_app = std::make_unique<testing::Application>(m_temporary->iniFile(QStringLiteral("settings")));
    m_window = std::make_unique<DocumentWindow>(m_app->workspace, m_app->settings);
    m_window->resize(900, 600);
    m_window->show();
    run(QLatin1String(DrawingProgram));
  }

  void cleanup() {
    m_window.reset();
    m_app.reset();
  }

  void pngHoldsTheCanvasAsDrawn() {
    const QString path = file(QStringLiteral("drawing.png"));
    QVERIFY(WritePicture(path, record(), picture()));
    const QImage saved(path, "PNG");
    QCOMPARE(saved.size(), picture().size());
    QCOMPARE(saved.convertToFormat(QImage::Format_RGB32), picture().image());
    QVERIFY(isRed(saved.pixelColor(100, 10)));
  }

  void svgHoldsTheDrawingAsVectors() {
    // The line, the box, and TEXT's seven letters one by one.
    QCOMPARE(record().calls().size(), std::size_t{9});
    QCOMPARE(SvgContentFor(record(), picture()), SvgContent::Vectors);
    const QString path = file(QStringLiteral("drawing.svg"));
    QVERIFY(WritePicture(path, record(), picture()));
    const QString svg = readAll(path);
    QVERIFY(!svg.contains(QLatin1String("<image")));
    QVERIFY(svg.contains(QLatin1String(">M</text>")));  // the text stays text
    // Rendered, it shows the drawing where the canvas has it.
    const QImage rendered = renderSvg(path, picture().size());
    QVERIFY(!rendered.isNull());
    QVERIFY(isRed(rendered.pixelColor(100, 10)));
    QVERIFY(isBlue(rendered.pixelColor(100, 85)));
    QCOMPARE(rendered.pixelColor(100, 140), QColor(Qt::white));
  }

  void clearingStartsANewRecord() {
    run(QStringLiteral("CLS\nDRAW SCALE PIXEL\nDRAW BALL (30, 30), 10, RED\n"));
    QCOMPARE(record().calls().size(), std::size_t{1});
    QVERIFY(std::holds_alternative<RecordedEllipse>(record().calls().front()));
    // Grafic Delete clears through the record too.
    m_window->findChild<QAction*>(QStringLiteral("Grafic_delete"))->trigger();
    QVERIFY(record().calls().empty());
  }

  void pastedPictureMakesTheSvgRaster() {
    QImage green(40, 30, QImage::Format_RGB32);
    green.fill(Qt::green);
    QApplication::clipboard()->setImage(green);
    m_window->findChild<QAction*>(QStringLiteral("Grafic_insert"))->trigger();
    QCOMPARE(SvgContentFor(record(), picture()), SvgContent::Pixels);
    const QString path = file(QStringLiteral("pasted.svg"));
    QVERIFY(WritePicture(path, record(), picture()));
    QVERIFY(readAll(path).contains(QLatin1String("<image")));
    const QImage rendered = renderSvg(path, picture().size());
    QCOMPARE(rendered.pixelColor(5, 5), QColor(Qt::green));
  }

  void pastTheCapTheSvgIsRaster() {
    RasterCanvas canvas(QSize(100, 100));
    DrawingRecord limited(canvas, 2);
    const Stroke red{Rgb(255, 0, 0), 3, LineStyle::Solid};
    limited.drawLine({0, 50}, {100, 50}, red);
    limited.drawLine({50, 0}, {50, 100}, red);
    QVERIFY(limited.complete());
    QCOMPARE(SvgContentFor(limited, canvas), SvgContent::Vectors);
    limited.drawPoint({10, 10}, Rgb(255, 0, 0), 4);
    QVERIFY(!limited.complete());
    QVERIFY(limited.calls().empty());
    QCOMPARE(SvgContentFor(limited, canvas), SvgContent::Pixels);
    // Past the cap the picture is still drawn, and the SVG shows it.
    const QString path = file(QStringLiteral("many.svg"));
    QVERIFY(WritePicture(path, limited, canvas));
    QVERIFY(isRed(renderSvg(path, canvas.size()).pixelColor(10, 10)));
    limited.clear();
    QVERIFY(limited.complete());
  }

  void formatFollowsTheExtension_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("svg");
    QTest::newRow("png") << "a.png" << false;
    QTest::newRow("SVG in capitals") << "a.SVG" << true;
    QTest::newRow("svg") << "dir.x/a.svg" << true;
    QTest::newRow("other") << "a.bmp" << false;
  }
  void formatFollowsTheExtension() {
    QFETCH(QString, name);
    QFETCH(bool, svg);
    QCOMPARE(PictureFormatOf(name) == PictureFormat::Svg, svg);
  }

  void menuCommandAddsPngToABareName() {
    testing::chooseInNextFileDialog(file(QStringLiteral("bare")));
    exportAction()->trigger();
    QVERIFY(QFile::exists(file(QStringLiteral("bare.png"))));
  }

  void enterKeepsAnExistingFile() {
    const QString path = file(QStringLiteral("keep.svg"));
    QFile existing(path);
    QVERIFY(existing.open(QIODevice::WriteOnly));
    existing.write("mine");
    existing.close();
    testing::chooseInNextFileDialog(path);
    bool cancelIsDefault = false;
    testing::whenModalShown(QStringLiteral("Form3"), [&cancelIsDefault](QWidget* box) {
      auto* cancel = box->findChild<QPushButton*>(QStringLiteral("Command2"));
      cancelIsDefault = cancel->isDefault();
      QTest::keyClick(box, Qt::Key_Return);
    });
    exportAction()->trigger();
    QVERIFY(cancelIsDefault);
    QCOMPARE(readAll(path), QStringLiteral("mine"));
    // Overwrite replaces it.
    testing::chooseInNextFileDialog(path);
    testing::answerNextBox("Command1");
    exportAction()->trigger();
    QVERIFY(readAll(path).startsWith(QLatin1String("<?xml")));
  }

  void unwritableFileIsReported() {
    QString message;
    testing::chooseInNextFileDialog(file(QStringLiteral("missing/folder.png")));
    testing::answerNextBox("Command1", &message);
    exportAction()->trigger();
    QVERIFY2(message.startsWith(QLatin1String("Unable to save this file: ")), qPrintable(message));
  }
};

QTEST_MAIN(PictureExportTest)
#include "PictureExportTest.moc"
