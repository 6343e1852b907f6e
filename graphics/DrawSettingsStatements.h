#pragma once
// The DRAW statements that change what the shapes draw with:
//   DRAW SCALE CM|MM|INCH|PIXEL           DRAW COLOR c
//   DRAW FILLCOLOR c|TRANSPARENT          DRAW TEXTSTYLE NORMAL|BOLD|ITALIC|UNDERLINE
//   DRAW LINESTYLE NORMAL|DASH|DOT|DASHDOT|DASHDOTDOT
//   DRAW TEXTFONT name$                   DRAW WIDTH n          DRAW TEXTSIZE n
// Words are recognised by their beginning (DRAW SCALE PIXELS selects pixels).
// A failing statement leaves every setting as it was, except that DRAW
// FILLCOLOR has already made filling solid.

#include <string>

#include "graphics/DrawStatement.h"

namespace morvane {

enum class DrawSetting { Scale, Color, FillColor, TextStyle, LineStyle, TextFont, Width, TextSize };

DrawResult ExecuteDrawSetting(const DrawStatement& statement, DrawSetting setting);

// The setting word: the first 21 characters of the argument text,
// upper-cased, with blanks for positions past the statement's end.
std::string SettingWord(const ProgramChars& chars, Position argumentStart, Position lastPosition);

// The largest and smallest font sizes (points) and line width (pixels) the
// canvas takes.
constexpr double MinFontSize = 1;
constexpr double MaxFontSize = 2160;
constexpr int MinLineWidth = 1;
constexpr int MaxLineWidth = 32767;

}  // namespace morvane
