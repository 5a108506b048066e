#include "results/report_graphs.h"

#include <gtest/gtest.h>

#include <fstream>

#include "results/print_pages.h"
#include "support/recording_canvas.h"
#include "support/temp_folder.h"

namespace tarvel::results {
namespace {

using test_support::RecordingCanvas;

// A net worth page: the total first, then its parts.
const std::vector<std::string> kNetWorthPage = {"Age\tNet Worth\tInvestment\tCash",
                                                "---------------------------------",
                                                "45.0\t$1,500.00\t$1,000.00\t$500.00",
                                                "46.0\t$2,000.00\t$-250.50\t$2,250.50",
                                                "47.0\t$4,500.25\t$3,000.00\t$1,500.25",
                                                "Dooooone"};

void WritePageFile(const std::filesystem::path& path, const std::vector<std::string>& lines) {
  std::ofstream file(path);
  for (const std::string& line : lines) file << line << "\n";
}

TEST(CellAmount, ReadsMoneyPercentagesAndNothing) {
  const struct {
    std::string cell;
    double amount;
  } cases[] = {{"$1,234,567.89", 1234567.89},
               {"$-1,234.50", -1234.5},
               {"12.5%", 12.5},
               {"\x80-3.00", -3.0},
               {"", 0.0},
               {"n/a", 0.0}};
  for (const auto& c : cases) EXPECT_DOUBLE_EQ(CellAmount(c.cell), c.amount) << c.cell;
}

TEST(ChartRowsOfPage, TakesAgesAmountColumnsAndHeadingsFromTheRows) {
  const ChartRows rows = ChartRowsOfPage(kNetWorthPage);
  EXPECT_EQ(rows.ages, (std::vector<double>{45, 46, 47}));
  ASSERT_EQ(rows.columns.size(), 3u);
  EXPECT_EQ(rows.columns[0], (std::vector<double>{1500, 2000, 4500.25}));
  EXPECT_EQ(rows.columns[1], (std::vector<double>{1000, -250.5, 3000}));
  EXPECT_EQ(rows.names, (std::vector<std::string>{"Net Worth", "Investment", "Cash"}));
  EXPECT_TRUE(ChartRowsOfPage({"Age\tNet Worth", "Dooooone", "45.0\t$1.00"}).Empty());
}

// Where the first table row of a page is drawn, and how many chart lines came before it.
struct DrawnPage {
  int first_row_y = -1;
  std::size_t polylines = 0;
  std::size_t chart_labels = 0;
};

DrawnPage DrawPage(const std::filesystem::path& folder, int report_kind, int page, bool graphs) {
  PageFileJob job{folder, "rpage", 2, "Net Worth", PageBody::Report, report_kind};
  PrintLook look;
  look.options.report_graphs = graphs;
  RecordingCanvas canvas({850, 1100});
  EXPECT_EQ(DrawPageFile(canvas, job, page, look).outcome, PrintOutcome::Printed);
  DrawnPage drawn;
  drawn.polylines = canvas.LinesStartingWith("polyline ").size();
  for (const std::string& line : canvas.LinesStartingWith("text ")) {
    if (line.ends_with("\"Net Worth\"")) ++drawn.chart_labels;
    if (line.find("\"45.0\"") != std::string::npos && drawn.first_row_y < 0) {
      drawn.first_row_y = std::stoi(line.substr(line.find(',') + 1));
    }
  }
  return drawn;
}

TEST(ReportGraphs, PageOneOfTheAmountReportsCarriesTwoGraphsAboveTheTable) {
  test_support::TempFolder folder;
  WritePageFile(std::filesystem::path(folder.path()) / "rpage1", kNetWorthPage);
  WritePageFile(std::filesystem::path(folder.path()) / "rpage2", kNetWorthPage);
  const DrawnPage plain = DrawPage(folder.path(), 1, 1, false);
  ASSERT_GE(plain.first_row_y, 0);
  EXPECT_EQ(plain.polylines, 0u);
  const struct {
    int report_kind;
    int page;
    bool graphs;
    bool drawn;
  } cases[] = {{1, 1, true, true},  {5, 1, true, true},   {1, 2, true, false},
               {6, 1, true, false}, {16, 1, true, false}, {3, 1, false, false}};
  for (const auto& c : cases) {
    const DrawnPage page = DrawPage(folder.path(), c.report_kind, c.page, c.graphs);
    SCOPED_TRACE("kind " + std::to_string(c.report_kind) + " page " + std::to_string(c.page));
    // Lines for the columns besides the net worth total, which the bars show.
    EXPECT_EQ(page.polylines, c.drawn ? 2u : 0u);
    EXPECT_EQ(page.chart_labels, plain.chart_labels + (c.drawn ? 2u : 0u));
    if (c.drawn) {
      EXPECT_GE(page.first_row_y, plain.first_row_y + 9 * RecordingCanvas::kLineHeight);
    } else {
      EXPECT_EQ(page.first_row_y, plain.first_row_y);
    }
  }
}

TEST(OrientedForPages, TurnsThePaperWhenAPageHasTenColumnsOrMore) {
  test_support::TempFolder folder;
  const struct {
    int cells;
    platform::Orientation orientation;
  } cases[] = {{8, platform::Orientation::Portrait},
               {9, platform::Orientation::Portrait},
               {10, platform::Orientation::Landscape},
               {14, platform::Orientation::Landscape}};
  for (const auto& c : cases) {
    std::string wide = "45.0";
    for (int cell = 1; cell < c.cells; ++cell) wide += "\t$1.00";
    WritePageFile(std::filesystem::path(folder.path()) / "page1", {"Age\tNet Worth"});
    WritePageFile(std::filesystem::path(folder.path()) / "page2", {wide, "Dooooone"});
    const PageFileJob job{folder.path(), "page", 2, "Financial Schedule", PageBody::Schedule};
    EXPECT_EQ(OrientedForPages(job, PrintLook{}).setup.orientation, c.orientation) << c.cells;
    EXPECT_EQ(WidestPageLine(job), c.cells);
  }
}

}  // namespace
}  // namespace tarvel::results
