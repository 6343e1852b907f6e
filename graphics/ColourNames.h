#pragma once
// The language's colour words: 44 colours and TRANSPARENT. They are the only
// colour names a program may write; any other colour is a number
// r + 256*g + 65536*b (the RGB function's encoding).

#include <array>
#include <optional>
#include <string_view>

#include "graphics/DrawingState.h"

namespace morvane {

// ColorFromName's answers for a word that is no colour.
constexpr ColourNumber TransparentColourName = -2;
constexpr ColourNumber NoColourName = -1;

struct ColourName {
  std::string_view name;
  ColourNumber colour;  // TransparentColourName for TRANSPARENT
};

constexpr ColourNumber Rgb(int r, int g, int b) { return r + 256 * g + 65536 * b; }

// In lookup order: the first equal name gives the colour.
constexpr std::array<ColourName, 45> ColourNames{{
    {"BLACK", Rgb(0, 0, 0)},
    {"DARKGREY", Rgb(99, 99, 99)},
    {"GREY", Rgb(150, 150, 150)},
    {"LIGHTGREY", Rgb(200, 200, 200)},
    {"WHITE", Rgb(255, 255, 255)},
    {"RED", Rgb(255, 0, 0)},
    {"DARKRED", Rgb(139, 0, 0)},
    {"LIGHTRED", Rgb(255, 106, 106)},
    {"GREEN", Rgb(0, 255, 0)},
    {"DARKGREEN", Rgb(0, 100, 0)},
    {"LIGHTGREEN", Rgb(144, 238, 144)},
    {"BLUE", Rgb(0, 0, 255)},
    {"DARKBLUE", Rgb(0, 0, 139)},
    {"LIGHTBLUE", Rgb(191, 239, 255)},
    {"YELLOW", Rgb(255, 255, 0)},
    {"DARKYELLOW", Rgb(240, 230, 0)},
    {"LIGHTYELLOW", Rgb(255, 255, 224)},
    {"CYAN", Rgb(0, 255, 255)},
    {"DARKCYAN", Rgb(0, 200, 200)},
    {"LIGHTCYAN", Rgb(224, 255, 255)},
    {"MAGENTA", Rgb(255, 0, 255)},
    {"DARKMAGENTA", Rgb(139, 0, 139)},
    {"LIGHTMAGENTA", Rgb(255, 200, 255)},
    {"PINK", Rgb(255, 20, 147)},
    {"DARKPINK", Rgb(205, 96, 144)},
    {"LIGHTPINK", Rgb(255, 182, 193)},
    {"BROWN", Rgb(165, 42, 42)},
    {"DARKBROWN", Rgb(139, 96, 19)},
    {"LIGHTBROWN", Rgb(244, 164, 96)},
    {"ORANGE", Rgb(255, 165, 0)},
    {"DARKORANGE", Rgb(255, 140, 0)},
    {"LIGHTORANGE", Rgb(255, 160, 122)},
    {"VIOLET", Rgb(238, 130, 238)},
    {"DARKVIOLET", Rgb(148, 0, 211)},
    {"LIGHTVIOLET", Rgb(230, 230, 250)},
    {"AQUAMARIN", Rgb(127, 255, 212)},
    {"AZURE", Rgb(240, 255, 255)},
    {"ROSY", Rgb(255, 193, 193)},
    {"BEIGE", Rgb(245, 245, 220)},
    {"OLIVE", Rgb(154, 205, 50)},
    {"SALMON", Rgb(250, 128, 114)},
    {"CORAL", Rgb(255, 127, 80)},
    {"PURPLE", Rgb(160, 32, 240)},
    {"AMBER", Rgb(255, 191, 0)},
    {"TRANSPARENT", TransparentColourName},
}};

// The colour of a colour name: the name without leading and trailing blanks,
// compared in upper case. TransparentColourName for TRANSPARENT,
// NoColourName for any other text.
ColourNumber ColorFromName(std::string_view name);

// A number as a colour: rounded to the nearest whole number, halves to the
// even one. Nothing when it is no colour number (outside 0..&HFFFFFF, or no
// number at all): the canvas refuses it.
std::optional<ColourNumber> ColourFromNumber(double value);

}  // namespace morvane
