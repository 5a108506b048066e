// The summary page through a recording canvas: three thumbnails, the panel's rows and
// colours, and percentages while a pie is up.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>

#include "graphs/graph_printing.h"
#include "graphs/graph_program.h"
#include "graphs/paint_graph_page.h"
#include "graphs/summary_panel.h"
#include "page_test_source.h"
#include "support/fake_launcher.h"
#include "support/recording_canvas.h"

namespace tarvel::graphs {
namespace {

using test_support::RecordingCanvas;
using testing::OwnedSource;

OwnedSource SummaryRun() {
  OwnedSource run(10, 60);
  for (int i = 0; i < 10; ++i) {
    PeriodRecord& record = run.periods[static_cast<std::size_t>(i)];
    record[1] = 1000.0f * i;
    record[3] = 2000.0f;
    record[5] = -499.5f;
    record[6] = 1000.0f * i + 1500.5f;
    record[7] = 800;
    record[8] = 600;
    record[9] = 200;
    record[11] = 400;
    record[12] = 400;
  }
  run.Refresh();
  return run;
}

bool HasText(const RecordingCanvas& canvas, const std::string& text) {
  const std::vector<std::string> texts = canvas.Texts();
  return std::find(texts.begin(), texts.end(), text) != texts.end();
}

TEST(SummaryPage, DrawsThreeTitledThumbnailsAndThePanel) {
  const OwnedSource run = SummaryRun();
  GraphPageState state;
  state.SetRunPeriods(run.source.PeriodCount());
  state.SelectPeriod(2);
  RecordingCanvas canvas({1000, 800});
  PageRequest request;
  request.layout = PageLayout::Summary;
  request.window = {0, 0, 1000, 800};
  const PagePaint paint = PaintGraphPage(canvas, run.source, state, request);

  for (const char* title : {"Net Worth", "Incoming", "Outgoing", "Age 62 Net Worth",
                            "Investment Accounts", "Non-Taxable Income", "Total Outgoing"}) {
    EXPECT_TRUE(HasText(canvas, title)) << title;
  }
  for (const ChartGeometry& thumbnail : paint.thumbnails) {
    EXPECT_EQ(thumbnail.periods, 10);
    EXPECT_GT(thumbnail.grid_x, 0);
  }
  // Thumbnails stay inside their quadrants and carry no legend.
  EXPECT_LT(paint.thumbnails[0].x0 + paint.thumbnails[0].width, paint.quadrants[0].right);
  EXPECT_GE(paint.thumbnails[1].x0, paint.quadrants[1].left);
  EXPECT_FALSE(HasText(canvas, "Tax-free Accounts"));
  // The amounts round half up (-499.5 to -499); the negative equity shows in the red-flag colour.
  EXPECT_TRUE(HasText(canvas, "$3,501"));
  const std::string red = test_support::DescribeColour(Palette{}.RedFlag());
  bool red_equity = false;
  for (const std::string& line : canvas.LinesStartingWith("text ")) {
    if (line.find("\"$-499\"") != std::string::npos && line.find(red) != std::string::npos) {
      red_equity = true;
    }
  }
  EXPECT_TRUE(red_equity) << canvas.Dump();
}

TEST(SummaryPage, APieInAThumbnailTurnsThePanelIntoPercentages) {
  const OwnedSource run = SummaryRun();
  GraphPageState state(GraphKind::Incoming);
  state.SetRunPeriods(run.source.PeriodCount());
  state.EnterBreakdown(3);
  RecordingCanvas canvas({1000, 800});
  PageRequest request;
  request.layout = PageLayout::Summary;
  request.window = {0, 0, 1000, 800};
  const PagePaint paint = PaintGraphPage(canvas, run.source, state, request);
  EXPECT_EQ(paint.pie_quadrant, 1);
  ASSERT_TRUE(paint.breakdown.has_value());
  EXPECT_EQ(paint.breakdown->slices.size(), 2u);  // deposits and taxable income
  EXPECT_TRUE(HasText(canvas, " 75.00%"));        // deposits of incoming
  EXPECT_TRUE(HasText(canvas, "100.00%"));        // total outgoing of itself
  EXPECT_TRUE(HasText(canvas, "  0.00%"));        // negative equity
}

// "$-1,234" as -1234.
long WholeDollars(std::string text) {
  std::erase(text, '$');
  std::erase(text, ',');
  return std::stol(text);
}

TEST(SummaryPanel, TheNetWorthItemsAddUpToTheNetWorth) {
  // Investment, tax-free, retirement, assets, equity and the net worth after debts.
  const std::vector<std::array<float, 6>> cases = {
      {125000, 65000, 310000, 0, 0, 493500},  // 6,500 owed
      {140798.95f, 84530.5f, 364335.5f, 1200.5f, 109773.8f, 696667.1f},
      {1000, 0, 0, 0, -499.5f, 500.5f},
      {0, 2500.4f, 0, 0, 0, 2500.4f}};
  OwnedSource run(static_cast<int>(cases.size()));
  for (std::size_t period = 0; period < cases.size(); ++period) {
    for (int column = 1; column <= 6; ++column) {
      run.periods[period][column] = cases[period][static_cast<std::size_t>(column - 1)];
    }
  }
  run.Refresh();
  for (std::size_t period = 0; period < cases.size(); ++period) {
    const std::vector<SummaryRow> rows =
        SummaryRows(run.source, static_cast<int>(period), false, {});
    long items = 0;
    std::vector<std::string> labels;
    for (std::size_t i = 2; rows[i].type == SummaryRow::Type::Item; ++i) {
      items += WholeDollars(rows[i].value);
      labels.push_back(rows[i].label);
    }
    EXPECT_EQ(items, WholeDollars(rows[0].value)) << period;
    EXPECT_EQ(labels[1], "Tax-Free Accounts");
  }
}

TEST(SummaryPanel, PurchasingPowerReplacesTheNetWorthLine) {
  OwnedSource run = SummaryRun();
  std::vector<float> power(10, 1234.4f);
  run.source.purchasing_power = power;
  run.source.purchasing_power_shown = true;
  const std::vector<SummaryRow> rows = SummaryRows(run.source, 0, false, {});
  EXPECT_EQ(rows[0].label, "Age 60.0 Purch. Power");
  EXPECT_EQ(rows[0].value, "$1,234");
}

TEST(PrintAllGraphsPages, OnePagePerGraphAndAccountFolder) {
  OwnedSource run(5);
  for (int i = 0; i < 12; ++i) run.AddAccount("A" + std::to_string(i), 0);
  struct Sink : platform::PageSink {
    RecordingCanvas canvas{{2400, 3000}, {300, 300}};
    int pages = 0;
    platform::Canvas* BeginPage() override { return &canvas; }
    void EndPage() override { ++pages; }
  } sink;
  GraphPageState state;
  state.SetRunPeriods(run.source.PeriodCount());
  PrintJob job;
  job.source = &run.source;
  job.margins = PrintMargins{1000, 1000, 1000, 1000};
  ASSERT_TRUE(PrintAllGraphs(sink, job, state, ChartStyle::Bar));
  EXPECT_EQ(sink.pages, 5 + 2);
  EXPECT_TRUE(HasText(sink.canvas, "ACCOUNTS 11 to 12"));
  EXPECT_EQ(state.style(), ChartStyle::Line);  // the page on screen keeps its style
  // One-inch margins at 300 dots per inch: titles are centred on the printable part.
  EXPECT_EQ(PrinterFont(sink.canvas).face, "Courier");
}

TEST(GraphProgram, StartsWithThePlotFileAndTheCurrencyWord) {
  test_support::FakeLauncher launcher;
  launcher.programs_start = true;
  EXPECT_TRUE(StartGraphProgram(launcher, "/work/plotinf01.tmp", "Euros"));
  ASSERT_EQ(launcher.programs.size(), 1u);
  EXPECT_EQ(launcher.programs[0].name, "tarvelplot3");
  EXPECT_EQ(launcher.programs[0].arguments,
            (std::vector<std::string>{"/work/plotinf01.tmp", "Euros"}));
  EXPECT_TRUE(launcher.programs[0].shown);
}

}  // namespace
}  // namespace tarvel::graphs
