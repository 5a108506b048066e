#include "results/print_thumbnails.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "results/print_pages.h"
#include "support/recording_canvas.h"
#include "support/temp_folder.h"

namespace tarvel::results {
namespace {

using test_support::RecordingCanvas;

ThumbnailSource Report(const std::string& label) {
  return {label, {"Age\tCash\tSavings", "----------", "45.0\t$1.00\t$2.00", "46.0\t$3.00\t$5.00"}};
}

TEST(PrintThumbnails, DrawsThreeLabelledPairsAPageUnderTheThumbnailsHeader) {
  test_support::TempFolder folder;
  const std::vector<ThumbnailSource> sources = {Report("Net Worth"), Report("Incoming"),
                                                Report("Outgoing"), Report("Accounts")};
  std::string problem;
  const int pages = WriteThumbnailPages(sources, folder.path(), problem);
  ASSERT_EQ(pages, 2) << problem;
  const PageFileJob job{folder.path(), kThumbnailPagePrefix, pages, kThumbnailsTitle,
                        PageBody::Thumbnails};
  const struct {
    int page;
    std::vector<std::string> labels;
  } cases[] = {{1, {"Net Worth", "Incoming", "Outgoing"}}, {2, {"Accounts"}}};
  // The scenario's series colours; without page-setup margins the lines are 6 pixels wide.
  PrintLook look;
  look.colours[1] = 0x123456;
  look.colours[2] = 0x654321;
  look.setup = {platform::Orientation::Portrait, 0, 0, 0, 0};
  for (const auto& c : cases) {
    RecordingCanvas canvas({850, 1100});
    ASSERT_EQ(DrawPageFile(canvas, job, c.page, look).outcome, PrintOutcome::Printed);
    const std::vector<std::string> texts = canvas.Texts();
    EXPECT_EQ(texts.front(), "Thumbnails");
    SCOPED_TRACE(canvas.Dump());
    // Per pair: a line per column, each chart labelled, a bar per column and row (two rows)
    // and a legend swatch per column, all in the column's series colour.
    const std::vector<std::string> polylines = canvas.LinesStartingWith("polyline ");
    EXPECT_EQ(polylines.size(), 2 * c.labels.size());
    for (std::size_t index = 0; index < polylines.size(); ++index) {
      EXPECT_TRUE(
          polylines[index].ends_with(index % 2 == 0 ? "pen=solid/6/123456" : "pen=solid/6/654321"))
          << polylines[index];
    }
    for (const std::string& label : c.labels) {
      EXPECT_EQ(std::count(texts.begin(), texts.end(), label), 2) << label;
    }
    const std::vector<std::string> rects = canvas.LinesStartingWith("rect ");
    EXPECT_EQ(rects.size(), 6 * c.labels.size());
    for (const char* brush : {"brush=solid/123456", "brush=solid/654321"}) {
      EXPECT_EQ(std::count_if(rects.begin(), rects.end(),
                              [&](const std::string& rect) { return rect.ends_with(brush); }),
                3 * static_cast<long>(c.labels.size()))
          << brush;
    }
  }
}

TEST(PrintThumbnails, NoChartsWritesNoPages) {
  test_support::TempFolder folder;
  std::string problem;
  EXPECT_EQ(WriteThumbnailPages({}, folder.path(), problem), 0);
  EXPECT_TRUE(problem.empty());
}

}  // namespace
}  // namespace tarvel::results
