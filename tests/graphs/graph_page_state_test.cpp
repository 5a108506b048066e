// Zoom, style, legend and selection rules of a graph page.
#include "graphs/graph_page_state.h"

#include <gtest/gtest.h>

#include "page_test_source.h"

namespace tarvel::graphs {
namespace {

using testing::OwnedSource;

struct ZoomFixture : ::testing::Test {
  OwnedSource run{25, 60};  // ages 60 to 84
  GraphPageState state;
  void SetUp() override { state.SetRunPeriods(run.source.PeriodCount()); }
};

using GraphPageZoom = ZoomFixture;

TEST_F(GraphPageZoom, AppliesAMarkedRangeInEitherOrder) {
  EXPECT_EQ(state.MarkZoom(75, 5000), ZoomMark::Started);
  EXPECT_EQ(state.MarkZoom(65, 9000), ZoomMark::Ended);
  EXPECT_EQ(state.ApplyZoom(run.source), ZoomOutcome::Zoomed);
  EXPECT_TRUE(state.view().zoomed);
  EXPECT_EQ(state.view().first_period, 5);
  EXPECT_EQ(state.view().Periods(), 11);
  EXPECT_FLOAT_EQ(state.zoom_maximum(), 9000);
  const engine::AgeRange range = state.ZoomAgeRange();
  EXPECT_TRUE(range.set);
  EXPECT_FLOAT_EQ(range.first, 65);
  EXPECT_FLOAT_EQ(range.last, 75);
}

TEST_F(GraphPageZoom, TheEndMarkSetsTheTopOfTheGraphItWasMarkedOn) {
  state.MarkZoom(65, 9000, GraphKind::Incoming);
  state.MarkZoom(75, 5000, GraphKind::Incoming);
  EXPECT_FLOAT_EQ(state.selection().maximum, 5000);
  EXPECT_FALSE(state.ZoomMaximumFor(GraphKind::Incoming).has_value());  // not applied yet
  state.ApplyZoom(run.source);
  EXPECT_FLOAT_EQ(state.zoom_maximum(), 5000);
  EXPECT_EQ(state.ZoomMaximumFor(GraphKind::Incoming), 5000.0f);
  // The other graphs show the zoomed ages on their own values.
  for (GraphKind other : {GraphKind::NetWorth, GraphKind::InOut, GraphKind::Outgoing}) {
    EXPECT_FALSE(state.ZoomMaximumFor(other).has_value()) << static_cast<int>(other);
  }
}

TEST_F(GraphPageZoom, DropsARangeShorterThanTwoYears) {
  state.MarkZoom(60, 100);
  state.MarkZoom(61, 100);
  EXPECT_EQ(state.ApplyZoom(run.source), ZoomOutcome::Dropped);
  EXPECT_FALSE(state.view().zoomed);
  EXPECT_EQ(state.view().first_period, 0);
  EXPECT_EQ(state.view().Periods(), 25);
}

TEST_F(GraphPageZoom, DropsARangeEndingBeyondTheScenariosEndAge) {
  run.source.end_age = 80;
  state.MarkZoom(70, 100);
  state.MarkZoom(82, 100);
  EXPECT_EQ(state.ApplyZoom(run.source), ZoomOutcome::Dropped);
  EXPECT_FALSE(state.view().zoomed);
}

TEST_F(GraphPageZoom, OnlyAStartRunsFromTheFirstAge) {
  state.MarkZoom(70, 100);
  EXPECT_EQ(state.ApplyZoom(run.source), ZoomOutcome::Zoomed);
  EXPECT_EQ(state.view().first_period, 0);
  EXPECT_EQ(state.view().Periods(), 11);
}

TEST_F(GraphPageZoom, NoSelectionAndASecondApplyShowTheWholeRun) {
  EXPECT_EQ(state.ApplyZoom(run.source), ZoomOutcome::WholeRun);
  state.MarkZoom(62, 100);
  state.MarkZoom(70, 100);
  ASSERT_EQ(state.ApplyZoom(run.source), ZoomOutcome::Zoomed);
  EXPECT_EQ(state.ApplyZoom(run.source), ZoomOutcome::WholeRun);
  EXPECT_FALSE(state.view().zoomed);
  EXPECT_EQ(state.view().Periods(), 25);
  EXPECT_FALSE(state.ZoomAgeRange().set);
}

TEST_F(GraphPageZoom, AThirdMarkCancelsTheSelection) {
  state.MarkZoom(62, 100);
  state.MarkZoom(70, 100);
  EXPECT_EQ(state.MarkZoom(72, 100), ZoomMark::Cancelled);
  EXPECT_FALSE(state.selection().start_set);
  EXPECT_EQ(state.ApplyZoom(run.source), ZoomOutcome::WholeRun);
}

TEST_F(GraphPageZoom, EnteringTheThreeDStyleClearsTheZoom) {
  state.MarkZoom(62, 100);
  state.MarkZoom(70, 100);
  state.ApplyZoom(run.source);
  state.CycleStyle();
  state.CycleStyle();
  EXPECT_EQ(state.style(), ChartStyle::Bar3D);
  EXPECT_FALSE(state.view().zoomed);
  EXPECT_EQ(state.view().Periods(), 25);
}

TEST_F(GraphPageZoom, ANewRunKeepsAZoomThatStillFits) {
  state.MarkZoom(62, 100);
  state.MarkZoom(70, 100);
  state.ApplyZoom(run.source);
  state.SetRunPeriods(30);
  EXPECT_TRUE(state.view().zoomed);
  state.SetRunPeriods(8);
  EXPECT_FALSE(state.view().zoomed);
  EXPECT_EQ(state.view().Periods(), 8);
}

TEST(GraphPageStyle, CyclesLineBarThreeDAndBack) {
  GraphPageState state;
  state.SetRunPeriods(10);
  EXPECT_TRUE(state.CycleStyle());
  EXPECT_EQ(state.style(), ChartStyle::Bar);
  EXPECT_TRUE(state.CycleStyle());
  EXPECT_EQ(state.style(), ChartStyle::Bar3D);
  EXPECT_TRUE(state.CycleStyle());
  EXPECT_EQ(state.style(), ChartStyle::Line);
}

TEST(GraphPageStyle, ATwoYearRunStaysLine) {
  GraphPageState state;
  state.SetRunPeriods(2);
  EXPECT_FALSE(state.CycleStyle());
  EXPECT_EQ(state.style(), ChartStyle::Line);
}

TEST(GraphPageLegend, LTogglesFrontAndShowsAHiddenLegend) {
  GraphPageState state;
  state.ToggleLegend();
  EXPECT_TRUE(state.legend_in_front());
  state.HideLegend();
  EXPECT_TRUE(state.legend_hidden());
  state.ToggleLegend();
  EXPECT_FALSE(state.legend_hidden());
  EXPECT_TRUE(state.legend_in_front());
  state.ToggleLegend();
  EXPECT_FALSE(state.legend_in_front());
}

TEST(GraphPageBreakdown, ReturnsToTheKindItWasOpenedFrom) {
  GraphPageState state(GraphKind::Outgoing);
  state.SetRunPeriods(20);
  state.EnterBreakdown(7);
  EXPECT_TRUE(state.InBreakdown());
  EXPECT_EQ(state.SeriesKind(), GraphKind::Outgoing);
  EXPECT_EQ(state.selected_period(), 7);
  state.LeaveBreakdown();
  EXPECT_EQ(state.kind(), GraphKind::Outgoing);
}

TEST(GraphPageSelection, ArrowsStayWithinTheRun) {
  GraphPageState state;
  state.SetRunPeriods(3);
  EXPECT_FALSE(state.MoveSelectedPeriod(-1));
  EXPECT_TRUE(state.MoveSelectedPeriod(1));
  EXPECT_TRUE(state.MoveSelectedPeriod(1));
  EXPECT_FALSE(state.MoveSelectedPeriod(1));
  EXPECT_EQ(state.selected_period(), 2);
}

}  // namespace
}  // namespace tarvel::graphs
