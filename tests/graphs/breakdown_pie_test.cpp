// Breakdown pie slices, their angles and the slice under the pointer.
#include "graphs/breakdown_pie.h"

#include <gtest/gtest.h>

#include "page_test_source.h"
#include "support/recording_canvas.h"

namespace tarvel::graphs {
namespace {

using testing::OwnedSource;

// Outgoing at age 61: withdrawals 300, interest 0, other -50, taxes 100, penalties 100.
OwnedSource OutgoingRun() {
  OwnedSource run(3, 60);
  PeriodRecord& record = run.periods[1];
  record[11] = 450;
  record[12] = 300;
  record[19] = -50;
  record[13] = 100;
  record[15] = 100;
  run.Refresh();
  return run;
}

TEST(BreakdownSlices, OnlyPositiveComponentsGetSlicesWithRunningSums) {
  const OwnedSource run = OutgoingRun();
  const PieBreakdown pie = MakeBreakdown(GraphKind::Outgoing, run.source, {}, 1);
  ASSERT_EQ(pie.slices.size(), 3u);
  EXPECT_EQ(pie.slices[0].name, "Withdrawals");
  EXPECT_EQ(pie.slices[1].name, "Taxes Paid");
  EXPECT_EQ(pie.slices[2].name, "Penalties Paid");
  EXPECT_DOUBLE_EQ(pie.total, 500);
  EXPECT_DOUBLE_EQ(pie.slices[1].start_sum, 300);
  EXPECT_DOUBLE_EQ(pie.slices[1].end_sum, 400);
  EXPECT_DOUBLE_EQ(pie.StartAngle(pie.slices[1]), kFullTurn * 0.6);
  EXPECT_DOUBLE_EQ(pie.EndAngle(pie.slices[2]), kFullTurn);
  // Colours follow the slices (entry k + 2): skipped components leave no gaps.
  EXPECT_EQ(pie.slices[0].colour_entry, 2);
  EXPECT_EQ(pie.slices[1].colour_entry, 3);
  EXPECT_EQ(pie.slices[2].colour_entry, 4);
  EXPECT_FLOAT_EQ(pie.age, 61);
}

TEST(BreakdownSlices, AccountAndGroupPiesStartAtTheFirstColour) {
  EXPECT_EQ(SliceColourEntry(GraphKind::Accounts, 0), 1);
  EXPECT_EQ(SliceColourEntry(GraphKind::Groups, 2), 3);
  EXPECT_EQ(SliceColourEntry(GraphKind::NetWorth, 0), 2);
  EXPECT_EQ(SliceColourEntry(GraphKind::Allocation, 1), 3);
}

TEST(BreakdownSlices, GroupTotalsAreSummedInWholeDollars) {
  OwnedSource run(2, 60);
  run.AddAccount("A", 0);
  run.AddAccount("B", 0);
  run.source.group_names[0] = "Stocks";
  run.balances[0][0] = 10.7f;
  run.balances[0][1] = 20.6f;
  run.Refresh();
  const PieBreakdown pie = MakeBreakdown(GraphKind::Groups, run.source, {}, 0);
  ASSERT_EQ(pie.slices.size(), 1u);
  EXPECT_DOUBLE_EQ(pie.total, 30);
}

TEST(BreakdownSlices, AnAgeWithNothingPositiveDrawsNoSlicesAndATotalOfZero) {
  const OwnedSource run = OutgoingRun();
  const PieBreakdown pie = MakeBreakdown(GraphKind::Outgoing, run.source, {}, 0);
  EXPECT_TRUE(pie.slices.empty());
  const std::vector<std::string> lines = PieListLines(pie, model::Currency::Dollars());
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0], "Total = 0");

  test_support::RecordingCanvas canvas;
  ChartContext context;
  context.area = {0, 0, 800, 600};
  DrawBreakdownPie(canvas, context, pie);
  EXPECT_TRUE(canvas.LinesStartingWith("pie ").empty());
}

TEST(BreakdownList, ShowsPercentagesAndTheTotalExceptForIncomingOutgoing) {
  const OwnedSource run = OutgoingRun();
  const PieBreakdown pie = MakeBreakdown(GraphKind::Outgoing, run.source, {}, 1);
  const std::vector<std::string> lines = PieListLines(pie, model::Currency::Dollars());
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[0], "Withdrawals   60.00%");
  EXPECT_EQ(lines[3], "Total = $500.00");

  PieBreakdown in_out = pie;
  in_out.kind = GraphKind::InOut;
  EXPECT_EQ(PieListLines(in_out, model::Currency::Dollars())[0], "Withdrawals");
  EXPECT_EQ(PieListLines(in_out, model::Currency::Dollars()).size(), 3u);
}

TEST(BreakdownHitTest, FindsTheSliceByItsClockwiseAngle) {
  const OwnedSource run = OutgoingRun();
  const PieBreakdown pie = MakeBreakdown(GraphKind::Outgoing, run.source, {}, 1);
  PieLayout layout;
  layout.centre = {400, 300};
  layout.radius = 100;
  // Withdrawals cover 0 to 0.6 of the turn, taxes 0.6 to 0.8, penalties 0.8 to 1.
  EXPECT_EQ(SliceAt(layout, pie, {450, 301}), 0);             // just below the x axis
  EXPECT_EQ(SliceAt(layout, pie, {400, 350}), 0);             // straight down: a quarter turn
  EXPECT_EQ(SliceAt(layout, pie, {350, 300}), 0);             // left: half a turn
  EXPECT_EQ(SliceAt(layout, pie, {360, 260}), 1);             // upper left: 0.625
  EXPECT_EQ(SliceAt(layout, pie, {430, 260}), 2);             // upper right: about 0.85
  EXPECT_EQ(SliceAt(layout, pie, {520, 300}), std::nullopt);  // outside the disc
  EXPECT_TRUE(OverPie(layout, {430, 260}));
  EXPECT_FALSE(OverPie(layout, {700, 50}));
}

TEST(BreakdownLayout, CentresRightOfTheListAndKeepsClearOfTheFooter) {
  const OwnedSource run = OutgoingRun();
  const PieBreakdown pie = MakeBreakdown(GraphKind::Outgoing, run.source, {}, 1);
  test_support::RecordingCanvas canvas;
  ChartContext context;
  context.area = {0, 0, 800, 600};
  const PieLayout layout = LayOutPie(canvas, context, pie);
  const int list_width = layout.list.Width();
  EXPECT_EQ(layout.centre.x, 400 + list_width / 2);
  // The footer's four lines are kept free: the pie's area ends at 600 - 4 x 16.
  EXPECT_EQ(layout.centre.y, 268);
  EXPECT_EQ(layout.radius, std::min((800 - list_width * 3 / 4) / 2, 268) - 3 * 16);
  DrawBreakdownPie(canvas, context, pie);
  EXPECT_EQ(canvas.LinesStartingWith("pie ").size(), 3u);
  const std::vector<std::string> texts = canvas.Texts();
  EXPECT_NE(std::find(texts.begin(), texts.end(), "Age 61"), texts.end());
}

}  // namespace
}  // namespace tarvel::graphs
