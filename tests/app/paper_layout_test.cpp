// The printed schedule measured with the desktop's real fonts: on A4 and Letter its pages are
// filled to at least nine tenths of the printable height and its text stays readable.
#include <gtest/gtest.h>

#include <cstdlib>

#include "painting/paper.h"
#include "results/print_look.h"

namespace tarvel::painting {
namespace {

TEST(ScheduleLayoutOnPaper, FillsNineTenthsOfTheHeightInAReadableFontOnA4AndLetter) {
  for (const QPageSize::PageSizeId paper : {QPageSize::A4, QPageSize::Letter}) {
    const results::PrintLook look;
    MeasuringPage page(paper, look.setup.orientation);
    const results::ScheduleLayout layout = ScheduleLayoutOnPaper(look, paper);
    const platform::Rect area = results::PrintableArea(page.canvas(), look.setup);
    const int filled = layout.body_top + layout.page_half_lines * layout.line_height / 2;
    EXPECT_LE(filled, area.bottom) << paper;
    EXPECT_GE(filled - area.top, area.Height() * 9 / 10) << paper;
    const int dpi = page.canvas().PixelsPerInch().y;
    EXPECT_GE(std::abs(layout.font.height), results::kReadablePoints * dpi / 72) << paper;
  }
}

}  // namespace
}  // namespace tarvel::painting
