// Banded rows in the desktop's palette: the planner's 0x00BBGGRR colours as Qt colours, and a
// row's light-look colours as the palette shows them.
#pragma once

#include <QColor>
#include <QPalette>
#include <cstdint>

namespace tarvel::app {

QColor QColorOf(std::uint32_t colour);

struct ShownRow {
  QColor background;
  QColor text;
};

// The row drawn white or in the band, in black or a flag colour, as a list in this palette
// shows it: unchanged in a light palette, at dark tones with readable text in a dark one.
ShownRow RowInPalette(const QColor& background, const QColor& text, const QPalette& palette);

}  // namespace tarvel::app
