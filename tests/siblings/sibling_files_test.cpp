// The trade-off, refinance and plotter files, written by the planner's own code, read back by
// their plotters with the same figures; damaged copies give their messages.
#include <gtest/gtest.h>

#include <algorithm>

#include "calculators/refinance_analysis.h"
#include "calculators/tradeoff.h"
#include "siblings/plotter_file.h"
#include "siblings/schedule_pages.h"
#include "siblings/text_lines.h"
#include "siblings/xy_graph_file.h"
#include "support/recording_canvas.h"
#include "ui/commands/sibling_programs.h"

namespace tarvel::siblings {
namespace {

model::TradeOffInputs TwoNamedOptions() {
  model::TradeOffInputs inputs;
  inputs.names = {"Lease", "", "Buy"};
  inputs.fixed_cost = {1000, 0, 20000};
  inputs.cost_per_period = {450, 0, 120};
  inputs.fixed_amount = {0, 0, 5000};
  inputs.income_per_period = {0, 0, 0};
  inputs.periods = 10;
  return inputs;
}

TEST(TradeOffFile, ReadsEachNamedOptionAfterEachNumberOfPeriods) {
  const model::TradeOffInputs inputs = TwoNamedOptions();
  const float tax = calculators::TradeOffTaxFactor(false, 0);
  const XyGraphLoad load =
      ParseXyGraphText(SplitLines(calculators::TradeGraphText(inputs, tax)), "t");
  ASSERT_TRUE(load.ok()) << load.message;
  EXPECT_EQ(load.data->names, (std::vector<std::string>{"Lease", "Buy"}));
  ASSERT_EQ(load.data->rows.size(), static_cast<std::size_t>(inputs.periods + 2));
  const LineChart chart = TradeOffChart(*load.data);
  for (int period = 0; period <= inputs.periods + 1; ++period) {
    const auto& point = chart.points[static_cast<std::size_t>(period)];
    EXPECT_EQ(point[0], period);
    EXPECT_NEAR(point[1], calculators::TradeOffValue(inputs, 0, tax, period), 0.001);
    EXPECT_NEAR(point[2], calculators::TradeOffValue(inputs, 2, tax, period), 0.001);
  }
}

TEST(RefinanceFile, ReadsBothNetWorthsAndFindsTheBreakEven) {
  calculators::RefinanceInputs inputs;
  inputs.values = {40, 100000, 8, 30, 45, 0, 0, 6, 30, 2000, 1, 28, 5};
  const calculators::RefinanceResult result = calculators::CompareRefinance(inputs);
  ASSERT_TRUE(result.break_even_month);
  const XyGraphLoad load =
      ParseXyGraphText(SplitLines(calculators::RefinanceGraphText(result)), "r");
  ASSERT_TRUE(load.ok()) << load.message;
  EXPECT_EQ(load.data->names,
            (std::vector<std::string>{"Existing Mortgage", "Refinanced Mortgage"}));
  ASSERT_EQ(load.data->rows.size(), result.points.size());
  for (std::size_t i = 0; i < result.points.size(); ++i) {
    EXPECT_EQ(load.data->rows[i][0], result.points[i].month);
    EXPECT_NEAR(load.data->rows[i][1], result.points[i].existing, 0.01);
    EXPECT_NEAR(load.data->rows[i][2], result.points[i].refinanced, 0.01);
  }
  // The plotter finds the same break-even month as the dialog shows.
  const auto month = BreakEvenMonth(*load.data);
  ASSERT_TRUE(month);
  EXPECT_EQ(*month, *result.break_even_month);
  // The chart shows a point a year, the axis in years, from the refinancing to the end.
  const LineChart chart = RefinanceChart(*load.data);
  EXPECT_NE(chart.footer[0].find("Break-even by month"), std::string::npos);
  ASSERT_EQ(chart.points.size(), 31u);
  for (std::size_t year = 0; year < chart.points.size(); ++year) {
    EXPECT_EQ(chart.points[year][0], static_cast<float>(year));
    const auto row = std::find_if(load.data->rows.begin(), load.data->rows.end(),
                                  [year](const auto& r) { return r[0] == year * 12.0; });
    ASSERT_NE(row, load.data->rows.end()) << year;
    EXPECT_NEAR(chart.points[year][2], (*row)[2], 0.01);
  }
}

ui::PlotterLoan ThirtyYearLoan() {
  ui::PlotterLoan loan;
  loan.first_year = 2030;
  loan.amount = 200000;
  loan.years = 30;
  loan.rate = 6;
  loan.titles = {"Tarvel Software Retirement Planner", "Loan Schedule", "DATE"};
  loan.details = {"Loan Amount: $200,000.00", "Rate: 6.000%", "Monthly Payment: $1,199.10",
                  "Term: 30 Years"};
  return loan;
}

TEST(PlotterFile, ReadsTheScheduleWithItsPrintFlags) {
  ui::PlotterSettings settings;
  settings.banner = true;
  settings.report_graphs = true;
  const PlotterLoad load =
      ParsePlotterText(SplitLines(ui::PlotterFileText(settings, ThirtyYearLoan())), "p");
  ASSERT_TRUE(load.ok()) << load.message;
  const PlotterFile& file = *load.data;
  EXPECT_TRUE(file.banner);
  EXPECT_FALSE(file.logo);
  EXPECT_FALSE(file.watermark);
  EXPECT_TRUE(file.plot);
  EXPECT_EQ(file.titles[1], "Loan Schedule");
  EXPECT_EQ(file.details[3], "Term: 30 Years");
  EXPECT_EQ(file.columns.size(), 5u);
  ASSERT_EQ(file.years.size(), 30u);
  EXPECT_EQ(file.years.front().year, 2030);
  EXPECT_EQ(file.years.back().balance, 0);
  EXPECT_NEAR(file.years.back().total_interest + 200000, 1199.10 * 360, 5);
}

struct RecordingPages : platform::PageSink {
  std::vector<std::unique_ptr<test_support::RecordingCanvas>> pages;
  platform::Canvas* BeginPage() override {
    pages.push_back(std::make_unique<test_support::RecordingCanvas>());
    return pages.back().get();
  }
  void EndPage() override {}
};

TEST(SchedulePages, PrintEveryYearOnceWithTheDateForDATEAndTheGraphWhenAsked) {
  for (const bool graph : {false, true}) {
    ui::PlotterSettings settings;
    settings.report_graphs = graph;
    const PlotterLoad load =
        ParsePlotterText(SplitLines(ui::PlotterFileText(settings, ThirtyYearLoan())), "p");
    ASSERT_TRUE(load.ok());
    RecordingPages sink;
    const int pages = PrintSchedule(sink, *load.data, "June 15, 2024");
    ASSERT_EQ(pages, static_cast<int>(sink.pages.size()));
    std::vector<std::string> texts;
    for (const auto& page : sink.pages) {
      for (const auto& text : page->Texts()) texts.push_back(text);
    }
    const auto count = [&](const std::string& text) {
      return std::count(texts.begin(), texts.end(), text);
    };
    EXPECT_EQ(count("June 15, 2024"), 1);
    EXPECT_EQ(count("DATE"), 0);
    EXPECT_EQ(count("Balance owed"), graph ? 1 : 0);
    EXPECT_EQ(count("Page " + std::to_string(pages)), 1);
    // The graph's axis labels show years too.
    if (graph) continue;
    for (int year = 2030; year < 2060; ++year) EXPECT_EQ(count(std::to_string(year)), 1) << year;
    EXPECT_EQ(count("0.00"), 1);  // the last year's balance
  }
}

TEST(SiblingFileProblems, NameTheFileAndWhatIsWrong) {
  const std::string trade = calculators::TradeGraphText(TwoNamedOptions(), 1);
  const std::string plotter = ui::PlotterFileText({}, ThirtyYearLoan());
  struct Case {
    std::string name;
    bool plotter;
    std::string text;
    std::string message;
  };
  const std::vector<Case> cases = {
      {"empty graph", false, "", "g is damaged: it is empty."},
      {"graph cut off", false, trade.substr(0, trade.find("0.0\n0.0\n5.0")),
       "g is damaged: it ends after 5 of its points."},
      {"graph of words", false, "1\nDummy\nDummy\nmany\n",
       "g is damaged: line 4 is not the number"},
      {"graph of no points", false, "1\nDummy\n3.0\n1\nA\nDone\n",
       "g is damaged: it holds no points."},
      {"graph row too short", false, "1\nDummy\n3.0\n2\nA\nB\n0.0\n0.0\n1.0 2.0\nDone\n",
       "g is damaged: line 9 has 1 values for 2 lines."},
      {"empty schedule", true, "", "g is damaged: it is empty."},
      {"schedule flag", true, "BANNERS\n",
       "g is damaged: line 1 should be \"BANNER\" or \"NOBANNER\"."},
      {"schedule cut off", true, plotter.substr(0, plotter.find("ENDOFDATA")),
       "g is damaged: it ends before \"ENDOFDATA\"."},
      {"schedule year", true, plotter.substr(0, plotter.find("ENDOFDATA")) + "2060\tlots\n",
       "is not a year line."},
      {"schedule year out of range", true,
       plotter.substr(0, plotter.find("ENDOFDATA")) + "1e300\t1\t2\t3\t4\n",
       "does not start with a year number."},
  };
  for (const Case& c : cases) {
    const std::string message = c.plotter ? ParsePlotterText(SplitLines(c.text), "g").message
                                          : ParseXyGraphText(SplitLines(c.text), "g").message;
    EXPECT_NE(message.find(c.message), std::string::npos) << c.name << ": " << message;
  }
  EXPECT_EQ(ReadXyGraphFile("/nonexistent/trade.tmp").message,
            "Cannot open /nonexistent/trade.tmp.");
  EXPECT_EQ(ReadPlotterFile("/nonexistent/plotter.dat").message,
            "Cannot open /nonexistent/plotter.dat.");
}

}  // namespace
}  // namespace tarvel::siblings
