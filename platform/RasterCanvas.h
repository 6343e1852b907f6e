#pragma once
// A document window's canvas as a picture in memory: a QImage painted with
// QPainter. It needs QtGui only, so it serves the workbench and any host that
// wants the picture without a window. A view shows image() and repaints when
// told that the picture changed.
//
// Units of measure follow the logical resolution given at construction (the
// workbench passes its screen's, the runner 96 dots per inch); the image
// carries it too, so a font's points measure the same in both. Fonts are
// looked up by family name through the system's font configuration, which
// offers metric-compatible substitutes ("Courier New" is drawn with
// Liberation Mono where only that is installed). Drawing a text needs a
// QGuiApplication.

#include <functional>
#include <string_view>

#include <QFont>
#include <QImage>
#include <QSize>
#include <QString>

#include "graphics/Canvas.h"

namespace morvane {

// What changed the picture, for whoever shows it.
enum class PictureChange {
  Drawn,    // a drawing call painted on it
  Cleared,  // everything drawn was erased
  Grown,    // it became larger
  Pasted,   // a picture was put in as its background
};

class RasterCanvas final : public Canvas {
 public:
  using ChangeListener = std::function<void(PictureChange)>;

  explicit RasterCanvas(QSize size = QSize(1, 1), double logicalDpi = DefaultLogicalDpi);

  // Canvas: everything drawn is erased; the background picture stays.
  void clear() override;

  // Makes the picture at least this large; what is drawn stays where it is
  // and the new area is white. The canvas never shrinks.
  void ensureSize(QSize size);

  // The picture that clear() returns to (Grafic Paste), and its removal.
  void setBackground(const QImage& picture);
  void removeBackground();
  bool hasBackground() const { return !m_background.isNull(); }

  const QImage& image() const { return m_image; }
  QSize size() const { return m_image.size(); }

  // The resolution units and font points are measured in (the screen's when
  // a window shows the canvas); what is drawn stays as it is.
  void setLogicalDpi(double dotsPerInch);

  // Called after every change of the picture or its size.
  void setChangeListener(ChangeListener listener) { m_changed = std::move(listener); }

  // Canvas
  double logicalDpi() const override { return m_dpi; }
  PixelSize pixelSize() const override { return {m_image.width(), m_image.height()}; }
  void grow(PixelSize atLeast) override;
  void drawLine(PixelPoint from, PixelPoint to, const Stroke& stroke) override;
  void drawRectangle(PixelPoint corner1, PixelPoint corner2, const Stroke& stroke,
                     const Fill& fill) override;
  void drawEllipse(PixelPoint centre, double radiusX, double radiusY, const Stroke& stroke,
                   const Fill& fill) override;
  void drawPoint(PixelPoint at, ColourNumber colour, int width) override;
  TextExtent measureText(std::string_view text, const CanvasFont& font) override;
  void drawText(PixelPoint topLeft, std::string_view text, const CanvasFont& font,
                ColourNumber colour) override;
  bool hasFont(std::string_view name) override;

  // The QFont a canvas font is drawn with.
  static QFont qtFont(const CanvasFont& font);
  // The interpreter's single-byte text as Unicode.
  static QString decodeText(std::string_view text);

 private:
  void paintBackground();
  void changed(PictureChange change);
  void applyResolution(QImage& picture) const;

  QImage m_image;
  QImage m_background;
  ChangeListener m_changed;
  double m_dpi = DefaultLogicalDpi;
};

}  // namespace morvane
