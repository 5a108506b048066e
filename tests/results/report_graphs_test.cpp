#include "results/report_graphs.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>

#include "results/print_pages.h"
#include "support/recording_canvas.h"
#include "support/temp_folder.h"

namespace tarvel::results {
namespace {

using test_support::RecordingCanvas;

// A net worth page: the total first, then its parts.
const std::vector<std::string> kNetWorthPage = {
    "Age\tNet Worth\tInvestment\tCash",      "---------------------------------",
    "45.0\t$1,500.00\t$1,000.00\t$500.00",   "46.0\t$2,000.00\t$-250.50\t$2,250.50",
    "47.0\t$4,500.25\t$3,000.00\t$1,500.25", "Dooooone"};

void WritePageFile(const std::filesystem::path& path, const std::vector<std::string>& lines) {
  std::ofstream file(path);
  for (const std::string& line : lines) file << line << "\n";
}

TEST(ReportTableOfPage, ReadsTheRowsAmountsAndHeadingsOfAPage) {
  const struct {
    std::vector<std::string> page;
    std::vector<std::vector<float>> rows;
    std::vector<std::string> titles;
  } cases[] = {
      {kNetWorthPage,
       {{45, 1500, 1000, 500}, {46, 2000, -250.5f, 2250.5f}, {47, 4500.25f, 3000, 1500.25f}},
       {"Age", "Net Worth", "Investment", "Cash"}},
      {{"Age\tStocks\tBonds", "45.0\t  60.00%\t  40.00%", "46.0\t\x80-3.00\tn/a"},
       {{45, 60, 40}, {46, -3, 0}},
       {"Age", "Stocks", "Bonds"}},
      {{"Age\tNet Worth", "Dooooone", "45.0\t$1.00"}, {}, {"Age", "Net Worth"}},
  };
  for (const auto& c : cases) {
    const graphs::ReportTable table = ReportTableOfPage(c.page);
    EXPECT_EQ(table.rows, c.rows) << c.page.front();
    EXPECT_EQ(table.titles, c.titles);
  }
}

struct DrawnRect {
  int left, top, right, bottom;
  std::string brush;
};

std::vector<DrawnRect> Rects(const RecordingCanvas& canvas) {
  std::vector<DrawnRect> rects;
  for (const std::string& line : canvas.LinesStartingWith("rect ")) {
    DrawnRect rect{};
    char brush[32] = {};
    std::sscanf(line.c_str(), "rect %d,%d,%d,%d pen=%*s brush=%31s", &rect.left, &rect.top,
                &rect.right, &rect.bottom, brush);
    rect.brush = brush;
    rects.push_back(rect);
  }
  return rects;
}

// The bars stand on the charts' base line; each row overlaps one bar per series, tallest first.
TEST(ReportChartPair, DrawsOverlappingBarsPerSeriesAndALinePerSeries) {
  const struct {
    std::vector<std::string> page;
    std::vector<std::vector<int>> heights_per_row;  // relative to the first bar of the first row
  } cases[] = {
      {{"Age\tStocks\tBonds\tCash", "45.0\t 60.00%\t 30.00%\t 10.00%",
        "46.0\t 20.00%\t 50.00%\t 30.00%"},
       {{6, 3, 1}, {5, 3, 2}}},
      {{"Age\tCash\tSavings", "45.0\t$4,000.00\t$2,000.00", "46.0\t$1,000.00\t$3,000.00"},
       {{4, 2}, {3, 1}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.page.front());
    RecordingCanvas canvas({850, 1100});
    DrawReportChartPair(canvas, {50, 100, 800, 400}, "Groups", ReportTableOfPage(c.page),
                        PrintLook{});
    const std::size_t series = c.heights_per_row.front().size();
    EXPECT_EQ(canvas.LinesStartingWith("polyline ").size(), series);
    const std::vector<std::string> texts = canvas.Texts();
    EXPECT_EQ(std::count(texts.begin(), texts.end(), "Groups"), 2);
    std::vector<DrawnRect> bars;
    int base = 0;
    for (const DrawnRect& rect : Rects(canvas)) base = std::max(base, rect.bottom);
    for (const DrawnRect& rect : Rects(canvas)) {
      if (rect.bottom == base) bars.push_back(rect);
    }
    ASSERT_EQ(bars.size(), series * c.heights_per_row.size());
    const double unit = (bars[0].bottom - bars[0].top) / double(c.heights_per_row[0][0]);
    for (std::size_t row = 0; row < c.heights_per_row.size(); ++row) {
      for (std::size_t bar = 0; bar < series; ++bar) {
        const DrawnRect& drawn = bars[row * series + bar];
        EXPECT_EQ(drawn.left, bars[row * series].left);
        EXPECT_NEAR(drawn.bottom - drawn.top, unit * c.heights_per_row[row][bar], 3.0)
            << "row " << row << " bar " << bar;
      }
    }
  }
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
    // A line per column; both charts titled, the net worth column named in the legend.
    EXPECT_EQ(page.polylines, c.drawn ? 3u : 0u);
    EXPECT_EQ(page.chart_labels, plain.chart_labels + (c.drawn ? 3u : 0u));
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

// A full page (50 lines, or 40 under the graphs) prints every one of its rows: when the font
// leaves too little room, the rows and their font shrink together.
TEST(ReportPageBody, PrintsEveryRowOfAFullPage) {
  const struct {
    int rows;
    bool graphs;
  } cases[] = {{40, true}, {50, false}};
  for (const auto& c : cases) {
    test_support::TempFolder folder;
    std::vector<std::string> page = {"Age\tNet Worth\tCash", "--------------------"};
    for (int row = 0; row < c.rows - 2; ++row) {
      page.push_back(std::to_string(45 + row) + ".0\t$1,234,567.00\t$1.00");
    }
    WritePageFile(std::filesystem::path(folder.path()) / "rpage1", page);
    PageFileJob job{folder.path(), "rpage", 1, "Net Worth", PageBody::Report, 1};
    PrintLook look;
    look.options.report_graphs = c.graphs;
    look.font.points = 14;
    RecordingCanvas canvas({850, 1100});
    ASSERT_EQ(DrawPageFile(canvas, job, 1, look).outcome, PrintOutcome::Printed);
    std::size_t ages = 0;
    for (const std::string& line : canvas.LinesStartingWith("text ")) {
      if (line.find(".0\"") != std::string::npos) ++ages;
    }
    EXPECT_EQ(ages, static_cast<std::size_t>(c.rows - 2)) << c.rows << " lines";
  }
}

}  // namespace
}  // namespace tarvel::results
