#pragma once
// TEXT's writing: character by character from the current position, with
// the backslash commands for subscript and superscript, line break,
// back-step, bold, italic and underline. Every font setting and the pen
// colour are as before afterwards; the current position stays after the
// last character, so that a following TEXT without a point goes on there.
//
//   \_c  c as a subscript      \^c  c as a superscript
//   \|   line break            \<   back by the width of "\"
//   \( \)  bold on, off        \{ \}  italic on, off      \[ \]  underline on, off
//
// A backslash before any other character, or at the end, is written as it is.

#include <optional>
#include <string_view>

#include "graphics/CanvasDrawing.h"
#include "graphics/UserCoordinates.h"

namespace morvane {

// Writes `text` in the colour at the font size. With `lowerLeft` the text's
// lower left corner lies there; without it the text begins at the current
// position. A line break returns to `lineStartX`.
void WriteFormattedText(CanvasDrawing& drawing, std::string_view text, ColourNumber colour, double fontSize,
                        std::optional<CanvasPoint> lowerLeft, double lineStartX);

}  // namespace morvane
