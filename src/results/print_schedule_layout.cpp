// The printed schedule's font and page room, from the canvas's metrics and the page setup.
#include "results/print_schedule_layout.h"

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "results/print_header.h"
#include "results/print_table.h"

namespace tarvel::results {
namespace {

constexpr int kPointsPerInch = 72;
constexpr int kScheduleColumns = 8;

// A yearly row with amounts in the millions, as wide as most plans print.
constexpr char kSampleRow[] =
    "100.0\t$9,999,999.99\t$9,999,999.99\t$9,999,999.99\t$9,999,999.99\t$9,999,999.99"
    "\t$9,999,999.99\t$9,999,999.99";

}  // namespace

int PointsToFontHeight(const platform::Canvas& canvas, int points) {
  return -std::max(1, points * std::max(1, canvas.PixelsPerInch().y) / kPointsPerInch);
}

ScheduleLayout ScheduleLayoutFor(const platform::Canvas& canvas, const PrintLook& look) {
  const platform::Rect area = PrintableArea(canvas, look.setup);
  const platform::Font chosen = BodyFont(canvas, look.font);
  const platform::Font fitted =
      FitFontToColumns(canvas, chosen, {kSampleRow}, ColumnEdges(area, kScheduleColumns));
  // Never larger than the chosen font, never smaller than a readable one when the chosen
  // font is readable.
  const int readable =
      std::min(std::abs(chosen.height), std::abs(PointsToFontHeight(canvas, kReadablePoints)));
  ScheduleLayout layout;
  layout.font = chosen;
  layout.font.height = -std::max(std::abs(fitted.height), readable);
  layout.line_height = std::max(1, canvas.Measure(layout.font).LineHeight());
  layout.body_top = PageBodyTop(canvas, area, look, {"", 1, PageBody::Schedule});
  layout.page_half_lines =
      2 * ScheduleBodyRoom(canvas, area, layout.body_top, look) / layout.line_height;
  return layout;
}

int ScheduleBodyRoom(const platform::Canvas& canvas, const platform::Rect& area, int top,
                     const PrintLook& look) {
  const int footer_line = canvas.Measure(BodyFont(canvas, look.font)).LineHeight();
  const int below = canvas.DeviceSize().height - area.bottom;
  const int footer = below >= 2 * footer_line ? 0 : footer_line;
  return std::max(0, area.bottom - top - footer);
}

}  // namespace tarvel::results
