#pragma once
// The runner's canvas when it paints: a picture (cli/Picture) made at the
// first drawing or font question, so that a program that draws nothing never
// starts the window system's machinery. Until then it is a white canvas of
// its size.
//
// When no picture is to be saved, the picture serves only the questions a
// program can see the answers of: the measures of a text and whether a font
// is there. Lines, shapes and texts are then painted nowhere, so a program
// that draws without writing text never loads the picture module.

#include <memory>
#include <string>

#include "cli/Picture.h"
#include "graphics/Canvas.h"
#include "graphics/RecordingCanvas.h"

namespace morvane {

class PictureCanvas final : public Canvas {
 public:
  PictureCanvas(PixelSize size, const char* programName, bool keepsPicture)
      : m_size(size), m_programName(programName), m_keepsPicture(keepsPicture) {}

  // The picture, made now if nothing was drawn; nullptr without Qt.
  Picture* picture();

  void clear() override;
  double logicalDpi() const override { return DefaultLogicalDpi; }
  PixelSize pixelSize() const override;
  void grow(PixelSize atLeast) override;
  void drawLine(PixelPoint from, PixelPoint to, const Stroke& stroke) override;
  void drawRectangle(PixelPoint corner1, PixelPoint corner2, const Stroke& stroke, const Fill& fill) override;
  void drawEllipse(PixelPoint centre, double radiusX, double radiusY, const Stroke& stroke,
                   const Fill& fill) override;
  void drawPoint(PixelPoint at, ColourNumber colour, int width) override;
  TextExtent measureText(std::string_view text, const CanvasFont& font) override;
  void drawText(PixelPoint topLeft, std::string_view text, const CanvasFont& font, ColourNumber colour) override;
  bool hasFont(std::string_view name) override;

 private:
  Canvas& painted();
  // The canvas drawing goes to; nullptr when nothing is to be painted.
  Canvas* paintedIfKept() { return m_keepsPicture ? &painted() : nullptr; }
  // What was drawn on so far, nullptr while nothing was.
  Canvas* drawnOn() {
    if (m_picture) return &m_picture->canvas();
    return m_unpainted.get();
  }

  PixelSize m_size;
  std::string m_programName;
  bool m_keepsPicture;
  std::unique_ptr<Picture> m_picture;
  std::unique_ptr<RecordingCanvas> m_unpainted;  // when no picture could be made
};

}  // namespace morvane
