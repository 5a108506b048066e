// How the printed schedule fills the paper: one body font for every page, fitted to the
// schedule's eight columns but kept at a readable size, and the room a page's body has below
// the header block, measured from that font's line height and the printable height.
#pragma once

#include "platform/canvas.h"
#include "results/print_look.h"

namespace tarvel::results {

// Table text is not made smaller than this to fit the columns (points); a wider amount
// shrinks its own row only.
inline constexpr int kReadablePoints = 8;

struct ScheduleLayout {
  platform::Font font;      // body lines, table rows and column headings
  int line_height = 0;      // device pixels
  int body_top = 0;         // where the body of a page after the title page starts
  int page_half_lines = 0;  // the body's room in half lines of the font
};

ScheduleLayout ScheduleLayoutFor(const platform::Canvas& canvas, const PrintLook& look);

// The room the body has between top and the printable area's bottom, less a line for the
// page footer when the bottom margin has no room for it.
int ScheduleBodyRoom(const platform::Canvas& canvas, const platform::Rect& area, int top,
                     const PrintLook& look);

// The font's height at a size in points on this canvas (negative: a character height).
int PointsToFontHeight(const platform::Canvas& canvas, int points);

}  // namespace tarvel::results
