// The colours of banded lists on screen (results, scenario events, reports): the scenario's
// band colour and red-flag text in a light palette, the same hues at dark tones in a dark one,
// and text that stays readable on either band. Colours are 0x00BBGGRR.
#pragma once

#include <cstdint>

#include "ui/shell/keywords.h"

namespace tarvel::ui {

using RgbColour = std::uint32_t;

// The contrast of two colours by their relative luminance: 1 for the same colour, 21 for
// black on white. 4.5 is the least that reads comfortably as body text.
double ContrastRatio(RgbColour first, RgbColour second);
inline constexpr double kReadableContrast = 4.5;

// The band of odd rows on screen in a light palette: the stored band colour (0, the stored
// default, stands for the scroll-bar colour) shaded as the start-up keywords ask.
RgbColour ScreenBandColour(std::uint32_t stored, const Keywords& keywords);

// The list colours of the desktop's palette: the background of its lists and their text.
struct ListPalette {
  RgbColour base = 0xFFFFFF;
  RgbColour text = 0x000000;
  // A dark palette shows light text on a darker base.
  bool Dark() const;
};

struct RowColours {
  RgbColour background = 0xFFFFFF;
  RgbColour text = 0x000000;
};

// A row as the light look draws it (white or the band behind black or a flag colour), in the
// desktop's palette. A light palette keeps it. A dark palette shows white as its base, the
// band in its hue at a tone just above the base, black as its text, and any other text colour
// in its hue, lightened until it reads on the row.
RowColours InPalette(const RowColours& light_look, const ListPalette& palette);

}  // namespace tarvel::ui
