#pragma once
// Export Picture: a window's canvas saved as a PNG file, pixel for pixel as
// drawn, or as an SVG file, whose shapes are the drawing calls since the
// canvas was last cleared replayed as vectors. Where the calls do not tell
// the whole picture (more were drawn than the record keeps, or a picture
// pasted with Grafic Paste lies under the drawing), the SVG file holds the
// canvas's pixels instead.

#include <QString>

class QWidget;

namespace morvane {

class DrawingRecord;
class RasterCanvas;

// The file's kind, by its extension: ".svg" is a drawing, anything else a
// PNG picture.
enum class PictureFormat { Png, Svg };
PictureFormat PictureFormatOf(const QString& path);

// What an SVG file of the canvas holds.
enum class SvgContent { Vectors, Pixels };
SvgContent SvgContentFor(const DrawingRecord& record, const RasterCanvas& picture);

// Writes the canvas to the file in the format its name asks for; false when
// the file could not be written.
bool WritePicture(const QString& path, const DrawingRecord& record, const RasterCanvas& picture);

// The menu command: asks for a file name (".png" is added to a name without
// extension), asks before another file is replaced, writes, and reports a
// failure. `suggestedPath` is where the dialog starts.
void ExportPicture(QWidget* parent, const DrawingRecord& record, const RasterCanvas& picture,
                   const QString& suggestedPath, int dialogFontSize);

}  // namespace morvane
