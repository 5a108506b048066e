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
  return {label,
          {"Age\tCash\tSavings", "----------", "45.0\t$1.00\t$2.00", "46.0\t$3.00\t$5.00"}};
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
  for (const auto& c : cases) {
    RecordingCanvas canvas({850, 1100});
    ASSERT_EQ(DrawPageFile(canvas, job, c.page, PrintLook{}).outcome, PrintOutcome::Printed);
    const std::vector<std::string> texts = canvas.Texts();
    EXPECT_EQ(texts.front(), "Thumbnails");
    SCOPED_TRACE(canvas.Dump());
    EXPECT_EQ(canvas.LinesStartingWith("polyline ").size(), 2 * c.labels.size());
    // Bars of the row totals and lines of the two columns, each chart labelled.
    for (const std::string& label : c.labels) {
      EXPECT_EQ(std::count(texts.begin(), texts.end(), label), 2) << label;
    }
    EXPECT_EQ(canvas.LinesStartingWith("rect ").size(), 2 * c.labels.size() * 3);
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
