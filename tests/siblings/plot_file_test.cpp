// The plot file read back by the graph viewer and the comparer holds every shown year of the
// run that wrote it, and the comparer's figures are the run's own yearly results.
#include "siblings/plot_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>

#include "sibling_sample_run.h"
#include "siblings/comparison_chart.h"
#include "siblings/scenario_comparison.h"
#include "siblings/text_lines.h"

namespace tarvel::siblings {
namespace {

using engine::IndexOf;
using engine::PeriodColumn;
using siblings_test::SamplePath;
using siblings_test::SiblingSampleRun;

// Printed with two decimals and read back into a float: half a cent or one float step.
double Cents(double value) { return 0.006 + std::abs(value) * 1.2e-7; }

class PlotFileOfSample : public ::testing::TestWithParam<std::string> {};

TEST_P(PlotFileOfSample, HoldsEveryYearOfTheRun) {
  SiblingSampleRun sample(SamplePath(GetParam()));
  ASSERT_TRUE(sample.ran);
  const PlotFileLoad load = ReadPlotFile(sample.PlotPath());
  ASSERT_TRUE(load.ok()) << load.message;
  const PlotFile& plot = *load.data;
  const auto& periods = sample.run->periods;
  ASSERT_EQ(plot.periods.size(), periods.size());
  EXPECT_EQ(plot.ScenarioName(), GetParam() + ".ret");
  EXPECT_EQ(plot.group_names.size(), 10u);
  EXPECT_EQ(plot.account_groups.size(), plot.account_names.size());
  EXPECT_EQ(plot.colours, sample.scenario->colours.colours);
  // The final record's equity and net worth carry the equity adjustment in the file only.
  for (std::size_t year = 0; year + 1 < periods.size(); ++year) {
    for (int column = 1; column < graphs::kPeriodColumns; ++column) {
      const float expected = periods[year][static_cast<std::size_t>(column)];
      EXPECT_NEAR(plot.periods[year][static_cast<std::size_t>(column)], expected, Cents(expected))
          << "year " << year << " column " << column;
    }
  }
}

TEST_P(PlotFileOfSample, GivesTheComparerTheRunsFigures) {
  SiblingSampleRun sample(SamplePath(GetParam()));
  ASSERT_TRUE(sample.ran);
  const PlotFileLoad load = ReadPlotFile(sample.PlotPath());
  ASSERT_TRUE(load.ok()) << load.message;
  const auto& periods = sample.run->periods;
  const std::vector<int> ages = AgesInside({*load.data}, DefaultComparisonAges());
  const PlanFigures figures = FiguresOf(*load.data, "plan", ages);

  double incoming = 0, outgoing = 0, taxes = 0, penalties = 0;
  float lowest = periods.front()[IndexOf(PeriodColumn::NetWorth)];
  for (std::size_t year = 0; year < periods.size(); ++year) {
    lowest = std::min(lowest, periods[year][IndexOf(PeriodColumn::NetWorth)]);
    if (year + 1 == periods.size()) break;
    incoming += periods[year][IndexOf(PeriodColumn::Incoming)];
    outgoing += periods[year][IndexOf(PeriodColumn::Outgoing)];
    taxes += periods[year][IndexOf(PeriodColumn::Taxes)];
    penalties += periods[year][IndexOf(PeriodColumn::Penalties)];
  }
  const double cents = Cents(1e6) * static_cast<double>(periods.size());
  EXPECT_NEAR(figures.incoming, incoming, cents);
  EXPECT_NEAR(figures.outgoing, outgoing, cents);
  EXPECT_NEAR(figures.taxes, taxes, cents);
  EXPECT_NEAR(figures.penalties, penalties, cents);
  EXPECT_NEAR(figures.start_net_worth, periods.front()[IndexOf(PeriodColumn::NetWorth)],
              Cents(figures.start_net_worth));
  EXPECT_NEAR(figures.lowest_net_worth, lowest, Cents(lowest));
  ASSERT_EQ(figures.net_worth_at.size(), ages.size());
  for (std::size_t i = 0; i < ages.size(); ++i) {
    const auto year = std::find_if(periods.begin(), periods.end(), [&](const auto& period) {
      return static_cast<int>(period[0]) == ages[i];
    });
    ASSERT_NE(year, periods.end());
    ASSERT_TRUE(figures.net_worth_at[i]);
    EXPECT_NEAR(*figures.net_worth_at[i], (*year)[IndexOf(PeriodColumn::NetWorth)],
                Cents(*figures.net_worth_at[i]));
  }
  // The overlay draws the same net worth at each age.
  const LineChart chart = ComparisonChart({*load.data}, {"plan"});
  ASSERT_FALSE(chart.points.empty());
  EXPECT_EQ(chart.names.front(), "plan");
  EXPECT_FLOAT_EQ(chart.points.front()[1], figures.start_net_worth);
}

INSTANTIATE_TEST_SUITE_P(Samples, PlotFileOfSample,
                         ::testing::Values("couple-saving", "early-retiree-72t",
                                           "single-drawdown"));

TEST(ComparisonTable, ShowsNeverAndDashForMissingFiguresAndQuotesCsvNames) {
  PlanFigures early;
  early.name = "early, saver";
  early.start_age = 60;
  early.end_age = 70;
  early.net_worth_at = {1234.5f, std::nullopt};
  early.first_negative_age = 68;
  early.lowest_net_worth = -250;
  PlanFigures late = early;
  late.name = "late";
  late.first_negative_age.reset();
  const std::vector<int> ages = {65, 75};
  const TextTable table = ComparisonTable({early, late}, ages, model::Currency::Dollars());
  const auto row = [&](const std::string& label) {
    return *std::find_if(table.begin(), table.end(), [&](const auto& r) { return r[0] == label; });
  };
  EXPECT_EQ(row("Net worth at 65")[1], "$1,235");
  EXPECT_EQ(row("Net worth at 75")[1], "-");
  EXPECT_EQ(row("First age with negative net worth")[1], "68");
  EXPECT_EQ(row("First age with negative net worth")[2], "never");
  EXPECT_EQ(row("Lowest net worth")[1], "$-250");
  const std::string csv = ComparisonCsv({early, late}, ages);
  EXPECT_EQ(SplitLines(csv)[0], "Figure,\"early, saver\",late");
  EXPECT_NE(csv.find("\nNet worth at 65,1234.50,1234.50\n"), std::string::npos);
  EXPECT_NE(csv.find("\nNet worth at 75,,\n"), std::string::npos);
  EXPECT_NE(csv.find("\nFirst age with negative net worth,68,\n"), std::string::npos);
}

// Damaged copies of a real plot file, each with the message the viewer shows for it.
TEST(PlotFileProblems, NameTheFileAndWhatIsWrong) {
  SiblingSampleRun sample(SamplePath("couple-saving"));
  ASSERT_TRUE(sample.ran);
  const auto lines = *ReadLines(sample.PlotPath());
  const auto without_last = [](std::vector<std::string> l, std::size_t n) {
    l.resize(l.size() - n);
    return l;
  };
  auto bad_count = lines;
  bad_count[5] = "fifty";
  auto bad_block = lines;
  bad_block[6 + std::stoul(lines[5])] = "x";
  auto bad_colour = lines;
  bad_colour[lines.size() - 2] = "green";
  struct Case {
    std::string name;
    std::vector<std::string> lines;
    std::string message;
  };
  const std::vector<Case> cases = {
      {"empty", {}, "f is damaged: it is empty."},
      {"cut off", without_last(lines, 1), "f is damaged: it ends before its \"Done\" line."},
      {"bad account count", bad_count,
       "f is damaged: line 6 is not an account count from 0 to 50."},
      {"bad first block", bad_block, "should start the first year."},
      {"bad colour", bad_colour, "is not a colour."},
  };
  for (const Case& c : cases) {
    const PlotFileLoad load = ParsePlotText(c.lines, "f");
    EXPECT_FALSE(load.ok()) << c.name;
    EXPECT_NE(load.message.find(c.message), std::string::npos) << c.name << ": " << load.message;
  }
  EXPECT_EQ(ReadPlotFile(sample.folder.File("none.tmp")).message,
            "Cannot open " + sample.folder.File("none.tmp") + ".");
}

}  // namespace
}  // namespace tarvel::siblings
